#pragma once
// The capture session: one device input feeding video data outputs (frames on their delegate's
// serial queue) and preview layers. Running, a thread of its own takes frames from the source at
// the source's pace; under a manual-frames configuration nothing moves until stepFrame().
// startRunning and stopRunning block until done and are safe from any thread.
#include "kit/graphics/Image.h"
#include "kit/media/CaptureDevice.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace kit {
class DispatchQueue;
}

namespace kit::media {

class CaptureVideoPreviewLayer;
class VideoDataOutput;

// Frame sizes a session asks its device for (landscape pixels).
enum class SessionPreset { hd1280x720, vga640x480 };
Size presetSize(SessionPreset preset);

// Pixel format codes of video settings. Frames are always delivered as BGRA; the setting is kept.
inline constexpr std::uint32_t pixelFormatBGRA = 0x42475241;        // 'BGRA'
inline constexpr std::uint32_t pixelFormat420FullRange = 0x34323066;  // '420f'

// How a connection turns the sensor's landscape frames (raw values as the platform numbers them).
enum class VideoOrientation { portrait = 1, portraitUpsideDown = 2, landscapeRight = 3, landscapeLeft = 4 };

class CaptureConnection {
public:
    std::atomic<bool> isEnabled{true};
    std::atomic<VideoOrientation> videoOrientation{VideoOrientation::landscapeRight};
};

// The pixels of one frame: premultiplied BGRA (Cairo's ARGB32 on little-endian machines). The
// base address is there only between lock and unlock.
class PixelBuffer {
public:
    explicit PixelBuffer(Image image) : image_(std::move(image)) {}
    int width() const { return image_.pixelWidth(); }
    int height() const { return image_.pixelHeight(); }
    int bytesPerRow() const;
    void lockBaseAddress() { ++locks_; }
    void unlockBaseAddress() { if (locks_ > 0) --locks_; }
    const std::uint8_t* baseAddress() const;
    // The frame as an image (a shared reading of the same pixels needs no lock).
    const Image& image() const { return image_; }

private:
    Image image_;
    int locks_ = 0;
};

struct SampleBuffer {
    // None when a frame came without pixels.
    std::shared_ptr<PixelBuffer> imageBuffer;
};

class SampleBufferDelegate {
public:
    virtual ~SampleBufferDelegate() = default;
    virtual void captureOutput(VideoDataOutput& output, SampleBuffer& sampleBuffer, CaptureConnection& connection) = 0;
};

class VideoDataOutput : public std::enable_shared_from_this<VideoDataOutput> {
public:
    std::optional<std::uint32_t> pixelFormatType;  // the video settings' pixel format, if set
    // A frame that arrives while the delegate is still busy with the previous one is dropped.
    std::atomic<bool> alwaysDiscardsLateVideoFrames{true};

    void setSampleBufferDelegate(std::weak_ptr<SampleBufferDelegate> delegate, std::shared_ptr<DispatchQueue> queue);
    const std::shared_ptr<DispatchQueue>& sampleBufferCallbackQueue() const { return queue_; }
    // The video connection, once the output joined a session.
    CaptureConnection* connection();

    // Frames handed to the delegate and frames dropped as late.
    std::uint64_t deliveredFrames() const { return delivered_; }
    std::uint64_t droppedFrames() const { return dropped_; }

private:
    friend class CaptureSession;
    void deliver(const Image& frame);
    void waitUntilDelivered();

    std::mutex mutex_;
    std::weak_ptr<SampleBufferDelegate> delegate_;
    std::shared_ptr<DispatchQueue> queue_;
    std::shared_ptr<CaptureConnection> connection_;
    std::atomic<bool> busy_{false};
    std::atomic<std::uint64_t> delivered_{0};
    std::atomic<std::uint64_t> dropped_{0};
};

class CaptureSession : public std::enable_shared_from_this<CaptureSession> {
public:
    CaptureSession() = default;
    ~CaptureSession();
    CaptureSession(const CaptureSession&) = delete;
    CaptureSession& operator=(const CaptureSession&) = delete;

    SessionPreset sessionPreset() const { return preset_; }
    void setSessionPreset(SessionPreset preset) { preset_ = preset; }

    // One input: a second is refused, as is an output already added or a second video output.
    bool canAddInput(const std::shared_ptr<CaptureDeviceInput>& input) const;
    void addInput(const std::shared_ptr<CaptureDeviceInput>& input);
    bool canAddOutput(const std::shared_ptr<VideoDataOutput>& output) const;
    void addOutput(const std::shared_ptr<VideoDataOutput>& output);
    std::vector<std::shared_ptr<CaptureDeviceInput>> inputs() const;
    std::vector<std::shared_ptr<VideoDataOutput>> outputs() const;

    void startRunning();
    void stopRunning();
    bool isRunning() const { return running_; }

    // Manual frames: while running, takes one frame and hands it on, returning once the delegates
    // have had it. False when not running or when the source gave nothing.
    bool stepFrame();
    // Frames taken from the source so far.
    std::uint64_t frameCount() const { return frames_; }

    // The process's start and end. Waits (at most `timeout` seconds) until every running session
    // whose camera started has handed its first frame to its outputs; false if one had none by then.
    static bool waitForFirstFrames(double timeout);
    // Stops every session and refuses later starts, then waits until their outputs' queues are idle,
    // so that no capture thread posts into screens or queues being torn down.
    static void stopAll();

private:
    friend class CaptureVideoPreviewLayer;
    void addPreviewLayer(const std::shared_ptr<CaptureVideoPreviewLayer>& layer);
    bool captureOne(double timeout);
    void run();

    std::mutex controlMutex_;   // one start or stop at a time
    mutable std::mutex mutex_;  // the input and the lists below
    std::mutex sourceMutex_;    // the source is read by one thread at a time
    std::condition_variable stopSignal_;
    std::shared_ptr<CaptureDeviceInput> input_;
    std::vector<std::shared_ptr<VideoDataOutput>> outputs_;
    std::vector<std::weak_ptr<CaptureVideoPreviewLayer>> previews_;
    SessionPreset preset_ = SessionPreset::hd1280x720;
    std::atomic<bool> running_{false};
    // Running with a source that started: frames are on their way.
    std::atomic<bool> capturing_{false};
    std::atomic<std::uint64_t> frames_{0};
    std::thread thread_;
};

} // namespace kit::media
