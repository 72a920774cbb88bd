#pragma once
// Opening and closing a camera takes a while: the screens start and stop their sessions on the
// global queue, away from the main thread.
#include <memory>

namespace kit::media {
class CaptureSession;
}

namespace capture {

void startRunningInBackground(const std::shared_ptr<kit::media::CaptureSession>& session);
void stopRunningInBackground(const std::shared_ptr<kit::media::CaptureSession>& session);

} // namespace capture
