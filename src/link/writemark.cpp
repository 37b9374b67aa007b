#include "writemark.h"

#include "dispatcher.h"

#include <atomic>

namespace {

std::atomic<int> runningWrites{0};

// Counts one write for as long as it lives.
struct RunningWrite
{
    RunningWrite() { ++runningWrites; }
    ~RunningWrite() { --runningWrites; }
    RunningWrite(const RunningWrite &) = delete;
    RunningWrite &operator=(const RunningWrite &) = delete;
};

} // namespace

WriteMark::Token WriteMark::make()
{
    return std::make_shared<const RunningWrite>();
}

bool WriteMark::isAnyRunning()
{
    return runningWrites > 0;
}

void WriteMark::post(Token token, std::function<void()> result)
{
    Dispatcher::post([token = std::move(token), result = std::move(result)]() mutable {
        token.reset();
        result();
    });
}

void WriteMark::postAndWait(Token token, const std::function<void()> &result)
{
    Dispatcher::postAndWait([&] {
        token.reset();
        result();
    });
}
