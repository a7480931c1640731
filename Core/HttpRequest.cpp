#include "Core/HttpRequest.h"

#include "Core/HttpReply.h"
#include "Core/Log.h"
#include "Core/Thread.h"

#include <SFML/Network.hpp>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <thread>

namespace {

const int kDefaultTimeoutSeconds = 25;

struct HttpReply {
    int status = 0;  // 0: no complete answer
    std::string body;
};

using Clock = std::chrono::steady_clock;

// Longest single wait, so a cancel is seen within this many milliseconds.
const int kWaitSliceMs = 100;

// SFML keeps a socket's handle to itself; the sliced waits below poll it.
class SlicedSocket : public sf::TcpSocket {
public:
    using sf::TcpSocket::getHandle;
};

bool isCancelled(const std::atomic<bool>* cancel)
{
    return cancel && cancel->load();
}

// Waits until the socket is ready for `events`; false at the deadline, on an
// error, or once *cancel is set.
bool waitReady(SlicedSocket& socket, short events, Clock::time_point deadline, const std::atomic<bool>* cancel)
{
    for (;;) {
        if (isCancelled(cancel))
            return false;
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        pollfd p = {socket.getHandle(), events, 0};
        int ready = poll(&p, 1, static_cast<int>(std::min<long long>(left, kWaitSliceMs)));
        if (ready > 0)
            return true;
        if (ready < 0 && errno != EINTR)
            return false;
    }
}

// A non-blocking connect, waited for in slices.
bool connectSliced(SlicedSocket& socket, const sf::IpAddress& address, unsigned short port,
                   Clock::time_point deadline, const std::atomic<bool>* cancel)
{
    socket.setBlocking(false);
    sf::Socket::Status status = socket.connect(address, port);
    if (status == sf::Socket::Done)
        return true;
    if (status != sf::Socket::NotReady || !waitReady(socket, POLLOUT, deadline, cancel))
        return false;
    int error = 0;
    socklen_t size = sizeof error;
    return getsockopt(socket.getHandle(), SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
}

bool sendAll(sf::TcpSocket& socket, const std::string& data, Clock::time_point deadline,
             const std::atomic<bool>* cancel)
{
    size_t done = 0;
    while (done < data.size()) {
        std::size_t sent = 0;
        sf::Socket::Status status = socket.send(data.data() + done, data.size() - done, sent);
        done += sent;
        if (status == sf::Socket::Done)
            return true;
        if (status != sf::Socket::Partial && status != sf::Socket::NotReady)
            return false;
        if (Clock::now() >= deadline || isCancelled(cancel))
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

HttpReply exchange(const HttpTarget& target, const std::string& postBody, int timeoutSeconds,
                   const std::atomic<bool>* cancel)
{
    HttpReply reply;
    Clock::time_point deadline = Clock::now() + std::chrono::seconds(timeoutSeconds);
    sf::IpAddress address(target.host);
    if (address == sf::IpAddress::None)
        return reply;
    SlicedSocket socket;
    if (!connectSliced(socket, address, target.port, deadline, cancel))
        return reply;

    std::string request = (postBody.empty() ? "GET " : "POST ") + target.path + " HTTP/1.1\r\n";
    request += "Host: " + target.hostHeader + "\r\nUser-Agent: Kelzo\r\nConnection: close\r\n";
    if (!postBody.empty()) {
        request += "Content-Type: application/x-www-form-urlencoded\r\n";
        request += "Content-Length: " + std::to_string(postBody.size()) + "\r\n";
    }
    request += "\r\n" + postBody;
    if (!sendAll(socket, request, deadline, cancel))
        return reply;

    HttpReplyReader reader;
    char buffer[4096];
    while (reader.state() == HttpReplyReader::Incomplete) {
        if (!waitReady(socket, POLLIN, deadline, cancel))
            return reply;  // the server took too long, or the caller gave up
        std::size_t got = 0;
        sf::Socket::Status status = socket.receive(buffer, sizeof buffer, got);
        if (status == sf::Socket::Done)
            reader.take(buffer, got);
        else if (status == sf::Socket::Disconnected)
            reader.close();
        else if (status != sf::Socket::NotReady)
            return reply;
    }
    if (reader.state() == HttpReplyReader::Complete) {
        reply.status = reader.status();
        reply.body = reader.body();
    }
    return reply;
}

}  // namespace

HttpTarget httpTargetOf(const String& url)
{
    HttpTarget target;
    Array<String> pieces = url.split('/');
    if (pieces.size() < 3 || !(pieces[0] == "http:") || pieces[2].isEmpty())
        return target;
    std::string host = pieces[2].c_str();
    target.hostHeader = host;
    size_t colon = host.rfind(':');
    bool bracketed = !host.empty() && host[0] == '[';
    if (colon != std::string::npos && (!bracketed || host.find(']') < colon)) {
        int port = atoi(host.c_str() + colon + 1);
        if (port < 1 || port > 65535)
            return target;
        target.port = static_cast<unsigned short>(port);
        host.resize(colon);
    }
    if (bracketed && host.size() >= 2 && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    target.host = host;
    for (int i = 3; i < pieces.size(); ++i)
        target.path += std::string("/") + pieces[i].c_str();
    if (target.path.empty())
        target.path = "/";
    target.valid = true;
    return target;
}

void httpRequest(String* body, const String& url, const String& postBody, bool* ok, bool* hadFailure,
                 int timeoutSeconds, int attempts)
{
    httpRequest(body, url, postBody, ok, hadFailure, timeoutSeconds, attempts, nullptr);
}

void httpRequest(String* body, const String& url, const String& postBody, bool* ok, bool* hadFailure,
                 int timeoutSeconds, int attempts, const std::atomic<bool>* cancel)
{
    *body = String();
    *ok = false;
    *hadFailure = false;
    if (onMainLoopThread())
        logPrintf("ERR", "an HTTP request holds up the main loop: %.80s", url.c_str());
    if (attempts < 1)
        return;
    HttpTarget target = httpTargetOf(url);
    if (!target.valid) {
        *hadFailure = true;
        return;
    }
    if (timeoutSeconds <= 0)
        timeoutSeconds = kDefaultTimeoutSeconds;
    std::string post(postBody.c_str(), postBody.length());
    for (int attempt = 0; attempt < attempts && !isCancelled(cancel); ++attempt) {
        HttpReply reply = exchange(target, post, timeoutSeconds, cancel);
        if (reply.status == 200) {
            *body = String(reply.body.c_str());
            *ok = true;
            return;
        }
        *hadFailure = true;
    }
    if (isCancelled(cancel))
        *hadFailure = true;
}
