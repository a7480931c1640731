#ifndef KELZO_MENUS_FEEDBACKSENDER_H
#define KELZO_MENUS_FEEDBACKSENDER_H

#include <atomic>

#include "Core/Mutex.h"
#include "Core/String.h"
#include "Core/Thread.h"

// Posts the contact form to the support endpoint on a thread of its own
// ("FeedbackSender"), so the window keeps drawing while the server thinks.
// The sender holds its own copies of the address, the question and the
// switch: the screen that started it may go at any time. One attempt only,
// since a retry after a time-out could post the feedback twice. Shut-down
// cancels a send in flight (it gives up within 100 ms).
//
//     if (gFeedbackSender.start(address, question, subscribe)) ... show the busy indicator
//     ... each frame: FeedbackSender::Result r = gFeedbackSender.takeResult();
//         if (r == FeedbackSender::Sent) ... success alert, clear the stored feedback
//     ... shut-down: gFeedbackSender.shutDown();
class FeedbackSender : public Thread {
public:
    static constexpr int kTimeoutSeconds = 25;

    enum Result { NoResult, Sent, Failed };

    FeedbackSender();
    ~FeedbackSender() override;

    // Main thread: starts posting the form to gSupportServerHost (read now).
    // False while an earlier send runs or its result waits to be taken, and
    // after shut-down. Never waits for the network.
    bool start(const String& address, const String& question, bool subscribe);
    // A send was started and its result not taken yet.
    bool isBusy();
    // Main thread: the result of a finished send, once; NoResult while it
    // runs or when nothing was sent.
    Result takeResult();
    // No send starts from now on; one in flight gives up; waits for the thread.
    void shutDown();

    void setTimeout(int seconds) { timeoutSeconds_ = seconds; }

protected:
    void run() override;

private:
    Mutex mutex_;            // everything below but the cancel flag
    String url_;
    String address_;
    String question_;
    bool subscribe_ = true;
    bool busy_ = false;
    Result result_ = NoResult;
    bool shutDown_ = false;
    int timeoutSeconds_ = kTimeoutSeconds;
    std::atomic<bool> cancel_{false};
};

// The program's one sender; the shell's shut-down calls shutDown().
extern FeedbackSender gFeedbackSender;

#endif
