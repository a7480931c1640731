#pragma once

#include <initializer_list>
#include <string>
#include <vector>

// Builds packed streams token by token, with the control bits in interleaved tag bytes as the depacker reads them.
class StreamBuilder {
public:
    explicit StreamBuilder(unsigned char first) { out.push_back(first); }

    StreamBuilder& literal(unsigned char b) {
        bit(0);
        out.push_back(b);
        return *this;
    }
    StreamBuilder& literals(const std::string& text) {
        for (char c : text) literal((unsigned char)c);
        return *this;
    }
    StreamBuilder& shortMatch(int offset, int length) {
        bits({1, 1, 0});
        out.push_back((unsigned char)(offset << 1 | (length - 2)));
        return *this;
    }
    StreamBuilder& end() {
        bits({1, 1, 0});
        out.push_back(0);
        return *this;
    }
    // `storedLength` is the gamma value in the stream, before the offset adjustments.
    StreamBuilder& longMatch(int offset, int storedLength, bool afterMatch) {
        bits({1, 0});
        gamma((offset >> 8) + (afterMatch ? 2 : 3));
        out.push_back((unsigned char)(offset & 0xFF));
        gamma(storedLength);
        return *this;
    }
    StreamBuilder& repeatMatch(int length) {
        bits({1, 0});
        gamma(2);
        gamma(length);
        return *this;
    }
    StreamBuilder& single(int offset) {
        bits({1, 1, 1, (offset >> 3) & 1, (offset >> 2) & 1, (offset >> 1) & 1, offset & 1});
        return *this;
    }

    std::vector<unsigned char> out;

private:
    void bit(int b) {
        if (used == 8) {
            tag = out.size();
            out.push_back(0);
            used = 0;
        }
        if (b) out[tag] |= (unsigned char)(0x80 >> used);
        ++used;
    }
    void bits(std::initializer_list<int> list) {
        for (int b : list) bit(b);
    }
    void gamma(unsigned v) {
        int top = 31 - __builtin_clz(v);
        for (int i = top - 1; i >= 0; --i) {
            bit((v >> i) & 1);
            bit(i > 0);
        }
    }
    size_t tag = 0;
    int used = 8;
};

// A stream that holds `bytes` as literals only.
inline std::vector<unsigned char> literalStream(const std::vector<unsigned char>& bytes) {
    StreamBuilder b(bytes.empty() ? 0 : bytes[0]);
    for (size_t i = 1; i < bytes.size(); ++i) b.literal(bytes[i]);
    return b.end().out;
}
