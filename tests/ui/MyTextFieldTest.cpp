#include <SDL/SDL_keysym.h>

#include <string>
#include <utility>
#include <vector>

#include "Core/Random.h"
#include "tests/ui/MenuPictures.h"
#include "ui/MyTextField.h"
#include "ui/TextEntryField.h"
#include "ui/TiledMenu.h"
#include "ui/Utf8Step.h"

namespace {

struct KeyLog : MyTextFieldCallbackI {
    void textFieldKey(int key) override { keys.push_back(key); }
    std::vector<int> keys;
};

struct Key {
    int sym;
    int mod = 0;
    int unicode = 0;
};

const Key kShift{MyTextField::KeyLeftShift};
const Key kOption{MyTextField::KeyLeftAlt};
const Key kBack{MyTextField::KeyBackspace};
const Key kLeft{MyTextField::KeyLeft};
const Key kRight{MyTextField::KeyRight};

Key letter(char c, int mod = 0)
{
    return Key{c, mod, mod & KMOD_SHIFT ? c - 'a' + 'A' : c};
}

class MyTextFieldTest : public MenuTestFolder {
protected:
    void SetUp() override
    {
        MenuTestFolder::SetUp();
        gKeyReceiver = nullptr;
    }
    void TearDown() override
    {
        gKeyReceiver = nullptr;
        MenuTestFolder::TearDown();
    }

    static void press(MyTextField& field, const std::vector<Key>& keys)
    {
        for (const Key& k : keys)
            field.onKey(k.sym, k.mod, true, k.unicode);
    }

    static int widthOf(const std::string& text)
    {
        TextStyle style;
        style.wrapMode = 2;
        style.fontName = "Helvetica-Bold";
        TextSize size{0, 0};
        measureWrappedText(&size, text.c_str(), 16, style, -1, -1);
        return text.empty() ? 0 : size.width;
    }

    // The field's state is whole: both positions on character boundaries, the text and what is shown valid
    // UTF-8, the cursor inside the text and in sight.
    static ::testing::AssertionResult whole(const MyTextField& field)
    {
        const std::string& text = field.textBytes();
        const int pos = field.firstVisible + field.cursor;
        if (!isValidUtf8(text) || !isValidUtf8(field.visibleText()))
            return ::testing::AssertionFailure() << "invalid UTF-8 in \"" << text << "\"";
        if (field.cursor < 0 || field.firstVisible < 0 || pos > (int)text.size())
            return ::testing::AssertionFailure() << "cursor " << field.cursor << " first " << field.firstVisible;
        if (!isValidUtf8(text.substr(0, pos)) || !isValidUtf8(text.substr(0, field.firstVisible)))
            return ::testing::AssertionFailure() << "a position inside a character in \"" << text << "\"";
        if (field.cursor > 0 && widthOf(text.substr(field.firstVisible, field.cursor)) >= field.fieldWidth)
            return ::testing::AssertionFailure() << "cursor out of sight";
        return ::testing::AssertionSuccess();
    }
};

TEST(Utf8StepTest, StepsOverWholeCharacters)
{
    const std::string text = "a\xC3\xA4\xE2\x82\xAC" "b\xF0\x9F\x98\x80";  // a ä € b 😀
    struct Case {
        int pos, before, after;
    } cases[] = {{0, 0, 1}, {1, 1, 2}, {3, 2, 3}, {6, 3, 1}, {7, 1, 4}, {11, 4, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.before, utf8LengthBefore(text, c.pos)) << c.pos;
        EXPECT_EQ(c.after, utf8LengthAfter(text, c.pos)) << c.pos;
    }
    EXPECT_TRUE(isValidUtf8(text));
    EXPECT_FALSE(isValidUtf8(text.substr(0, 2)));
    EXPECT_FALSE(isValidUtf8(text.substr(2)));
    // Damaged bytes still move on one at a time.
    EXPECT_EQ(1, utf8LengthAfter("\x80x", 0));
    EXPECT_EQ(1, utf8LengthBefore("x\xC3", 2));
}

TEST_F(MyTextFieldTest, KeysMakeTheRightCharacters)
{
    struct Case {
        const char* name;
        std::vector<Key> keys;
        const char* text;
    } cases[] = {
        {"shift applies to one letter", {kShift, letter('a'), letter('a')}, "Aa"},
        {"shift held", {kShift, letter('a', KMOD_LSHIFT), letter('a', KMOD_LSHIFT)}, "AA"},
        {"option h", {kOption, letter('h')}, "\xE2\x82\xAC"},
        {"option h, backspace", {kOption, letter('h'), kBack}, ""},
        {"later one-shot wins: shift", {kOption, kShift, letter('o')}, "O"},
        {"later one-shot wins: option", {kShift, kOption, letter('o')}, "\xC3\x96"},
        {"option s is sharp s", {kOption, letter('s')}, "\xC3\x9F"},
        {"Alt held", {kOption, letter('s', KMOD_LALT), letter('u', KMOD_LALT)}, "\xC3\x9F\xC3\xBC"},
        {"option comma", {kOption, Key{','}, Key{','}}, "&,"},
        {"space and full stop", {letter('a'), Key{' ', 0, ' '}, Key{'.', 0, '.'}}, "a ."},
        {"backspace on empty", {kBack, kBack}, ""},
        {"digits from the key's character", {Key{'1', 0, '1'}, Key{'0', 0, '0'}, Key{'9', 0, '9'}}, "109"},
        {"@ from its key or shifted 2", {Key{'2', KMOD_LSHIFT, '@'}, Key{MyTextField::KeyAt, 0, '@'}}, "@@"},
        {"shifted digits type their signs", {Key{'3', KMOD_LSHIFT, '#'}, Key{'1', KMOD_LSHIFT, '!'}}, "#!"},
        {"accented letters of a desktop keyboard",
         {Key{252, 0, 0xFC}, Key{233, 0, 0xE9}, Key{241, KMOD_LSHIFT, 0xD1}, Key{0, 0, 0x153}},
         "\xC3\xBC\xC3\xA9\xC3\x91\xC5\x93"},
        {"signs of Latin-1", {Key{215, 0, 0xD7}, Key{0, 0, 0xA7}}, "\xC3\x97\xC2\xA7"},
        {"controls and characters the font lacks insert nothing",
         {Key{9, 0, 9}, Key{127, 0, 127}, Key{0, 0, 0x85}, Key{0, 0, 0x4E2D}, Key{0, 0, 0xD800}}, ""},
        {"a letter key that types something else (AltGr e)", {Key{'e', KMOD_MODE, 0x20AC}}, "\xE2\x82\xAC"},
        {"Return inserts nothing", {letter('a'), Key{MyTextField::KeyReturn, 0, 13}}, "a"},
        {"insert in the middle", {letter('a'), letter('c'), kLeft, letter('b')}, "abc"},
        {"delete in the middle", {letter('a'), kOption, letter('h'), letter('c'), kLeft, kBack}, "ac"},
        {"left at the start stays", {letter('a'), kLeft, kLeft, letter('b')}, "ba"},
        {"right past the end stays", {letter('a'), kRight, kRight, letter('b')}, "ab"},
    };
    for (const Case& c : cases) {
        MyTextField field(nullptr, "Helvetica-Bold", 16, "", 150, 28, false);
        press(field, c.keys);
        EXPECT_EQ(std::string(c.text), field.textBytes()) << c.name;
        EXPECT_TRUE(whole(field)) << c.name;
        EXPECT_EQ(0, field.shiftOnce) << c.name;
    }
}

// A desktop keyboard (US layout) typing text as a player does: Shift pressed for capitals and signs, held while
// the key comes, released before the next.
std::vector<Key> typedOnADesktop(const std::string& text)
{
    const std::string shiftedSigns = "!:()?\"";
    const std::string theirKeys = "1;90/'";
    std::vector<Key> keys;
    for (char c : text) {
        const size_t sign = shiftedSigns.find(c);
        if (c >= 'A' && c <= 'Z') {
            keys.push_back(kShift);
            keys.push_back(letter((char)(c - 'A' + 'a'), KMOD_LSHIFT));
        } else if (sign != std::string::npos) {
            keys.push_back(kShift);
            keys.push_back(Key{theirKeys[sign], KMOD_LSHIFT, c});
        } else {
            keys.push_back(Key{c, 0, c});
        }
    }
    return keys;
}

TEST_F(MyTextFieldTest, ADesktopKeyboardTypesPunctuationAsItIs)
{
    struct Case {
        std::vector<Key> keys;
        const char* text;
    } cases[] = {
        {typedOnADesktop("Jean-Luc O'Brien"), "Jean-Luc O'Brien"},
        {typedOnADesktop("a:b"), "a:b"},
        {typedOnADesktop("(x)"), "(x)"},
        {typedOnADesktop("!k"), "!k"},  // the sign ends the shift: no capital after it
        {typedOnADesktop("Is it 6,000? Yes!"), "Is it 6,000? Yes!"},
        {{kOption, letter('p')}, "-"},  // the option column still works
        {{kShift, Key{'1', KMOD_LSHIFT, '!'}, kOption, Key{'/', 0, '/'}, letter('o')}, "!/o"},
    };
    for (const Case& c : cases) {
        MyTextField field(nullptr, "Helvetica-Bold", 16, "", 400, 28, false);
        press(field, c.keys);
        EXPECT_EQ(std::string(c.text), field.textBytes());
        EXPECT_EQ(0, field.shiftOnce + field.optionOnce) << c.text;
    }
}

TEST_F(MyTextFieldTest, ListenerHearsEveryKey)
{
    KeyLog log;
    MyTextField field(&log, "Helvetica-Bold", 16, "", 150, 28, false);
    press(field, {kShift, letter('a'), Key{MyTextField::KeyReturn, 0, 13}, kBack, Key{999}});
    EXPECT_EQ((std::vector<int>{304, 'a', 13, 8, 999}), log.keys);
}

TEST_F(MyTextFieldTest, APresetIsReplacedByTheFirstKeyThatEdits)
{
    struct Case {
        const char* name;
        std::vector<Key> keys;
        const char* text;
    } cases[] = {
        {"letter", {letter('a'), letter('b')}, "ab"},
        {"shift and arrows keep the preset", {kShift, kLeft, kRight}, "Tap to enter"},
        {"shifted letter after arrows", {kLeft, kShift, letter('k')}, "K"},
        {"backspace clears it", {kBack}, ""},
        {"backspace then letters", {kBack, letter('x')}, "x"},
    };
    for (const Case& c : cases) {
        MyTextField field(nullptr, "Helvetica-Bold", 16, "Tap to enter", 150, 28, false);
        field.showsPreset = 1;
        press(field, c.keys);
        EXPECT_EQ(std::string(c.text), field.textBytes()) << c.name;
    }
    MyTextField typed(nullptr, "Helvetica-Bold", 16, "kim", 150, 28, false);
    press(typed, {letter('a')});
    EXPECT_EQ("akim", typed.textBytes()) << "a typed text is kept (the cursor starts at its front)";
}

TEST_F(MyTextFieldTest, LeftArrowAtTheScrolledEdgeScrollsBackOneCharacter)
{
    MyTextField field(nullptr, "Helvetica-Bold", 16, "", 60, 28, false);
    for (char c : std::string("abcdefghijklmnop"))
        press(field, {letter(c)});
    ASSERT_GT(field.firstVisible, 0) << "the field scrolled";
    const int first = field.firstVisible;
    for (int i = 0; i < 40 && field.cursor > 0; i++)
        press(field, {kLeft});
    EXPECT_EQ(0, field.cursor);
    EXPECT_EQ(first, field.firstVisible);
    press(field, {kLeft});
    EXPECT_EQ(first - 1, field.firstVisible);
    EXPECT_EQ(0, field.cursor);
    // Back over a three-byte character in one step.
    MyTextField euros(nullptr, "Helvetica-Bold", 16, "", 60, 28, false);
    for (int i = 0; i < 12; i++)
        press(euros, {kOption, letter('h')});
    ASSERT_GT(euros.firstVisible, 0);
    for (int i = 0; i < 40 && euros.cursor > 0; i++)
        press(euros, {kLeft});
    const int firstEuro = euros.firstVisible;
    press(euros, {kLeft});
    EXPECT_EQ(firstEuro - 3, euros.firstVisible);
    EXPECT_TRUE(whole(euros));
}

TEST_F(MyTextFieldTest, MultibyteInsertionOverflowingTheFieldKeepsTheCursorAfterIt)
{
    MyTextField field(nullptr, "Helvetica-Bold", 16, "", 50, 28, false);
    for (int i = 0; i < 10; i++) {
        press(field, {kOption, letter('a')});
        const std::string& text = field.textBytes();
        const int pos = field.firstVisible + field.cursor;
        EXPECT_EQ((int)text.size(), pos) << "typing at the end leaves the cursor at the end";
        EXPECT_EQ("\xC3\xA4", text.substr(pos - 2, 2));
        ASSERT_TRUE(whole(field)) << i;
    }
    EXPECT_GT(field.firstVisible, 0);
}

TEST_F(MyTextFieldTest, MixedEditingInANarrowFieldStaysValidAtEveryStep)
{
    const std::vector<std::vector<Key>> moves = {
        {kOption, letter('h')}, {kOption, letter('a')}, {kOption, letter('s')}, {kOption, kShift, letter('o')},
        {letter('x')},          {kShift, letter('q')}, {kLeft},               {kRight},
        {kBack},                {Key{'7', 0, '7'}},    {Key{' ', 0, ' '}},     {kOption, letter('o')},
    };
    int scrolledSteps = 0;
    for (unsigned seed = 1; seed <= 20; seed++) {
        MyTextField field(nullptr, "Helvetica-Bold", 16, "", 40 + (int)seed * 3, 28, false);
        unsigned state = seed * 2654435761u;
        for (int step = 0; step < 150; step++) {
            state = state * 1103515245u + 12345u;
            press(field, moves[(state >> 16) % moves.size()]);
            ASSERT_TRUE(whole(field)) << "seed " << seed << " step " << step;
            scrolledSteps += field.firstVisible > 0;
        }
    }
    EXPECT_GT(scrolledSteps, 1000) << "the sequences must run the field scrolled";
}

TEST_F(MyTextFieldTest, BackspaceWhileScrolledKeepsTheViewOnWholeCharacters)
{
    MyTextField field(nullptr, "Helvetica-Bold", 16, "", 50, 28, false);
    for (int i = 0; i < 8; i++)
        press(field, {kOption, letter('h'), letter('a')});
    ASSERT_GT(field.firstVisible, 0);
    for (int i = 0; i < 16; i++) {
        const int length = (int)field.textBytes().size();
        press(field, {kBack});
        EXPECT_LT((int)field.textBytes().size(), length);
        ASSERT_TRUE(whole(field)) << i;
    }
    EXPECT_EQ("", field.textBytes());
    EXPECT_EQ(0, field.firstVisible);
}

TEST_F(MyTextFieldTest, TapInsideTakesTheKeyboardAndOutsideGivesItUp)
{
    MyTextField field(nullptr, "Helvetica-Bold", 16, "abc", 150, 28, false);
    field.render(40, 100, 1.0f, -1.0f, 1.0f, 0.0f, false);
    EXPECT_EQ(-1, field.handleTouch(TouchDown, 40 + widthOf("a") + 1, 110, nullptr));
    EXPECT_EQ(&field, gKeyReceiver);
    EXPECT_EQ(1, field.focused);
    EXPECT_EQ(1, field.cursor) << "the cursor goes to the character under the finger";
    EXPECT_EQ(-1, field.handleTouch(TouchDown, 40 + widthOf("abc") + 20, 110, nullptr));
    EXPECT_EQ(3, field.cursor) << "beyond the text: at its end";
    field.handleTouch(TouchMove, 5, 5, nullptr);
    field.handleTouch(TouchUp, 5, 5, nullptr);
    EXPECT_EQ(&field, gKeyReceiver) << "only presses count";
    field.handleTouch(TouchDown, 5, 5, nullptr);
    EXPECT_EQ(nullptr, gKeyReceiver);
    EXPECT_EQ(0, field.focused);
    EXPECT_EQ("abc", field.textBytes()) << "the text stays";

    // Another field's tap outside leaves the holder alone.
    MyTextField other(nullptr, "Helvetica-Bold", 16, "", 150, 28, false);
    other.render(40, 300, 1.0f, -1.0f, 1.0f, 0.0f, false);
    field.handleTouch(TouchDown, 50, 110, nullptr);
    other.handleTouch(TouchDown, 50, 110, nullptr);
    EXPECT_EQ(&field, gKeyReceiver);
}

TEST_F(MyTextFieldTest, HiddenFieldIgnoresTapsAndADeletedFieldLetsGoOfTheKeyboard)
{
    MyTextField* field = new MyTextField(nullptr, "Helvetica-Bold", 16, "abc", 150, 28, false);
    field->render(40, 100, 1.0f, -1.0f, 1.0f, 0.0f, false);
    field->setRenderFlag(true);
    field->handleTouch(TouchDown, 50, 110, nullptr);
    EXPECT_EQ(nullptr, gKeyReceiver);
    field->setRenderFlag(false);
    field->handleTouch(TouchDown, 50, 110, nullptr);
    EXPECT_EQ(field, gKeyReceiver);
    delete field;
    EXPECT_EQ(nullptr, gKeyReceiver) << "no key may reach a deleted field";
}

TEST_F(MyTextFieldTest, CursorBlinksAndHiddenFieldDrawsNothing)
{
    EXPECT_TRUE(MyTextField::cursorShown(0));
    EXPECT_TRUE(MyTextField::cursorShown(499));
    EXPECT_FALSE(MyTextField::cursorShown(500));
    EXPECT_TRUE(MyTextField::cursorShown(1000));
    EXPECT_TRUE(MyTextField::cursorShown(0xFFFFFFF0u + 20u)) << "a wrapped clock shows it again";

    MyTextField field(nullptr, "Helvetica-Bold", 16, "WWW", 150, 28, true);
    field.render(40, 100, 1.0f, -1.0f, 1.0f, 0.0f, false);
    EXPECT_TRUE(pixelNear(pixel(50, 114), RGBA{0, 0, 0, 255}));
    field.setRenderFlag(false);
    clearFrame(0, 0, 0, 1);
    field.render(40, 100, 1.0f, -1.0f, 1.0f, 0.0f, false);
    int lit = 0;
    for (int x = 40; x < 40 + widthOf("WWW"); x++)
        for (int y = 100; y < 128; y++)
            lit += pixel(x, y).r > 128;
    EXPECT_GT(lit, 20) << "the text shows";
}

// A highlighted field lies over a red tint with its text still on it; unhighlighted it is plain again.
TEST_F(MyTextFieldTest, AHighlightedFieldShowsItsTextOverAWarningTint)
{
    MyTextField field(nullptr, "Helvetica-Bold", 16, "WWW", 150, 28, false);
    auto drawn = [&field]() {
        clearFrame(0, 0, 0, 1);
        field.render(40, 100, 1.0f, -1.0f, 1.0f, 0.0f, false);
        int textLit = 0;
        for (int x = 40; x < 40 + widthOf("WWW"); x++)
            for (int y = 100; y < 128; y++)
                textLit += pixel(x, y).g > 128;
        return std::make_pair(pixel(180, 114), textLit);
    };
    const auto plain = drawn();
    field.setHighlighted(true);
    const auto marked = drawn();
    field.setHighlighted(false);
    const auto again = drawn();
    EXPECT_TRUE(pixelNear(plain.first, RGBA{0, 0, 0, 255}));
    EXPECT_GT(marked.first.r, marked.first.g + 40) << "red beside the text";
    EXPECT_GT(marked.second, 20) << "the text shows over the tint";
    EXPECT_TRUE(pixelNear(again.first, RGBA{0, 0, 0, 255}));
}

class TextEntryFieldTest : public MyTextFieldTest {
protected:
    void SetUp() override
    {
        MyTextFieldTest::SetUp();
        linkMenuPictures();
    }
};

struct EntryMenu : TiledMenu {
    EntryMenu(bool readOnly, bool reveal) : TiledMenu(512, 512, 512, 256), readOnly(readOnly), reveal(reveal)
    {
        build(0, true, 50);
    }
    void addContents() override
    {
        entry = addTextEntryField(0, "Name", "Kim", readOnly);
        entry->labelWidth = 20;
        entry->revealWhenSettled = reveal ? 1 : 0;
    }
    bool readOnly, reveal;
    TextEntryField* entry = nullptr;
};

TEST_F(TextEntryFieldTest, ReadOnlyRowHasNoFieldAndIgnoresTouches)
{
    EntryMenu menu(true, false);
    EXPECT_EQ(nullptr, menu.entry->field.get());
    bool consumed = false;
    EXPECT_EQ(-1, menu.entry->handleTouch(TouchDown, menu.entry->x + 150, menu.entry->y + 20, &consumed));
    EXPECT_EQ(nullptr, gKeyReceiver);
}

TEST_F(TextEntryFieldTest, EditableRowMakesAFieldBesideTheLabel)
{
    EntryMenu menu(false, false);
    MyTextField* field = menu.entry->field.get();
    ASSERT_NE(nullptr, field);
    EXPECT_EQ(170 - 20, field->width());
    EXPECT_EQ(28, field->height());
    EXPECT_EQ("Kim", field->textBytes());
    EXPECT_EQ(0, field->hidden);
    menu.render();
    EXPECT_EQ(menu.entry->x + 93 + 20, field->x);
    EXPECT_EQ(menu.entry->y + 10, field->y);
    // A tap on the field through the menu gives it the keyboard.
    EXPECT_EQ(-1, menu.handleTouch(TouchDown, field->x + 5, field->y + 5));
    EXPECT_EQ(field, gKeyReceiver);
    // The inset is darker than the rest of the field picture, with a black line under it.
    const RGBA inset = pixel(menu.entry->x + 250, menu.entry->y + 20);
    const RGBA rim = pixel(menu.entry->x + 250, menu.entry->y + 5);
    EXPECT_LT(inset.r, rim.r);
}

TEST_F(TextEntryFieldTest, FieldRevealedOnlyOnceTheMenuHasSettled)
{
    EntryMenu menu(false, true);
    MyTextField* field = menu.entry->field.get();
    ASSERT_NE(nullptr, field);
    EXPECT_EQ(1, field->hidden);
    menu.inner.scaleX = 0.5f;
    menu.render();
    EXPECT_EQ(1, field->hidden);
    menu.inner.scaleX = 1.0f;
    menu.render();
    EXPECT_EQ(1, field->hidden) << "the last frame was still zooming";
    menu.render();
    EXPECT_EQ(0, field->hidden);
}

}  // namespace

// A row marked before its keyboard field is made hands the mark on to it; a mark taken back reaches the field.
TEST_F(TextEntryFieldTest, TheRowsHighlightReachesItsFieldWhenEverItIsMade)
{
    SpriteSheet atlas(512, 512, false);
    TextEntryField row(&atlas, "Name", "Kim", false);
    row.setHighlighted(true);
    row.setPosition(10, 20, 10.0f, 20.0f);
    ASSERT_NE(nullptr, row.field.get());
    EXPECT_EQ(1, row.field->highlighted);
    row.setHighlighted(false);
    EXPECT_EQ(0, row.field->highlighted);
}
