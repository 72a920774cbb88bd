#include "wheels/InfoPanel.h"

#include "app/ui/Ext.h"
#include "kit/base/Make.h"
#include "kit/ui/Label.h"
#include "kit/ui/TapGesture.h"

namespace wheels {

std::shared_ptr<kit::View> makeInfoPanel(kit::View& host, kit::View& topView, const std::string& title,
                                         const std::string& body, std::function<void()> closed) {
    auto panel = kit::make<kit::View>();
    panel->setBackgroundColor(kit::Color::rgba(0.1, 0.1, 0.12, 0.92));
    panel->layer()->setCornerRadius(14);
    auto label = kit::make<kit::Label>();
    label->setNumberOfLines(0);
    label->setLineBreakMode(kit::LineBreakMode::wordWrap);
    kit::AttributedString text(title + "\n", {kit::Font::system(20, kit::FontWeight::semibold), kit::Color::whiteColor(), std::nullopt});
    text.append(kit::AttributedString(body, {kit::Font::system(17), kit::Color::whiteColor().withAlpha(0.85), std::nullopt}));
    label->setAttributedText(text);
    panel->addSubview(label);
    host.addSubview(panel);
    app::anchor(*panel, topView.bottomAnchor(), host.leftAnchor(), std::nullopt, host.rightAnchor(), 20, 20, 0, 20);
    app::anchor(*label, panel->topAnchor(), panel->leftAnchor(), panel->bottomAnchor(), panel->rightAnchor(), 16, 16, -16,
                16);
    std::weak_ptr<kit::View> weakPanel = panel;
    panel->addGestureRecognizer(kit::make<kit::TapGesture>([weakPanel, closed](kit::GestureRecognizer&) {
        if (auto p = weakPanel.lock()) p->removeFromSuperview();
        if (closed) closed();
    }));
    return panel;
}

} // namespace wheels
