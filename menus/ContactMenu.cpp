#include "menus/ContactMenu.h"

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "menus/ConsoleCommands.h"
#include "menus/ContactFormState.h"
#include "menus/FeedbackForm.h"
#include "menus/FeedbackSender.h"
#include "menus/MenuAlertLog.h"
#include "settings/Settings.h"
#include "ui/CustomAlertView.h"
#include "ui/CustomSwitch.h"
#include "ui/TextEntryField.h"

namespace {

const int kScreenCentreX = 160;
const int kScreenCentreY = 240;
// The prompts the empty fields show, in the player's language; the file keeps
// only what was typed.
const int kEmailPromptText = 495;
const int kFeedbackPromptText = 496;

// Sends the server accepted, program-wide: a screen that started a send sees
// from it whether its feedback went through, whoever showed the answer.
int gAcceptedFeedbacks = 0;

void showFormAlert(AlertViewCallbackI* callback, int title, int message)
{
    const String heading = getText(title);
    logMenuAlert(heading.c_str(), new CustomAlertView(callback, heading.c_str(), getText(message).c_str(),
                                                      getText(0).c_str(), nullptr, nullptr, AlertOptions()));
}

String fieldText(const TextEntryField* entry)
{
    return entry->field ? entry->field->getText() : entry->text;
}

bool fieldShowsPreset(const TextEntryField* entry)
{
    return entry->field ? entry->field->showsPreset != 0 : entry->showsPreset != 0;
}

}  // namespace

bool showFeedbackResult()
{
    const FeedbackSender::Result result = gFeedbackSender.takeResult();
    if (result == FeedbackSender::NoResult)
        return false;
    if (result == FeedbackSender::Sent) {
        gAcceptedFeedbacks++;
        ContactFormState::clearStoredFeedback();
        showFormAlert(nullptr, 135, 136);
    } else {
        showFormAlert(nullptr, 137, 138);
    }
    return true;
}

ContactMenu::ContactMenu(Settings& settings, AbTester& engine, ConsoleHostI& console)
    : TiledMenu(512, 512, -1, -1), settings_(settings), engine_(engine), console_(console)
{
    build(0, true, 50);
}

ContactMenu::~ContactMenu()
{
    saveForm();
}

void ContactMenu::addContents()
{
    ContactFormState stored;
    stored.load();

    addVerticalSpace(0, 5);
    addBackButton(kTagBack, 1, false);
    addVerticalSpace(2, 12);
    const bool emailPreset = stored.email.length() == 0;
    const String emailPrompt = getText(kEmailPromptText);
    emailField = addTextEntryField(3, getText(139).c_str(), emailPreset ? emailPrompt.c_str() : stored.email.c_str(),
                                   false);
    emailField->showsPreset = emailPreset ? 1 : 0;
    emailField->fieldKind = TextEntryField::KindEmail;
    addVerticalSpace(4, 10);
    const bool feedbackPreset = stored.feedback.length() == 0;
    const String feedbackPrompt = getText(kFeedbackPromptText);
    feedbackField = addTextEntryField(5, getText(140).c_str(),
                                      feedbackPreset ? feedbackPrompt.c_str() : stored.feedback.c_str(), false);
    feedbackField->showsPreset = feedbackPreset ? 1 : 0;
    feedbackField->fieldKind = TextEntryField::KindPlain;
    addVerticalSpace(6, 14);
    // Shrunk a point when two lines at 13 would not fit: the box's bottom would cut the second line's descenders.
    addTextParagraph(7, getText(141).c_str(), 174, 32, false, true);
    subscribeSwitch = addSwitch(-1, 7);
    subscribeSwitch->setOn(true);
    addVerticalSpace(8, 20);
    ButtonOptions large;
    large.style = ButtonStyleLarge;
    addButton(kTagSend, 9, getText(142).c_str(), true, large);
    addVerticalSpace(10, 4);
}

String ContactMenu::emailValue() const
{
    return formFieldValue(fieldText(emailField), fieldShowsPreset(emailField), getText(kEmailPromptText).c_str());
}

String ContactMenu::feedbackValue() const
{
    return formFieldValue(fieldText(feedbackField), fieldShowsPreset(feedbackField),
                          getText(kFeedbackPromptText).c_str());
}

void ContactMenu::saveForm()
{
    if (!emailField || !feedbackField || !subscribeSwitch)
        return;
    ContactFormState form;
    form.email = emailValue();
    const bool accepted = sending_ ? gAcceptedFeedbacks != acceptedAtSend_ : false;
    if (keepFeedbackText && !accepted)
        form.feedback = feedbackValue();
    form.subscribe = subscribeSwitch->on != 0;
    form.save();
}

int ContactMenu::render()
{
    int more = TiledMenu::render();
    if (subscribeSwitch && subscribeSwitch->isSliding())
        more = 1;
    if (!sending_)
        return more;
    showFeedbackResult();
    if (gFeedbackSender.isBusy()) {
        if (busyIndicator)
            busyIndicator->render(kScreenCentreX, kScreenCentreY, GameClock::wallMs());
        return 1;
    }
    if (gAcceptedFeedbacks != acceptedAtSend_)
        keepFeedbackText = false;
    sending_ = false;
    busyIndicator.reset();
    leaveCode_ = kTagSend;
    return 1;
}

int ContactMenu::takeLeaveCode()
{
    const int code = leaveCode_;
    leaveCode_ = -1;
    return code;
}

void ContactMenu::highlightFields(bool on)
{
    for (TextEntryField* entry : {emailField, feedbackField})
        entry->setHighlighted(on);
}

void ContactMenu::alertButtonClicked(int buttonIndex, CustomAlertView* alert)
{
    (void)buttonIndex, (void)alert;
    if (emailField && feedbackField)
        highlightFields(false);
}

int ContactMenu::send()
{
    const String address = emailValue();
    if (!isWellFormedAddress(address)) {
        // Both fields stay marked until the alert is answered.
        highlightFields(true);
        showFormAlert(this, 133, 134);
        return -1;
    }
    const String question =
        feedbackQuestion(feedbackValue(), feedbackScoreSlot(settings_.gameMode, settings_.difficulty),
                         settings_.startLevel, settings_.difficulty);
    if (!gFeedbackSender.start(address, question, subscribeSwitch->on != 0)) {
        // An earlier send still runs (or the game is closing): nothing is posted twice.
        showFormAlert(nullptr, 137, 138);
        return -1;
    }
    sending_ = true;
    acceptedAtSend_ = gAcceptedFeedbacks;
    busyIndicator.reset(new MyBusyIndicator);
    return -1;
}

int ContactMenu::handleTouch(int phase, int x, int y)
{
    if (!emailField || !feedbackField || !subscribeSwitch)
        return -1;
    const int tag = TiledMenu::handleTouch(phase, x, y);
    if (phase == TouchDown)
        touchDownTime = gGameClock.current;
    if (tag == kTagBack) {
        if (touchDownTime != -1 && elapsedOnWrappingCounter(gGameClock.current, touchDownTime) > kLongPressMs)
            runConsoleCommand(fieldText(emailField), settings_, engine_, console_);
        return kTagBack;
    }
    if (tag == kTagSend)
        return sending_ ? -1 : send();
    return tag;
}
