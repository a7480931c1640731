#include <string>
#include <vector>

#include "Core/GameClock.h"
#include "tests/ui/MenuPictures.h"
#include "ui/BubbleStyle.h"
#include "ui/CustomAlertView.h"
#include "ui/MenuStack.h"
#include "ui/TipAlert.h"

namespace {

struct Listener : AlertViewCallbackI {
    void alertButtonClicked(int buttonIndex, CustomAlertView*) override { pressed.push_back(buttonIndex); }
    std::vector<int> pressed;
};

class TipAlertTest : public MenuTestFolder {
protected:
    void SetUp() override
    {
        MenuTestFolder::SetUp();
        linkMenuPictures();
        unlink("english.txt");
        ASSERT_EQ(0, symlink((std::string(KELZO_DATA_DIR) + "/english.txt").c_str(), "english.txt"));
        gLanguage = new Language(kEnglish);
        gGameClock.current = 5000;
    }
    void TearDown() override
    {
        gMenuStack.deleteAllMenus();
        MenuTestFolder::TearDown();
    }
};

TEST_F(TipAlertTest, TipBecomesACompactOneButtonAlertThatAnswersTheListener)
{
    BubbleStyle style;
    style.titleId = -1;
    style.bodyId = 46;
    Listener listener;
    CustomAlertView* alert = showTipAsAlert(style, "OK", &listener);
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(gMenuStack.top(), alert) << "on the menu stack";
    EXPECT_EQ(alert->options.messageFontSize, 16);
    EXPECT_EQ(alert->options.compact, 1);
    EXPECT_EQ(alert->callback, &listener);
    EXPECT_EQ(alert->findCell(1), nullptr) << "one button";

    alert->render();
    alert->render();
    gGameClock.current = alert->animStartMs + 700;
    alert->render();
    const ViewChild* button = alert->cellChild(alert->findCell(0));
    ASSERT_NE(button, nullptr);
    const int x = button->element->x + button->element->width() / 2;
    const int y = button->element->y + button->element->height() / 2;
    bool consumed = false;
    gMenuStack.dispatchTouch(TouchDown, x, y, &consumed);
    consumed = false;
    EXPECT_EQ(gMenuStack.dispatchTouch(TouchUp, x, y, &consumed), 0);
    EXPECT_EQ(listener.pressed, std::vector<int>{0});
    EXPECT_EQ(gMenuStack.size(), 0);
}

}  // namespace
