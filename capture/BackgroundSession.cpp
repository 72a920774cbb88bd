#include "capture/BackgroundSession.h"

#include "kit/media/CaptureSession.h"
#include "kit/runtime/DispatchQueue.h"

namespace capture {

void startRunningInBackground(const std::shared_ptr<kit::media::CaptureSession>& session) {
    kit::DispatchQueue::global().async([session] { session->startRunning(); });
}

void stopRunningInBackground(const std::shared_ptr<kit::media::CaptureSession>& session) {
    kit::DispatchQueue::global().async([session] { session->stopRunning(); });
}

} // namespace capture
