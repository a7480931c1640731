#pragma once

// Hosts (with port) of the game's servers: the statistics report, the score server and the
// feedback form. Callers build "http://" + host + path. None of these servers exists here, so all
// of them point at this machine and no run of the game sends anything elsewhere.
// Tests point them at the loopback server they start.
extern const char kLoopbackServerHost[];  // "127.0.0.1:8470"
extern const char* gStatisticsServerHost;
extern const char* gScoreServerHost;
extern const char* gSupportServerHost;
// Store page of our other app, the link of the cross-promotion's default advertisement. A page of
// the loopback host, for the same reason.
extern const char* gPromoDefaultAdLink;
// Store page of our other puzzle game, which the cross-promotion page's green button opens. A page
// of the loopback host, for the same reason.
extern const char* gOtherGameStoreLink;
// Store page of this game, which a player who agrees to rate it is sent to. A page of the loopback
// host, for the same reason.
extern const char* gOwnStoreLink;

// The environment variable that, when set, names the host (with port) of all three servers.
extern const char kServerHostVariable[];  // "KELZO_SERVER_HOST"
// Points the three servers at $KELZO_SERVER_HOST when it is set to a plain host[:port]; a value
// with anything else in it is refused with a log line and the hosts stay. Call before any request.
void takeServerHostFromEnvironment();
