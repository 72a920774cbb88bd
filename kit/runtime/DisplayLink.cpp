#include "kit/runtime/DisplayLink.h"

#include "kit/runtime/RunLoop.h"

namespace kit {

DisplayLink::DisplayLink(Key, Callback callback) : callback_(std::make_shared<Callback>(std::move(callback))) {}

std::shared_ptr<DisplayLink> DisplayLink::create(Callback callback) {
    return std::make_shared<DisplayLink>(Key{}, std::move(callback));
}

std::shared_ptr<DisplayLink> DisplayLink::scheduled(Callback callback) {
    auto link = create(std::move(callback));
    link->add();
    return link;
}

void DisplayLink::add() {
    if (!valid_ || added_) return;
    added_ = true;
    RunLoop::main().addDisplayLink(shared_from_this());
}

void DisplayLink::invalidate() {
    if (!valid_) return;
    valid_ = false;
    callback_.reset(); // fire() keeps a running callback alive until it returns
}

void DisplayLink::fire(double frameTime) {
    if (!valid_ || paused_ || !added_) return;
    timestamp_ = frameTime;
    auto callback = callback_;
    if (callback && *callback) (*callback)(*this);
}

} // namespace kit
