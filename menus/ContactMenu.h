#ifndef KELZO_MENUS_CONTACTMENU_H
#define KELZO_MENUS_CONTACTMENU_H

#include "Core/OwnedPtr.h"
#include "menus/ConsoleHostI.h"
#include "menus/MyBusyIndicator.h"
#include "ui/AlertViewCallbackI.h"
#include "ui/TiledMenu.h"

class AbTester;
class CustomSwitch;
class Settings;
class TextEntryField;

// The contact form: the player's e-mail address, a feedback text, a switch
// for news (on at every visit) and a send button. Sending posts the form on
// the program's feedback sender thread; the window keeps drawing with a busy
// indicator until the answer comes, then the answer's alert shows and the
// screen asks to leave (takeLeaveCode gives 1, once). Back leaves at once,
// also while a send runs: the send goes on and its alert shows over whatever
// screen is current then (the shell calls showFeedbackResult every frame).
// The texts are kept between visits in "contactMenuState.dat"; a field still
// showing its prompt keeps nothing and sends nothing.
//
// Holding Back for more than a second runs the e-mail field's text as a
// console command first. Taps answer 0 (Back), -1 (stay) or a row's tag.
class ContactMenu : public TiledMenu, public AlertViewCallbackI {
public:
    static const int kTagBack = 0;
    static const int kTagSend = 1;
    static const int kLongPressMs = 1000;

    // The settings give the game facts of the question and take the console's
    // changes; the host takes the rest of them.
    ContactMenu(Settings& settings, AbTester& engine, ConsoleHostI& console);
    ~ContactMenu() override;

    int render() override;
    int handleTouch(int phase, int x, int y) override;
    void addContents() override;
    void alertButtonClicked(int buttonIndex, CustomAlertView* alert) override;

    // 1 once the send this screen started has its answer (the screen then
    // leaves as after a tap that answered 1); else -1. Read after each frame.
    int takeLeaveCode();
    bool isSending() const { return sending_; }

    // What the fields hold for sending and storing: nothing while a field shows its prompt.
    String emailValue() const;
    String feedbackValue() const;

    TextEntryField* emailField = nullptr;      // rows own these
    TextEntryField* feedbackField = nullptr;
    CustomSwitch* subscribeSwitch = nullptr;
    OwnedPtr<MyBusyIndicator> busyIndicator;   // while this screen's send runs
    bool keepFeedbackText = true;
    int touchDownTime = -1;                    // game clock of the last press; -1 before the first

private:
    int send();
    void highlightFields(bool on);
    void saveForm();

    Settings& settings_;
    AbTester& engine_;
    ConsoleHostI& console_;
    bool sending_ = false;
    int acceptedAtSend_ = 0;
    int leaveCode_ = -1;
};

// Main thread, every frame whatever the screen: when the feedback sender has
// an answer, shows its alert (success 135 / 136, failure 137 / 138) and, on
// success, forgets the stored feedback text. True when an answer was shown.
bool showFeedbackResult();

#endif
