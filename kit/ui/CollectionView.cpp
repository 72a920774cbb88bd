#include "kit/ui/CollectionView.h"

#include "kit/base/Console.h"
#include "kit/ui/TapGesture.h"

#include <algorithm>

namespace kit {
namespace {

// Cells are made a little beyond the visible area, so a short scroll finds them ready.
constexpr double preloadMargin = 100;

} // namespace

CollectionViewCell::CollectionViewCell() = default;
CollectionViewCell::CollectionViewCell(const Rect& frame) : View(frame) {}

const std::shared_ptr<View>& CollectionViewCell::contentView() {
    if (!contentView_) {
        contentView_ = kit::make<View>(Rect{{0, 0}, bounds().size});
        insertSubview(contentView_, 0);
    }
    return contentView_;
}

void CollectionViewCell::layoutSubviews() {
    View::layoutSubviews();
    if (contentView_) contentView_->setFrame({{0, 0}, bounds().size});
}

CollectionView::CollectionView() = default;
CollectionView::CollectionView(const Rect& frame, FlowLayout layout) : ScrollView(frame), layout_(layout) {}

void CollectionView::initialize() {
    ScrollView::initialize();
    auto tap = kit::make<TapGesture>([weak = std::weak_ptr<View>(shared_from_this())](GestureRecognizer& g) {
        auto self = std::static_pointer_cast<CollectionView>(weak.lock());
        if (self) self->handleTap(g.locationIn(self.get()));
    });
    addGestureRecognizer(tap);
}

void CollectionView::setFlowLayout(const FlowLayout& layout) {
    layout_ = layout;
    layoutValid_ = false;
    setNeedsLayout();
}

void CollectionView::setDataSource(const std::shared_ptr<CollectionViewDataSource>& dataSource) {
    dataSource_ = dataSource;
    reloadData();
}

void CollectionView::setDelegate(const std::shared_ptr<CollectionViewDelegate>& delegate) {
    delegate_ = delegate;
    layoutValid_ = false;
    setNeedsLayout();
}

void CollectionView::registerCell(const std::string& reuseIdentifier, CellFactory factory) {
    factories_[reuseIdentifier] = std::move(factory);
}

std::shared_ptr<CollectionViewCell> CollectionView::dequeueReusableCell(const std::string& reuseIdentifier,
                                                                        const IndexPath& indexPath) {
    (void)indexPath;
    auto& pool = reusePool_[reuseIdentifier];
    if (!pool.empty()) {
        auto cell = pool.back();
        pool.pop_back();
        cell->prepareForReuse();
        return cell;
    }
    auto it = factories_.find(reuseIdentifier);
    if (it == factories_.end()) kit::fatal("could not dequeue a cell with identifier " + reuseIdentifier);
    auto cell = it->second();
    cell->reuseIdentifier_ = reuseIdentifier;
    return cell;
}

void CollectionView::reloadData() {
    for (auto& [path, cell] : visible_) {
        cell->removeFromSuperview();
        if (!cell->reuseIdentifier_.empty()) reusePool_[cell->reuseIdentifier_].push_back(cell);
    }
    visible_.clear();
    layoutValid_ = false;
    setNeedsLayout();
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

void CollectionView::prepareLayout() {
    frames_.clear();
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
        frames_.push_back(std::move(frames));
    }
    setContentSize(vertical ? Size{width, cursor} : Size{cursor, height});
    layoutValid_ = true;
    laidOutWidth_ = vertical ? width : height;
}

void CollectionView::layoutSubviews() {
    ScrollView::layoutSubviews();
    double across = layout_.scrollDirection == ScrollDirection::vertical ? bounds().width() : bounds().height();
    if (!layoutValid_ || across != laidOutWidth_) {
        // A new width (rotation, split screen) asks the sizes again; cells move to new frames.
        prepareLayout();
        for (auto& [path, cell] : visible_) {
            if (auto f = frameForItemAt(path)) cell->setFrame(*f);
        }
    }
    updateVisibleCells();
}

void CollectionView::contentOffsetChanged() { updateVisibleCells(); }

void CollectionView::updateVisibleCells() {
    if (!layoutValid_) return;
    auto source = dataSource_.lock();
    Rect area = bounds().insetBy(-preloadMargin, -preloadMargin);
    // Cells scrolled out go back to the pool.
    for (auto it = visible_.begin(); it != visible_.end();) {
        auto f = frameForItemAt(it->first);
        if (!f || !f->intersects(area)) {
            it->second->removeFromSuperview();
            if (!it->second->reuseIdentifier_.empty()) reusePool_[it->second->reuseIdentifier_].push_back(it->second);
            it = visible_.erase(it);
        } else {
            ++it;
        }
    }
    if (!source) return;
    auto delegate = delegate_.lock();
    for (int s = 0; s < static_cast<int>(frames_.size()); ++s) {
        const auto& frames = frames_[static_cast<std::size_t>(s)];
        for (int i = 0; i < static_cast<int>(frames.size()); ++i) {
            const Rect& f = frames[static_cast<std::size_t>(i)];
            if (!f.intersects(area) || visible_.count({s, i})) continue;
            auto cell = source->cellForItemAt(*this, {s, i});
            if (!cell) continue;
            cell->setFrame(f);
            cell->setSelected(selected_ && *selected_ == IndexPath{s, i});
            visible_[{s, i}] = cell;
            if (delegate) delegate->willDisplayCell(*this, *cell, {s, i});
            insertSubview(cell, 0);
            cell->layoutIfNeeded();
        }
    }
}

std::vector<std::shared_ptr<CollectionViewCell>> CollectionView::visibleCells() const {
    std::vector<std::shared_ptr<CollectionViewCell>> cells;
    for (const auto& [path, cell] : visible_)
        if (cell->frame().intersects(bounds())) cells.push_back(cell);
    return cells;
}

std::vector<IndexPath> CollectionView::indexPathsForVisibleItems() const {
    std::vector<IndexPath> paths;
    for (const auto& [path, cell] : visible_)
        if (cell->frame().intersects(bounds())) paths.push_back(path);
    return paths;
}

std::shared_ptr<CollectionViewCell> CollectionView::cellForItemAt(const IndexPath& indexPath) const {
    auto it = visible_.find(indexPath);
    return it == visible_.end() ? nullptr : it->second;
}

std::optional<IndexPath> CollectionView::indexPathForCell(const CollectionViewCell& cell) const {
    for (const auto& [path, c] : visible_)
        if (c.get() == &cell) return path;
    return std::nullopt;
}

std::optional<Rect> CollectionView::frameForItemAt(const IndexPath& indexPath) {
    if (!layoutValid_) prepareLayout();
    if (indexPath.section < 0 || indexPath.section >= static_cast<int>(frames_.size())) return std::nullopt;
    const auto& frames = frames_[static_cast<std::size_t>(indexPath.section)];
    if (indexPath.item < 0 || indexPath.item >= static_cast<int>(frames.size())) return std::nullopt;
    return frames[static_cast<std::size_t>(indexPath.item)];
}

std::optional<IndexPath> CollectionView::indexPathForItemAtPoint(Point p) {
    if (!layoutValid_) prepareLayout();
    for (int s = 0; s < static_cast<int>(frames_.size()); ++s)
        for (int i = 0; i < static_cast<int>(frames_[static_cast<std::size_t>(s)].size()); ++i)
            if (frames_[static_cast<std::size_t>(s)][static_cast<std::size_t>(i)].contains(p)) return IndexPath{s, i};
    return std::nullopt;
}

void CollectionView::scrollToItem(const IndexPath& indexPath, ScrollPosition position, bool animated) {
    auto f = frameForItemAt(indexPath);
    if (!f) return;
    Point offset = contentOffset();
    double h = bounds().height();
    auto inset = adjustedContentInset();
    switch (position) {
    case ScrollPosition::top: offset.y = f->minY() - inset.top; break;
    case ScrollPosition::centeredVertically: offset.y = f->midY() - h / 2; break;
    case ScrollPosition::bottom: offset.y = f->maxY() - h + inset.bottom; break;
    }
    Point lo = minimumContentOffset(), hi = maximumContentOffset();
    offset.y = std::clamp(offset.y, lo.y, hi.y);
    setContentOffset(offset, animated);
}

void CollectionView::selectItem(const std::optional<IndexPath>& indexPath) {
    if (selected_) {
        if (auto cell = cellForItemAt(*selected_)) cell->setSelected(false);
    }
    selected_ = indexPath;
    if (selected_) {
        if (auto cell = cellForItemAt(*selected_)) cell->setSelected(true);
    }
}

void CollectionView::tapItem(const IndexPath& indexPath) {
    if (!frameForItemAt(indexPath)) return;
    selectItem(indexPath);
    if (auto delegate = delegate_.lock()) delegate->didSelectItemAt(*this, indexPath);
}

void CollectionView::handleTap(Point location) {
    if (isDecelerating()) return;  // a tap that stops a moving list selects nothing
    if (auto path = indexPathForItemAtPoint(location)) tapItem(*path);
}

} // namespace kit
