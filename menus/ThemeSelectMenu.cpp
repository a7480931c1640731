#include "menus/ThemeSelectMenu.h"

#include "Core/Language.h"
#include "menus/MenuHostI.h"
#include "menus/Panel.h"
#include "settings/AbSettings.h"

namespace {

const int kTitleText = 213;
const int kTitleFontSize = 24;
const int kAlertTitleText = 347;
const int kAlertMessageText = 348;
const int kThemeNameText = 72;  // + theme
const int kAlertButtonText = 0;
const int kThemeAlertFontSize = 16;
const int kFrameMinimum = 53;
const int kTileGap = 4;
const int kRowIndent = 11;

// English and French titles are short enough to share their row with the back button.
bool titleBesideBack()
{
    return isLanguage(kEnglish) || isLanguage(kFrench);
}

}  // namespace

ThemeSelectMenu::ThemeSelectMenu(MenuHostI* menuHost) : TiledMenu(512, 512, 512, 256), host(menuHost)
{
    const int chosen = gAbSettings.chosenTheme();
    for (int i = 0; i < kThemeTileCount; i++) {
        const int theme = themeOfTile(i, chosen);
        panels[i] = new Panel(&atlas, theme, getText(kThemeCaptionBase + theme).c_str());
    }
    build(0, true, kFrameMinimum);
}

void ThemeSelectMenu::addPanel(int i, int row)
{
    ViewChild* child = addElement(kThemeTagBase + panels[i]->theme, row, false);
    if (!child)
        return;
    child->element.reset(panels[i]);
    child->tappable = 1;
}

void ThemeSelectMenu::addContents()
{
    const bool compact = titleBesideBack();
    int row = 0;
    addVerticalSpace(row++, 4);
    addBackButton(0, row, compact);
    if (!compact)
        row++;
    addTextLine(getText(kTitleText).c_str(), row++, kTitleFontSize);
    addVerticalSpace(row++, compact ? 14 : 11);
    addPanel(0, row);
    addHorizontalSpace(row, kTileGap);
    addPanel(1, row++);
    addHorizontalSpace(row, kRowIndent);
    addVerticalSpace(row++, compact ? 8 : 4);
    addPanel(2, row);
    addHorizontalSpace(row, kTileGap);
    addPanel(3, row++);
    addHorizontalSpace(row, kRowIndent);
    addVerticalSpace(row++, compact ? 7 : 5);
}

int ThemeSelectMenu::handleTouch(int phase, int x, int y)
{
    const int tag = TiledMenu::handleTouch(phase, x, y);
    if (tag < kThemeTagBase)
        return tag;
    if (tag > kLastTag)
        return -1;
    const int theme = tag - kThemeTagBase;
    host->loadTheme(theme);
    const String message = formatText(kAlertMessageText, getText(kThemeNameText + theme).c_str());
    host->showAlert(kThemeAlertId, getText(kAlertTitleText).c_str(), message.c_str(),
                    getText(kAlertButtonText).c_str(), nullptr, 0, kThemeAlertFontSize);
    return tag;
}
