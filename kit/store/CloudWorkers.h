#pragma once
// The threads on which cloud databases answer: a small pool shared by the process, like the
// cloud service's own callback threads. Tasks run in submission order, two at a time.
//
// A call that waits on a server can be interrupted: a database registers how (an Interruptible), and
// shutDown() interrupts them all, so the process can end at once whatever the server does.
#include <functional>
#include <memory>
#include <string>

namespace kit {
class DispatchQueue;
}

namespace kit::CloudWorkers {

// After shutDown() a task runs at once on the caller's thread: every call to a server then fails at once,
// and whoever waits for the task's answer still gets it.
void run(std::function<void()> task);
// A serial queue for work that waits on the workers (a mirror's syncs). shutDown() lets it finish what it
// runs and joins its thread; after that a block runs at once on the caller's thread, as run() does.
std::shared_ptr<DispatchQueue> serialQueue(std::string label);
// Blocks until every task submitted so far (and the tasks they submitted) has finished. For tests.
void waitUntilIdle();

// What stops a database's waits on its server; once interrupted it stays so.
class Interruptible {
public:
    virtual ~Interruptible() = default;
    virtual void interrupt() = 0;
};

// Interrupted by shutDown() while it lives; one tracked after shutDown() is interrupted at once.
void track(const std::shared_ptr<Interruptible>& interruptible);
// The way out of the process: every wait on a server ends now, and later calls fail at once as
// unreachable; then every worker thread (the pool's and the serial queues') finishes and is joined, so
// that no thread is left to reach the main queue or any other static object once main() returns. What a
// worker posts to the main queue meanwhile is dropped with the rest of its pending work. What was not
// sent stays marked in the local store and goes at the next start.
void shutDown();
// Whether shutDown() was called: long work beside the server's calls ends early too.
bool isShutDown();

} // namespace kit::CloudWorkers
