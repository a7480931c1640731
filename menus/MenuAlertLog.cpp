#include "menus/MenuAlertLog.h"

#include "Core/Log.h"
#include "ui/CustomAlertView.h"
#include "ui/TappableLog.h"

void logMenuAlert(const char* title, CustomAlertView* alert)
{
    logPrintf("LOG", "alert -1: %s", title ? title : "");
    logPrintf("LOG", "alert -1 taps: %s", tappableChildrenText(alert->inner).c_str());
}
