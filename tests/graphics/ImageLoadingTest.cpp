#include <gtest/gtest.h>
#include <png.h>
#include <sys/resource.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "graphics/ImageLoading.h"
#include "tests/Core/PackedStreamBuilder.h"

namespace {

// Writes a PNG fixture of any colour type and depth; `data` holds the rows back to back.
void writeFixture(const std::string& path, int w, int h, int colourType, int depth, const std::vector<unsigned char>& data,
                  const std::vector<png_color>& palette = {}, const std::vector<unsigned char>& trns = {}) {
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, f);
    png_set_IHDR(png, info, w, h, depth, colourType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!palette.empty()) png_set_PLTE(png, info, palette.data(), (int)palette.size());
    if (!trns.empty()) png_set_tRNS(png, info, trns.data(), (int)trns.size(), nullptr);
    png_write_info(png, info);
    size_t rowBytes = data.size() / h;
    for (int y = 0; y < h; ++y) png_write_row(png, data.data() + y * rowBytes);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    fclose(f);
}

// An opaque RGBA picture whose pixels tell where they came from: r = x, g = y, b = 9.
void writeCoordinatePng(const std::string& path, int w, int h) {
    std::vector<unsigned char> data;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) data.insert(data.end(), {(unsigned char)x, (unsigned char)y, 9, 255});
    writeFixture(path, w, h, PNG_COLOR_TYPE_RGB_ALPHA, 8, data);
}

std::vector<unsigned char> fileBytes(const std::string& path) {
    std::vector<unsigned char> bytes;
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return bytes;
    int c;
    while ((c = fgetc(f)) != EOF) bytes.push_back((unsigned char)c);
    fclose(f);
    return bytes;
}

void writeBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

// A PNG chunk: declared length, type, data, CRC. The declared length may claim more than the data holds.
std::vector<unsigned char> pngChunk(const char* type, uint32_t declared, const std::vector<unsigned char>& data) {
    std::vector<unsigned char> chunk(8 + data.size() + 4);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) chunk[at + i] = (unsigned char)(v >> (24 - 8 * i));
    };
    put32(0, declared);
    memcpy(chunk.data() + 4, type, 4);
    std::copy(data.begin(), data.end(), chunk.begin() + 8);
    put32(8 + data.size(), (uint32_t)crc32(0, chunk.data() + 4, (uInt)(4 + data.size())));
    return chunk;
}

// The picture's bytes with a chunk put right after the header chunk (signature 8 bytes + IHDR 25 bytes).
std::vector<unsigned char> withChunkAfterHeader(std::vector<unsigned char> png, const std::vector<unsigned char>& chunk) {
    png.insert(png.begin() + 33, chunk.begin(), chunk.end());
    return png;
}

bool allClear(const Bitmap& b) {
    for (int y = 0; y < b.allocH; ++y)
        for (int x = 0; x < b.allocW; ++x)
            if (b.pixelWord(x, y) != 0) return false;
    return true;
}

TEST(ImageLoadingTest, EveryColourTypeDecodesPremultiplied) {
    struct Case {
        const char* name;
        int colourType, depth;
        std::vector<unsigned char> data;
        std::vector<png_color> palette;
        std::vector<unsigned char> trns;
        RGBA first, second;
    } cases[] = {
        {"rgba", PNG_COLOR_TYPE_RGB_ALPHA, 8, {200, 100, 50, 255, 200, 100, 50, 128}, {}, {},
         {200, 100, 50, 255}, {100, 50, 25, 128}},
        {"rgb", PNG_COLOR_TYPE_RGB, 8, {10, 20, 30, 250, 251, 252}, {}, {}, {10, 20, 30, 255}, {250, 251, 252, 255}},
        {"palette", PNG_COLOR_TYPE_PALETTE, 8, {0, 1}, {{255, 0, 0}, {0, 0, 255}}, {255, 0},
         {255, 0, 0, 255}, {0, 0, 0, 0}},
        {"grey", PNG_COLOR_TYPE_GRAY, 8, {77, 255}, {}, {}, {77, 77, 77, 255}, {255, 255, 255, 255}},
        {"grey_alpha", PNG_COLOR_TYPE_GRAY_ALPHA, 8, {200, 51, 0, 255}, {}, {}, {40, 40, 40, 51}, {0, 0, 0, 255}},
        {"rgb16", PNG_COLOR_TYPE_RGB, 16, {0xAB, 0xCD, 0x12, 0x34, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0}, {}, {},
         {0xAB, 0x12, 0xFF, 255}, {0, 0, 0, 255}},
    };
    for (const Case& c : cases) {
        std::string file = std::string("imgtest_") + c.name + ".png";
        writeFixture(file, 2, 1, c.colourType, c.depth, c.data, c.palette, c.trns);
        Bitmap b(file.c_str(), 1.0f, true);
        ASSERT_EQ(b.width, 2) << c.name;
        ASSERT_EQ(b.height, 1) << c.name;
        EXPECT_EQ(b.allocW, 16) << c.name;
        EXPECT_EQ(rgbaWord(b.at(0, 0)), rgbaWord(c.first)) << c.name;
        EXPECT_EQ(rgbaWord(b.at(1, 0)), rgbaWord(c.second)) << c.name;
        EXPECT_EQ(b.pixelWord(2, 0), 0u) << c.name;
        EXPECT_EQ(b.pixelWord(0, 1), 0u) << c.name;
    }
}

TEST(ImageLoadingTest, BadFilesGiveEmptyPicturesNeverStaleBytes) {
    writeCoordinatePng("imgtest_good.png", 20, 20);
    std::vector<unsigned char> good = fileBytes("imgtest_good.png");
    ASSERT_GT(good.size(), 60u);
    writeBytes("imgtest_truncated.png", std::vector<unsigned char>(good.begin(), good.begin() + good.size() / 2));
    writeBytes("imgtest_text.png", std::vector<unsigned char>{'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g', '!'});
    std::vector<unsigned char> damaged = good;
    for (size_t i = 45; i < damaged.size() - 16; i += 5) damaged[i] ^= 0x5A;
    writeBytes("imgtest_damaged.png", damaged);

    Bitmap first("imgtest_good.png", 1.0f, true);
    ASSERT_EQ(first.width, 20);
    EXPECT_EQ(first.allocW, 32);
    EXPECT_EQ(first.at(19, 19).r, 19);

    struct Case {
        const char* file;
        int width;
    } cases[] = {{"imgtest_missing.png", 0}, {"imgtest_text.png", 0}, {"imgtest_truncated.png", 20},
                 {"imgtest_damaged.png", 20}};
    for (const Case& c : cases) {
        Bitmap b(c.file, 1.0f, true);
        EXPECT_EQ(b.width, c.width) << c.file;
        EXPECT_EQ(b.allocW, c.width ? 32 : 16) << c.file;
        EXPECT_TRUE(allClear(b)) << c.file;
        Bitmap exact(c.file, 1.0f, false);
        EXPECT_EQ(exact.allocW, c.width) << c.file;
        EXPECT_TRUE(exact.pixels == nullptr || allClear(exact)) << c.file;
    }
    int w = -1, h = -1;
    EXPECT_FALSE(readPngHeader(good.data(), 7, &w, &h));
    EXPECT_EQ(w, -1);
    EXPECT_TRUE(readPngHeader(good.data(), (int)good.size(), &w, &h));
    EXPECT_EQ(w, 20);
}

TEST(ImageLoadingTest, AllocationPaddingAndTheTenRowRule) {
    writeCoordinatePng("imgtest_20.png", 20, 20);
    Bitmap b("imgtest_20.png", 1.0f, true);
    EXPECT_EQ(b.allocW, 32);
    EXPECT_EQ(b.allocH, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (x >= 20 || y >= 20) {
                ASSERT_EQ(b.pixelWord(x, y), 0u) << x << "," << y;
            }

    struct Case {
        int w;
        bool pow2;
        int allocH;
    } cases[] = {{100, true, 32}, {100, false, 32}, {64, true, 16}, {64, false, 10}};
    for (const Case& c : cases) {
        std::string file = "imgtest_strip" + std::to_string(c.w) + ".png";
        writeCoordinatePng(file, c.w, 10);
        Bitmap strip(file.c_str(), 1.0f, c.pow2);
        EXPECT_EQ(strip.allocH, c.allocH) << c.w << " " << c.pow2;
        // Every row of the allocation exists and below the picture it is clear.
        for (int y = 10; y < strip.allocH; ++y)
            for (int x = 0; x < strip.allocW; ++x) ASSERT_EQ(strip.pixelWord(x, y), 0u);
        EXPECT_EQ(strip.at(c.w - 1, 9).g, 9);
    }
}

TEST(ImageLoadingTest, NamesWithAndWithoutExtension) {
    writeCoordinatePng("imgtest_named.png", 3, 2);
    writeCoordinatePng("imgtest_bare", 5, 2);
    EXPECT_EQ(Bitmap("imgtest_named", 1.0f, false).width, 3);
    EXPECT_EQ(Bitmap("imgtest_named.png", 1.0f, false).width, 3);
    EXPECT_EQ(Bitmap("imgtest_bare", 1.0f, false).width, 5);
}

TEST(ImageLoadingTest, AlphaScaleAppliesAfterDecoding) {
    writeFixture("imgtest_half.png", 1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, {255, 255, 255, 255});
    Bitmap b("imgtest_half.png", 0.5f, true);
    EXPECT_EQ(rgbaWord(b.at(0, 0)), rgbaWord(RGBA{255, 255, 255, 127}));
}

TEST(ImageLoadingTest, CentreResizeRepeatsThirdsAndMiddleRow) {
    writeCoordinatePng("imgtest_slider.png", 248, 78);
    std::unique_ptr<Bitmap> b(loadCentreResizedBitmap("imgtest_slider.png", 28, 52));
    ASSERT_EQ(b->width, 300);
    ASSERT_EQ(b->height, 106);
    for (int x = 0; x < 300; ++x) {
        int expected = x <= 82 ? x : x <= 109 ? 83 : x <= 191 ? x - 26 : x <= 218 ? 166 : x - 52;
        ASSERT_EQ(b->at(x, 0).r, expected) << x;
    }
    for (int y = 0; y < 106; ++y) {
        int expected = y <= 39 ? y : y <= 68 ? 40 : y - 28;
        ASSERT_EQ(b->at(5, y).g, expected) << y;
    }
    std::unique_ptr<Bitmap> same(loadCentreResizedBitmap("imgtest_slider.png", 0, 0));
    EXPECT_EQ(same->width, 248);
}

TEST(ImageLoadingTest, StretchedBitmap) {
    writeCoordinatePng("imgtest_frame.png", 50, 50);
    std::unique_ptr<Bitmap> plain(loadStretchedBitmap("imgtest_frame.png", 0, 0));
    EXPECT_EQ(plain->width, 50);
    EXPECT_EQ(plain->allocW, 64);
    std::unique_ptr<Bitmap> big(loadStretchedBitmap("imgtest_frame.png", 30, 10));
    EXPECT_EQ(big->width, 60);
    EXPECT_EQ(big->height, 80);
    EXPECT_EQ(big->at(59, 79).r, 49);
    EXPECT_EQ(big->at(30, 40).g, 25);
}

TEST(ImageLoadingTest, PackedPictures) {
    std::vector<unsigned char> pixels;
    for (int i = 0; i < 3 * 2; ++i) pixels.insert(pixels.end(), {(unsigned char)(i * 10), 1, 2, (unsigned char)(i * 40)});
    writeBytes("imgtest_packed.cmp", literalStream(pixels));
    std::unique_ptr<Bitmap> b(loadPackedBitmap("imgtest_packed", 3, 2));
    ASSERT_EQ(b->allocW, 3);
    ASSERT_EQ(b->allocH, 2);
    EXPECT_EQ(memcmp(b->pixels, pixels.data(), pixels.size()), 0) << "taken as stored, no premultiplying";

    struct Case {
        const char* what;
        std::vector<unsigned char> stream;
    } cases[] = {
        {"one pixel short", literalStream(std::vector<unsigned char>(pixels.begin(), pixels.end() - 4))},
        {"one byte too long", literalStream([&] { auto p = pixels; p.push_back(1); return p; }())},
        {"damaged", {0x10, 0xFF, 0xFF, 0x01}},
    };
    for (const Case& c : cases) {
        writeBytes("imgtest_badpacked.cmp", c.stream);
        std::unique_ptr<Bitmap> bad(loadPackedBitmap("imgtest_badpacked", 3, 2));
        EXPECT_EQ(bad->width, 3) << c.what;
        EXPECT_TRUE(allClear(*bad)) << c.what;
    }
    std::unique_ptr<Bitmap> missing(loadPackedBitmap("imgtest_nothing", 4, 4));
    EXPECT_TRUE(allClear(*missing));
}

TEST(ImageLoadingTest, SavedPngReadsBack) {
    Bitmap b(3, 2, true);
    b.at(0, 0) = RGBA{255, 0, 0, 255};
    b.at(2, 1) = RGBA{0, 0, 255, 255};
    ASSERT_TRUE(b.savePng("imgtest_saved.png"));
    Bitmap back("imgtest_saved.png", 1.0f, false);
    ASSERT_EQ(back.width, 3);
    ASSERT_EQ(back.height, 2);
    EXPECT_EQ(back.pixelWord(0, 0), b.pixelWord(0, 0));
    EXPECT_EQ(back.pixelWord(2, 1), b.pixelWord(2, 1));
    EXPECT_FALSE(b.savePng("no_such_folder/x.png"));
}

TEST(ImageLoadingTest, DecodeIntoPartOfAPicture) {
    writeCoordinatePng("imgtest_part.png", 4, 4);
    std::vector<unsigned char> bytes = fileBytes("imgtest_part.png");
    std::vector<RGBA> dst(6 * 6, RGBA{1, 1, 1, 1});
    ASSERT_TRUE(decodePng(bytes.data(), (int)bytes.size(), 3, 1, dst.data(), 6, 6, -1, 2));
    EXPECT_EQ(dst[1 * 6 + 3].r, 0);
    EXPECT_EQ(dst[2 * 6 + 5].r, 2) << "clipped at the right edge";
    EXPECT_EQ(dst[2 * 6 + 5].g, 1);
    EXPECT_EQ(rgbaWord(dst[3 * 6 + 3]), 0u) << "rows below the copied ones are cleared";
    EXPECT_EQ(rgbaWord(dst[0]), rgbaWord(RGBA{1, 1, 1, 1})) << "rows above are left alone";
    EXPECT_FALSE(decodePng(bytes.data(), (int)bytes.size() - 30, 0, 0, dst.data(), 6, 6, -1, -1));
}

#if defined(KELZO_SANITIZED)
const bool kUnderAddressSanitizer = true;
#else
const bool kUnderAddressSanitizer = false;
#endif

long peakResidentKb() {
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Runs in a child process: reads every file under an address-space limit (the sanitizer keeps its own huge
// reservation, so there the limit is left off) and checks that each gives a cleared picture while the peak
// memory hardly moves. Returns 0, or 1 + the index of the first file that failed.
int readHostilePicturesBounded(const std::vector<std::string>& files) {
    long pages = 0;
    FILE* statm = fopen("/proc/self/statm", "r");
    if (!statm || fscanf(statm, "%ld", &pages) != 1) return 100;
    fclose(statm);
    if (!kUnderAddressSanitizer) {
        rlim_t limit = (rlim_t)pages * sysconf(_SC_PAGESIZE) + (rlim_t)256 * 1024 * 1024;
        rlimit as = {limit, limit};
        if (setrlimit(RLIMIT_AS, &as) != 0) return 101;
    }
    long before = peakResidentKb();
    for (size_t i = 0; i < files.size(); ++i) {
        Bitmap b(files[i].c_str(), 1.0f, true);
        if (!allClear(b) || peakResidentKb() - before > 32 * 1024) {
            fprintf(stderr, "%s: %dx%d, peak grew by %ld KB\n", files[i].c_str(), b.width, b.height,
                    peakResidentKb() - before);
            return 1 + (int)i;
        }
    }
    return 0;
}

TEST(ImageLoadingTest, HugeDeclaredChunkIsRefusedWithMemoryBounded) {
    writeCoordinatePng("imgtest_small.png", 2, 2);
    std::vector<unsigned char> good = fileBytes("imgtest_small.png");
    ASSERT_GT(good.size(), 40u);
    // The chunk claims far more bytes than the file holds; the text is never used. 100 MB stays inside the
    // child's limit, so a reader that allocates it shows up in the peak memory instead.
    const uint32_t declared[] = {100u << 20, 664u << 20, 0x7fffffffu};
    std::vector<std::string> files;
    for (uint32_t length : declared) {
        files.push_back("imgtest_hugechunk" + std::to_string(length) + ".png");
        writeBytes(files.back(), withChunkAfterHeader(good, pngChunk("tEXt", length, {'T', 'i', 't', 'l', 'e', 0, 'x'})));
    }
    EXPECT_EXIT(_exit(readHostilePicturesBounded(files)), testing::ExitedWithCode(0), "");
}

TEST(ImageLoadingTest, LargeChunksThatAreReallyThereStillRead) {
    writeCoordinatePng("imgtest_small.png", 2, 2);
    std::vector<unsigned char> good = fileBytes("imgtest_small.png");
    std::vector<unsigned char> text(200 * 1024, 'a');
    text[5] = 0;
    writeBytes("imgtest_bigtext.png", withChunkAfterHeader(good, pngChunk("tEXt", (uint32_t)text.size(), text)));
    Bitmap withText("imgtest_bigtext.png", 1.0f, true);
    ASSERT_EQ(withText.width, 2) << "an unused text chunk is skipped, not a reason to refuse the picture";
    EXPECT_EQ(withText.at(1, 1).r, 1);

    // Incompressible pixels in one data chunk far larger than any ancillary chunk may be.
    const int side = 300;
    std::vector<unsigned char> noise((size_t)side * side * 4);
    unsigned seed = 12345;
    for (unsigned char& byte : noise) byte = (unsigned char)((seed = seed * 1103515245u + 12345u) >> 16);
    for (size_t i = 3; i < noise.size(); i += 4) noise[i] = 255;
    FILE* f = fopen("imgtest_oneidat.png", "wb");
    ASSERT_NE(f, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, f);
    png_set_compression_buffer_size(png, 1 << 20);
    png_set_IHDR(png, info, side, side, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < side; ++y) png_write_row(png, noise.data() + (size_t)y * side * 4);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    fclose(f);
    ASSERT_GT(fileBytes("imgtest_oneidat.png").size(), 300000u);
    Bitmap big("imgtest_oneidat.png", 1.0f, false);
    ASSERT_EQ(big.width, side);
    const unsigned char* last = noise.data() + noise.size() - 4;
    EXPECT_EQ(rgbaWord(big.at(side - 1, side - 1)), rgbaWord(RGBA{last[0], last[1], last[2], 255}));
}

}  // namespace
