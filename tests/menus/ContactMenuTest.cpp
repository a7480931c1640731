#include <algorithm>
#include <chrono>
#include <climits>
#include <memory>
#include <string>
#include <thread>

#include "Core/GameClock.h"
#include "game/KelzoGame.h"
#include "menus/ContactFormState.h"
#include "menus/ContactMenu.h"
#include "menus/FeedbackSender.h"
#include "menus/KelzoConsoleHost.h"
#include "menus/KelzoScreenFactory.h"
#include "platform/ServerAddresses.h"
#include "settings/AbTester.h"
#include "settings/Settings.h"
#include "tests/menus/FakeConsoleHost.h"
#include "tests/menus/FileBuilder.h"
#include "tests/menus/ScreenTestSupport.h"
#include "tests/support/FileBytes.h"
#include "tests/support/LinkCatcher.h"
#include "tests/support/LoopbackServer.h"
#include "tests/ui/MenuPictures.h"
#include "ui/CustomAlertView.h"
#include "ui/CustomSwitch.h"
#include "ui/MenuStack.h"
#include "ui/TextEntryField.h"

namespace {

// Types the text key by key, as SDL gives the keys.
void type(TextEntryField* entry, const std::string& text)
{
    ASSERT_NE(entry->field.get(), nullptr);
    for (char c : text) {
        const int sym = c == '@' ? MyTextField::KeyAt : c == '.' ? MyTextField::KeyFullStop : c == ' ' ? 32 : c;
        entry->field->onKey(sym, 0, true, c);
    }
}

std::string stateFile(const std::string& email, const std::string& feedback, int subscribe)
{
    return FileBuilder().tag().text(email).text(feedback).raw(std::string(1, (char)subscribe)).tag().bytes();
}

class ContactMenuTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        linkMenuPictures();
        ASSERT_NO_FATAL_FAILURE(linkDataFiles({"OnOffSlider_145x25.png", "BlankSwitch.png", "OnOffMask_92x25.png",
                                               "OnOffHighlightShadow_92x27.png"}));
        remove(ContactFormState::kFileName);
        useTextsById(kEnglish, {{0, "OK"}, {133, "Bad address"}, {134, "Check it"}, {135, "Thanks"},
                                {136, "Sent"}, {137, "Sorry"}, {138, "Not sent"}, {139, "E-mail"},
                                {140, "Feedback"}, {141, "Send me news"}, {142, "Send"}, {495, "Tap to enter"},
                                {496, "Tap to enter feedback"}});
        gMenuStack.deleteAllMenus();
        gGameClock.current = 5000;
        gSaveSuppressed = false;
        settings.gameMode = 2;
        settings.startLevel = 4;
        settings.difficulty = 1;
    }
    void TearDown() override
    {
        for (int i = 0; i < 1000 && gFeedbackSender.isBusy(); i++) {
            showFeedbackResult();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        showFeedbackResult();
        gFeedbackSender.setTimeout(FeedbackSender::kTimeoutSeconds);
        gSupportServerHost = kLoopbackServerHost;
        gMenuStack.deleteAllMenus();
        ScreenTest::TearDown();
    }

    std::unique_ptr<ContactMenu> open() { return std::unique_ptr<ContactMenu>(new ContactMenu(settings, engine, console)); }

    // A press and a release on the child of the tag, `heldMs` apart on the game clock.
    int tap(ContactMenu& menu, int tag, int heldMs = 50)
    {
        ViewChild* child = menu.cellChild(menu.findCell(tag));
        EXPECT_NE(child, nullptr);
        if (!child)
            return -2;
        ViewElementI* element = child->element.get();
        const int x = element->x + element->width() / 2, y = element->y + element->height() / 2;
        menu.handleTouch(TouchDown, x, y);
        gGameClock.current += heldMs;
        return menu.handleTouch(TouchUp, x, y);
    }

    void settle(ContactMenu& menu)
    {
        for (int i = 0; i < 40; i++)
            menu.render();
    }

    void serve(const std::string& plan)
    {
        server.reset();
        server.reset(new LoopbackServer(plan));
        ASSERT_TRUE(server->started());
        host = server->host();
        gSupportServerHost = host.c_str();
    }

    // Frames until the screen asks to leave (up to about five seconds); its leave code.
    int framesUntilLeave(ContactMenu& menu)
    {
        for (int i = 0; i < 500; i++) {
            menu.render();
            const int code = menu.takeLeaveCode();
            if (code != -1)
                return code;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }

    ContactFormState storedForm()
    {
        ContactFormState form;
        form.load();
        return form;
    }

    Settings settings;
    AbTester engine{4, String("device")};
    FakeConsoleHost console;
    std::unique_ptr<LoopbackServer> server;
    std::string host;
};

TEST_F(ContactMenuTest, FormComesBackNextVisitWithTheSwitchOnAndPresetsStoredAsNothing)
{
    {
        std::unique_ptr<ContactMenu> untouched = open();
        EXPECT_EQ(untouched->emailField->field->textBytes(), "Tap to enter");
        EXPECT_EQ(untouched->feedbackField->field->textBytes(), "Tap to enter feedback");
        EXPECT_EQ(untouched->emailField->fieldKind, TextEntryField::KindEmail);
        EXPECT_EQ(untouched->feedbackField->fieldKind, TextEntryField::KindPlain);
    }
    std::string bytes;
    ASSERT_TRUE(readFileBytes(ContactFormState::kFileName, &bytes));
    EXPECT_EQ(bytes, stateFile("", "", 1)) << "an untouched form stores two empty texts";

    {
        std::unique_ptr<ContactMenu> menu = open();
        type(menu->emailField, "kim@b.c");
        type(menu->feedbackField, "nice game");
        menu->subscribeSwitch->setOn(false);
    }
    ASSERT_TRUE(readFileBytes(ContactFormState::kFileName, &bytes));
    EXPECT_EQ(bytes, stateFile("kim@b.c", "nice game", 0)) << "the first key replaced each preset";

    std::unique_ptr<ContactMenu> again = open();
    EXPECT_EQ(again->emailField->field->textBytes(), "kim@b.c");
    EXPECT_EQ(again->feedbackField->field->textBytes(), "nice game");
    EXPECT_TRUE(again->subscribeSwitch->on) << "on at every visit, whatever the file says";
    type(again->emailField, "x");
    EXPECT_EQ(again->emailField->field->textBytes().size(), 8u) << "a stored text is the player's, not a preset";
}

TEST_F(ContactMenuTest, EmptyFieldsPromptInThePlayersLanguageAndThePromptsAreNoText)
{
    useTextsById(kGerman, {{139, "E-Mail"}, {140, "Feedback"}, {495, "Hier antippen"}, {496, "Feedback eintippen"}});
    {
        std::unique_ptr<ContactMenu> menu = open();
        EXPECT_EQ(menu->emailField->field->textBytes(), "Hier antippen");
        EXPECT_EQ(menu->feedbackField->field->textBytes(), "Feedback eintippen");
        EXPECT_EQ(menu->emailValue().length(), 0);
        EXPECT_EQ(menu->feedbackValue().length(), 0);
        menu->feedbackField->field->showsPreset = 0;   // as an older version kept a prompt it showed
        EXPECT_EQ(menu->feedbackValue().length(), 0) << "a prompt is no text even without its flag";
        type(menu->emailField, "kim@b.c");
        EXPECT_EQ(menu->emailField->field->textBytes(), "kim@b.c") << "the first key replaced the prompt";
    }
    std::string bytes;
    ASSERT_TRUE(readFileBytes(ContactFormState::kFileName, &bytes));
    EXPECT_EQ(bytes, stateFile("kim@b.c", "", 1)) << "the file keeps what was typed, never a prompt";
}

TEST_F(ContactMenuTest, ABadFeedbackLengthKeepsTheAddressAndGivesTheFeedbackPreset)
{
    FILE* file = fopen(ContactFormState::kFileName, "wb");
    ASSERT_NE(file, nullptr);
    const std::string bytes = FileBuilder().tag().text("a@b").int32(1000000).raw("xyz").bytes();
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
    std::unique_ptr<ContactMenu> menu = open();
    EXPECT_EQ(menu->emailField->field->textBytes(), "a@b");
    EXPECT_EQ(menu->feedbackField->field->textBytes(), "Tap to enter feedback");
    EXPECT_EQ(menu->feedbackValue().length(), 0);
}

TEST_F(ContactMenuTest, OnlyWellFormedAddressesAreSent)
{
    serve(R"([{"status": 200, "body": "Ok"}])");
    struct Case {
        const char* address;   // nullptr: the untouched preset
        bool sent;
    } cases[] = {
        {"a@b.c", true},  {"a@b.c.d", true}, {"a@@b.c", true}, {nullptr, false}, {"@b.c", false},
        {"a@.c", false},  {"a@b.", false},   {"a.b@c", false},
    };
    int posts = 0;
    for (const Case& c : cases) {
        remove(ContactFormState::kFileName);
        std::unique_ptr<ContactMenu> menu = open();
        settle(*menu);
        if (c.address)
            type(menu->emailField, c.address);
        const int alertsBefore = gMenuStack.size();
        EXPECT_EQ(tap(*menu, ContactMenu::kTagSend), -1) << (c.address ? c.address : "preset");
        if (c.sent) {
            EXPECT_TRUE(menu->isSending());
            EXPECT_EQ(framesUntilLeave(*menu), 1) << c.address;
            posts++;
        } else {
            EXPECT_FALSE(menu->isSending()) << (c.address ? c.address : "preset");
            ASSERT_EQ(gMenuStack.size(), alertsBefore + 1);
            CustomAlertView* alert = dynamic_cast<CustomAlertView*>(gMenuStack.top());
            ASSERT_NE(alert, nullptr);
            EXPECT_EQ(alert->callback, menu.get()) << "the address alert answers to the form";
            for (TextEntryField* entry : {menu->emailField, menu->feedbackField}) {
                EXPECT_EQ(entry->field->highlighted, 1) << "both fields are marked while the alert is up";
                EXPECT_EQ(entry->field->hidden, 0) << "and their texts still show";
            }
            menu->alertButtonClicked(0, alert);
            for (TextEntryField* entry : {menu->emailField, menu->feedbackField}) {
                EXPECT_EQ(entry->field->highlighted, 0);
                EXPECT_EQ(entry->field->hidden, 0);
            }
        }
        gMenuStack.deleteAllMenus();
    }
    EXPECT_EQ(server->requests(posts).size(), (size_t)posts);
}

TEST_F(ContactMenuTest, TheFormIsPostedWithTheGameFactsAndASuccessForgetsTheFeedback)
{
    serve(R"([{"status": 200, "body": "Ok thanks"}])");
    {
        std::unique_ptr<ContactMenu> menu = open();
        settle(*menu);
        type(menu->emailField, "kim@b.c");
        type(menu->feedbackField, "hello");
        EXPECT_EQ(tap(*menu, ContactMenu::kTagSend), -1);
        ASSERT_NE(menu->busyIndicator.get(), nullptr);
        EXPECT_EQ(framesUntilLeave(*menu), 1);
        EXPECT_EQ(menu->busyIndicator.get(), nullptr);
        CustomAlertView* alert = dynamic_cast<CustomAlertView*>(gMenuStack.top());
        ASSERT_NE(alert, nullptr) << "the answer's alert";
        EXPECT_EQ(alert->callback, nullptr);
        EXPECT_EQ(menu->takeLeaveCode(), -1) << "once";
    }
    std::vector<LoggedRequest> posted = server->requests(1);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].method, "POST");
    EXPECT_EQ(posted[0].path, "/support/service_submit/");
    EXPECT_EQ(posted[0].body, "email=kim%40b%2ec&question=hello%0a%0a%5bKelzo1%2e6%2e2%20%2c%20game%2dmode%3d7%2c%20"
                              "level%3d4%2c%20diff%3d1%5d&topic=kelzo&subscribe=yes");
    const ContactFormState stored = storedForm();
    EXPECT_TRUE(stored.email == "kim@b.c");
    EXPECT_EQ(stored.feedback.length(), 0) << "L2 = 0 after a success";
}

TEST_F(ContactMenuTest, AFailedSendKeepsTheFeedback)
{
    serve(R"([{"status": 200, "body": "OK"}])");
    {
        std::unique_ptr<ContactMenu> menu = open();
        settle(*menu);
        type(menu->emailField, "kim@b.c");
        type(menu->feedbackField, "hello");
        tap(*menu, ContactMenu::kTagSend);
        EXPECT_EQ(framesUntilLeave(*menu), 1);
    }
    EXPECT_TRUE(storedForm().feedback == "hello");
}

TEST_F(ContactMenuTest, AHangingServerNeverHoldsTheWindowAndBackLeavesAtOnce)
{
    serve(R"([{"status": 200, "body": "Ok", "delay": 3.0}])");
    gFeedbackSender.setTimeout(1);
    std::unique_ptr<ContactMenu> menu = open();
    settle(*menu);
    type(menu->emailField, "kim@b.c");
    type(menu->feedbackField, "hello");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(tap(*menu, ContactMenu::kTagSend), -1);
    EXPECT_EQ(tap(*menu, ContactMenu::kTagSend), -1) << "a second tap while sending posts nothing";
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(menu->render(), 1) << "the spinner keeps the frames coming";
    EXPECT_EQ(tap(*menu, ContactMenu::kTagBack), 0);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(waited).count(), 900)
        << "nothing above waited for the server";
    EXPECT_TRUE(gFeedbackSender.isBusy());
    menu.reset();   // the screen goes; the send goes on

    bool shown = false;
    for (int i = 0; i < 500 && !shown; i++) {
        shown = showFeedbackResult();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(shown) << "the answer shows over whatever screen is current";
    EXPECT_NE(dynamic_cast<CustomAlertView*>(gMenuStack.top()), nullptr);
    EXPECT_EQ(server->requests(1).size(), 1u);
    EXPECT_EQ(server->requests(2, 1500).size(), 1u) << "one attempt only";
    EXPECT_TRUE(storedForm().feedback == "hello") << "the time-out kept the feedback";
}

TEST_F(ContactMenuTest, HoldingBackOverASecondRunsTheConsoleAndStillLeaves)
{
    struct Case {
        int heldMs;
        int buildInfoShown;
    } cases[] = {{50, 0}, {1000, 0}, {1001, 1}};
    for (const Case& c : cases) {
        remove(ContactFormState::kFileName);
        FakeConsoleHost fresh;
        ContactMenu menu(settings, engine, fresh);
        settle(menu);
        type(menu.emailField, "bv.version");
        EXPECT_EQ(tap(menu, ContactMenu::kTagBack, c.heldMs), 0) << c.heldMs;
        EXPECT_EQ(fresh.buildInfoShown, c.buildInfoShown) << c.heldMs;
    }
}

TEST_F(ContactMenuTest, NothingIsStoredWhileSavesAreSuppressed)
{
    std::unique_ptr<ContactMenu> menu = open();
    type(menu->emailField, "kim@b.c");
    gSaveSuppressed = true;
    menu.reset();
    gSaveSuppressed = false;
    std::string bytes;
    EXPECT_FALSE(readFileBytes(ContactFormState::kFileName, &bytes));
}

}  // namespace

// The game's own screens: the main menu's contact entry opens the form, Back returns, and after a send the frame
// takes the screen's leave code and returns as well.
TEST_F(ContactMenuTest, TheMainMenuOpensTheFormAndBackOrAFinishedSendReturns)
{
    serve(R"([{"status": 200, "body": "Ok thanks"}])");
    Settings* const oldSettings = gSettings;
    gSettings = &settings;
    KelzoScreenFactory screens;
    {
        KelzoGame game;
        game.screenFactory = &screens;
        const int kContactEntry = 6;
        // A tap through the game on a row of the contact screen.
        auto tapRow = [&](int tag) {
            ContactMenu* menu = dynamic_cast<ContactMenu*>(game.currentMenu.get());
            ASSERT_NE(menu, nullptr);
            ViewElementI* element = menu->cellChild(menu->findCell(tag))->element.get();
            const int x = element->x + element->width() / 2, y = element->y + element->height() / 2;
            game.touchBegan(x, y);
            gGameClock.current += 50;
            game.touchEnded(x, y);
        };

        game.showMenu(ScreenMainMenu);
        game.screenAction(kContactEntry);
        ASSERT_EQ(game.currentScreen, ScreenContact);
        ASSERT_NE(dynamic_cast<ContactMenu*>(game.currentMenu.get()), nullptr) << "the real form, no stand-in";
        settle(*dynamic_cast<ContactMenu*>(game.currentMenu.get()));
        tapRow(ContactMenu::kTagBack);
        EXPECT_EQ(game.currentScreen, ScreenMainMenu);

        game.screenAction(kContactEntry);
        ContactMenu* menu = dynamic_cast<ContactMenu*>(game.currentMenu.get());
        ASSERT_NE(menu, nullptr);
        settle(*menu);
        type(menu->emailField, "kim@b.c");
        type(menu->feedbackField, "hello");
        tapRow(ContactMenu::kTagSend);
        EXPECT_EQ(game.currentScreen, ScreenContact) << "sending stays on the form";
        for (int i = 0; i < 500 && game.currentScreen == ScreenContact; i++) {
            game.drawFrame();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        EXPECT_EQ(game.currentScreen, ScreenMainMenu) << "the answered send leaves as Back does";
        EXPECT_NE(dynamic_cast<CustomAlertView*>(gMenuStack.top()), nullptr) << "with the answer's alert";
        game.screenFactory = nullptr;
    }
    gSettings = oldSettings;
    EXPECT_EQ(server->requests(1).size(), 1u);
}

// "bv.version" on the game's console shows the build-info line in its own alert.
TEST_F(ContactMenuTest, TheConsoleShowsTheBuildInfo)
{
    Settings* const oldSettings = gSettings;
    gSettings = &settings;
    {
        KelzoGame game;
        KelzoConsoleHost host(game);
        host.showBuildInfo();
        CustomAlertView* alert = dynamic_cast<CustomAlertView*>(gMenuStack.top());
        ASSERT_NE(alert, nullptr);
        EXPECT_EQ(gMenuStack.size(), 1);
        gMenuStack.deleteAllMenus();
    }
    gSettings = oldSettings;
}

// "bv.score" sets the score of an Arcade game in play, and of nothing else.
TEST_F(ContactMenuTest, TheConsoleSetsTheScoreOfTheArcadeGameInPlay)
{
    Settings* const oldSettings = gSettings;
    gSettings = &settings;
    {
        KelzoGame game;
        KelzoConsoleHost host(game);
        host.setArcadeScore(500);   // no game: nothing happens

        settings.gameMode = kGameArcade;
        CurrentGameI* arcade = CurrentGameI::create(nullptr, false);
        game.ownedGame.reset(arcade);
        game.setCurrentGame(arcade);
        EXPECT_EQ(host.currentGameType(), kGameArcade);
        host.setArcadeScore(500);
        EXPECT_EQ(arcade->score(), 500);
        EXPECT_TRUE(arcade->isScoreRecordable());

        settings.gameMode = kGameBlitz;
        CurrentGameI* blitz = CurrentGameI::create(nullptr, false);
        game.setCurrentGame(nullptr);
        game.ownedGame.reset(blitz);
        game.setCurrentGame(blitz);
        host.setArcadeScore(700);
        EXPECT_EQ(blitz->score(), 0);
        game.setCurrentGame(nullptr);
    }
    gSettings = oldSettings;
}

TEST_F(ContactMenuTest, TheConsoleMailsAndShowsTheGamesSuggestionCounts)
{
    Settings* const oldSettings = gSettings;
    gSettings = &settings;
    {
        KelzoGame game;
        game.suggestionCounts[0] = 7;
        game.suggestionCounts[KelzoGame::kSuggestionKinds - 1] = -2;
        KelzoConsoleHost host(game);
        const std::string counts = host.suggestionCountsText().c_str();
        EXPECT_EQ(counts.substr(0, 6), "7, 0, ");
        EXPECT_EQ(counts.substr(counts.size() - 7), "0, -2, ");
        EXPECT_EQ(std::count(counts.begin(), counts.end(), ','), KelzoGame::kSuggestionKinds);

        char cwd[PATH_MAX];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        LinkCatcher links(cwd);
        host.mailVersionInfo();
        const std::string link = links.link();
        EXPECT_EQ(link.rfind("mailto:?subject=Log&body=Version%20Info%3a%0a%0aVersion%3a%201%2e6%2e2", 0), 0u) << link;
        EXPECT_NE(link.find("Suggestions%3a%0a%0a7%2c%200%2c%20"), std::string::npos) << link;
        EXPECT_EQ(link.substr(link.size() - 23), "0%2c%20%2d2%2c%20%0a%0a") << link;
    }
    gSettings = oldSettings;
}
