#pragma once

#include <chrono>
#include <functional>
#include <optional>

// What a thread waits for on the store's server, told to whoever watches
// that thread's waits (the windows, which show it and repaint meanwhile).
namespace ServerWait {

using Clock = std::chrono::steady_clock;

enum class For {
    Answer,       // a statement's answer
    OtherCounter, // the writer lock, held by another counter
    ServerBack,   // a server restarting or recovering, or one that has to settle a commit
};

// Told, on this thread, what is waited for every tenth of a second or so
// once a wait has lasted half a second, and nullopt when the store operation
// that waited is over. It may repaint windows; it never runs a statement.
using Watcher = std::function<void(std::optional<For>)>;
void setWatcher(Watcher watcher);

// A wait that began at `since` goes on: the watcher hears of it past half a second.
void tick(For what, Clock::time_point since);
// Sleeps `duration` as a wait for `what` that began at `since`.
void pause(std::chrono::milliseconds duration, For what, Clock::time_point since);
// Whether this thread is in its watcher: a statement started from there
// would cut into the one that waits.
bool watching();

// One operation on the store (a statement, or a transaction with its
// retries): a wait shown during it is cleared when the outermost ends.
class Operation
{
public:
    Operation();
    ~Operation();
    Operation(const Operation &) = delete;
    Operation &operator=(const Operation &) = delete;
};

} // namespace ServerWait
