#pragma once

// Starts tests/support/loopback_http_server.py (or another server script there) on 127.0.0.1 with a
// free port, for tests that talk HTTP. The server answers by its plan (see the script) and stops by itself when this object goes.
//
//   LoopbackServer server(R"([{"status": 500}, {"status": 200, "body": "hello"}])");
//   ASSERT_TRUE(server.started());
//   String url = String("http://") + server.host().c_str() + "/path";
//   ... server.requests(2) lists what came in.

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

struct LoggedRequest {
    std::string method;
    std::string path;
    std::string body;
};

class LoopbackServer {
public:
    explicit LoopbackServer(const std::string& plan) : LoopbackServer("loopback_http_server.py", {plan}) {}

    // Another server script of tests/support that speaks the same protocol (see
    // loopback_score_server.py), with its arguments.
    LoopbackServer(const std::string& scriptName, const std::vector<std::string>& arguments)
    {
        int toServer[2], fromServer[2];
        if (pipe(toServer) != 0)
            return;
        if (pipe(fromServer) != 0) {
            close(toServer[0]);
            close(toServer[1]);
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, toServer[0], 0);
        posix_spawn_file_actions_adddup2(&actions, fromServer[1], 1);
        posix_spawn_file_actions_addclose(&actions, toServer[1]);
        posix_spawn_file_actions_addclose(&actions, fromServer[0]);
        std::string script = std::string(KELZO_TEST_DIR) + "/support/" + scriptName;
        std::vector<char*> argv = {const_cast<char*>("python3"), const_cast<char*>(script.c_str())};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        if (posix_spawnp(&pid_, "python3", &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(toServer[0]);
        close(fromServer[1]);
        input_ = toServer[1];
        output_ = fromServer[0];
        std::string first;
        // A loaded machine may take many seconds to start Python; the wait ends at the first line.
        if (pid_ > 0 && readLine(&first, 60000) && first.compare(0, 5, "PORT ") == 0)
            port_ = atoi(first.c_str() + 5);
    }

    ~LoopbackServer()
    {
        close(input_);  // the server stops when its input closes
        close(output_);
        if (pid_ <= 0)
            return;
        for (int i = 0; i < 500; ++i) {
            if (waitpid(pid_, nullptr, WNOHANG) == pid_)
                return;
            usleep(10000);
        }
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }

    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    bool started() const { return port_ > 0; }
    int port() const { return port_; }
    std::string host() const { return "127.0.0.1:" + std::to_string(port_); }

    // The requests logged so far, waiting up to timeoutMs for at least `count` of them.
    std::vector<LoggedRequest> requests(size_t count, int timeoutMs = 5000)
    {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        std::string line;
        while (requests_.size() < count) {
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0 || !readLine(&line, static_cast<int>(left.count())))
                break;
            addRequest(line);
        }
        return requests_;
    }

private:
    bool readLine(std::string* line, int timeoutMs)
    {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            size_t end = pending_.find('\n');
            if (end != std::string::npos) {
                *line = pending_.substr(0, end);
                pending_.erase(0, end + 1);
                return true;
            }
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                return false;
            pollfd p = {output_, POLLIN, 0};
            int ready = poll(&p, 1, static_cast<int>(left.count()));
            if (ready < 0 && errno == EINTR)
                continue;
            if (ready <= 0)
                return false;
            char buffer[4096];
            ssize_t got = read(output_, buffer, sizeof buffer);
            if (got <= 0)
                return false;
            pending_.append(buffer, static_cast<size_t>(got));
        }
    }

    void addRequest(const std::string& line)
    {
        // "REQUEST <method> <path> <hex body or ->"
        if (line.compare(0, 8, "REQUEST ") != 0)
            return;
        size_t methodEnd = line.find(' ', 8);
        size_t pathEnd = line.rfind(' ');
        if (methodEnd == std::string::npos || pathEnd <= methodEnd)
            return;
        LoggedRequest request;
        request.method = line.substr(8, methodEnd - 8);
        request.path = line.substr(methodEnd + 1, pathEnd - methodEnd - 1);
        std::string hex = line.substr(pathEnd + 1);
        for (size_t i = 0; hex != "-" && i + 1 < hex.size(); i += 2)
            request.body += static_cast<char>(strtol(hex.substr(i, 2).c_str(), nullptr, 16));
        requests_.push_back(request);
    }

    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    int port_ = 0;
    std::string pending_;
    std::vector<LoggedRequest> requests_;
};
