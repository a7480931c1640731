#ifndef KELZO_UI_VIEWCHILD_H
#define KELZO_UI_VIEWCHILD_H

#include "ui/ViewElementI.h"

// One child record of a MyView: the element and how the view places, draws and hits it. The defaults are
// those of MyView::addChild; owners fill the fields they need.
struct ViewChild {
    Ref<ViewElementI> element;  // empty: the record draws nothing and takes no touches
    int tag = -1;               // what a tap on this child reports; -1 none
    int x = 0;                  // offset inside the view, unscaled pixels
    int y = 0;
    unsigned char centred = 0;  // x ignored: centred in the view's width
    float alpha = 1.0f;         // times the view's opacity
    float angle = 0.0f;         // handed to the element's render
    float scaleX = 1.0f;        // times the view's scale
    float scaleY = -1.0f;       // -1: the same as scaleX
    unsigned char tappable = 0; // the record itself answers a touch inside the element with its tag
    int hitMarginX = 0;         // widens the tappable rectangle; -1 counts as 0
    int hitMarginY = 0;         // -1: the same as hitMarginX
};

#endif
