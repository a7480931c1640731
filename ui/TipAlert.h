#ifndef KELZO_UI_TIPALERT_H
#define KELZO_UI_TIPALERT_H

struct BubbleStyle;
class AlertViewCallbackI;
class CustomAlertView;

// A tip shown as a dialog instead of a bubble: the style's title text (none for -1) and body text with one
// button; the listener hears the button. The alert is on the menu stack, which owns it.
CustomAlertView* showTipAsAlert(const BubbleStyle& style, const char* buttonText, AlertViewCallbackI* listener);

#endif
