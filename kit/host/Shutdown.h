#pragma once
// The end of the process, in the order that keeps threads from reaching what is already gone:
// first everything that runs beside the main thread stops (cameras, AR renderers, shared workers),
// then the screens are released, then what they left on the main queue is dropped.
namespace kit::host {

// Stops every capture session and AR renderer and waits for their threads and the shared workers.
void stopBackgroundWork();
// Drops the timers and blocks left on the main run loop (and what dropping them leaves in turn).
void dropPendingMainWork();

// Stops the background work when it goes out of scope: declared after the screens and the host,
// it runs before either is torn down, on every way out of the scope.
class BackgroundWorkStop {
public:
    BackgroundWorkStop() = default;
    ~BackgroundWorkStop() { stopBackgroundWork(); }
    BackgroundWorkStop(const BackgroundWorkStop&) = delete;
    BackgroundWorkStop& operator=(const BackgroundWorkStop&) = delete;
};

} // namespace kit::host
