#include "ui/MenuBase.h"

#include <utility>

void MenuBase::addOption(Texture* image, int top)
{
    MenuOption option;
    option.image.reset(image);
    option.top = top;
    options.append(std::move(option));
}

int MenuBase::hitTest(int x, int y)
{
    if (x < kColumnLeft || x > kColumnRight)
        return -1;
    for (int i = 0; i < options.size(); i++) {
        const Texture* image = options[i].image.get();
        if (!image)
            continue;
        const int top = options[i].top;
        const int bottom = top + (image->height > kMinRowHeight ? image->height : kMinRowHeight);
        if (y < top || y > bottom)
            continue;
        if (!twoColumnFirstRow || i > 1)
            return i;
        if (i == 0 && x < kSplitX)
            return 0;
        if (i == 1 && x >= kSplitX)
            return 1;
    }
    return -1;
}
