#pragma once

// Builds the bytes of a little-endian state file for reader tests.
//
//   std::string bytes = FileBuilder().tag().int32(3).text("abc").bytes();

#include <cstdint>
#include <string>

class FileBuilder {
public:
    FileBuilder& int32(int32_t value)
    {
        uint32_t v = static_cast<uint32_t>(value);
        for (int i = 0; i < 4; ++i)
            bytes_ += static_cast<char>((v >> (8 * i)) & 0xff);
        return *this;
    }
    // The game's tag "fr01", stored as the bytes "10rf".
    FileBuilder& tag() { return raw("10rf"); }
    // Length word and bytes.
    FileBuilder& text(const std::string& value)
    {
        int32(static_cast<int32_t>(value.size()));
        return raw(value);
    }
    FileBuilder& raw(const std::string& value)
    {
        bytes_ += value;
        return *this;
    }
    FileBuilder& byte(int value)
    {
        bytes_ += static_cast<char>(value);
        return *this;
    }
    FileBuilder& cut(size_t size)
    {
        bytes_.resize(size);
        return *this;
    }
    size_t size() const { return bytes_.size(); }
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};
