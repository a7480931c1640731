#include "graphics/ImageLoading.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include "Core/File.h"
#include "Core/Log.h"
#include "Core/Packer.h"

ResourceBuffer gResourceCache;

const ResourceBuffer& loadResourceFile(const String& name) {
    ResourceBuffer& cache = gResourceCache;
    cache.size = 0;
    bool ok = false;
    File file(name, &ok);
    if (!ok) ok = file.open((name + ".png").c_str(), false);
    if (!ok) return cache;
    file.seekEnd();
    int size = file.tell();
    file.seek(0);
    if (size <= 0) return cache;
    if (size > cache.capacity) {
        int capacity = cache.capacity > 0 ? cache.capacity : 1;
        while (capacity < size) capacity *= 2;
        delete[] cache.data;
        cache.data = new unsigned char[capacity];
        cache.capacity = capacity;
    }
    cache.size = std::max(0, file.read(cache.data, size));
    return cache;
}

// --- PNG decoding -------------------------------------------------------------------------------------------

namespace {

struct PngSource {
    const unsigned char* data;
    size_t size;
    size_t position;
};

// Every read is checked: a truncated stream becomes a library error, never a read past the buffer.
void readPngFromMemory(png_structp png, png_bytep out, png_size_t count) {
    PngSource* source = (PngSource*)png_get_io_ptr(png);
    if (count > source->size - source->position) png_error(png, "image data ends early");
    memcpy(out, source->data + source->position, count);
    source->position += count;
}

void pngError(png_structp png, png_const_charp message) {
    logPrintf("ERR", "PNG: %s", message);
    png_longjmp(png, 1);
}

// A warning can mean the picture was read without part of it; worth a line in the log.
void pngWarning(png_structp, png_const_charp message) { logPrintf("ERR", "PNG warning: %s", message); }

// No chunk the game reads needs more than this in one piece (a palette is 768 bytes, tRNS 256); the image data
// itself is streamed, not held whole.
const png_alloc_size_t kMaxChunkBytes = 64 * 1024;

bool isPng(const unsigned char* data, int size) { return data && size >= 8 && png_sig_cmp(data, 0, 8) == 0; }

png_structp createReader(PngSource* source, png_infop* info) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, pngError, pngWarning);
    if (!png) return nullptr;
    *info = png_create_info_struct(png);
    if (!*info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return nullptr;
    }
    png_set_read_fn(png, source, readPngFromMemory);
    png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
    png_set_chunk_malloc_max(png, kMaxChunkBytes);
    // Text, colour profiles, gamma and the like are never used: they are read past in small pieces and dropped.
    // Handled, the library would first allocate and zero whatever length the chunk declares (2 GB in a damaged
    // file of 50 bytes). The chunks that carry the picture (header, palette, transparency, data, end) still are.
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    return png;
}

// Copies decoded 8-bit rows of 3 or 4 channels into dst, premultiplying.
void copyRows(png_bytepp rows, int channels, int w, int h, int x, int y, RGBA* dst, int dstW, int dstH, int maxW,
              int maxH) {
    int cw = w, ch = h;
    if (dstH <= h + y) ch = dstH - y;
    if (dstW <= w + x) cw = dstW - x;
    if (maxH != -1) ch = std::min(ch, maxH);
    if (maxW != -1) cw = std::min(cw, maxW);
    if (x < 0 || y < 0) return;
    cw = std::max(cw, 0);
    ch = std::max(ch, 0);
    for (int j = 0; j < ch; ++j) {
        const png_byte* s = rows[j];
        RGBA* d = dst + (size_t)(y + j) * dstW + x;
        if (channels == 3) {
            for (int i = 0; i < cw; ++i, s += 3) d[i] = RGBA{s[0], s[1], s[2], 255};
            continue;
        }
        for (int i = 0; i < cw; ++i, s += 4)
            d[i] = RGBA{premultiply(s[0], s[3]), premultiply(s[1], s[3]), premultiply(s[2], s[3]), s[3]};
        std::fill(d + cw, dst + (size_t)(y + j + 1) * dstW, RGBA{0, 0, 0, 0});
    }
    if (channels == 4 && y + ch < dstH)
        std::fill(dst + (size_t)(y + ch) * dstW, dst + (size_t)dstH * dstW, RGBA{0, 0, 0, 0});
}

}  // namespace

namespace {

// Where a decoded picture goes; see decodePng.
struct PngTarget {
    RGBA* dst;
    int x, y, dstW, dstH, maxW, maxH;
};

// Reads a PNG from memory: its size, and with a target the whole picture into it. Any library error ends here,
// with the structures freed and nothing written.
bool readPng(const unsigned char* data, int size, int* width, int* height, const PngTarget* target) {
    if (!isPng(data, size)) return false;
    PngSource source{data, (size_t)size, 0};
    png_infop info = nullptr;
    png_structp png = createReader(&source, &info);
    if (!png) return false;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    bool ok = true;
    if (!target) {
        png_read_info(png, info);
    } else {
        // Palette, grey and 16-bit pictures are brought to 8-bit RGB or RGBA; a transparency chunk becomes alpha.
        png_read_png(png, info, PNG_TRANSFORM_EXPAND | PNG_TRANSFORM_STRIP_16 | PNG_TRANSFORM_GRAY_TO_RGB, nullptr);
        int channels = png_get_channels(png, info);
        ok = channels == 3 || channels == 4;
        if (ok)
            copyRows(png_get_rows(png, info), channels, (int)png_get_image_width(png, info),
                     (int)png_get_image_height(png, info), target->x, target->y, target->dst, target->dstW,
                     target->dstH, target->maxW, target->maxH);
    }
    *width = (int)png_get_image_width(png, info);
    *height = (int)png_get_image_height(png, info);
    png_destroy_read_struct(&png, &info, nullptr);
    return ok;
}

}  // namespace

bool readPngHeader(const unsigned char* data, int size, int* width, int* height) {
    int w, h;
    if (!readPng(data, size, &w, &h, nullptr)) return false;
    *width = w;
    *height = h;
    return true;
}

bool decodePng(const unsigned char* data, int size, int x, int y, RGBA* dst, int dstW, int dstH, int maxW, int maxH) {
    if (!dst) return false;
    PngTarget target{dst, x, y, dstW, dstH, maxW, maxH};
    int w, h;
    return readPng(data, size, &w, &h, &target);
}

// --- Bitmaps from files ---------------------------------------------------------------------------------------

void Bitmap::decodeFrom(const unsigned char* data, int size, bool pow2, const char* what) {
    int w = 0, h = 0;
    if (size <= 0) {
        logPrintf("ERR", "image %s not found", what);
    } else if (!readPngHeader(data, size, &w, &h) || w <= 0 || h <= 0 || w > kMaxImageSide || h > kMaxImageSide) {
        logPrintf("ERR", "image %s is not a readable PNG", what);
        w = h = 0;
    }
    const int aw = pow2 ? nextPowerOfTwo(w) : w;
    const int ah = pow2 ? nextPowerOfTwo(h) : h;
    // A picture 10 rows high and wider than 64 is stored (and uploaded) with 32 rows; the rows below the
    // decoded ones are allocated and cleared, so the upload never reads past the array.
    const bool tallStorage = h == 10 && w > 64;
    allocate(w, h, aw, tallStorage ? std::max(ah, 32) : ah);
    resetRect();
    if (w > 0 && !decodePng(data, size, 0, 0, pixels, aw, ah, -1, -1)) {
        logPrintf("ERR", "image %s is damaged", what);
        clear();
    }
}

Bitmap::Bitmap(const char* name, float alphaScale, bool pow2) {
    const ResourceBuffer& bytes = loadResourceFile(name);
    decodeFrom(bytes.data, bytes.size, pow2, name);
    scaleAlpha(alphaScale);
}

Bitmap::Bitmap(const void* png, int size) { decodeFrom((const unsigned char*)png, size, false, "in memory"); }

Bitmap* loadStretchedBitmap(const char* name, int dy, int dx) {
    Bitmap* loaded = new Bitmap(name, 1.0f, true);
    if (dy == 0 && dx == 0) return loaded;
    Bitmap* stretched = loaded->centreStretch(dy, dx);
    delete loaded;
    return stretched;
}

Bitmap* loadCentreResizedBitmap(const char* name, int dy, int dx) {
    Bitmap* loaded = new Bitmap(name, 1.0f, true);
    if (dy == 0 && dx == 0) return loaded;
    const int w = loaded->width, h = loaded->height;
    Bitmap* out = new Bitmap(w + dx, h + dy, true);
    if (loaded->pixels && out->pixels) {
        const int m = h / 2 + (dy < 0 ? dy / 2 : 0);
        const int t1 = w / 3, t2 = (2 * w) / 3, half = dx / 2;
        for (int y = 0; y < out->height; ++y) {
            int sy = y <= m ? y : (y - dy > m ? y - dy : m + 1);
            for (int x = 0; x < out->width; ++x) {
                int c = x <= t1 ? x : (x - half > t1 ? x - half : t1 + 1);
                if (c > t2) c = c - half > t2 ? c - half : t2 + 1;
                if (c >= 0 && c < w && sy >= 0 && sy < h) out->at(x, y) = loaded->at(c, sy);
            }
        }
    }
    delete loaded;
    return out;
}

Bitmap* loadPackedBitmap(const char* name, int width, int height) {
    Bitmap* out = new Bitmap(width, height, false);
    const ResourceBuffer& bytes = loadResourceFile(String(name) + ".cmp");
    unsigned int wanted = (unsigned int)out->allocW * out->allocH * sizeof(RGBA);
    if (!out->pixels) return out;
    Packer packer;
    if (packer.depack(bytes.data, bytes.size, out->pixels, wanted) != wanted) {
        logPrintf("ERR", "packed image %s is missing or damaged", name);
        out->clear();
    }
    return out;
}

// --- Writing --------------------------------------------------------------------------------------------------

static void pngWriteError(png_structp png, png_const_charp message) {
    logPrintf("ERR", "PNG write: %s", message);
    png_longjmp(png, 1);
}

bool writePng(const char* path, const RGBA* pixels, int width, int height, int stride) {
    if (!pixels || width <= 0 || height <= 0) return false;
    FILE* file = fopen(path, "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, pngWriteError, pngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    png_bytepp rows = (png_bytepp)malloc(sizeof(png_bytep) * height);
    bool ok = png && info && rows;
    if (ok && setjmp(png_jmpbuf(png))) ok = false;
    else if (ok) {
        png_init_io(png, file);
        png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        for (int y = 0; y < height; ++y) rows[y] = (png_bytep)(pixels + (size_t)y * stride);
        png_set_rows(png, info, rows);
        png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    }
    if (png) png_destroy_write_struct(&png, info ? &info : nullptr);
    free(rows);
    if (fclose(file) != 0) ok = false;
    return ok;
}

bool Bitmap::savePng(const char* path) const { return writePng(path, pixels, width, height, allocW); }
