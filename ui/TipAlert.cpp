#include "ui/TipAlert.h"

#include "Core/Language.h"
#include "ui/BubbleStyle.h"
#include "ui/CustomAlertView.h"

CustomAlertView* showTipAsAlert(const BubbleStyle& style, const char* buttonText, AlertViewCallbackI* listener)
{
    const String title = style.titleId != -1 ? getText(style.titleId) : String();
    const String body = style.bodyId != -1 ? getText(style.bodyId) : String();
    AlertOptions options;
    options.messageFontSize = 16;
    options.compact = 1;
    return new CustomAlertView(listener, title.c_str(), body.c_str(), buttonText, nullptr, nullptr, options);
}
