#include "menus/widgets/CustomMultiSelect.h"

#include "graphics/Bitmap.h"
#include "graphics/DrawParams.h"
#include "graphics/GlState.h"
#include "graphics/ImageLoading.h"
#include "graphics/Texture.h"
#include "ui/ElementDrawParams.h"
#include "ui/ImageElement.h"
#include "ui/MenuTextStyle.h"

namespace {

// The pictures of a segment are 69 px wide; the caption gets the width less this margin before it widens them.
const int kCaptionRoom = 54;

// One segment's face: the pressed picture while it is the selected one, else the normal picture.
class SegmentPicture : public ViewElementI {
public:
    SegmentPicture(Bitmap* normal, Bitmap* pressed)
        : normal_(new Texture(normal, false, false)), pressed_(new Texture(pressed, false, false))
    {
    }

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override
    {
        DrawParams p = elementDrawParams(scaleX, scaleY, alpha, angle, BlendPremultiplied);
        drawTexture(selected ? pressed_.get() : normal_.get(), (float)(int)x, (float)(int)y, p);
    }
    int width() override { return normal_->width; }
    int height() override { return normal_->height; }

private:
    Ref<Texture> normal_;
    Ref<Texture> pressed_;
};

struct SegmentPictures {
    const char* normal;
    const char* pressed;
};
const SegmentPictures kLeftPictures = {"Left_69x30.png", "Left_69x30_down.png"};
const SegmentPictures kMiddlePictures = {"Middle_69x30.png", "Middle_69x30_down.png"};
const SegmentPictures kRightPictures = {"Right_69x30.png", "Right_69x30_down.png"};

const SegmentPictures& picturesOf(int index, int count)
{
    if (index == 0)
        return kLeftPictures;
    return index == count - 1 ? kRightPictures : kMiddlePictures;
}

Bitmap* loadSegmentPicture(const char* name, int widening)
{
    if (widening > 0)
        return loadStretchedBitmap(name, 0, widening);
    return new Bitmap(name, 1.0f, true);
}

}  // namespace

CustomMultiSelect::CustomMultiSelect(SegmentedControlCallbackI* segmentListener, const String* captions, int count)
{
    listener = segmentListener;
    touchMode = TouchPressSelect;
    children.reserve(32);
    for (int i = 0; i < count; i++)
        addSegment(i, count, captions[i]);
    armedTag = 0;
}

int CustomMultiSelect::segmentWidth(const char* caption)
{
    const int w = menuTextWidth(caption, kCaptionFontSize);
    return w <= kCaptionRoom ? kMinWidth : w + kMinWidth - kCaptionRoom;
}

void CustomMultiSelect::addSegment(int index, int count, const String& caption)
{
    const int segment = segmentWidth(caption.c_str());
    const SegmentPictures& pictures = picturesOf(index, count);
    const int widening = segment - kMinWidth;
    Bitmap* normal = loadSegmentPicture(pictures.normal, widening);
    Bitmap* pressed = loadSegmentPicture(pictures.pressed, widening);

    ViewChild& picture = addChild();
    picture.element.reset(new SegmentPicture(normal, pressed));
    picture.tag = index;
    picture.x = totalWidth;
    picture.y = 0;
    picture.tappable = 1;
    picture.hitMarginX = 0;
    picture.hitMarginY = kHitMarginY;

    Ref<Texture> text(new Texture(caption.c_str(), segment, kHeight, 1, "AmericanTypewriter-Bold", kCaptionFontSize,
                                  0, 1.0f, false, nullptr, true, false, 4));
    ViewChild& label = addChild();
    label.element.reset(new ImageElement(text, Ref<Texture>()));
    label.tag = -1;
    label.x = totalWidth;
    label.y = kCaptionTop;

    totalWidth += segment;
}
