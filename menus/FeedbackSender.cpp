#include "menus/FeedbackSender.h"

#include "Core/HttpRequest.h"
#include "menus/FeedbackForm.h"
#include "platform/ServerAddresses.h"

namespace {

const int kPriority = 15;
const int kAttempts = 1;

} // namespace

FeedbackSender gFeedbackSender;

FeedbackSender::FeedbackSender() : Thread("FeedbackSender") {}

FeedbackSender::~FeedbackSender()
{
    shutDown();
}

bool FeedbackSender::start(const String& address, const String& question, bool subscribe)
{
    MutexLock lock(&mutex_);
    if (shutDown_ || busy_)
        return false;
    // The previous send's thread may still be on its way out after its
    // result was taken; that takes moments.
    if (isRunning())
        stopAndWait();
    url_ = feedbackUrl(gSupportServerHost);
    address_ = address;
    question_ = question;
    subscribe_ = subscribe;
    busy_ = true;
    result_ = NoResult;
    // Without a thread the send has failed; the result comes the usual way.
    if (!Thread::start(kPriority, 1))
        result_ = Failed;
    return true;
}

bool FeedbackSender::isBusy()
{
    MutexLock lock(&mutex_);
    return busy_;
}

FeedbackSender::Result FeedbackSender::takeResult()
{
    MutexLock lock(&mutex_);
    Result result = result_;
    if (result != NoResult) {
        result_ = NoResult;
        busy_ = false;
    }
    return result;
}

void FeedbackSender::shutDown()
{
    {
        MutexLock lock(&mutex_);
        shutDown_ = true;
    }
    cancel_ = true;
    stopAndWait();
}

void FeedbackSender::run()
{
    String url, body;
    int timeout;
    {
        MutexLock lock(&mutex_);
        url = url_;
        body = feedbackBody(address_, question_, subscribe_);
        timeout = timeoutSeconds_;
    }
    String reply;
    bool ok = false, hadFailure = false;
    httpRequest(&reply, url, body, &ok, &hadFailure, timeout, kAttempts, &cancel_);
    MutexLock lock(&mutex_);
    result_ = isFeedbackAccepted(ok, reply) ? Sent : Failed;
}
