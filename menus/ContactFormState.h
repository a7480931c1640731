#ifndef KELZO_MENUS_CONTACTFORMSTATE_H
#define KELZO_MENUS_CONTACTFORMSTATE_H

#include "Core/Stream.h"
#include "Core/String.h"

// What the contact form's fields show before anything is typed. They are not
// data: a field still showing its preset counts as empty, for the state file
// and for sending.
extern const char* const kEmailPreset;      // "Tap to enter"
extern const char* const kFeedbackPreset;   // "Tap to enter feedback"

// The value of a form field: its text, or nothing while it shows its preset
// (or a preset that an older version stored as if typed).
String formFieldValue(const String& shown, bool showsPreset, const char* preset);

// The contact form's texts between visits, in "contactMenuState.dat": the tag
// "10rf", the e-mail text and the feedback text (each an int32 length of
// 0..999,999 and the bytes), the subscribe switch as one byte, the tag again.
//
//     ContactFormState form;
//     form.load();                  // empty texts: the fields show their presets
//     ... form.email = formFieldValue(...); form.save();
class ContactFormState {
public:
    static const char* const kFileName;   // "contactMenuState.dat"

    // A text that cannot be read stays empty; a bad e-mail text does not
    // stop the feedback text from being read. `subscribe` is what the file
    // says (on when it says nothing): the form shows the switch on anyway,
    // every visit. True only when the whole file was used; a fall-back is logged.
    bool load();
    bool read(StreamIn& in);
    // Safe save; nothing while saving is suppressed. True when the new file is in place.
    bool save() const;
    void write(StreamOut& out) const;

    // A feedback text was sent and accepted: the file keeps only the address.
    static void clearStoredFeedback();

    String email;
    String feedback;
    bool subscribe = true;
};

#endif
