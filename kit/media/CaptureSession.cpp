#include "kit/media/CaptureSession.h"

#include "kit/base/Console.h"
#include "kit/media/CaptureVideoPreviewLayer.h"
#include "kit/media/PixelConversion.h"
#include "kit/runtime/DispatchQueue.h"

#include <algorithm>
#include <cairo.h>
#include <chrono>

namespace kit::media {
namespace {

int clockwiseTurns(VideoOrientation orientation) {
    switch (orientation) {
    case VideoOrientation::portrait: return 1;
    case VideoOrientation::portraitUpsideDown: return -1;
    case VideoOrientation::landscapeLeft: return 2;
    case VideoOrientation::landscapeRight: return 0;
    }
    return 0;
}

// Sessions that were started: the start and end of the process find them here.
struct StartedSessions {
    std::mutex mutex;
    std::vector<std::weak_ptr<CaptureSession>> sessions;
    bool closed = false;

    std::vector<std::shared_ptr<CaptureSession>> live() {
        std::lock_guard lock(mutex);
        std::erase_if(sessions, [](const auto& weak) { return weak.expired(); });
        std::vector<std::shared_ptr<CaptureSession>> out;
        for (const auto& weak : sessions)
            if (auto session = weak.lock()) out.push_back(std::move(session));
        return out;
    }
};

StartedSessions& startedSessions() {
    static StartedSessions registry;
    return registry;
}

} // namespace

Size presetSize(SessionPreset preset) {
    return preset == SessionPreset::vga640x480 ? Size{640, 480} : Size{1280, 720};
}

int PixelBuffer::bytesPerRow() const {
    return image_.isEmpty() ? 0 : cairo_image_surface_get_stride(image_.surface());
}

const std::uint8_t* PixelBuffer::baseAddress() const {
    if (locks_ == 0 || image_.isEmpty()) return nullptr;
    return cairo_image_surface_get_data(image_.surface());
}

void VideoDataOutput::setSampleBufferDelegate(std::weak_ptr<SampleBufferDelegate> delegate,
                                              std::shared_ptr<DispatchQueue> queue) {
    std::lock_guard lock(mutex_);
    delegate_ = std::move(delegate);
    queue_ = std::move(queue);
}

CaptureConnection* VideoDataOutput::connection() {
    std::lock_guard lock(mutex_);
    return connection_.get();
}

void VideoDataOutput::deliver(const Image& frame) {
    std::shared_ptr<DispatchQueue> queue;
    std::shared_ptr<CaptureConnection> connection;
    {
        std::lock_guard lock(mutex_);
        queue = queue_;
        connection = connection_;
    }
    if (!queue || !connection || !connection->isEnabled) return;
    if (busy_.exchange(true) && alwaysDiscardsLateVideoFrames) {
        ++dropped_;
        return;
    }
    queue->async([self = shared_from_this(), frame, connection] {
        std::shared_ptr<SampleBufferDelegate> delegate;
        {
            std::lock_guard lock(self->mutex_);
            delegate = self->delegate_.lock();
        }
        if (delegate) {
            // The orientation is read per frame: the delegate may change it for the next one.
            SampleBuffer sample{std::make_shared<PixelBuffer>(
                rotatedQuarterTurns(frame, clockwiseTurns(connection->videoOrientation)))};
            delegate->captureOutput(*self, sample, *connection);
            ++self->delivered_;
            // Delegates are screens: one closed meanwhile is torn down on the main thread, not here.
            DispatchQueue::main().async([last = std::move(delegate)] {});
        }
        self->busy_ = false;
    });
}

void VideoDataOutput::waitUntilDelivered() {
    std::shared_ptr<DispatchQueue> queue;
    {
        std::lock_guard lock(mutex_);
        queue = queue_;
    }
    if (queue && !queue->isCurrent()) queue->waitUntilIdle();
}

CaptureSession::~CaptureSession() { stopRunning(); }

bool CaptureSession::canAddInput(const std::shared_ptr<CaptureDeviceInput>& input) const {
    std::lock_guard lock(mutex_);
    return input && !input_;
}

void CaptureSession::addInput(const std::shared_ptr<CaptureDeviceInput>& input) {
    if (!canAddInput(input)) fatal("addInput: the session cannot take this input");
    std::lock_guard lock(mutex_);
    input_ = input;
}

bool CaptureSession::canAddOutput(const std::shared_ptr<VideoDataOutput>& output) const {
    std::lock_guard lock(mutex_);
    return output && outputs_.empty();
}

void CaptureSession::addOutput(const std::shared_ptr<VideoDataOutput>& output) {
    if (!canAddOutput(output)) fatal("addOutput: the session cannot take this output");
    std::lock_guard lock(mutex_);
    {
        std::lock_guard outputLock(output->mutex_);
        output->connection_ = std::make_shared<CaptureConnection>();
    }
    outputs_.push_back(output);
}

std::vector<std::shared_ptr<CaptureDeviceInput>> CaptureSession::inputs() const {
    std::lock_guard lock(mutex_);
    if (!input_) return {};
    return {input_};
}

std::vector<std::shared_ptr<VideoDataOutput>> CaptureSession::outputs() const {
    std::lock_guard lock(mutex_);
    return outputs_;
}

void CaptureSession::addPreviewLayer(const std::shared_ptr<CaptureVideoPreviewLayer>& layer) {
    std::lock_guard lock(mutex_);
    previews_.push_back(layer);
}

void CaptureSession::startRunning() {
    std::lock_guard control(controlMutex_);
    if (running_) return;
    {
        auto& registry = startedSessions();
        std::lock_guard lock(registry.mutex);
        if (registry.closed) return;  // the process is ending
        if (auto self = weak_from_this(); !self.expired()) registry.sessions.push_back(std::move(self));
    }
    std::shared_ptr<CaptureDeviceInput> input;
    {
        std::lock_guard lock(mutex_);
        input = input_;
    }
    running_ = true;
    if (!input) return;  // runs, but nothing to show
    std::string error;
    {
        std::lock_guard sourceLock(sourceMutex_);
        if (!input->source().start(presetSize(preset_), &error)) {
            kit::warn("Camera could not start: " + error);
            return;
        }
    }
    capturing_ = true;
    if (!cameraConfiguration().manualFrames) thread_ = std::thread([this] { run(); });
}

void CaptureSession::stopRunning() {
    std::lock_guard control(controlMutex_);
    if (!running_) return;
    {
        std::lock_guard lock(mutex_);
        running_ = false;
        capturing_ = false;
    }
    stopSignal_.notify_all();
    if (thread_.joinable()) thread_.join();
    std::shared_ptr<CaptureDeviceInput> input;
    {
        std::lock_guard lock(mutex_);
        input = input_;
    }
    std::lock_guard sourceLock(sourceMutex_);
    if (input) input->source().stop();
}

bool CaptureSession::captureOne(double timeout) {
    std::shared_ptr<CaptureDeviceInput> input;
    std::vector<std::shared_ptr<VideoDataOutput>> outputs;
    std::vector<std::shared_ptr<CaptureVideoPreviewLayer>> previews;
    {
        std::lock_guard lock(mutex_);
        input = input_;
        outputs = outputs_;
        std::erase_if(previews_, [](const auto& weak) { return weak.expired(); });
        for (const auto& weak : previews_)
            if (auto layer = weak.lock()) previews.push_back(layer);
    }
    if (!input) return false;
    std::optional<Image> frame;
    {
        std::lock_guard sourceLock(sourceMutex_);
        frame = input->source().nextFrame(timeout);
    }
    if (!frame) return false;
    ++frames_;
    for (const auto& output : outputs) output->deliver(*frame);
    for (const auto& preview : previews) preview->show(*frame);
    return true;
}

void CaptureSession::run() {
    std::shared_ptr<CaptureDeviceInput> input = inputs().front();
    const bool live = input->source().isLive();
    const auto period = std::chrono::duration<double>(1.0 / std::max(1.0, input->source().frameRate()));
    auto due = std::chrono::steady_clock::now();
    while (running_) {
        captureOne(0.1);
        if (live) continue;
        // Generated frames come at the source's rate; a stop wakes the wait at once.
        due += std::chrono::duration_cast<std::chrono::steady_clock::duration>(period);
        std::unique_lock lock(mutex_);
        stopSignal_.wait_until(lock, due, [this] { return !running_; });
    }
}

bool CaptureSession::stepFrame() {
    if (!running_ || !captureOne(0)) return false;
    for (const auto& output : outputs()) output->waitUntilDelivered();
    return true;
}

bool CaptureSession::waitForFirstFrames(double timeout) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeout);
    for (const auto& session : startedSessions().live()) {
        // Counted once the delegates are through with it: their own hand-offs are queued by then.
        auto delivered = [&] {
            if (session->frames_ == 0) return false;
            for (const auto& output : session->outputs())
                if (output->deliveredFrames() == 0) return false;
            return true;
        };
        while (session->capturing_ && !delivered()) {
            if (std::chrono::steady_clock::now() >= deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    return true;
}

void CaptureSession::stopAll() {
    auto& registry = startedSessions();
    {
        std::lock_guard lock(registry.mutex);
        registry.closed = true;
    }
    for (const auto& session : registry.live()) {
        session->stopRunning();
        for (const auto& output : session->outputs()) output->waitUntilDelivered();
    }
}

} // namespace kit::media
