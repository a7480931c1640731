#include "ui/TappableLog.h"

#include "ui/MyView.h"

namespace {

void appendTappable(MyView& view, int originX, int originY, String* text)
{
    for (int i = 0; i < view.children.size(); i++) {
        ViewChild& child = view.children[i];
        if (child.element.isNull())
            continue;
        const int width = child.element->width();
        const int x = originX + (child.centred ? view.viewWidth / 2 - width / 2 : child.x);
        const int y = originY + child.y;
        if (child.tappable && child.tag >= 0) {
            if (text->length() > 0)
                *text = *text + " ";
            *text = *text + String::fromInt(child.tag) + ":" + String::fromInt(x + width / 2) + "," +
                    String::fromInt(y + child.element->height() / 2);
        }
        if (MyView* inner = dynamic_cast<MyView*>(child.element.get()))
            appendTappable(*inner, x, y, text);
    }
}

}  // namespace

String tappableChildrenText(MyView& view)
{
    String text;
    appendTappable(view, int(view.originX), int(view.originY), &text);
    return text;
}
