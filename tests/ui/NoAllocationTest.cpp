// Drawing a menu and routing touches through it happen every frame and every pointer event: they must not
// allocate. This test program counts every operator new while a window is open.

#include "tests/ui/MenuTestFolder.h"

#include <atomic>
#include <cstdlib>
#include <new>

#include "graphics/SpriteSheet.h"
#include "tests/ui/FakeElement.h"
#include "ui/Button.h"
#include "ui/ExplainScreen.h"
#include "ui/ImageElement.h"
#include "ui/IndexElement.h"
#include "ui/MenuStack.h"
#include "ui/MyView.h"

namespace {
std::atomic<bool> gCounting{false};
std::atomic<int> gAllocations{0};
}  // namespace

// The sanitizer build brings its own operator new (and a malloc hook would count the GL library's
// allocations too), so only the normal build counts.
#if !defined(KELZO_SANITIZED)
#define KELZO_COUNTS_ALLOCATIONS 1
void* operator new(std::size_t size)
{
    if (gCounting)
        gAllocations++;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

// Both forms of delete pair with the malloc above.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
#pragma GCC diagnostic pop
#endif

namespace {

// A menu drawn from a view of its own, closing on a tap of its button.
class ViewMenu : public MenuBaseI {
public:
    explicit ViewMenu(MyView* view) : view(view) {}
    int render() override
    {
        view->render(0, 0, 1.0f, -1.0f, 1.0f, 0, false);
        return 0;
    }
    int hitTest(int, int) override { return -1; }
    int handleTouch(int phase, int x, int y) override
    {
        bool consumed = false;
        return view->handleTouch(phase, x, y, &consumed);
    }
    MyView* view;
};

class NoAllocationTest : public MenuTestFolder {
protected:
    void SetUp() override
    {
#if !defined(KELZO_COUNTS_ALLOCATIONS)
        GTEST_SKIP() << "allocations are counted in the normal build";
#endif
        MenuTestFolder::SetUp();
    }

    // What the frame does with the menus: draw them, then send the batch to GL.
    static void frame()
    {
        gMenuStack.render();
        gRenderBatch.flush();
    }
};

TEST_F(NoAllocationTest, DrawingAndTouchesAllocateNothing)
{
    writePicture("Button_shrunk_25x41.png", 25, 41, RGBA{100, 100, 100, 255});
    SpriteSheet atlas(256, 256, false);
    MyView view;
    view.viewWidth = 320;
    view.viewHeight = 480;
    view.children.reserve(8);
    ViewChild& button = view.addChild();
    button.element.reset(new Button(&atlas, "Play", ButtonOptions()));
    button.tag = 1;
    button.tappable = 1;
    button.centred = 1;
    button.y = 100;
    ViewChild& picture = view.addChild();
    picture.element.reset(new ImageElement(new Bitmap(8, 8, true), ImageElement::ModeWood));
    picture.x = 10;
    picture.y = 10;
    ViewChild& region = view.addChild();
    region.element.reset(new IndexElement(atlas.addBitmap(new Bitmap(8, 8, true), true, 1), true));
    region.y = 200;
    ViewChild& fake = view.addChild();
    fake.element.reset(new FakeElement(20, 20));
    fake.tag = 2;
    fake.tappable = 1;
    fake.y = 300;
    view.setPosition(0, 0, 0, 0);
    atlas.uploadPages();
    ExplainScreen* under = new ExplainScreen();
    gMenuStack.push(under);
    gMenuStack.push(new ViewMenu(&view));
    frame();  // the first frame may grow the quad batch

    const int buttonX = 160 - view.children[0].element->width() / 2 + 5;
    gAllocations = 0;
    gCounting = true;
    int answers[6];
    bool consumed[6] = {false, false, false, false, false, false};
    frame();
    answers[0] = gMenuStack.dispatchTouch(TouchDown, buttonX, 110, &consumed[0]);
    answers[1] = gMenuStack.dispatchTouch(TouchMove, buttonX, 111, &consumed[1]);
    frame();
    answers[2] = gMenuStack.dispatchTouch(TouchUp, 300, 470, &consumed[2]);
    answers[3] = gMenuStack.dispatchTouch(TouchDown, buttonX, 110, &consumed[3]);
    answers[4] = gMenuStack.dispatchTouch(TouchUp, buttonX, 110, &consumed[4]);  // closes the view menu
    answers[5] = gMenuStack.dispatchTouch(TouchDown, 5, 5, &consumed[5]);
    frame();
    gCounting = false;

    EXPECT_EQ(0, gAllocations.load());
    const int expected[6] = {-1, -1, -1, -1, 1, -1};
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(expected[i], answers[i]) << "touch " << i;
        EXPECT_TRUE(consumed[i]) << "touch " << i;
    }
    EXPECT_EQ(under, gMenuStack.top());
    gMenuStack.deleteAllMenus();
}

TEST_F(NoAllocationTest, TheCountSeesAnAllocation)
{
    gAllocations = 0;
    gCounting = true;
    delete new Bitmap(4, 4, false);
    gCounting = false;
    EXPECT_GE(gAllocations.load(), 1);
}

}  // namespace
