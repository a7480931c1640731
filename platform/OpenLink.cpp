#include "platform/OpenLink.h"

#include "Core/Log.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

bool openLinkWith(const char* program, const char* link)
{
    // The link carries typed text and log text: it goes as one argument, never through a shell.
    char* const argv[] = {const_cast<char*>(program), const_cast<char*>(link), nullptr};
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        logPrintf("ERR", "cannot open a link: pipe failed (%s)", strerror(errno));
        return false;
    }
    pid_t child = fork();
    if (child == 0) {
        // The middle process leaves at once, so the opener is never our child to reap and the
        // game does not wait for it.
        pid_t opener = fork();
        if (opener <= 0) {
            if (opener == 0)
                execvp(program, argv);
            int error = errno;
            ssize_t written = write(report[1], &error, sizeof error);
            (void)written;
            _exit(127);
        }
        _exit(0);
    }
    close(report[1]);
    if (child < 0) {
        logPrintf("ERR", "cannot open a link: fork failed (%s)", strerror(errno));
        close(report[0]);
        return false;
    }
    waitpid(child, nullptr, 0);
    int error = 0;
    ssize_t got;
    do {
        got = read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    close(report[0]);
    if (got == static_cast<ssize_t>(sizeof error)) {
        logPrintf("ERR", "cannot start %s (%s)", program, strerror(error));
        return false;
    }
    return true;
}
