#include "AudioFile.h"

#include "Dsp.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

int16_t toPcm(float v) {
    float s = std::max(-1.0f, std::min(1.0f, v)) * 32767.0f;
    return static_cast<int16_t>(std::lround(s));
}

void putLe(std::vector<unsigned char>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

bool writeAll(FILE* f, const void* data, size_t n) { return std::fwrite(data, 1, n, f) == n; }

}  // namespace

bool writeWav(const std::string& path, const StereoBuffer& sound) {
    const uint32_t dataBytes = static_cast<uint32_t>(sound.frames() * 4);
    std::vector<unsigned char> out;
    out.reserve(44 + dataBytes);
    const char* riff = "RIFF";
    out.insert(out.end(), riff, riff + 4);
    putLe(out, 36 + dataBytes, 4);
    const char* wavefmt = "WAVEfmt ";
    out.insert(out.end(), wavefmt, wavefmt + 8);
    putLe(out, 16, 4);              // format chunk size
    putLe(out, 1, 2);               // PCM
    putLe(out, 2, 2);               // channels
    putLe(out, kSampleRate, 4);
    putLe(out, kSampleRate * 4, 4);  // bytes per second
    putLe(out, 4, 2);               // bytes per frame
    putLe(out, 16, 2);              // bits per sample
    const char* data = "data";
    out.insert(out.end(), data, data + 4);
    putLe(out, dataBytes, 4);
    for (size_t i = 0; i < sound.frames(); ++i) {
        putLe(out, static_cast<uint16_t>(toPcm(sound.left[i])), 2);
        putLe(out, static_cast<uint16_t>(toPcm(sound.right[i])), 2);
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = writeAll(f, out.data(), out.size());
    return std::fclose(f) == 0 && ok;
}

bool writeOggVorbis(const std::string& path, const StereoBuffer& sound, float quality) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 2, kSampleRate, quality) != 0) {
        vorbis_info_clear(&info);
        std::fclose(f);
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "ENCODER", "kelzo soundgen");
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 0x4B454C5A);
    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    ogg_page page;
    bool ok = true;
    while (ogg_stream_flush(&stream, &page) != 0)
        ok = ok && writeAll(f, page.header, page.header_len) && writeAll(f, page.body, page.body_len);

    const size_t chunk = 4096;
    size_t pos = 0;
    bool ended = false;
    while (!ended) {
        size_t n = std::min(chunk, sound.frames() - pos);
        if (n == 0) {
            vorbis_analysis_wrote(&dsp, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
            std::memcpy(buffer[0], sound.left.data() + pos, n * sizeof(float));
            std::memcpy(buffer[1], sound.right.data() + pos, n * sizeof(float));
            vorbis_analysis_wrote(&dsp, static_cast<int>(n));
            pos += n;
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    ok = ok && writeAll(f, page.header, page.header_len) && writeAll(f, page.body, page.body_len);
                    if (ogg_page_eos(&page)) ended = true;
                }
            }
        }
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return std::fclose(f) == 0 && ok;
}
