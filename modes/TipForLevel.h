#ifndef KELZO_MODES_TIPFORLEVEL_H
#define KELZO_MODES_TIPFORLEVEL_H

#include "Core/String.h"
#include "ui/MyView.h"

class Bitmap;
class TiledMenu;

// The framed tip panel of the popups between levels: the tip icon and heading (text 38) over the tip text, in
// the tip frame stretched to the text's height. It is 280 wide; its height follows the text and is fixed when
// it is made. Its pictures become textures when the menu that holds it is positioned.
//
//   ViewChild* child = addElement(-1, row, false);
//   child->element.reset(new TipForLevel(getText(433).c_str(), 15));
class TipForLevel : public MyView {
public:
    static constexpr int kWidth = 280;

    TipForLevel(const char* text, int fontSize);

    int width() override { return kWidth; }
    int height() override { return panelHeight; }

    int panelHeight = 0;

private:
    void addPicture(Bitmap* picture, int x, int y);
};

// A tip panel centred in a row of its own in the menu: it is about as wide as a dialog's inside.
void addTipPanel(TiledMenu* menu, int row, const String& text, int fontSize);

#endif
