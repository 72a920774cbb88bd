#include "kit/host/Shutdown.h"

#include "kit/ar/SceneView.h"
#include "kit/media/CaptureSession.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/runtime/RunLoop.h"

namespace kit::host {

void stopBackgroundWork() {
    // Starts and stops already queued finish first; a start after this point is refused.
    DispatchQueue::global().waitUntilIdle();
    media::CaptureSession::stopAll();
    ar::SceneView::stopAllRenderers();
    DispatchQueue::global().waitUntilIdle();
}

void dropPendingMainWork() {
    // A dropped block can hold the last reference to a screen whose teardown queues more.
    for (int round = 0; round < 4; ++round) RunLoop::main().discardPendingWork();
}

} // namespace kit::host
