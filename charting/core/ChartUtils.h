#pragma once
// Free-standing helpers of the chart component: round label steps and fraction digits, and text and
// images placed on a context relative to an anchor point, optionally rotated.
#include "kit/base/Geometry.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"
#include "kit/graphics/Text.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace charting {

// A double truncated toward zero into the 64-bit range: beyond it saturates, NaN gives 0.
std::int64_t truncToInt(double value);

// One significant digit, halves away from zero; 0 and non-finite values come back unchanged.
double roundedToNextSignificant(double value);
// Fraction digits a label of this step needs (may be negative for large values); 0 for 0 or a
// non-finite value. A negative value is measured by its magnitude.
int decimals(double value);

// The point moved left by the text's whole width (right alignment) or half of it (centre).
kit::Point getDrawPoint(std::string_view text, kit::Point point, kit::TextAlignment align,
                        const kit::TextAttributes& attributes = {});
// Aligned one-line text; a non-zero angle turns it about its own centre.
void drawText(kit::Context& context, std::string_view text, kit::Point point, kit::TextAlignment align,
              kit::Point anchor, double angleRadians, const kit::TextAttributes& attributes = {});
// The anchor of the text's box ((0, 0) top-left ... (1, 1) bottom-right) lies on the point; a rotated
// text is anchored by its rotated bounding box.
void drawText(kit::Context& context, std::string_view text, kit::Point point, kit::Point anchor,
              double angleRadians, const kit::TextAttributes& attributes = {});
// As the anchored form, with a box of the given (already measured) size that the text wraps in.
void drawMultilineText(kit::Context& context, std::string_view text, kit::Point point, kit::Point anchor,
                       kit::Size knownSize, double angleRadians, const kit::TextAttributes& attributes = {});
// The image centred on the point at the given size. When neither side matches, a resized copy is
// made once per image and size and kept for as long as the image lives.
void drawImage(kit::Context& context, const std::shared_ptr<const kit::Image>& image, kit::Point center,
               kit::Size size);
// The cached copy of that image at that size, if one was made.
std::shared_ptr<const kit::Image> cachedResizedImage(const kit::Image* image, kit::Size size);

} // namespace charting
