#pragma once
// The small toolkit every screen is laid out with: anchor helpers with fixed sign conventions, the
// visual-format helper, button columns, transform and snapshot helpers, the inner-shadow layer,
// shared fonts, attributed titles, centred text labels and the help button.
#include "kit/graphics/Font.h"
#include "kit/graphics/Image.h"
#include "kit/graphics/Text.h"
#include "kit/layout/Anchor.h"
#include "kit/layout/Constraint.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kit {
class Button;
class Label;
class Layer;
class View;
} // namespace kit

namespace app {

using OptionalAnchor = std::optional<kit::layout::Anchor>;

// Pins the view with one equality per given anchor: top +paddingTop, left +paddingLeft, bottom
// with the constant paddingBottom exactly as given (an offset: pass a negative value to end above
// the anchor), right -paddingRight (an inset); width and height only when not 0. Returns the
// constraints it activated.
kit::layout::ConstraintList anchor(kit::View& view, OptionalAnchor top, OptionalAnchor left, OptionalAnchor bottom,
                                   OptionalAnchor right, double paddingTop = 0, double paddingLeft = 0,
                                   double paddingBottom = 0, double paddingRight = 0, double width = 0,
                                   double height = 0);
// As anchor, but the bottom padding is an inset (-paddingBottom), and centre anchors may be given.
kit::layout::ConstraintList anchorWithCenter(kit::View& view, OptionalAnchor top, OptionalAnchor left,
                                             OptionalAnchor bottom, OptionalAnchor right, OptionalAnchor centerX,
                                             OptionalAnchor centerY, double paddingTop = 0, double paddingLeft = 0,
                                             double paddingBottom = 0, double paddingRight = 0, double width = 0,
                                             double height = 0);
// Keys the views "v0", "v1", ... in list order and activates the format's constraints.
kit::layout::ConstraintList addConstraintsWithFormat(const std::string& format,
                                                     const std::vector<std::shared_ptr<kit::View>>& views);

void setScale(kit::View& view, double factor);
void resetTransform(kit::View& view);
kit::Image snapshotImage(const kit::View& view);

// The inner shadow along a clipping view's top edge.
std::shared_ptr<kit::Layer> makeShadowLayer(kit::View& view);
void addShadowLayer(kit::View& view);

// Puts a 45 x 40 button on top at the root's right edge, level with the back button.
void placeTopRight(kit::View& root, const std::shared_ptr<kit::Button>& button, kit::View& back);
// Stacks 45 x 40 buttons down from under `top`, `gap` apart, each centred on the column's head
// and put on top of the root's subviews (a re-placed one drops its old constraints).
void stackButtons(kit::View& root, kit::View& column, kit::View& top, const std::vector<std::shared_ptr<kit::Button>>& buttons,
                  double gap = 4);

// Shared fonts.
struct Fonts {
    static const kit::Font& regularFont20();
    static const kit::Font& lightFont18();
    static const kit::Font& regularFont17();
};

// The text followed by one space, in regularFont20, white (mode-button titles).
kit::AttributedString makeAttributedTitle(const std::string& text);

// A centred label of as many lines as the text needs.
std::shared_ptr<kit::Label> makeCenteredLabel(const std::string& text, const kit::Font& font, const kit::Color& color);

// The bold 21-point "?" that opens a screen's help text.
std::shared_ptr<kit::Button> makeHelpButton(const kit::Color& color = kit::Color::whiteColor());

} // namespace app
