#include "kit/ui/TableView.h"

#include "kit/ui/TapGesture.h"

#include <algorithm>

namespace kit {
namespace {
constexpr double preloadMargin = 100;
}

TableViewCell::TableViewCell(TableViewCellStyle style, std::string reuseIdentifier)
    : style_(style), reuseIdentifier_(std::move(reuseIdentifier)) {}

const std::shared_ptr<View>& TableViewCell::contentView() {
    if (!contentView_) {
        contentView_ = kit::make<View>(Rect{{0, 0}, bounds().size});
        insertSubview(contentView_, 0);
    }
    return contentView_;
}

void TableViewCell::layoutSubviews() {
    View::layoutSubviews();
    if (contentView_) contentView_->setFrame({{0, 0}, bounds().size});
}

TableView::TableView() = default;
TableView::TableView(const Rect& frame) : ScrollView(frame) {}

void TableView::initialize() {
    ScrollView::initialize();
    setAlwaysBounceVertical(true);
    auto tap = kit::make<TapGesture>([weak = std::weak_ptr<View>(shared_from_this())](GestureRecognizer& g) {
        auto self = std::static_pointer_cast<TableView>(weak.lock());
        if (!self || self->isDecelerating()) return;
        if (auto path = self->indexPathForRowAtPoint(g.locationIn(self.get()))) self->tapRow(*path);
    });
    addGestureRecognizer(tap);
}

void TableView::setDataSource(const std::shared_ptr<TableViewDataSource>& dataSource) {
    dataSource_ = dataSource;
    reloadData();
}

void TableView::setDelegate(const std::shared_ptr<TableViewDelegate>& delegate) {
    delegate_ = delegate;
    reloadData();
}

void TableView::setRowHeight(double height) {
    rowHeight_ = height;
    reloadData();
}

void TableView::setSeparatorStyle(TableViewSeparatorStyle style) {
    separatorStyle_ = style;
    reloadData();
}

void TableView::setSeparatorColor(const Color& color) {
    separatorColor_ = color;
    for (auto& [path, line] : separators_) line->setBackgroundColor(color);
}

void TableView::registerCell(const std::string& reuseIdentifier, CellFactory factory) {
    factories_[reuseIdentifier] = std::move(factory);
}

std::shared_ptr<TableViewCell> TableView::dequeueReusableCell(const std::string& reuseIdentifier) {
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

void TableView::reloadData() {
    for (auto& [path, cell] : visible_) {
        cell->removeFromSuperview();
        if (!cell->reuseIdentifier_.empty()) reusePool_[cell->reuseIdentifier_].push_back(cell);
    }
    visible_.clear();
    for (auto& [path, line] : separators_) line->removeFromSuperview();
    separators_.clear();
    layoutValid_ = false;
    setNeedsLayout();
}

int TableView::numberOfSections() {
    auto source = dataSource_.lock();
    return source ? std::max(0, source->numberOfSections(*this)) : 0;
}

int TableView::numberOfRowsInSection(int section) {
    auto source = dataSource_.lock();
    if (!source || section < 0 || section >= numberOfSections()) return 0;
    return std::max(0, source->numberOfRowsInSection(*this, section));
}

void TableView::prepareLayout() {
    frames_.clear();
    auto delegate = delegate_.lock();
    double width = bounds().width(), y = 0;
    for (int s = 0, n = numberOfSections(); s < n; ++s) {
        std::vector<Rect> rows;
        for (int r = 0, m = numberOfRowsInSection(s); r < m; ++r) {
            double h = rowHeight_;
            if (delegate)
                if (auto v = delegate->heightForRowAt(*this, {s, r})) h = *v;
            rows.push_back({0, y, width, h});
            y += h;
        }
        frames_.push_back(std::move(rows));
    }
    setContentSize({width, y});
    layoutValid_ = true;
    laidOutWidth_ = width;
}

void TableView::layoutSubviews() {
    ScrollView::layoutSubviews();
    if (!layoutValid_ || bounds().width() != laidOutWidth_) {
        prepareLayout();
        for (auto& [path, cell] : visible_)
            if (auto f = rectForRowAt(path)) cell->setFrame(*f);
    }
    updateVisibleCells();
}

void TableView::contentOffsetChanged() { updateVisibleCells(); }

void TableView::updateVisibleCells() {
    if (!layoutValid_) return;
    Rect area = bounds().insetBy(-preloadMargin, -preloadMargin);
    for (auto it = visible_.begin(); it != visible_.end();) {
        auto f = rectForRowAt(it->first);
        if (!f || !f->intersects(area)) {
            it->second->removeFromSuperview();
            if (!it->second->reuseIdentifier_.empty()) reusePool_[it->second->reuseIdentifier_].push_back(it->second);
            if (auto line = separators_.find(it->first); line != separators_.end()) {
                line->second->removeFromSuperview();
                separators_.erase(line);
            }
            it = visible_.erase(it);
        } else {
            ++it;
        }
    }
    auto source = dataSource_.lock();
    if (!source) return;
    for (int s = 0; s < static_cast<int>(frames_.size()); ++s) {
        const auto& rows = frames_[static_cast<std::size_t>(s)];
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            const Rect& f = rows[static_cast<std::size_t>(r)];
            if (!f.intersects(area) || visible_.count({s, r})) continue;
            auto cell = source->cellForRowAt(*this, {s, r});
            if (!cell) continue;
            cell->setFrame(f);
            cell->setSelected(selected_ && *selected_ == IndexPath{s, r});
            visible_[{s, r}] = cell;
            insertSubview(cell, 0);
            cell->layoutIfNeeded();
            if (separatorStyle_ == TableViewSeparatorStyle::singleLine && r + 1 < static_cast<int>(rows.size())) {
                auto line = kit::make<View>(Rect{15, f.maxY() - 0.5, f.width() - 15, 0.5});
                line->setBackgroundColor(separatorColor_);
                line->setUserInteractionEnabled(false);
                separators_[{s, r}] = line;
                addSubview(line);
            }
        }
    }
}

std::shared_ptr<TableViewCell> TableView::cellForRowAt(const IndexPath& indexPath) const {
    auto it = visible_.find(indexPath);
    return it == visible_.end() ? nullptr : it->second;
}

std::vector<std::shared_ptr<TableViewCell>> TableView::visibleCells() const {
    std::vector<std::shared_ptr<TableViewCell>> cells;
    for (const auto& [path, cell] : visible_)
        if (cell->frame().intersects(bounds())) cells.push_back(cell);
    return cells;
}

std::optional<Rect> TableView::rectForRowAt(const IndexPath& indexPath) {
    if (!layoutValid_) prepareLayout();
    if (indexPath.section < 0 || indexPath.section >= static_cast<int>(frames_.size())) return std::nullopt;
    const auto& rows = frames_[static_cast<std::size_t>(indexPath.section)];
    if (indexPath.item < 0 || indexPath.item >= static_cast<int>(rows.size())) return std::nullopt;
    return rows[static_cast<std::size_t>(indexPath.item)];
}

std::optional<IndexPath> TableView::indexPathForRowAtPoint(Point p) {
    if (!layoutValid_) prepareLayout();
    for (int s = 0; s < static_cast<int>(frames_.size()); ++s)
        for (int r = 0; r < static_cast<int>(frames_[static_cast<std::size_t>(s)].size()); ++r)
            if (frames_[static_cast<std::size_t>(s)][static_cast<std::size_t>(r)].contains(p)) return IndexPath{s, r};
    return std::nullopt;
}

void TableView::scrollToRow(const IndexPath& indexPath, ScrollPosition position, bool animated) {
    auto f = rectForRowAt(indexPath);
    if (!f) return;
    Point offset = contentOffset();
    double h = bounds().height();
    switch (position) {
    case ScrollPosition::top: offset.y = f->minY(); break;
    case ScrollPosition::centeredVertically: offset.y = f->midY() - h / 2; break;
    case ScrollPosition::bottom: offset.y = f->maxY() - h; break;
    }
    Point lo = minimumContentOffset(), hi = maximumContentOffset();
    offset.y = std::clamp(offset.y, lo.y, hi.y);
    setContentOffset(offset, animated);
}

void TableView::selectRow(const std::optional<IndexPath>& indexPath) {
    if (selected_)
        if (auto cell = cellForRowAt(*selected_)) cell->setSelected(false);
    selected_ = indexPath;
    if (selected_)
        if (auto cell = cellForRowAt(*selected_)) cell->setSelected(true);
}

void TableView::tapRow(const IndexPath& indexPath) {
    if (!rectForRowAt(indexPath)) return;
    selectRow(indexPath);
    if (auto delegate = delegate_.lock()) delegate->didSelectRowAt(*this, indexPath);
}

} // namespace kit
