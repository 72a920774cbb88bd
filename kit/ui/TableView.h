#pragma once
// A scrolling list of full-width rows in sections, with single-line separators between rows.
#include "kit/ui/CellScrollView.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kit {

enum class TableViewCellStyle { defaultStyle, value1, value2, subtitle };

class TableViewCell : public ReusableCell {
public:
    explicit TableViewCell(TableViewCellStyle style = TableViewCellStyle::defaultStyle, std::string reuseIdentifier = {});
    TableViewCellStyle style() const { return style_; }

private:
    TableViewCellStyle style_;
};

class TableView;

class TableViewDataSource {
public:
    virtual ~TableViewDataSource() = default;
    virtual int numberOfSections(TableView&) { return 1; }
    virtual int numberOfRowsInSection(TableView& view, int section) = 0;
    virtual std::shared_ptr<TableViewCell> cellForRowAt(TableView& view, const IndexPath& indexPath) = 0;
};

class TableViewDelegate {
public:
    virtual ~TableViewDelegate() = default;
    virtual void didSelectRowAt(TableView&, const IndexPath&) {}
    virtual std::optional<double> heightForRowAt(TableView&, const IndexPath&) { return std::nullopt; }
};

enum class TableViewSeparatorStyle { none, singleLine };

class TableView : public CellScrollView {
public:
    TableView();
    explicit TableView(const Rect& frame);
    void initialize();

    void setDataSource(const std::shared_ptr<TableViewDataSource>& dataSource);
    void setDelegate(const std::shared_ptr<TableViewDelegate>& delegate);
    double rowHeight() const { return rowHeight_; }
    void setRowHeight(double height);
    TableViewSeparatorStyle separatorStyle() const { return separatorStyle_; }
    void setSeparatorStyle(TableViewSeparatorStyle style);
    Color separatorColor() const { return separatorColor_; }
    void setSeparatorColor(const Color& color);

    using CellFactory = std::function<std::shared_ptr<TableViewCell>()>;
    void registerCell(const std::string& reuseIdentifier, CellFactory factory);
    // A reused cell of that identifier, else a new one from its factory, else none.
    std::shared_ptr<TableViewCell> dequeueReusableCell(const std::string& reuseIdentifier) {
        return std::static_pointer_cast<TableViewCell>(reuseOrMake(reuseIdentifier));
    }

    int numberOfSections();
    int numberOfRowsInSection(int section);
    std::shared_ptr<TableViewCell> cellForRowAt(const IndexPath& indexPath) const {
        return std::static_pointer_cast<TableViewCell>(visibleCell(indexPath));
    }
    std::vector<std::shared_ptr<TableViewCell>> visibleCells() const { return visibleCellsAs<TableViewCell>(); }
    std::optional<IndexPath> indexPathForRowAtPoint(Point p) { return itemAtPoint(p); }
    std::optional<Rect> rectForRowAt(const IndexPath& indexPath) { return frameOf(indexPath); }
    void scrollToRow(const IndexPath& indexPath, ScrollPosition position, bool animated);
    std::optional<IndexPath> indexPathForSelectedRow() const { return selection(); }
    void selectRow(const std::optional<IndexPath>& indexPath) { select(indexPath); }
    // As a tap on the row would.
    void tapRow(const IndexPath& indexPath) { tap(indexPath); }

protected:
    std::vector<std::vector<Rect>> layoutItems() override;
    double layoutBreadth() const override { return bounds().width(); }
    std::shared_ptr<ReusableCell> makeCell(const IndexPath& indexPath) override;
    // A row other than the last of its section gets a separator line along its bottom.
    void willDisplay(ReusableCell& cell, const IndexPath& indexPath, const Rect& frame) override;
    void didEndDisplaying(const IndexPath& indexPath) override;
    void didSelect(const IndexPath& indexPath) override;

private:
    std::weak_ptr<TableViewDataSource> dataSource_;
    std::weak_ptr<TableViewDelegate> delegate_;
    double rowHeight_ = 44;
    TableViewSeparatorStyle separatorStyle_ = TableViewSeparatorStyle::singleLine;
    Color separatorColor_ = Color::gray(0.5, 0.5);
    std::map<IndexPath, std::shared_ptr<View>> separators_;
};

} // namespace kit
