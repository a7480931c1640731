#include "menus/ContactFormState.h"

#include "Core/File.h"
#include "Core/Platform.h"
#include "settings/SaveFile.h"

namespace {

const int kFileTag = makeTag("fr01");

// A text of the file into *value, left empty when it cannot be read; a
// stored preset is no text either. False when it could not be read.
bool readFormText(StreamIn& in, const char* preset, String* value)
{
    String text;
    if (!streamReadByteString(in, &text))
        return false;
    *value = formFieldValue(text, false, preset);
    return true;
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

bool ContactFormState::load()
{
    String path = dataFilePath(kFileName);
    bool ok = false;
    File file(path, &ok);
    bool whole = ok && read(file);
    if (!whole)
        logStartingFresh(path.c_str(), ok);
    return whole;
}

bool ContactFormState::read(StreamIn& in)
{
    email = String();
    feedback = String();
    int tag;
    if (!readInt(in, &tag) || tag != kFileTag)
        return false;
    bool whole = readFormText(in, kEmailPreset, &email);
    whole = readFormText(in, kFeedbackPreset, &feedback) && whole;
    int stored;
    if (!readByte(in, &stored))
        return false;
    subscribe = stored != 0;
    return readInt(in, &tag) && tag == kFileTag && whole;
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
    return saveFile(dataFilePath(kFileName), [this](StreamOut& out) {
        write(out);
        return true;
    });
}

void ContactFormState::clearStoredFeedback()
{
    if (!fileExists(dataFilePath(kFileName).c_str()))
        return;
    ContactFormState state;
    state.load();
    state.feedback = String();
    state.save();
}
