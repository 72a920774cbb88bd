#include "kit/ui/Haptics.h"

#include <atomic>

namespace kit {
namespace {
std::atomic<std::size_t> total{0};
}

void ImpactFeedbackGenerator::impactOccurred() {
    ++impacts_;
    ++total;
}

std::size_t Haptics::totalImpacts() { return total; }
void Haptics::resetCount() { total = 0; }

} // namespace kit
