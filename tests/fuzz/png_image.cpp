// A PNG picture, loaded as the game loads its artwork: Bitmap(name) with a power-of-two allocation, and the
// two resizing loaders of the menus' frames and sliders. Whatever the file holds, the result is a picture
// whose size and allocation agree and stay within the largest side the loader accepts.
#include "graphics/ImageLoading.h"
#include "tests/fuzz/support/FuzzSupport.h"

namespace {

void checkPicture(const Bitmap* picture, const char* how)
{
    if (!picture)
        fuzzFailure("png_image", std::string(how) + " gave no picture");
    if (picture->width < 0 || picture->height < 0 || picture->allocW < picture->width ||
        picture->allocH < picture->height || picture->width > kMaxImageSide + 64 ||
        picture->height > kMaxImageSide + 64)
        fuzzFailure("png_image", std::string(how) + " gave " + std::to_string(picture->width) + " x " +
                                     std::to_string(picture->height) + " in " + std::to_string(picture->allocW) +
                                     " x " + std::to_string(picture->allocH));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzBytes input(data, size);
    uint8_t how = input.byte();
    int dy = int(input.byte() % 64) - 16;
    int dx = int(input.byte() % 64) - 16;
    writeFuzzFile("picture.png", input.rest());

    Bitmap* picture = nullptr;
    switch (how % 3) {
    case 0:
        picture = new Bitmap("picture.png", 1.0f, true);
        checkPicture(picture, "Bitmap");
        break;
    case 1:
        picture = loadStretchedBitmap("picture.png", dy, dx);
        checkPicture(picture, "loadStretchedBitmap");
        break;
    default:
        picture = loadCentreResizedBitmap("picture.png", dy, dx);
        checkPicture(picture, "loadCentreResizedBitmap");
        break;
    }
    delete picture;
    return 0;
}
