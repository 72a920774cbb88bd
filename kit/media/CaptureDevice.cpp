#include "kit/media/CaptureDevice.h"

#include "kit/base/Console.h"
#include "kit/media/V4l2Source.h"
#include "kit/runtime/DispatchQueue.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace kit::media {
namespace {

struct Registry {
    std::mutex mutex;
    std::optional<CameraConfiguration> configuration;
    std::optional<std::vector<std::shared_ptr<CaptureDevice>>> devices;
};

Registry& registry() {
    static Registry r;
    return r;
}

std::string firstVideoDevice() {
    for (int n = 0; n < 64; ++n) {
        const std::string path = "/dev/video" + std::to_string(n);
        std::error_code ignored;
        if (std::filesystem::exists(path, ignored)) return "v4l2:" + path;
    }
    return "none";
}

CameraConfiguration fromEnvironment() {
    CameraConfiguration c;
    const char* source = std::getenv("TINCTURA_CAMERA");
    c.source = source && *source ? source : firstVideoDevice();
    if (const char* access = std::getenv("TINCTURA_CAMERA_ACCESS")) {
        if (std::strcmp(access, "denied") == 0) c.accessGranted = false;
        if (std::strcmp(access, "granted") == 0) c.accessGranted = true;
    }
    return c;
}

const CameraConfiguration& configurationLocked(Registry& r) {
    if (!r.configuration) r.configuration = fromEnvironment();
    return *r.configuration;
}

std::string v4l2Path(const std::string& source) {
    const auto path = source.substr(5);
    return path.substr(0, path.find('@'));
}

bool isV4l2(const std::string& source) { return source.rfind("v4l2:", 0) == 0; }

std::vector<CaptureFormat> generatedFormats() {
    return {{1280, 720, {{1, 30}}}, {640, 480, {{1, 30}}}};
}

std::vector<std::shared_ptr<CaptureDevice>> discover(const std::string& source) {
    if (source == "none" || source.empty()) return {};
    auto formats = isV4l2(source) ? V4l2Source::queryFormats(v4l2Path(source)) : generatedFormats();
    return {std::make_shared<CaptureDevice>(source, CaptureDevicePosition::back, std::move(formats))};
}

} // namespace

CameraConfiguration cameraConfiguration() {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    return configurationLocked(r);
}

void setCameraConfiguration(CameraConfiguration configuration) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    r.configuration = std::move(configuration);
    r.devices.reset();
}

void resetCameraConfiguration() {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    r.configuration.reset();
    r.devices.reset();
}

CaptureDevice::CaptureDevice(std::string source, CaptureDevicePosition position, std::vector<CaptureFormat> formats)
    : source_(std::move(source)), position_(position), formats_(std::move(formats)) {}

std::vector<std::shared_ptr<CaptureDevice>> CaptureDevice::devices() {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    if (!r.devices) r.devices = discover(configurationLocked(r).source);
    return *r.devices;
}

std::shared_ptr<CaptureDevice> CaptureDevice::defaultDevice(CaptureDevicePosition position) {
    for (const auto& device : devices())
        if (device->position() == position) return device;
    return nullptr;
}

void CaptureDevice::setDevices(std::vector<std::shared_ptr<CaptureDevice>> devices) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    r.devices = std::move(devices);
}

void CaptureDevice::requestAccess(std::function<void(bool granted)> handler) {
    const CameraConfiguration configuration = cameraConfiguration();
    DispatchQueue::global().async([configuration, handler = std::move(handler)] {
        bool granted = true;
        if (configuration.accessGranted) granted = *configuration.accessGranted;
        // A user outside the video group cannot open the device: that is a refusal, not a fault.
        else if (isV4l2(configuration.source)) granted = V4l2Source::probe(v4l2Path(configuration.source)) != EACCES;
        handler(granted);
    });
}

bool CaptureDevice::lockForConfiguration(std::string* error) {
    if (lockError_) {
        if (error) *error = *lockError_;
        return false;
    }
    locked_ = true;
    return true;
}

void CaptureDevice::unlockForConfiguration() { locked_ = false; }

const CaptureFormat* CaptureDevice::activeFormat() const {
    return activeFormat_ && *activeFormat_ < formats_.size() ? &formats_[*activeFormat_] : nullptr;
}

void CaptureDevice::requireLock(const char* what) const {
    if (!locked_) fatal(std::string(what) + " needs lockForConfiguration");
}

void CaptureDevice::setActiveFormat(const CaptureFormat& format) {
    requireLock("setActiveFormat");
    if (formats_.empty() || &format < formats_.data() || &format >= formats_.data() + formats_.size())
        fatal("setActiveFormat: not one of the device's formats");
    activeFormat_ = static_cast<std::size_t>(&format - formats_.data());
}

void CaptureDevice::setActiveVideoMinFrameDuration(double seconds) {
    requireLock("setActiveVideoMinFrameDuration");
    minFrameDuration_ = seconds;
}

void CaptureDevice::setActiveVideoMaxFrameDuration(double seconds) {
    requireLock("setActiveVideoMaxFrameDuration");
    maxFrameDuration_ = seconds;
}

void CaptureDevice::setFormats(std::vector<CaptureFormat> formats) {
    formats_ = std::move(formats);
    activeFormat_.reset();
}

std::shared_ptr<CaptureDeviceInput> CaptureDeviceInput::make(const std::shared_ptr<CaptureDevice>& device,
                                                             std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return nullptr;
    };
    if (!device) return fail("no device");
    if (device->inputError()) return fail(*device->inputError());
    if (isV4l2(device->source())) {
        if (const int code = V4l2Source::probe(v4l2Path(device->source())))
            return fail(v4l2Path(device->source()) + ": " + std::strerror(code));
    }
    std::string why;
    auto source = makeFrameSource(device->source(), &why);
    if (!source) return fail(why);
    return std::make_shared<CaptureDeviceInput>(device, std::move(source));
}

} // namespace kit::media
