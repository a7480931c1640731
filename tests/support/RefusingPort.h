#pragma once

// A loopback port where nobody listens: a socket is bound to it but never listens, so a connection
// is refused at once, and no other test's server can take the port while this object lives.
//
//   RefusingPort nobody;
//   ASSERT_TRUE(nobody.ready());
//   String url = String("http://") + nobody.host().c_str() + "/";

#include <arpa/inet.h>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

class RefusingPort {
public:
    RefusingPort()
    {
        holder_ = socket(AF_INET, SOCK_STREAM, 0);
        if (holder_ < 0)
            return;
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (bind(holder_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
            getsockname(holder_, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            port_ = ntohs(address.sin_port);
    }

    ~RefusingPort()
    {
        if (holder_ >= 0)
            close(holder_);
    }

    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;

    bool ready() const { return port_ > 0; }
    std::string host() const { return "127.0.0.1:" + std::to_string(port_); }

private:
    int holder_ = -1;
    int port_ = 0;
};
