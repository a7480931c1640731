#include "menus/ContactFormState.h"

#include "Core/File.h"
#include "Core/Platform.h"
#include "settings/Settings.h"

namespace {

const int kFileTag = makeTag("fr01");

// A text of the file, or empty when it cannot be read; a stored preset is no text either.
String readFormText(StreamIn& in, const char* preset)
{
    String text;
    if (!streamReadByteString(in, &text))
        return String();
    return formFieldValue(text, false, preset);
}

} // namespace

const char* const kEmailPreset = "Tap to enter";
const char* const kFeedbackPreset = "Tap to enter feedback";
const char* const ContactFormState::kFileName = "contactMenuState.dat";

String formFieldValue(const String& shown, bool showsPreset, const char* preset)
{
    if (showsPreset || shown == preset)
        return String();
    return shown;
}

ContactFormState ContactFormState::load()
{
    ContactFormState state;
    bool ok = false;
    File file(dataFilePath(kFileName), &ok);
    if (ok)
        state.read(file);
    return state;
}

void ContactFormState::read(StreamIn& in)
{
    int tag;
    if (!readInt(in, &tag) || tag != kFileTag)
        return;
    email = readFormText(in, kEmailPreset);
    feedback = readFormText(in, kFeedbackPreset);
    int stored;
    if (readByte(in, &stored))
        subscribe = stored != 0;
}

void ContactFormState::write(StreamOut& out) const
{
    writeInt32(out, kFileTag);
    writeByteString(out, email);
    writeByteString(out, feedback);
    writeByte(out, subscribe ? 1 : 0);
    writeInt32(out, kFileTag);
}

bool ContactFormState::save() const
{
    if (gSaveSuppressed)
        return false;
    bool ok = false;
    File file(dataFilePath(kFileName), false, false, true, &ok);
    if (!ok)
        return false;
    write(file);
    return file.close();
}

void ContactFormState::clearStoredFeedback()
{
    if (!fileExists(dataFilePath(kFileName).c_str()))
        return;
    ContactFormState state = load();
    state.feedback = String();
    state.save();
}
