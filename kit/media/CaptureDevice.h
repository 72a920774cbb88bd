#pragma once
// Cameras: discovery, formats with their frame-rate ranges, the configuration lock, device inputs
// and camera access. Which camera the process sees comes from a source description (FrameSource.h):
// the environment variable TINCTURA_CAMERA, else the first /dev/videoN when there is one, else
// "none". Tests choose their own with setCameraConfiguration().
#include "kit/media/FrameSource.h"

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace kit::media {

enum class CaptureDevicePosition { unspecified = 0, back = 1, front = 2 };

struct CameraConfiguration {
    std::string source = "none";
    // The answer to access requests; none: granted unless the device refuses to open (EACCES).
    // TINCTURA_CAMERA_ACCESS=denied forces a refusal.
    std::optional<bool> accessGranted{};
    // Frames flow only when a test asks for one (CaptureSession::stepFrame), never from a thread.
    bool manualFrames = false;
};

CameraConfiguration cameraConfiguration();
// Replaces the configuration and forgets the devices found under the old one.
void setCameraConfiguration(CameraConfiguration configuration);
// Back to what the environment says.
void resetCameraConfiguration();

class CaptureDevice {
public:
    CaptureDevice(std::string source, CaptureDevicePosition position, std::vector<CaptureFormat> formats);

    // The built-in wide-angle video cameras of the configured source: one at the back, or none.
    // The same objects until the configuration changes.
    static std::vector<std::shared_ptr<CaptureDevice>> devices();
    static std::shared_ptr<CaptureDevice> defaultDevice(CaptureDevicePosition position);
    // Tests: the devices discovery returns from now on (until the configuration changes).
    static void setDevices(std::vector<std::shared_ptr<CaptureDevice>> devices);
    // Asks for camera access; the answer comes on a worker thread, never on the caller's.
    static void requestAccess(std::function<void(bool granted)> handler);

    const std::string& source() const { return source_; }
    CaptureDevicePosition position() const { return position_; }
    const std::vector<CaptureFormat>& formats() const { return formats_; }

    // Changing the active format or frame durations needs the lock; doing it without is a
    // programming error.
    bool lockForConfiguration(std::string* error = nullptr);
    void unlockForConfiguration();
    bool isLockedForConfiguration() const { return locked_; }
    // One of formats(), or none before any was chosen.
    const CaptureFormat* activeFormat() const;
    void setActiveFormat(const CaptureFormat& format);
    double activeVideoMinFrameDuration() const { return minFrameDuration_; }
    double activeVideoMaxFrameDuration() const { return maxFrameDuration_; }
    void setActiveVideoMinFrameDuration(double seconds);
    void setActiveVideoMaxFrameDuration(double seconds);

    // Test hooks: the formats offered, and failures of the lock and of making an input.
    void setFormats(std::vector<CaptureFormat> formats);
    void setLockError(std::optional<std::string> error) { lockError_ = std::move(error); }
    void setInputError(std::optional<std::string> error) { inputError_ = std::move(error); }
    const std::optional<std::string>& inputError() const { return inputError_; }

private:
    void requireLock(const char* what) const;

    std::string source_;
    CaptureDevicePosition position_;
    std::vector<CaptureFormat> formats_;
    std::optional<std::size_t> activeFormat_;
    double minFrameDuration_ = 1.0 / 30;
    double maxFrameDuration_ = 1.0 / 30;
    bool locked_ = false;
    std::optional<std::string> lockError_;
    std::optional<std::string> inputError_;
};

// What a session reads frames from: a device and the source opened for it.
class CaptureDeviceInput {
public:
    // None (and `error`) when the device cannot give frames (missing, busy, unreadable picture).
    static std::shared_ptr<CaptureDeviceInput> make(const std::shared_ptr<CaptureDevice>& device,
                                                    std::string* error = nullptr);
    CaptureDeviceInput(std::shared_ptr<CaptureDevice> device, std::unique_ptr<FrameSource> source)
        : device_(std::move(device)), source_(std::move(source)) {}

    const std::shared_ptr<CaptureDevice>& device() const { return device_; }
    FrameSource& source() const { return *source_; }

private:
    std::shared_ptr<CaptureDevice> device_;
    std::unique_ptr<FrameSource> source_;
};

} // namespace kit::media
