#include "kit/ui/StackView.h"

#include "kit/layout/Constraint.h"

#include <algorithm>
#include <utility>

namespace kit {

using layout::Anchor;
using layout::Axis;
using layout::Constraint;
using layout::ConstraintList;

// The room between two arranged views when the gaps are shared out evenly: a layout item of
// the stack that is not a view.
class StackView::Spacer final : public layout::LayoutItem {
public:
    explicit Spacer(StackView& owner) : owner_(owner) { setTranslatesAutoresizingMaskIntoConstraints(false); }
    Rect layoutFrame() const override { return frame_; }
    void setLayoutFrame(const Rect& frame) override { frame_ = frame; }
    LayoutItem* layoutSuperitem() const override { return &owner_; }
    std::vector<LayoutItem*> layoutSubitems() const override { return {}; }
    std::string layoutDescription() const override { return "<stack spacer>"; }

private:
    StackView& owner_;
    Rect frame_;
};

StackView::StackView() = default;
StackView::StackView(const Rect& frame) : View(frame) {}
StackView::StackView(std::vector<std::shared_ptr<View>> arranged) : arranged_(std::move(arranged)) {}

StackView::~StackView() {
    Constraint::deactivate(own_);
}

void StackView::initialize() {
    // Views handed to the constructor become subviews now that the stack is a shared object.
    auto initial = std::exchange(arranged_, {});
    for (auto& v : initial) addArrangedSubview(v);
}

void StackView::addArrangedSubview(const std::shared_ptr<View>& view) {
    insertArrangedSubview(view, arranged_.size());
}

void StackView::insertArrangedSubview(const std::shared_ptr<View>& view, std::size_t index) {
    if (!view || view.get() == this) return;
    std::erase(arranged_, view);
    index = std::min(index, arranged_.size());
    arranged_.insert(arranged_.begin() + static_cast<std::ptrdiff_t>(index), view);
    if (view->superview().get() != this) addSubview(view);
    view->setTranslatesAutoresizingMaskIntoConstraints(false);
    rebuild();
}

void StackView::removeArrangedSubview(const View* view) {
    const auto before = arranged_.size();
    std::erase_if(arranged_, [&](auto& v) { return v.get() == view; });
    if (arranged_.size() != before) rebuild();
}

void StackView::willRemoveSubview(View* subview) {
    removeArrangedSubview(subview);
    View::willRemoveSubview(subview);
}

void StackView::subviewVisibilityChanged(View* subview) {
    if (std::any_of(arranged_.begin(), arranged_.end(), [&](auto& v) { return v.get() == subview; })) rebuild();
}

void StackView::setAxis(Axis axis) { axis_ = axis; rebuild(); }
void StackView::setDistribution(StackDistribution d) { distribution_ = d; rebuild(); }
void StackView::setAlignment(StackAlignment a) { alignment_ = a; rebuild(); }
void StackView::setSpacing(double spacing) { spacing_ = spacing; rebuild(); }

std::vector<layout::LayoutItem*> StackView::layoutSubitems() const {
    auto items = View::layoutSubitems();
    for (auto& s : spacers_) items.push_back(s.get());
    return items;
}

StackView::Signature StackView::signature() const {
    Signature s;
    for (auto& v : arranged_) s.views.push_back({v.get(), v->isHidden()});
    s.placed = !translatesAutoresizingMaskIntoConstraints();
    return s;
}

void StackView::layoutSubviews() {
    // The stack's own placement may have changed since the constraints were made.
    if (signature() != built_) rebuild();
}

void StackView::rebuild() {
    Constraint::deactivate(own_);
    own_.clear();
    spacers_.clear();
    built_ = signature();
    std::vector<View*> shown;
    for (auto& v : arranged_)
        if (!v->isHidden()) shown.push_back(v.get());
    if (shown.empty()) {
        layoutNeedsUpdate();
        return;
    }
    const bool h = axis_ == Axis::horizontal;
    auto lead = [&](layout::LayoutItem& i) { return h ? i.leadingAnchor() : i.topAnchor(); };
    auto trail = [&](layout::LayoutItem& i) { return h ? i.trailingAnchor() : i.bottomAnchor(); };
    auto length = [&](layout::LayoutItem& i) { return h ? i.widthAnchor() : i.heightAnchor(); };
    auto crossLead = [&](layout::LayoutItem& i) { return h ? i.topAnchor() : i.leadingAnchor(); };
    auto crossTrail = [&](layout::LayoutItem& i) { return h ? i.bottomAnchor() : i.trailingAnchor(); };
    auto crossCenter = [&](layout::LayoutItem& i) { return h ? i.centerYAnchor() : i.centerXAnchor(); };
    auto crossLength = [&](layout::LayoutItem& i) { return h ? i.heightAnchor() : i.widthAnchor(); };
    ConstraintList c;

    // Along the axis: a chain from edge to edge.
    c.push_back(lead(*shown.front()).equalTo(lead(*this)));
    c.push_back(trail(*shown.back()).equalTo(trail(*this)));
    const bool spaced = distribution_ == StackDistribution::equalSpacing || distribution_ == StackDistribution::equalCentering;
    for (std::size_t i = 1; i < shown.size(); ++i) {
        if (spaced) {
            spacers_.push_back(std::make_unique<Spacer>(*this));
            Spacer& s = *spacers_.back();
            c.push_back(lead(s).equalTo(trail(*shown[i - 1])));
            c.push_back(lead(*shown[i]).equalTo(trail(s)));
            c.push_back(length(s).greaterThanOrEqualToConstant(spacing_));
            if (spacers_.size() > 1) c.push_back(length(s).equalTo(length(*spacers_.front())));
        } else {
            c.push_back(lead(*shown[i]).equalTo(trail(*shown[i - 1]), spacing_));
        }
    }
    if (distribution_ == StackDistribution::fillEqually) {
        for (std::size_t i = 1; i < shown.size(); ++i) c.push_back(length(*shown[i]).equalTo(length(*shown.front())));
    } else if (distribution_ == StackDistribution::fillProportionally) {
        std::vector<double> natural;
        double sum = 0;
        for (View* v : shown) {
            const Size s = v->intrinsicContentSize();
            natural.push_back(std::max(0.0, h ? s.width : s.height));
            sum += natural.back();
        }
        const double gaps = spacing_ * static_cast<double>(shown.size() - 1);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const double p = sum > 0 ? natural[i] / sum : 1.0 / static_cast<double>(shown.size());
            c.push_back(length(*shown[i]).equalToMultiplier(length(*this), p, -gaps * p)->withPriority(999));
        }
    }

    // Across the axis.
    for (View* v : shown) {
        switch (alignment_) {
        case StackAlignment::fill:
            c.push_back(crossLead(*v).equalTo(crossLead(*this)));
            c.push_back(crossTrail(*v).equalTo(crossTrail(*this)));
            break;
        case StackAlignment::leading:
            c.push_back(crossLead(*v).equalTo(crossLead(*this)));
            c.push_back(crossTrail(*v).lessThanOrEqualTo(crossTrail(*this)));
            break;
        case StackAlignment::trailing:
            c.push_back(crossTrail(*v).equalTo(crossTrail(*this)));
            c.push_back(crossLead(*v).greaterThanOrEqualTo(crossLead(*this)));
            break;
        case StackAlignment::center:
            c.push_back(crossCenter(*v).equalTo(crossCenter(*this)));
            c.push_back(crossLength(*v).lessThanOrEqualTo(crossLength(*this)));
            break;
        }
    }
    // A stack placed by constraints but not sized across wraps its tallest view.
    if (built_.placed && alignment_ != StackAlignment::fill)
        c.push_back(crossLength(*this).equalToConstant(0)->withPriority(layout::priority::fittingSizeLevel));

    Constraint::activate(c);
    own_ = std::move(c);
    setNeedsLayout();
    layoutNeedsUpdate();
}

} // namespace kit
