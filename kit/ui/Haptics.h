#pragma once
// Impact feedback. There is no vibration motor here: impacts are counted, per generator and in total,
// so that tests can tell which actions tap.
#include <cstddef>

namespace kit {

enum class ImpactFeedbackStyle { light, medium, heavy };

class ImpactFeedbackGenerator {
public:
    explicit ImpactFeedbackGenerator(ImpactFeedbackStyle style = ImpactFeedbackStyle::medium) : style_(style) {}

    void prepare() { prepared_ = true; }
    void impactOccurred();

    ImpactFeedbackStyle style() const { return style_; }
    bool isPrepared() const { return prepared_; }
    std::size_t impactCount() const { return impacts_; }

private:
    ImpactFeedbackStyle style_;
    bool prepared_ = false;
    std::size_t impacts_ = 0;
};

namespace Haptics {
// Impacts of every generator since the start (or the last reset).
std::size_t totalImpacts();
void resetCount();
} // namespace Haptics

} // namespace kit
