#include "kit/ui/Pasteboard.h"

#include <mutex>

namespace kit {
namespace {

class MemoryBackend final : public PasteboardBackend {
public:
    std::optional<std::string> string() override {
        std::lock_guard lock(mutex_);
        return text_;
    }
    void setString(const std::string& text) override {
        std::lock_guard lock(mutex_);
        text_ = text;
    }

private:
    std::mutex mutex_;
    std::optional<std::string> text_;
};

} // namespace

Pasteboard& Pasteboard::general() {
    static Pasteboard board;
    return board;
}

std::optional<std::string> Pasteboard::string() const {
    return backend_ ? backend_->string() : std::nullopt;
}

void Pasteboard::setString(const std::string& text) {
    if (!backend_) backend_ = std::make_shared<MemoryBackend>();
    backend_->setString(text);
}

void Pasteboard::setBackend(std::shared_ptr<PasteboardBackend> backend) {
    backend_ = backend ? std::move(backend) : std::make_shared<MemoryBackend>();
}

} // namespace kit
