#include "kit/ui/CellScrollView.h"

#include "kit/base/Make.h"
#include "kit/ui/TapGesture.h"

#include <algorithm>
#include <cmath>

namespace kit {
namespace {

// Cells are made a little beyond the visible area, so a short scroll finds them ready.
constexpr double preloadMargin = 100;

} // namespace

void CellScrollView::initialize() {
    ScrollView::initialize();
    auto tap = kit::make<TapGesture>([weak = std::weak_ptr<View>(shared_from_this())](GestureRecognizer& g) {
        auto self = std::static_pointer_cast<CellScrollView>(weak.lock());
        if (!self || self->isDecelerating()) return; // a tap that stops a moving list selects nothing
        if (auto path = self->itemAtPoint(g.locationIn(self.get()))) self->tap(*path);
    });
    addGestureRecognizer(tap);
}

void CellScrollView::registerFactory(const std::string& reuseIdentifier, Factory factory) {
    factories_[reuseIdentifier] = std::move(factory);
}

std::shared_ptr<ReusableCell> CellScrollView::reuseOrMake(const std::string& reuseIdentifier) {
    auto& pool = reusePool_[reuseIdentifier];
    if (!pool.empty()) {
        auto cell = pool.back();
        pool.pop_back();
        cell->prepareForReuse();
        return cell;
    }
    auto it = factories_.find(reuseIdentifier);
    if (it == factories_.end()) return nullptr;
    auto cell = it->second();
    if (cell) cell->reuseIdentifier_ = reuseIdentifier;
    return cell;
}

void CellScrollView::recycle(const IndexPath& indexPath, const std::shared_ptr<ReusableCell>& cell) {
    if (selectionRing_.view() == cell) selectionRing_.clear();  // before the cell shows another item
    cell->removeFromSuperview();
    if (!cell->reuseIdentifier_.empty()) reusePool_[cell->reuseIdentifier_].push_back(cell);
    didEndDisplaying(indexPath);
}

void CellScrollView::reloadData() {
    for (auto& [path, cell] : visible_) recycle(path, cell);
    visible_.clear();
    invalidateLayout();
}

void CellScrollView::invalidateLayout() {
    layoutValid_ = false;
    setNeedsLayout();
}

void CellScrollView::prepareLayout() {
    frames_ = layoutItems();
    layoutValid_ = true;
    laidOutBreadth_ = layoutBreadth();
}

void CellScrollView::layoutSubviews() {
    ScrollView::layoutSubviews();
    if (!layoutValid_ || layoutBreadth() != laidOutBreadth_) {
        // A new width (rotation, split screen) lays the items out again; cells move to new frames.
        prepareLayout();
        for (auto& [path, cell] : visible_)
            if (auto f = frameOf(path)) cell->setFrame(*f);
    }
    updateVisibleCells();
}

void CellScrollView::contentOffsetChanged() { updateVisibleCells(); }

void CellScrollView::updateVisibleCells() {
    if (!layoutValid_) return;
    const Rect area = bounds().insetBy(-preloadMargin, -preloadMargin);
    // Cells scrolled out go back to the pool.
    for (auto it = visible_.begin(); it != visible_.end();) {
        auto f = frameOf(it->first);
        if (!f || !f->intersects(area)) {
            recycle(it->first, it->second);
            it = visible_.erase(it);
        } else {
            ++it;
        }
    }
    for (int s = 0; s < static_cast<int>(frames_.size()); ++s) {
        const auto& frames = frames_[static_cast<std::size_t>(s)];
        for (int i = 0; i < static_cast<int>(frames.size()); ++i) {
            const Rect& f = frames[static_cast<std::size_t>(i)];
            const IndexPath path{s, i};
            if (!f.intersects(area) || visible_.count(path)) continue;
            auto cell = makeCell(path);
            if (!cell) continue;
            cell->setFrame(f);
            cell->setSelected(selected_ && *selected_ == path);
            visible_[path] = cell;
            willDisplay(*cell, path, f);
            insertSubview(cell, 0);
            cell->layoutIfNeeded();
        }
    }
    placeSelectionRing();
}

std::shared_ptr<ReusableCell> CellScrollView::visibleCell(const IndexPath& indexPath) const {
    auto it = visible_.find(indexPath);
    return it == visible_.end() ? nullptr : it->second;
}

std::vector<IndexPath> CellScrollView::visibleIndexPaths() const {
    std::vector<IndexPath> paths;
    for (const auto& [path, cell] : visible_)
        if (cell->frame().intersects(bounds())) paths.push_back(path);
    return paths;
}

std::optional<IndexPath> CellScrollView::indexPathOf(const ReusableCell& cell) const {
    for (const auto& [path, c] : visible_)
        if (c.get() == &cell) return path;
    return std::nullopt;
}

std::optional<Rect> CellScrollView::frameOf(const IndexPath& indexPath) {
    if (!layoutValid_) prepareLayout();
    if (indexPath.section < 0 || indexPath.section >= static_cast<int>(frames_.size())) return std::nullopt;
    const auto& frames = frames_[static_cast<std::size_t>(indexPath.section)];
    if (indexPath.item < 0 || indexPath.item >= static_cast<int>(frames.size())) return std::nullopt;
    return frames[static_cast<std::size_t>(indexPath.item)];
}

int CellScrollView::laidOutItemsInSection(int section) const {
    if (section < 0 || section >= static_cast<int>(frames_.size())) return 0;
    return static_cast<int>(frames_[static_cast<std::size_t>(section)].size());
}

std::optional<IndexPath> CellScrollView::itemAtPoint(Point p) {
    if (!layoutValid_) prepareLayout();
    for (int s = 0; s < static_cast<int>(frames_.size()); ++s)
        for (int i = 0; i < static_cast<int>(frames_[static_cast<std::size_t>(s)].size()); ++i)
            if (frames_[static_cast<std::size_t>(s)][static_cast<std::size_t>(i)].contains(p)) return IndexPath{s, i};
    return std::nullopt;
}

void CellScrollView::scrollToFrame(const Rect& f, ScrollPosition position, const EdgeInsets& margins, bool animated) {
    Point offset = contentOffset();
    const double h = bounds().height();
    switch (position) {
    case ScrollPosition::top: offset.y = f.minY() - margins.top; break;
    case ScrollPosition::centeredVertically: offset.y = f.midY() - h / 2; break;
    case ScrollPosition::bottom: offset.y = f.maxY() - h + margins.bottom; break;
    }
    const Point lo = minimumContentOffset(), hi = maximumContentOffset();
    offset.y = std::clamp(offset.y, lo.y, hi.y);
    setContentOffset(offset, animated);
}

void CellScrollView::select(const std::optional<IndexPath>& indexPath) {
    if (selected_)
        if (auto cell = visibleCell(*selected_)) cell->setSelected(false);
    selected_ = indexPath;
    if (selected_)
        if (auto cell = visibleCell(*selected_)) cell->setSelected(true);
    placeSelectionRing();
}

void CellScrollView::placeSelectionRing() {
    selectionRing_.show(showsSelectionRing_ && selected_ ? visibleCell(*selected_) : nullptr);
}

void CellScrollView::setShowsSelectionRing(bool shows) {
    showsSelectionRing_ = shows;
    placeSelectionRing();
}

std::vector<IndexPath> CellScrollView::allItems() {
    if (!layoutValid_) prepareLayout();
    std::vector<IndexPath> items;
    for (int s = 0; s < static_cast<int>(frames_.size()); ++s)
        for (int i = 0; i < static_cast<int>(frames_[static_cast<std::size_t>(s)].size()); ++i) items.push_back({s, i});
    return items;
}

bool CellScrollView::moveSelectionByKey(ArrowKey key) {
    const auto items = allItems();
    if (items.empty()) return false;
    std::optional<IndexPath> next;
    auto current = selected_ ? std::find(items.begin(), items.end(), *selected_) : items.end();
    if (current == items.end()) {
        next = items.front();
    } else if (key == ArrowKey::left || key == ArrowKey::right) {
        if (key == ArrowKey::left && current != items.begin()) next = *(current - 1);
        if (key == ArrowKey::right && current + 1 != items.end()) next = *(current + 1);
    } else {
        // The nearest row that way, and in it the item nearest across.
        const Rect from = *frameOf(*current);
        const bool down = key == ArrowKey::down;
        double bestRow = 0, bestAcross = 0;
        for (const auto& item : items) {
            const Rect f = *frameOf(item);
            const double row = down ? f.minY() - from.minY() : from.minY() - f.minY();
            if (row < 0.5) continue;
            const double across = std::abs(f.midX() - from.midX());
            if (!next || row < bestRow - 0.5 || (row < bestRow + 0.5 && across < bestAcross)) {
                next = item;
                bestRow = row;
                bestAcross = across;
            }
        }
    }
    if (!next) return false;
    select(next);
    scrollRectToVisible(*frameOf(*next));
    return true;
}

bool CellScrollView::activateSelection() {
    if (!selected_ || !frameOf(*selected_)) return false;
    tap(*selected_);
    return true;
}

void CellScrollView::tap(const IndexPath& indexPath) {
    if (!frameOf(indexPath)) return;
    select(indexPath);
    didSelect(indexPath);
}

} // namespace kit
