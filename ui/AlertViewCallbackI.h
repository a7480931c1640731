#ifndef KELZO_UI_ALERTVIEWCALLBACKI_H
#define KELZO_UI_ALERTVIEWCALLBACKI_H

class CustomAlertView;

// Told which button of an alert was pressed: its tag, 0, 1 or 2 in the order of the button texts. The alert is
// still alive during the call; the menu stack deletes it right after.
class AlertViewCallbackI {
public:
    virtual ~AlertViewCallbackI() {}
    virtual void alertButtonClicked(int buttonIndex, CustomAlertView* alert) = 0;
};

#endif
