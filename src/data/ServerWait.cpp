#include "ServerWait.h"

#include <thread>

namespace ServerWait {

namespace {

using namespace std::chrono_literals;

// Shorter waits are not worth a notice.
constexpr auto Noticed = 500ms;

thread_local Watcher watcher;
thread_local bool inWatcher = false;
thread_local bool shown = false;
thread_local int depth = 0;

void tell(std::optional<For> what)
{
    inWatcher = true;
    watcher(what);
    inWatcher = false;
}

} // namespace

void setWatcher(Watcher w)
{
    watcher = std::move(w);
    shown = false;
}

void tick(For what, Clock::time_point since)
{
    if (!watcher || inWatcher || Clock::now() - since < Noticed)
        return;
    shown = true;
    tell(what);
}

void pause(std::chrono::milliseconds duration, For what, Clock::time_point since)
{
    const Clock::time_point until = Clock::now() + duration;
    for (Clock::time_point now = Clock::now(); now < until; now = Clock::now()) {
        std::this_thread::sleep_for(std::min<Clock::duration>(until - now, 100ms));
        tick(what, since);
    }
}

bool watching()
{
    return inWatcher;
}

Operation::Operation()
{
    ++depth;
}

Operation::~Operation()
{
    if (--depth == 0 && shown && !inWatcher) {
        shown = false;
        if (watcher)
            tell(std::nullopt);
    }
}

} // namespace ServerWait
