#include "kit/ui/TableView.h"

#include "kit/base/Make.h"

#include <algorithm>

namespace kit {

TableViewCell::TableViewCell(TableViewCellStyle style, std::string reuseIdentifier)
    : ReusableCell(std::move(reuseIdentifier)), style_(style) {}

TableView::TableView() = default;
TableView::TableView(const Rect& frame) : CellScrollView(frame) {}

void TableView::initialize() {
    CellScrollView::initialize();
    setAlwaysBounceVertical(true);
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
    registerFactory(reuseIdentifier, std::move(factory));
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

std::vector<std::vector<Rect>> TableView::layoutItems() {
    std::vector<std::vector<Rect>> laidOut;
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
        laidOut.push_back(std::move(rows));
    }
    setContentSize({width, y});
    return laidOut;
}

std::shared_ptr<ReusableCell> TableView::makeCell(const IndexPath& indexPath) {
    auto source = dataSource_.lock();
    return source ? source->cellForRowAt(*this, indexPath) : nullptr;
}

void TableView::willDisplay(ReusableCell&, const IndexPath& indexPath, const Rect& f) {
    if (separatorStyle_ != TableViewSeparatorStyle::singleLine || indexPath.row() + 1 >= laidOutItemsInSection(indexPath.section))
        return;
    auto line = kit::make<View>(Rect{15, f.maxY() - 0.5, f.width() - 15, 0.5});
    line->setBackgroundColor(separatorColor_);
    line->setUserInteractionEnabled(false);
    separators_[indexPath] = line;
    addSubview(line);
}

void TableView::didEndDisplaying(const IndexPath& indexPath) {
    if (auto line = separators_.find(indexPath); line != separators_.end()) {
        line->second->removeFromSuperview();
        separators_.erase(line);
    }
}

void TableView::didSelect(const IndexPath& indexPath) {
    if (auto delegate = delegate_.lock()) delegate->didSelectRowAt(*this, indexPath);
}

void TableView::scrollToRow(const IndexPath& indexPath, ScrollPosition position, bool animated) {
    if (auto f = rectForRowAt(indexPath)) scrollToFrame(*f, position, {}, animated);
}

} // namespace kit
