// "contactMenuState.dat", the contact form's texts between visits, read and saved as the form does
// (ContactFormState::load, save). Texts stay within the file's limit.
#include "Core/Stream.h"
#include "menus/ContactFormState.h"
#include "tests/fuzz/support/SavedFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    expectStableSave("contact_menu_state_dat", ContactFormState::kFileName, bytes, [] {
        ContactFormState form;
        form.load();
        if (form.email.length() > kMaxByteStringLength || form.feedback.length() > kMaxByteStringLength)
            fuzzFailure("contact_menu_state_dat", "a text past the file's limit");
        return form.save();
    });
    return 0;
}
