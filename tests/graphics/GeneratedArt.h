#pragma once
#include <png.h>

#include <cstring>
#include <string>
#include <vector>

// The generated pictures of the data folder, read as written (straight alpha, RGBA bytes), for the
// tests that check the art.

inline std::string dataPath(const std::string& name)
{
    return std::string(KELZO_DATA_DIR) + "/" + name;
}

struct Image {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;  // straight alpha, as written
    const unsigned char* at(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
    unsigned char alpha(int x, int y) const { return at(x, y)[3]; }
};

inline bool loadPng(const std::string& path, Image& out)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return false;
    image.format = PNG_FORMAT_RGBA;
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    out.rgba.resize(PNG_IMAGE_SIZE(image));
    bool ok = png_image_finish_read(&image, nullptr, out.rgba.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return ok;
}
