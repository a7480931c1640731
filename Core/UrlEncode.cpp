#include "Core/UrlEncode.h"

#include <cstring>

namespace {

bool passesUnencoded(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           (c != 0 && strchr("~!*()'", c) != nullptr);
}

}  // namespace

std::string byteToHex(int byte)
{
    static const char digits[] = "0123456789abcdef";
    std::string hex(2, '0');
    hex[0] = digits[(byte >> 4) & 15];
    hex[1] = digits[byte & 15];
    return hex;
}

std::string urlEncode(const std::string& text)
{
    std::string encoded;
    encoded.reserve(text.size() * 3);
    for (unsigned char c : text) {
        if (passesUnencoded(c)) {
            encoded += static_cast<char>(c);
        } else {
            encoded += '%';
            encoded += byteToHex(c);
        }
    }
    return encoded;
}

String urlEncode(const char* text)
{
    std::string encoded = urlEncode(std::string(text ? text : ""));
    return String(encoded.data(), static_cast<int>(encoded.size()));
}

String urlEncodeCString(const char* text) { return urlEncode(text); }
