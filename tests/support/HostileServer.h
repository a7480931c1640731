#pragma once

// tests/support/hostile_http_server.py on 127.0.0.1: a server that refuses, hangs, trickles, lies or
// floods, by scenario. Every client of the game's servers must meet each without a crash, without
// losing what it holds, and within its time-out.
//
//   for (const HostileScenario& s : kHostileScenarios) {
//       HostileServer server(s.name);
//       ASSERT_TRUE(server.started());
//       ... point the client at server.host() ...
//   }

#include "tests/support/LoopbackServer.h"

struct HostileScenario {
    const char* name;
    bool answersWithABody;  // a whole 200 reply comes, only its contents are no use
};

const HostileScenario kHostileScenarios[] = {
    {"refused", false},        {"silent", false},         {"byte_a_second", false}, {"garbage", false},
    {"huge", false},           {"rows", true},            {"lying_length", false},  {"bad_chunk_size", false},
    {"bad_chunk_text", false}, {"redirect", false},       {"close_mid_body", false},
};

class HostileServer : public LoopbackServer {
public:
    explicit HostileServer(const char* scenario) : LoopbackServer("hostile_http_server.py", {scenario}) {}
};
