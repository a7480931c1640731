#include "Core/Stream.h"

#include <cstring>

namespace {

bool writeLittleEndian(StreamOut& out, uint32_t value, int count)
{
    unsigned char bytes[4];
    for (int i = 0; i < count; i++)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    return out.write(bytes, count) == count;
}

bool readLittleEndian(StreamIn& in, uint32_t* value, int count)
{
    unsigned char bytes[4];
    if (in.read(bytes, count) != count)
        return false;
    uint32_t result = 0;
    for (int i = 0; i < count; i++)
        result |= static_cast<uint32_t>(bytes[i]) << (8 * i);
    *value = result;
    return true;
}

} // namespace

StreamOut& operator<<(StreamOut& out, const String& text)
{
    if (text.length() > 0)
        out.write(text.data(), text.length());
    return out;
}

StreamOut& operator<<(StreamOut& out, const char* text)
{
    int n = cStringLength(text);
    if (n > 0)
        out.write(text, n);
    if (n == 1 && text[0] == '\n')
        out.flush();
    return out;
}

StreamOut& operator<<(StreamOut& out, int value)
{
    return out << String::fromInt(value);
}

StreamOut& operator<<(StreamOut& out, char byte)
{
    out.write(&byte, 1);
    return out;
}

bool writeInt32(StreamOut& out, int value)
{
    return writeLittleEndian(out, static_cast<uint32_t>(value), 4);
}

bool readInt(StreamIn& in, int* value)
{
    uint32_t raw;
    if (!readLittleEndian(in, &raw, 4))
        return false;
    *value = static_cast<int>(raw);
    return true;
}

bool readWord(StreamIn& in, int* value)
{
    return readInt(in, value);
}

bool writeInt16(StreamOut& out, int value)
{
    return writeLittleEndian(out, static_cast<uint32_t>(value), 2);
}

bool readInt16(StreamIn& in, int* value)
{
    uint32_t raw;
    if (!readLittleEndian(in, &raw, 2))
        return false;
    *value = static_cast<int16_t>(static_cast<uint16_t>(raw));
    return true;
}

bool writeByte(StreamOut& out, int value)
{
    return writeLittleEndian(out, static_cast<uint32_t>(value), 1);
}

bool readByte(StreamIn& in, int* value)
{
    uint32_t raw;
    if (!readLittleEndian(in, &raw, 1))
        return false;
    *value = static_cast<int>(raw);
    return true;
}

bool writeBool(StreamOut& out, bool value)
{
    return writeByte(out, value ? 1 : 0);
}

bool readBool(StreamIn& in, bool* value)
{
    int raw;
    if (!readByte(in, &raw))
        return false;
    *value = raw != 0;
    return true;
}

bool writeFloat(StreamOut& out, float value)
{
    uint32_t raw;
    memcpy(&raw, &value, 4);
    return writeLittleEndian(out, raw, 4);
}

bool readFloat(StreamIn& in, float* value)
{
    uint32_t raw;
    if (!readLittleEndian(in, &raw, 4))
        return false;
    memcpy(value, &raw, 4);
    return true;
}

bool readCount(StreamIn& in, int* value, int maxCount)
{
    int count;
    if (!readInt(in, &count) || count < 0 || count > maxCount)
        return false;
    *value = count;
    return true;
}

bool writeByteString(StreamOut& out, const String& text)
{
    if (!writeInt32(out, text.length()))
        return false;
    return text.length() == 0 || out.write(text.data(), text.length()) == text.length();
}

bool readByteString(StreamIn& in, Array<char>* bytes)
{
    int length;
    if (!readCount(in, &length, kMaxByteStringLength))
        return false;
    bytes->setSize(length + 1);
    if (length > 0 && in.read(bytes->data(), length) != length) {
        bytes->setSize(1);
        (*bytes)[0] = 0;
        return false;
    }
    (*bytes)[length] = 0;
    return true;
}

bool streamReadByteString(StreamIn& in, String* text)
{
    Array<char> bytes;
    if (!readByteString(in, &bytes))
        return false;
    *text = String(bytes.data(), bytes.size() - 1);
    return true;
}
