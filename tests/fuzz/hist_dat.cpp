// "hist.dat", the cross-promotion's history, read and saved as the game does (PromoHistory::load, save).
#include "menus/PromoHistory.h"
#include "tests/fuzz/support/SavedFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    expectStableSave("hist_dat", PromoHistory::kFileName, std::string(reinterpret_cast<const char*>(data), size), [] {
        PromoHistory history;
        history.load();
        if (history.ads.size() > size_t(PromoHistory::kMaxEntries) + 1)
            fuzzFailure("hist_dat", "more entries than the reader keeps");
        return history.save();
    });
    return 0;
}
