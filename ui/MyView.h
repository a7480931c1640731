#ifndef KELZO_UI_MYVIEW_H
#define KELZO_UI_MYVIEW_H

#include "Core/Array.h"
#include "ui/SegmentedControlCallbackI.h"
#include "ui/ViewChild.h"
#include "ui/ViewElementI.h"

class Texture;

// How a MyView turns touches into selections.
enum ViewTouchMode {
    TouchTap = 0,          // a press arms a child; the release over the same child reports its tag
    TouchPressSelect = 1,  // a press on a child selects it at once (segmented control)
    TouchDragSelect = 2,   // like press-select, and the selection follows the finger
};

struct ViewPosition {
    float x;
    float y;
};

// The container of the toolkit: child records drawn in order (later ones on top) and hit from the last to
// the first. Owners build it directly: set the public fields, add children, position it once after layout
// (that is when pictures get their wood and textures), then draw it every frame.
//
// Placement: a child sits at origin + offset x scale; a centred child at origin + (viewWidth / 2 -
// elementWidth / 2) x scale, both halves whole numbers (a 101-px element in a 320-px view lands at + 110).
//
// Touches: the topmost child whose element answers (anything but -1: the record's tag counts, even -1), or
// whose tappable rectangle holds the point, is the hit. Tap mode arms it on the press and reports it on a
// release over the same tag. Drawing and touches allocate nothing.
class MyView : public ViewElementI {
public:
    MyView() = default;
    ~MyView() override = default;
    MyView(const MyView&) = delete;
    MyView& operator=(const MyView&) = delete;

    // A default record appended to the children; valid until the array grows (reserve ahead to keep it).
    ViewChild& addChild();
    // Sets the number of children: new records have the defaults, dropped ones let go of their element.
    void resizeChildren(int n);
    void removeAllChildren();
    // An image child at (x, y) drawn from the texture, and from pressedTexture under it while armed.
    ViewChild& addImage(const Ref<Texture>& texture, const Ref<Texture>& pressedTexture, int x, int y);

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
    // Draws the children with the stored origin, scale and opacity.
    void renderChildren();
    // Tells every child its absolute position as if the view were drawn at (fx, fy); the origin is not kept.
    void setPosition(int ix, int iy, float fx, float fy) override;
    int width() override { return viewWidth; }
    int height() override { return viewHeight; }
    int handleTouch(int phase, int x, int y, bool* consumed) override;

    // Whether a tappable child's rectangle (its stored position and size, widened by the margins) holds the point.
    bool childHitTest(const ViewChild& child, int x, int y);
    // One child's part of the hit search: 1 hit (tag in *hit), 0 go on, -1 stop without a hit.
    int childHandleTouch(ViewChild& child, int phase, int x, int y, bool* consumed, int* hit);
    ViewPosition childScreenPosition(const ViewChild& child);

    Array<ViewChild> children;
    SegmentedControlCallbackI* listener = nullptr;  // not owned
    int touchMode = TouchTap;
    float originX = 0.0f;  // where the view was last drawn
    float originY = 0.0f;
    int viewWidth = 0;     // the view's own size: for centring, and what width() and height() report
    int viewHeight = 0;
    int armedTag = -1;     // pressed and not yet released; that child draws as selected
    float alpha = 1.0f;
    float scaleX = 1.0f;
    float scaleY = -1.0f;  // -1: the same as scaleX
    unsigned char modal = 0;  // every touch that reaches the view is flagged as consumed

private:
    ViewPosition placeChild(const ViewChild& child, float ox, float oy);
    float effectiveScaleY() const { return scaleY == -1.0f ? scaleX : scaleY; }
    void arm(int tag);
};

#endif
