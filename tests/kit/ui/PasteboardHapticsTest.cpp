#include "kit/ui/Haptics.h"
#include "kit/ui/Pasteboard.h"

#include <gtest/gtest.h>

namespace {

TEST(Pasteboard, KeepsTextInMemoryOrHandsItToAPluggedBackend) {
    auto& board = kit::Pasteboard::general();
    board.setBackend(nullptr);
    board.setString("#FF4050");
    EXPECT_EQ(board.string(), "#FF4050");

    struct Recording : kit::PasteboardBackend {
        std::string last;
        std::optional<std::string> string() override { return "from system"; }
        void setString(const std::string& text) override { last = text; }
    };
    auto backend = std::make_shared<Recording>();
    board.setBackend(backend);
    board.setString("copied");
    EXPECT_EQ(backend->last, "copied");
    EXPECT_EQ(board.string(), "from system");
    board.setBackend(nullptr);
}

TEST(Haptics, CountsImpactsPerGeneratorAndInTotal) {
    kit::Haptics::resetCount();
    kit::ImpactFeedbackGenerator a(kit::ImpactFeedbackStyle::light), b;
    a.prepare();
    a.impactOccurred();
    a.impactOccurred();
    b.impactOccurred();
    EXPECT_TRUE(a.isPrepared());
    EXPECT_EQ(a.impactCount(), 2u);
    EXPECT_EQ(kit::Haptics::totalImpacts(), 3u);
}

} // namespace
