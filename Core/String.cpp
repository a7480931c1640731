#include "Core/String.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int resolvedLength(const char* text, int length)
{
    return length < 0 ? cStringLength(text) : length;
}

} // namespace

int cStringLength(const char* text)
{
    return text ? static_cast<int>(strlen(text)) : 0;
}

String::String(const char* text)
{
    if (!text)
        return;
    int n = cStringLength(text);
    grow(n + 1, false);
    memcpy(data_, text, n + 1);
    length_ = n;
}

String::String(const char* bytes, int length)
{
    if (!bytes || length <= 0)
        return;
    grow(length + 1, false);
    memcpy(data_, bytes, length);
    data_[length] = 0;
    length_ = length;
}

String::String(int length)
{
    if (length < 0)
        length = 0;
    grow(length + 1, false);
    data_[0] = 0;
    data_[length] = 0;
    length_ = length;
}

String::String(const String& other)
{
    *this = other;
}

String::String(String&& other) noexcept
    : data_(other.data_), length_(other.length_), capacity_(other.capacity_)
{
    other.data_ = nullptr;
    other.length_ = 0;
    other.capacity_ = 0;
}

String::~String()
{
    delete[] data_;
}

String& String::operator=(const String& other)
{
    if (this == &other)
        return *this;
    if (other.length_ == 0) {
        delete[] data_;
        data_ = nullptr;
        length_ = 0;
        capacity_ = 0;
        return *this;
    }
    grow(other.length_ + 1, false);
    memcpy(data_, other.data_, other.length_ + 1);
    length_ = other.length_;
    return *this;
}

String& String::operator=(String&& other) noexcept
{
    if (this != &other) {
        delete[] data_;
        data_ = other.data_;
        length_ = other.length_;
        capacity_ = other.capacity_;
        other.data_ = nullptr;
        other.length_ = 0;
        other.capacity_ = 0;
    }
    return *this;
}

void String::grow(int needed, bool keepBytes)
{
    if (needed <= capacity_)
        return;
    int newCapacity = grownCapacity(capacity_, needed);
    char* grown = new char[newCapacity];
    if (keepBytes && data_)
        memcpy(grown, data_, length_ + 1);
    else
        grown[0] = 0;
    delete[] data_;
    data_ = grown;
    capacity_ = newCapacity;
}

void String::append(const char* bytes, int count)
{
    if (!bytes || count <= 0)
        return;
    if (data_ && bytes >= data_ && bytes < data_ + capacity_) {
        // Appending a part of itself: growing may free the source, copy it first.
        String copy(bytes, count);
        append(copy.data_, count);
        return;
    }
    grow(length_ + count + 1, true);
    memcpy(data_ + length_, bytes, count);
    length_ += count;
    data_[length_] = 0;
}

const char* String::c_str() const
{
    return length_ ? data_ : "";
}

String& String::operator+=(const char* text)
{
    append(text, cStringLength(text));
    return *this;
}

String& String::operator+=(const String& text)
{
    append(text.data_, text.length_);
    return *this;
}

String& String::operator+=(char byte)
{
    append(&byte, 1);
    return *this;
}

String operator+(const String& a, const String& b)
{
    String result(a);
    result += b;
    return result;
}

String operator+(const String& a, const char* b)
{
    String result(a);
    result += b;
    return result;
}

String operator+(const String& a, char b)
{
    String result(a);
    result += b;
    return result;
}

String operator+(const char* a, const String& b)
{
    String result(a);
    result += b;
    return result;
}

bool String::operator==(const String& other) const
{
    return length_ == other.length_ && (length_ == 0 || memcmp(data_, other.data_, length_) == 0);
}

bool String::operator==(const char* text) const
{
    int n = cStringLength(text);
    return length_ == n && (n == 0 || memcmp(data_, text, n) == 0);
}

int String::indexOf(const String& pattern, int from) const
{
    if (from < 0)
        from = 0;
    int n = pattern.length_;
    for (int i = from; i + n <= length_; i++) {
        if (n == 0 || memcmp(data_ + i, pattern.data_, n) == 0)
            return i;
    }
    return -1;
}

String String::mid(int start) const
{
    return mid(start, length_);
}

String String::mid(int start, int count) const
{
    if (start < 0)
        start = 0;
    if (start >= length_ || count <= 0)
        return String();
    if (count > length_ - start)
        count = length_ - start;
    return String(data_ + start, count);
}

String String::trimmed() const
{
    int start = 0;
    int end = length_;
    while (start < end && isBlank(data_[start]))
        start++;
    while (end > start && isBlank(data_[end - 1]))
        end--;
    return String(data_ + start, end - start);
}

String& String::toLowerCase()
{
    for (int i = 0; i < length_; i++)
        data_[i] = static_cast<char>(tolower(static_cast<unsigned char>(data_[i])));
    return *this;
}

String String::lowerCased() const
{
    String copy(*this);
    copy.toLowerCase();
    return copy;
}

void String::replaceAll(const String& pattern, const String& replacement)
{
    if (pattern.length_ == 0)
        return;
    // One pass into a buffer sized once: rebuilding the whole text at every occurrence took quadratic time.
    long long count = 0;
    for (int at = indexOf(pattern); at >= 0; at = indexOf(pattern, at + pattern.length_))
        ++count;
    long long newLength = length_ + count * (replacement.length_ - pattern.length_);
    if (count == 0 || newLength >= INT_MAX)
        return;  // nothing to do, or a result no String can hold
    String result;
    result.grow(static_cast<int>(newLength) + 1, false);
    int from = 0;
    for (int at = indexOf(pattern); at >= 0; at = indexOf(pattern, from)) {
        result.append(data_ + from, at - from);
        result.append(replacement.data_, replacement.length_);
        from = at + pattern.length_;
    }
    result.append(data_ + from, length_ - from);
    *this = std::move(result);
}

bool String::replaceFirst(const String& pattern, const String& replacement)
{
    int at = indexOf(pattern);
    if (at < 0 || pattern.length_ == 0)
        return false;
    *this = mid(0, at) + replacement + mid(at + pattern.length_);
    return true;
}

void String::replaceChar(char from, char to)
{
    for (int i = 0; i < length_; i++) {
        if (data_[i] == from)
            data_[i] = to;
    }
}

Array<String> String::split(char separator) const
{
    Array<String> pieces;
    if (length_ == 0)
        return pieces;
    int count = 1;
    for (int i = 0; i < length_; i++) {
        if (data_[i] == separator)
            count++;
    }
    pieces.setSize(count);
    int start = 0;
    int piece = 0;
    for (int i = 0; i <= length_; i++) {
        if (i == length_ || data_[i] == separator) {
            pieces[piece++] = String(data_ + start, i - start).trimmed();
            start = i + 1;
        }
    }
    return pieces;
}

String String::formatArgs(const char* fmt, va_list args)
{
    char buffer[kFormatBufferSize];
    if (!fmt)
        return String();
    int written = vsnprintf(buffer, sizeof buffer, fmt, args);
    if (written < 0)
        return String();
    return String(buffer);
}

String String::format(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    String result = formatArgs(fmt, args);
    va_end(args);
    return result;
}

String String::fromInt(int value)
{
    return format("%d", value);
}

String String::fromIntGrouped(int value, const char* separator)
{
    String digits = fromUnsigned(value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value));
    String result(value < 0 ? "-" : "");
    int n = digits.length();
    for (int i = 0; i < n; i++) {
        result += digits[i];
        int left = n - 1 - i;
        if (left > 0 && left % 3 == 0)
            result += separator;
    }
    return result;
}

String String::fromIntPadded(int value, int width)
{
    if (width > 64)
        width = 64;
    return format("%0*d", width < 0 ? 0 : width, value);
}

String String::fromUnsigned(unsigned value)
{
    return format("%u", value);
}

String String::fromBool(bool value)
{
    return String(value ? "1" : "0");
}

String String::fromHexByte(int value)
{
    return format("%02X", value & 0xff);
}

String String::fromHex32(unsigned value)
{
    return format("%08X", value);
}

String String::fromFloat(float value, int decimals)
{
    return fromDouble(value, decimals);
}

String String::fromDouble(double value, int decimals)
{
    if (decimals < 0)
        decimals = 0;
    if (decimals > 9)
        decimals = 9;
    return format("%.*f", decimals, value);
}

bool parseInt(const char* text, int* out, int length)
{
    if (!text)
        return false;
    length = resolvedLength(text, length);
    if (length == 0)
        return false;
    bool negative = text[0] == '-';
    if (negative && length == 1)
        return false;
    if (!negative && length > 9)
        return false;
    unsigned value = 0;
    for (int i = negative ? 1 : 0; i < length; i++) {
        if (!isDigit(text[i]))
            return false;
        unsigned next = value * 10u + static_cast<unsigned>(text[i] - '0');
        // A negative text has no length limit: refuse one whose magnitude
        // no longer fits rather than wrap into a wrong number.
        if (next / 10u != value || next > 2147483648u)
            return false;
        value = next;
    }
    *out = negative ? static_cast<int>(0u - value) : static_cast<int>(value);
    return true;
}

bool parseBool(const String& text, bool* out)
{
    static const char* const yes[] = {"1", "true", "yes", "on"};
    static const char* const no[] = {"0", "false", "no", "off"};
    for (int i = 0; i < 4; i++) {
        if (text == yes[i]) {
            *out = true;
            return true;
        }
        if (text == no[i]) {
            *out = false;
            return true;
        }
    }
    return false;
}

bool parseDouble(const char* text, double* out, int length)
{
    static const double powersOfTen[10] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    if (!text)
        return false;
    length = resolvedLength(text, length);
    if (length == 0 || length > 20)
        return false;
    bool negative = text[0] == '-';
    if (negative && length == 1)
        return false;
    double whole = 0;
    unsigned fraction = 0;
    int fractionDigits = 0;
    bool seenPoint = false;
    for (int i = negative ? 1 : 0; i < length; i++) {
        char c = text[i];
        if (c == '.') {
            if (seenPoint)
                return false;
            seenPoint = true;
        } else if (!isDigit(c)) {
            return false;
        } else if (!seenPoint) {
            whole = whole * 10 + (c - '0');
        } else if (fractionDigits < 9) {
            fraction = fraction * 10 + static_cast<unsigned>(c - '0');
            fractionDigits++;
        }
    }
    double value = whole + fraction / powersOfTen[fractionDigits];
    *out = negative ? -value : value;
    return true;
}

bool parseFloat(const char* text, float* out, int length)
{
    double value;
    if (!parseDouble(text, &value, length))
        return false;
    *out = static_cast<float>(value);
    return true;
}
