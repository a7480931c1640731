// The statistics server's reply, applied as the report thread applies it (applyServerReply on the game's
// engine). Every variation must keep a value its readers can use (inside its range, -1 for "outside the
// experiment", or what it was), and the engine, saved by the reply, must load back to the same state.
#include <vector>

#include "settings/AbSettings.h"
#include "tests/fuzz/support/ExperimentFiles.h"
#include "tests/fuzz/support/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const char* name : {kVariationsFileName, kOldVariationsFileName, kCountersFileName})
        removeFuzzFile(name);
    FuzzBytes input(data, size);
    uint8_t realRuns = input.byte() & 3;  // new players (below 2) and the others hear different lines
    std::string reply = input.rest();

    std::string after;
    {
        AbSettings engine;
        engine.loadAtStart(String(fuzzDeviceId()));
        engine.realRuns = realRuns;
        engine.save();
        std::vector<int> before;
        for (const Variation& v : engine.variations)
            before.push_back(v.value());

        engine.applyServerReply(String(reply.data(), int(reply.size())));
        for (int i = 0; i < engine.variations.size(); ++i) {
            const Variation& v = engine.variations[i];
            if (v.value() != before[size_t(i)] && v.value() != -1 && !v.inRange(v.value()))
                fuzzFailure("stats_reply", std::string("variation ") + v.key + " left its range: " +
                                               std::to_string(v.value()));
        }
        engine.mem = 1;  // every start forces it, whatever a reply said
        engine.save();
        after = experimentState(engine);
    }
    AbSettings again;
    again.loadAtStart(String(fuzzDeviceId()));
    expectSameBytes("stats_reply", "engine after the reply, saved and loaded again", after, experimentState(again));
    return 0;
}
