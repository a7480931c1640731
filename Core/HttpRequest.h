#pragma once

#include "Core/String.h"

#include <atomic>
#include <string>

// One blocking HTTP/1.1 exchange, with up to `attempts` tries, on the caller's thread.
// A GET when postBody is empty, else a POST of it. Only status 200 is success: then *body holds
// the reply body (up to its first NUL byte) and *ok is true. *hadFailure is true when any try
// failed, even if a later one succeeded. Each try, connecting and answer included, is cut off
// after timeoutSeconds (25 when not positive). Only http: URLs; "host:port" in the URL gives the
// port (80 otherwise).
//
//   String reply; bool ok, failed;
//   httpRequest(&reply, String("http://") + gScoreServerHost + "/kelzo/top_scores_sql/?game_id=0",
//               String(), &ok, &failed, 25, 2);
void httpRequest(String* body, const String& url, const String& postBody, bool* ok, bool* hadFailure,
                 int timeoutSeconds, int attempts);
// The same, but every wait (connecting, sending, the answer) lasts at most 100 ms before *cancel is
// looked at again; once it is set the request gives up: *ok false, *hadFailure true, no further try.
// A worker that shut-down must not wait for passes its own flag here.
void httpRequest(String* body, const String& url, const String& postBody, bool* ok, bool* hadFailure,
                 int timeoutSeconds, int attempts, const std::atomic<bool>* cancel);

// Where a URL sends its request.
struct HttpTarget {
    bool valid = false;   // an http: URL with a host
    std::string host;     // name or address, without port
    unsigned short port = 80;
    std::string hostHeader;  // host as written in the URL, port included
    std::string path;        // "/" when the URL has none; empty segments kept
};
HttpTarget httpTargetOf(const String& url);
