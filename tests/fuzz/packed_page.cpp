// A packed page (".cmp"), unpacked as the sprite-sheet loader unpacks a page that is not PNG
// (loadPackedBitmap with the page's size). Whatever the stream holds, the result is a picture of exactly the
// asked size: the stream's pixels when it unpacks to that size, else a cleared one.
#include "graphics/ImageLoading.h"
#include "tests/fuzz/support/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzBytes input(data, size);
    int width = 1 + input.byte() % 64;
    int height = 1 + input.byte() % 64;
    writeFuzzFile("page.cmp", input.rest());

    Bitmap* page = loadPackedBitmap("page", width, height);
    if (!page || page->width != width || page->height != height || page->allocW != width ||
        page->allocH != height)
        fuzzFailure("packed_page", "the page is not " + std::to_string(width) + " x " + std::to_string(height));
    delete page;
    return 0;
}
