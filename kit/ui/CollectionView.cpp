#include "kit/ui/CollectionView.h"

#include "kit/base/Console.h"

#include <algorithm>

namespace kit {

CollectionViewCell::CollectionViewCell() = default;
CollectionViewCell::CollectionViewCell(const Rect& frame) : ReusableCell(frame) {}

CollectionView::CollectionView() = default;
CollectionView::CollectionView(const Rect& frame, FlowLayout layout) : CellScrollView(frame), layout_(layout) {}

void CollectionView::setFlowLayout(const FlowLayout& layout) {
    layout_ = layout;
    invalidateLayout();
}

void CollectionView::setDataSource(const std::shared_ptr<CollectionViewDataSource>& dataSource) {
    dataSource_ = dataSource;
    reloadData();
}

void CollectionView::setDelegate(const std::shared_ptr<CollectionViewDelegate>& delegate) {
    delegate_ = delegate;
    invalidateLayout();
}

void CollectionView::registerCell(const std::string& reuseIdentifier, CellFactory factory) {
    registerFactory(reuseIdentifier, std::move(factory));
}

std::shared_ptr<CollectionViewCell> CollectionView::dequeueReusableCell(const std::string& reuseIdentifier,
                                                                        const IndexPath& indexPath) {
    (void)indexPath;
    auto cell = reuseOrMake(reuseIdentifier);
    if (!cell) kit::fatal("could not dequeue a cell with identifier " + reuseIdentifier);
    return std::static_pointer_cast<CollectionViewCell>(cell);
}

int CollectionView::numberOfSections() {
    auto source = dataSource_.lock();
    return source ? std::max(0, source->numberOfSections(*this)) : 0;
}

int CollectionView::numberOfItemsInSection(int section) {
    auto source = dataSource_.lock();
    if (!source || section < 0 || section >= numberOfSections()) return 0;
    return std::max(0, source->numberOfItemsInSection(*this, section));
}

std::vector<std::vector<Rect>> CollectionView::layoutItems() {
    std::vector<std::vector<Rect>> laidOut;
    auto delegate = delegate_.lock();
    const bool vertical = layout_.scrollDirection == ScrollDirection::vertical;
    const double width = bounds().width(), height = bounds().height();
    double cursor = 0;       // along the scroll axis
    double extent = 0;       // across it
    int sections = numberOfSections();
    for (int s = 0; s < sections; ++s) {
        EdgeInsets inset = layout_.sectionInset;
        double lineSpacing = layout_.minimumLineSpacing, itemSpacing = layout_.minimumInteritemSpacing;
        if (delegate) {
            if (auto v = delegate->insetForSection(*this, s)) inset = *v;
            if (auto v = delegate->minimumLineSpacingForSection(*this, s)) lineSpacing = *v;
            if (auto v = delegate->minimumInteritemSpacingForSection(*this, s)) itemSpacing = *v;
        }
        int count = numberOfItemsInSection(s);
        std::vector<Size> sizes(static_cast<std::size_t>(count), layout_.itemSize);
        if (delegate)
            for (int i = 0; i < count; ++i)
                if (auto v = delegate->sizeForItemAt(*this, {s, i})) sizes[static_cast<std::size_t>(i)] = *v;
        std::vector<Rect> frames(static_cast<std::size_t>(count));
        // Lines along the cross axis: items placed with the minimum spacing, then the spare room of
        // a line shared out between its gaps (a line of one item starts at the inset).
        double available = vertical ? width - inset.left - inset.right : height - inset.top - inset.bottom;
        cursor += vertical ? inset.top : inset.left;
        int i = 0;
        bool firstLine = true;
        while (i < count) {
            int start = i;
            double used = 0, lineThickness = 0;
            while (i < count) {
                Size sz = sizes[static_cast<std::size_t>(i)];
                double along = vertical ? sz.width : sz.height;
                double need = (i == start) ? along : used + itemSpacing + along;
                if (i > start && need > available + 1e-9) break;
                used = need;
                lineThickness = std::max(lineThickness, vertical ? sz.height : sz.width);
                ++i;
            }
            if (!firstLine) cursor += lineSpacing;
            firstLine = false;
            int n = i - start;
            double gap = itemSpacing;
            if (n > 1) gap += (available - used) / (n - 1);
            double pos = vertical ? inset.left : inset.top;
            for (int k = start; k < i; ++k) {
                Size sz = sizes[static_cast<std::size_t>(k)];
                double across = vertical ? sz.height : sz.width;
                double offset = (lineThickness - across) / 2;  // centred in the line
                frames[static_cast<std::size_t>(k)] = vertical ? Rect{pos, cursor + offset, sz.width, sz.height}
                                                               : Rect{cursor + offset, pos, sz.width, sz.height};
                pos += (vertical ? sz.width : sz.height) + gap;
                extent = std::max(extent, pos - gap + (vertical ? inset.right : inset.bottom));
            }
            cursor += lineThickness;
        }
        cursor += vertical ? inset.bottom : inset.right;
        laidOut.push_back(std::move(frames));
    }
    setContentSize(vertical ? Size{width, cursor} : Size{cursor, height});
    return laidOut;
}

double CollectionView::layoutBreadth() const {
    return layout_.scrollDirection == ScrollDirection::vertical ? bounds().width() : bounds().height();
}

std::shared_ptr<ReusableCell> CollectionView::makeCell(const IndexPath& indexPath) {
    auto source = dataSource_.lock();
    return source ? source->cellForItemAt(*this, indexPath) : nullptr;
}

void CollectionView::willDisplay(ReusableCell& cell, const IndexPath& indexPath, const Rect&) {
    if (auto delegate = delegate_.lock()) delegate->willDisplayCell(*this, static_cast<CollectionViewCell&>(cell), indexPath);
}

void CollectionView::didSelect(const IndexPath& indexPath) {
    if (auto delegate = delegate_.lock()) delegate->didSelectItemAt(*this, indexPath);
}

std::shared_ptr<CollectionViewCell> CollectionView::cellForItemAt(const IndexPath& indexPath) const {
    return std::static_pointer_cast<CollectionViewCell>(visibleCell(indexPath));
}

void CollectionView::scrollToItem(const IndexPath& indexPath, ScrollPosition position, bool animated) {
    if (auto f = frameForItemAt(indexPath)) scrollToFrame(*f, position, adjustedContentInset(), animated);
}

} // namespace kit
