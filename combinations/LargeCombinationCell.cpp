#include "combinations/LargeCombinationCell.h"

#include "app/ui/Ext.h"
#include "colour/HexText.h"
#include "colour/library/ColorLibrary.h"
#include "combinations/CellSupport.h"
#include "kit/base/Make.h"
#include "kit/layout/Constraint.h"
#include "kit/text/CaseMapping.h"
#include "kit/ui/Label.h"
#include "kit/ui/Layer.h"
#include "kit/ui/StackView.h"
#include "kit/ui/ViewController.h"
#include "tools/LightType.h"

namespace combinations {
namespace {

using Constraint = kit::layout::Constraint;

tools::LightType lightOf(const app::LargeCombination& record) {
    return tools::lightTypeFromName(record.lightType().value_or("Daylight")).value_or(tools::LightType::daylight);
}

// A slice with a thin white line at its left edge.
class SliceView : public kit::View {
public:
    std::shared_ptr<kit::Layer> separator;
    void layoutSubviews() override {
        if (separator) separator->setFrame({0, 0, 1, bounds().height()});
    }
};

} // namespace

std::vector<kit::Color> largeCombinationColors(const app::LargeCombination& record, LargeCombinationViewType viewType) {
    std::vector<kit::Color> out;
    if (viewType == LargeCombinationViewType::colorMixes)
        out.push_back(colour::initWithHexString(record.color().value_or("FFFFFF")));
    for (const auto& hex : record.colors()) {
        auto c = colour::initWithHexString(hex);
        if (viewType == LargeCombinationViewType::light) c = tools::colorUnderLight(c, lightOf(record), record.lightPower());
        out.push_back(c);
    }
    return out;
}

void LargeCombinationCell::setupViews() {
    nameLabel = kit::make<kit::Label>();
    nameLabel->setFont(kit::Font::system(18, kit::FontWeight::light));
    nameLabel->setTextColor(kit::Color::whiteColor());
    nameLabel->setTextAlignment(kit::TextAlignment::center);
}

void LargeCombinationCell::layoutSubviews() {
    BaseCVCell::layoutSubviews();
    if (shadowLayer) fitShadowLayer(*shadowLayer, bounds().size);
}

bool LargeCombinationCell::hasShadow() const { return shadowLayer && shadowLayer->superlayer() == layer(); }

void LargeCombinationCell::configure(const app::LargeCombination& record, int index,
                                     const std::shared_ptr<kit::ViewController>& controller,
                                     LargeCombinationViewType viewType) {
    vc = controller;
    lc = record;
    std::vector<std::string> stripHexes = record.colors();
    std::string mainHex;
    std::string labelText;
    std::optional<kit::Color> mainColor;
    const auto light = lightOf(record);

    // A reused row starts from scratch: the previous colour area, strip and width rule go.
    if (colorView) colorView->removeFromSuperview();
    if (strip) strip->removeFromSuperview();
    strip.reset();
    nameLabel->removeFromSuperview();
    auto previous = colorView;
    colorView = kit::make<kit::View>();
    switch (viewType) {
    case LargeCombinationViewType::colorMixes:
        mainHex = record.color().value_or("FFFFFF");
        labelText = record.color().value_or("");
        mainColor = colour::initWithHexRgba(mainHex);
        if (mainColor) colorView->setBackgroundColor(*mainColor);
        break;
    case LargeCombinationViewType::light:
        mainHex = stripHexes.empty() ? "FFFFFF" : stripHexes.front();
        colorView->setBackgroundColor(
            tools::colorUnderLight(colour::initWithHexString(mainHex), light, record.lightPower()));
        if (!stripHexes.empty()) stripHexes.erase(stripHexes.begin());
        labelText = record.name().value_or("");
        break;
    case LargeCombinationViewType::notSelected:
        stripHexes.clear();
        if (previous && previous->backgroundColor()) colorView->setBackgroundColor(*previous->backgroundColor());
        break;
    }

    nameLabel->setText(kit::text::uppercased(labelText));
    const auto untinted = mainHex.empty() ? std::nullopt : colour::initWithHexRgba(mainHex);
    nameLabel->setTextColor(untinted ? captionColor(*untinted) : kit::Color::whiteColor());

    addSubview(colorView);
    colorView->setTranslatesAutoresizingMaskIntoConstraints(false);
    Constraint::activate({colorView->topAnchor().equalTo(topAnchor()), colorView->bottomAnchor().equalTo(bottomAnchor()),
                          colorView->leftAnchor().equalTo(leftAnchor()),
                          colorView->widthAnchor().equalToMultiplier(widthAnchor(), stripHexes.empty() ? 1.0 : 0.7)});
    addSubview(nameLabel);
    nameLabel->setTranslatesAutoresizingMaskIntoConstraints(false);
    // A long name ends in an ellipsis inside the colour area rather than running out of the row.
    Constraint::activate({nameLabel->leftAnchor().equalTo(leftAnchor(), 20),
                          nameLabel->rightAnchor().lessThanOrEqualTo(colorView->rightAnchor(), -20),
                          nameLabel->centerYAnchor().equalTo(colorView->centerYAnchor())});

    if (!stripHexes.empty()) {
        strip = kit::make<kit::StackView>();
        strip->setAxis(kit::layout::Axis::horizontal);
        strip->setAlignment(kit::StackAlignment::fill);
        strip->setDistribution(kit::StackDistribution::fillEqually);
        for (const auto& hex : stripHexes) {
            auto slice = kit::make<SliceView>();
            auto c = colour::initWithHexString(hex);
            if (viewType == LargeCombinationViewType::light) c = tools::colorUnderLight(c, light, record.lightPower());
            slice->setBackgroundColor(c);
            slice->separator = kit::make<kit::Layer>();
            slice->separator->setBackgroundColor(kit::Color::whiteColor());
            slice->layer()->addSublayer(slice->separator);
            strip->addArrangedSubview(slice);
        }
        addSubview(strip);
        app::anchor(*strip, topAnchor(), colorView->rightAnchor(), bottomAnchor(), rightAnchor());
    }

    if (!shadowLayer)
        shadowLayer = app::makeShadowLayer(*this);
    else
        shadowLayer->removeFromSuperlayer();
    fitShadowLayer(*shadowLayer, bounds().size);
    if (index != 0) layer()->addSublayer(shadowLayer);
}

} // namespace combinations
