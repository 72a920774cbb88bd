#pragma once
// Where a capture device's pictures come from. Every source delivers frames in sensor orientation:
// landscape, as a phone's back camera gives them, so a portrait consumer turns them a quarter turn
// clockwise. Sources are used from one thread at a time (the session's).
#include "kit/base/Geometry.h"
#include "kit/graphics/Image.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kit::media {

struct FrameRateRange {
    double minFrameRate = 1;
    double maxFrameRate = 30;
    // Seconds per frame at the fastest and at the slowest rate.
    double minFrameDuration() const { return 1.0 / maxFrameRate; }
    double maxFrameDuration() const { return 1.0 / minFrameRate; }
};

struct CaptureFormat {
    int width = 0;
    int height = 0;
    std::vector<FrameRateRange> videoSupportedFrameRateRanges;
};

class FrameSource {
public:
    virtual ~FrameSource() = default;
    // Starts delivering frames as close as it can to `preferred` (pixels, landscape).
    virtual bool start(Size preferred, std::string* error) = 0;
    virtual void stop() = 0;
    // The next frame. Generated sources make it at once; a live one waits up to `timeout` seconds.
    virtual std::optional<Image> nextFrame(double timeout) = 0;
    // Whether frames come at the device's own pace (a webcam) rather than when asked for.
    virtual bool isLive() const { return false; }
    // The rate a generated source is played at.
    virtual double frameRate() const { return 30; }
};

// A source from its description: "synthetic:<pattern>[@WxH][@fps]" (patterns: bars, quadrants,
// gradient, solid-RRGGBB, cycle-RRGGBB-RRGGBB-...), "file:<png or jpg>" (turned upright as a
// photo's EXIF orientation asks), "v4l2:/dev/videoN".
// None (and `error`) for anything else.
std::unique_ptr<FrameSource> makeFrameSource(const std::string& description, std::string* error = nullptr);

} // namespace kit::media
