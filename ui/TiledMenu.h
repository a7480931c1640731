#ifndef KELZO_UI_TILEDMENU_H
#define KELZO_UI_TILEDMENU_H

#include <map>

#include "Core/Array.h"
#include "graphics/SpriteSheet.h"
#include "ui/Button.h"
#include "ui/MenuBaseI.h"
#include "ui/MyView.h"

class CustomSwitch;
class Slider;

// One place in a row of a tiled menu: an element (its child record in the menu's inner view, by index) or an
// empty spacer. A floating cell is placed where the next cell starts but takes no room in its row.
struct TiledMenuCell {
    int width = -1;   // -1: the element's width
    int height = -1;  // -1: the element's height
    int child = -1;   // index into inner.children; -1 for a spacer
    unsigned char floating = 0;
};

// Where a side-by-side pair of buttons gets its room: the space between them and the options both share.
struct ButtonPairLayout {
    int space = 22;
    int minWidth = 125;
    int fontSizeDelta = 0;
    int extraMargin = 0;
};

// The sizing of two buttons in one row from their captions' widths at font sizes 15 and 14: at the usual size
// when the pair fits the frame's 228 px, else a point smaller with the ends pulled in (up to 4 px each side)
// and the space between narrowed.
ButtonPairLayout layoutButtonPair(int width1At15, int width2At15, int width1At14, int width2At14);

// The picture height of a text line (addTextLine) of that font size: its row takes fontSize + 2.
int textLinePictureHeight(int fontSize);

// The base of every framed menu and of the alert: up to 32 rows of cells, laid out top to bottom inside a
// wooden picture frame, over a shadow that dims the screen. A concrete menu adds its rows in addContents
// (through the cell operations and the row factories) and calls build at the end of its own constructor;
// build lays the rows out, has the frame composed round them and positions everything, which gives the
// pictures their wood and textures; the menu's atlas is uploaded last of all.
//
//   class ThanksMenu : public TiledMenu {
//   public:
//       ThanksMenu() : TiledMenu(512, 512, 256, 256) { build(0, true, 50); }
//       void addContents() override {
//           addHeading("Thanks", 0);
//           int row = 1;
//           addButtonRow(&row, "OK", nullptr, nullptr, false, 1, -1, false);
//       }
//   };
//
// Cells refer to their child records by index and the tag map to cells by row and index, so nothing dangles
// when an array grows. A row index outside 0..31 is refused (logged; nothing added, null returned).
class TextEntryField;

class TiledMenu : public MenuBaseI {
public:
    static const int kRowCount = 32;
    static const int kSideMargin = 20;
    static const int kTopMargin = 2;

    TiledMenu(int page1Width, int page1Height, int page2Width, int page2Height);
    ~TiledMenu() override = default;
    TiledMenu(const TiledMenu&) = delete;
    TiledMenu& operator=(const TiledMenu&) = delete;

    int render() override;
    int hitTest(int x, int y) override;
    // The tag of the tapped child, or -1.
    int handleTouch(int phase, int x, int y) override;
    // The concrete menu's rows.
    virtual void addContents() = 0;

    // Cell operations. The returned cell is valid until the next cell is added to that row.
    TiledMenuCell* addCell(int row, const TiledMenuCell& cell);
    TiledMenuCell* addVerticalSpace(int row, int height, int unused = 0);
    TiledMenuCell* addHorizontalSpace(int row, int width);
    // A default child record with this tag in a new cell; the caller sets the element and the rest. The record
    // is valid until the next child is added (64 are reserved). Null for a refused row.
    ViewChild* addElement(int tag, int row, bool floating);
    // A switch or slider: a tappable child holding the control (which the menu takes over).
    ViewChild* addControlRow(int tag, ViewElementI* control, int row, const char* unused = nullptr);
    // A settings switch (off, no listener) or a volume slider as a control row (TiledMenuControls.cpp); null
    // for a refused row. Owners set the switch on (setOn) right after, and later read on and isSliding.
    CustomSwitch* addSwitch(int tag, int row);
    Slider* addSlider(int tag, int row);
    ViewChild* addImageElement(int tag, const char* imageName, int row, bool floating);
    // The cell whose child carries the tag, or null.
    TiledMenuCell* findCell(int tag);
    // The child record of a cell, or null for a spacer.
    ViewChild* cellChild(const TiledMenuCell* cell);

    // Row factories (TiledMenuRows.cpp). Text sizes are font sizes.
    ViewChild* addTextLine(const char* text, int row, int fontSize);
    ViewChild* addTextParagraph(int row, const char* text, int width, int height, bool centred, bool fit);
    ViewChild* addLabel(int row, const char* text, int width, int height, bool centred, int fontSize);
    ViewChild* addNumber(int row, int value, int width, int height, int fontSize, bool centred, bool floating);
    ViewChild* addHeading(const char* text, int row);
    ViewChild* addBackButton(int tag, int row, bool floating);
    ViewChild* addButton(int tag, int row, const char* caption, bool centred, ButtonOptions options);
    // One to three buttons from *row on; *row ends past the rows used. Three captions, or stacked, put the
    // buttons under each other (five rows); one caption is a lone centred button; two sit side by side.
    void addButtonRow(int* row, const char* caption1, const char* caption2, const char* caption3, bool stacked,
                      int tag1, int tag2, bool dimFirst);

    // The caller may set the row's labelWidth, listener, startHidden and revealWhenSettled before the menu is
    // positioned. Null for a refused row.
    TextEntryField* addTextEntryField(int row, const char* label, const char* text, bool readOnly);

    // The font size a fitted paragraph uses in width x height: 13, or 12 or 11 when it is too tall.
    static int paragraphFontSize(const char* text, int width, int height);

    // Sizes the rows and places every cell's child (inner's origin at (x, y), -1 giving 0).
    void layout(int x, int y);
    // Adds the contents, lays them out, puts the frame round them and, when positionNow, positions everything
    // and uploads the atlas. widthExtra is the frame's width beyond its 218 px (raised for wide rows).
    void build(int centreShift, bool positionNow, int widthExtra);
    // The frame: a new view (position and size of the screen) holding one CombinedMenuFrame, and the offsets
    // that put the contents inside it.
    static MyView* buildFrame(SpriteSheet* atlas, int height, int widthExtra, ViewChild** outRecord, int* outX,
                              int* outY, int centreShift);

    int rowCount(int row) const { return row >= 0 && row < kRowCount ? rows[row].size() : 0; }
    const TiledMenuCell& cellAt(int row, int index) const { return rows[row][index]; }

    ViewChild* frameChild = nullptr;  // the frame picture's record inside the frame view
    Array<TiledMenuCell> rows[kRowCount];
    int usedRows = 0;
    int createdAtMs;
    SpriteSheet atlas;
    int startDelayMs = 0;
    MyView inner;
    int contentOffsetX = 0;
    int contentOffsetY = 0;

protected:
    // Milliseconds since the menu was made, on the game clock's running counter.
    int elapsedSinceCreated() const;

private:
    struct CellPlace {
        int row;
        int index;
    };
    bool rowAccepted(int row) const;
    int cellWidth(const TiledMenuCell& cell);
    int cellHeight(const TiledMenuCell& cell);
    ViewChild* addButtonAt(int row, int tag, const char* caption, bool centred, const ButtonOptions& options);
    void addSideBySideButtons(int row, const char* caption1, const char* caption2, int tag1, int tag2,
                              ButtonOptions options);

    std::map<int, CellPlace> tagCells_;
};

// Milliseconds from `since` to now on a counter that may have wrapped past the int32 range.
int elapsedOnWrappingCounter(int now, int since);

#endif
