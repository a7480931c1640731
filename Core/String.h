#ifndef KELZO_CORE_STRING_H
#define KELZO_CORE_STRING_H

#include <cstdarg>

#include "Core/Array.h"

#define KELZO_PRINTF(fmtIndex, firstArg) __attribute__((format(printf, fmtIndex, firstArg)))

// The game's text type: a growable, NUL-terminated byte string with value
// semantics. Bytes only, no encoding. The capacity is 0 or a power of two and
// only grows; assigning an empty String gives the buffer back.
class String {
public:
    // Formatted texts go through a buffer of this size; longer results are cut.
    static const int kFormatBufferSize = 1024;

    String() = default;
    String(const char* text);                // null gives an empty String without buffer
    String(const char* bytes, int length);   // null or length 0 gives an empty String
    explicit String(int length);             // uninitialised bytes for the caller to fill via data()
    String(const String& other);
    String(String&& other) noexcept;
    ~String();

    String& operator=(const String& other);
    String& operator=(String&& other) noexcept;

    // Never null: an empty String gives "".
    const char* c_str() const;
    // The buffer itself; null while the String has none.
    char* data() { return data_; }
    const char* data() const { return data_; }
    int length() const { return length_; }
    int capacity() const { return capacity_; }
    bool isEmpty() const { return length_ == 0; }
    // No bounds check, as with a C string.
    char operator[](int index) const { return data_[index]; }
    char& operator[](int index) { return data_[index]; }

    String& operator+=(const char* text);
    String& operator+=(const String& text);
    String& operator+=(char byte);

    bool operator==(const String& other) const;
    bool operator==(const char* text) const;    // null and "" equal an empty String
    bool operator!=(const String& other) const { return !(*this == other); }
    bool operator!=(const char* text) const { return !(*this == text); }

    // First index of pattern at or after `from`; -1 when absent.
    int indexOf(const String& pattern, int from = 0) const;
    String mid(int start) const;
    String mid(int start, int count) const;
    // Copy without leading and trailing bytes <= 32 (blanks and control bytes).
    String trimmed() const;
    // In place; returns this String.
    String& toLowerCase();
    String lowerCased() const;
    // In place, in one pass: every occurrence, scanning on after each inserted
    // replacement, so a replacement that contains the pattern still ends. An
    // empty pattern, or a result too long for a String, changes nothing.
    void replaceAll(const String& pattern, const String& replacement);
    // In place; true when an occurrence was found.
    bool replaceFirst(const String& pattern, const String& replacement);
    void replaceChar(char from, char to);
    // The trimmed pieces between separator bytes, empty pieces kept;
    // an empty String gives no pieces.
    Array<String> split(char separator) const;

    // printf into a 1024-byte buffer; a longer result is cut at 1023 bytes.
    static String format(const char* fmt, ...) KELZO_PRINTF(1, 2);
    static String formatArgs(const char* fmt, va_list args);
    static String fromInt(int value);
    static String fromIntGrouped(int value, const char* separator = ",");   // 1234567 -> "1,234,567"
    static String fromIntPadded(int value, int width);
    static String fromUnsigned(unsigned value);
    static String fromBool(bool value);          // "1" or "0"
    static String fromHexByte(int value);        // "0A"
    static String fromHex32(unsigned value);     // "DEADBEEF"
    static String fromFloat(float value, int decimals);
    static String fromDouble(double value, int decimals);

private:
    // Makes room for `needed` bytes (the NUL included) by the growth rule.
    void grow(int needed, bool keepBytes);
    void append(const char* bytes, int count);

    char* data_ = nullptr;
    int length_ = 0;
    int capacity_ = 0;
};

String operator+(const String& a, const String& b);
String operator+(const String& a, const char* b);
String operator+(const String& a, char b);
String operator+(const char* a, const String& b);

// strlen with 0 for a null pointer.
int cStringLength(const char* text);

// Parsers: true on success with the value written through `out`; on failure
// `out` is left alone. A length of -1 means up to the NUL.
// parseInt takes an optional "-" then decimal digits; without "-" at most 9
// digits, so the value always fits in an int.
bool parseInt(const char* text, int* out, int length = -1);
// Exactly "1", "true", "yes", "on" or "0", "false", "no", "off".
bool parseBool(const String& text, bool* out);
// Optional "-", digits and at most one "."; at most 20 bytes; 9 fraction digits used.
bool parseDouble(const char* text, double* out, int length = -1);
bool parseFloat(const char* text, float* out, int length = -1);

#endif
