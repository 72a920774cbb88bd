#include "kit/media/V4l2Source.h"

#include "kit/media/PixelConversion.h"

#include <cerrno>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <linux/videodev2.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <sys/select.h>
#include <unistd.h>

namespace kit::media {
namespace {

int xioctl(int fd, unsigned long request, void* arg) {
    int rc;
    do rc = ioctl(fd, request, arg);
    while (rc == -1 && errno == EINTR);
    return rc;
}

bool supported(std::uint32_t format) { return format == V4L2_PIX_FMT_MJPEG || format == V4L2_PIX_FMT_YUYV; }

std::vector<FrameRateRange> ratesOf(int fd, std::uint32_t format, std::uint32_t w, std::uint32_t h) {
    std::vector<FrameRateRange> rates;
    v4l2_frmivalenum ival{};
    ival.pixel_format = format;
    ival.width = w;
    ival.height = h;
    for (ival.index = 0; xioctl(fd, VIDIOC_ENUM_FRAMEINTERVALS, &ival) == 0; ++ival.index) {
        if (ival.type == V4L2_FRMIVAL_TYPE_DISCRETE) {
            if (ival.discrete.numerator == 0) continue;
            const double fps = static_cast<double>(ival.discrete.denominator) / ival.discrete.numerator;
            rates.push_back({fps, fps});
        } else {
            const auto& s = ival.stepwise;
            if (s.min.numerator == 0 || s.max.numerator == 0) break;
            rates.push_back({static_cast<double>(s.max.denominator) / s.max.numerator,
                             static_cast<double>(s.min.denominator) / s.min.numerator});
            break;
        }
    }
    if (rates.empty()) rates.push_back({30, 30});
    return rates;
}

struct Fd {
    int fd;
    explicit Fd(const std::string& path) : fd(open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC)) {}
    ~Fd() { if (fd >= 0) close(fd); }
};

} // namespace

V4l2Source::V4l2Source(const std::string& description) {
    const auto at = description.find('@');
    path_ = description.substr(0, at);
    crop_ = at == std::string::npos || description.substr(at + 1) != "full";
}

V4l2Source::~V4l2Source() { stop(); }

int V4l2Source::probe(const std::string& path) {
    Fd device(path);
    return device.fd >= 0 ? 0 : errno;
}

std::vector<CaptureFormat> V4l2Source::queryFormats(const std::string& path) {
    std::vector<CaptureFormat> formats;
    Fd device(path);
    if (device.fd < 0) return formats;
    v4l2_fmtdesc desc{};
    desc.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    for (desc.index = 0; xioctl(device.fd, VIDIOC_ENUM_FMT, &desc) == 0; ++desc.index) {
        if (!supported(desc.pixelformat)) continue;
        v4l2_frmsizeenum size{};
        size.pixel_format = desc.pixelformat;
        for (size.index = 0; xioctl(device.fd, VIDIOC_ENUM_FRAMESIZES, &size) == 0; ++size.index) {
            if (size.type != V4L2_FRMSIZE_TYPE_DISCRETE) {
                formats.push_back({static_cast<int>(size.stepwise.max_width), static_cast<int>(size.stepwise.max_height),
                                   {{1, 30}}});
                break;
            }
            const auto& d = size.discrete;
            formats.push_back({static_cast<int>(d.width), static_cast<int>(d.height),
                               ratesOf(device.fd, desc.pixelformat, d.width, d.height)});
        }
    }
    return formats;
}

bool V4l2Source::start(Size preferred, std::string* error) {
    auto fail = [&](const std::string& what) {
        if (error) *error = path_ + ": " + what + ": " + std::strerror(errno);
        stop();
        return false;
    };
    stop();
    fd_ = open(path_.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) return fail("cannot open");

    // The size nearest the preset, MJPEG before YUYV at equal distance (it needs less bandwidth).
    std::uint32_t bestFormat = 0, bestW = 0, bestH = 0;
    double bestDistance = INFINITY;
    v4l2_fmtdesc desc{};
    desc.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    for (desc.index = 0; xioctl(fd_, VIDIOC_ENUM_FMT, &desc) == 0; ++desc.index) {
        if (!supported(desc.pixelformat)) continue;
        v4l2_frmsizeenum size{};
        size.pixel_format = desc.pixelformat;
        for (size.index = 0; xioctl(fd_, VIDIOC_ENUM_FRAMESIZES, &size) == 0; ++size.index) {
            const std::uint32_t w = size.type == V4L2_FRMSIZE_TYPE_DISCRETE ? size.discrete.width : size.stepwise.max_width;
            const std::uint32_t h = size.type == V4L2_FRMSIZE_TYPE_DISCRETE ? size.discrete.height : size.stepwise.max_height;
            const double distance = std::abs(w * h - preferred.width * preferred.height) +
                                    (desc.pixelformat == V4L2_PIX_FMT_MJPEG ? 0 : 0.5);
            if (distance < bestDistance) bestDistance = distance, bestFormat = desc.pixelformat, bestW = w, bestH = h;
            if (size.type != V4L2_FRMSIZE_TYPE_DISCRETE) break;
        }
    }
    if (bestFormat == 0) {
        errno = ENOTSUP;
        return fail("no MJPEG or YUYV frames");
    }
    v4l2_format format{};
    format.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    format.fmt.pix.width = bestW;
    format.fmt.pix.height = bestH;
    format.fmt.pix.pixelformat = bestFormat;
    format.fmt.pix.field = V4L2_FIELD_NONE;
    if (xioctl(fd_, VIDIOC_S_FMT, &format) < 0) return fail("cannot set the format");
    pixelFormat_ = format.fmt.pix.pixelformat;
    width_ = static_cast<int>(format.fmt.pix.width);
    height_ = static_cast<int>(format.fmt.pix.height);
    bytesPerLine_ = static_cast<int>(format.fmt.pix.bytesperline);
    if (!supported(pixelFormat_)) {
        errno = ENOTSUP;
        return fail("the driver chose another pixel format");
    }

    v4l2_requestbuffers request{};
    request.count = 4;
    request.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    request.memory = V4L2_MEMORY_MMAP;
    if (xioctl(fd_, VIDIOC_REQBUFS, &request) < 0 || request.count < 2) return fail("cannot get buffers");
    for (std::uint32_t i = 0; i < request.count; ++i) {
        v4l2_buffer buffer{};
        buffer.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        buffer.memory = V4L2_MEMORY_MMAP;
        buffer.index = i;
        if (xioctl(fd_, VIDIOC_QUERYBUF, &buffer) < 0) return fail("cannot query a buffer");
        void* start = mmap(nullptr, buffer.length, PROT_READ | PROT_WRITE, MAP_SHARED, fd_, buffer.m.offset);
        if (start == MAP_FAILED) return fail("cannot map a buffer");
        buffers_.push_back({start, buffer.length});
        if (xioctl(fd_, VIDIOC_QBUF, &buffer) < 0) return fail("cannot queue a buffer");
    }
    v4l2_buf_type type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    if (xioctl(fd_, VIDIOC_STREAMON, &type) < 0) return fail("cannot start streaming");
    return true;
}

void V4l2Source::stop() {
    if (fd_ < 0) return;
    v4l2_buf_type type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    xioctl(fd_, VIDIOC_STREAMOFF, &type);
    for (const auto& b : buffers_) munmap(b.start, b.length);
    buffers_.clear();
    close(fd_);
    fd_ = -1;
}

std::optional<Image> V4l2Source::nextFrame(double timeout) {
    if (fd_ < 0) return std::nullopt;
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(fd_, &ready);
    timeval wait{static_cast<time_t>(timeout), static_cast<suseconds_t>(std::fmod(timeout, 1.0) * 1e6)};
    if (select(fd_ + 1, &ready, nullptr, nullptr, &wait) <= 0) return std::nullopt;
    v4l2_buffer buffer{};
    buffer.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    buffer.memory = V4L2_MEMORY_MMAP;
    if (xioctl(fd_, VIDIOC_DQBUF, &buffer) < 0 || buffer.index >= buffers_.size()) return std::nullopt;
    const std::span<const std::uint8_t> bytes(static_cast<const std::uint8_t*>(buffers_[buffer.index].start),
                                              std::min<std::size_t>(buffer.bytesused, buffers_[buffer.index].length));
    auto frame = webcamFrame(pixelFormat_, bytes, width_, height_, bytesPerLine_, crop_);
    xioctl(fd_, VIDIOC_QBUF, &buffer);
    return frame;
}

std::optional<Image> webcamFrame(std::uint32_t fourcc, std::span<const std::uint8_t> bytes, int width, int height,
                                 int bytesPerLine, bool portrait) {
    std::optional<Image> upright;
    if (fourcc == V4L2_PIX_FMT_MJPEG) upright = Image::decode(bytes);
    else if (fourcc == V4L2_PIX_FMT_YUYV) upright = imageFromYUYV(bytes, width, height, bytesPerLine);
    if (!upright) return std::nullopt;
    return rotatedQuarterTurns(portrait ? portraitCrop(*upright) : *upright, -1);
}

} // namespace kit::media
