#pragma once
// Generated frames for tests and machines without a camera: the same picture sequence on every run,
// frame n depending on n alone.
#include "kit/base/Color.h"
#include "kit/media/FrameSource.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kit::media {

class SyntheticSource final : public FrameSource {
public:
    enum class Pattern { bars, quadrants, gradient, colors };

    // `text` is what follows "synthetic:"; none for an unknown pattern.
    static std::unique_ptr<SyntheticSource> parse(const std::string& text, std::string* error);

    bool start(Size preferred, std::string* error) override;
    void stop() override {}
    std::optional<Image> nextFrame(double timeout) override;
    double frameRate() const override { return fps_; }

    // Quadrants (landscape, as delivered): top left red, top right green, bottom left blue,
    // bottom right yellow. Bars: white, yellow, cyan, green, magenta, red, blue, black from the left.
    static std::vector<Color> barColors();

private:
    Pattern pattern_ = Pattern::bars;
    std::vector<Color> colors_;  // Pattern::colors: frame n is colors_[n % size]
    std::optional<Size> size_;   // given in the source text; else the session's preset
    Size frameSize_{1280, 720};
    double fps_ = 30;
    std::uint64_t frameIndex_ = 0;
};

} // namespace kit::media
