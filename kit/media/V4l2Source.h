#pragma once
// A real webcam through Video4Linux2: MJPEG (preferred) or YUYV frames, memory-mapped, turned into
// BGRA. A webcam looks at the world upright and landscape; the phone-shaped screens expect what a
// phone's back camera gives, so each frame is first cropped to the centre 9:16 (unless the
// description ends in "@full") and then turned a quarter turn counter-clockwise: the screens'
// own quarter turn shows it upright again.
#include "kit/media/FrameSource.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kit::media {

class V4l2Source final : public FrameSource {
public:
    // "/dev/videoN", optionally followed by "@full".
    explicit V4l2Source(const std::string& description);
    ~V4l2Source() override;
    V4l2Source(const V4l2Source&) = delete;
    V4l2Source& operator=(const V4l2Source&) = delete;

    // The sizes of the device's MJPEG and YUYV frames with their rates; empty when it cannot be asked.
    static std::vector<CaptureFormat> queryFormats(const std::string& path);
    // The errno of opening the device (0 when it opens).
    static int probe(const std::string& path);

    bool start(Size preferred, std::string* error) override;
    void stop() override;
    std::optional<Image> nextFrame(double timeout) override;
    bool isLive() const override { return true; }

private:
    struct Mapping {
        void* start = nullptr;
        std::size_t length = 0;
    };
    std::string path_;
    bool crop_ = true;
    int fd_ = -1;
    std::uint32_t pixelFormat_ = 0;
    int width_ = 0, height_ = 0, bytesPerLine_ = 0;
    std::vector<Mapping> buffers_;
};

// One captured buffer (fourcc "MJPG" or "YUYV") to a frame as delivered: decoded, cropped to
// portrait when asked, turned a quarter turn counter-clockwise. None for bytes that do not decode.
std::optional<Image> webcamFrame(std::uint32_t fourcc, std::span<const std::uint8_t> bytes, int width, int height,
                                 int bytesPerLine, bool portrait);

} // namespace kit::media
