#pragma once
// A scrolling list of full-width rows in sections, with single-line separators between rows.
#include "kit/ui/CollectionView.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kit {

enum class TableViewCellStyle { defaultStyle, value1, value2, subtitle };

class TableViewCell : public View {
public:
    explicit TableViewCell(TableViewCellStyle style = TableViewCellStyle::defaultStyle, std::string reuseIdentifier = {});
    const std::shared_ptr<View>& contentView();
    const std::string& reuseIdentifier() const { return reuseIdentifier_; }
    TableViewCellStyle style() const { return style_; }
    bool isSelected() const { return selected_; }
    virtual void setSelected(bool selected) { selected_ = selected; }
    virtual void prepareForReuse() {}
    void layoutSubviews() override;

private:
    friend class TableView;
    TableViewCellStyle style_;
    std::string reuseIdentifier_;
    std::shared_ptr<View> contentView_;
    bool selected_ = false;
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

class TableView : public ScrollView {
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
    std::shared_ptr<TableViewCell> dequeueReusableCell(const std::string& reuseIdentifier);

    void reloadData();
    int numberOfSections();
    int numberOfRowsInSection(int section);
    std::shared_ptr<TableViewCell> cellForRowAt(const IndexPath& indexPath) const;
    std::vector<std::shared_ptr<TableViewCell>> visibleCells() const;
    std::optional<IndexPath> indexPathForRowAtPoint(Point p);
    std::optional<Rect> rectForRowAt(const IndexPath& indexPath);
    void scrollToRow(const IndexPath& indexPath, ScrollPosition position, bool animated);
    std::optional<IndexPath> indexPathForSelectedRow() const { return selected_; }
    void selectRow(const std::optional<IndexPath>& indexPath);
    // As a tap on the row would.
    void tapRow(const IndexPath& indexPath);

    void layoutSubviews() override;

protected:
    void contentOffsetChanged() override;

private:
    void prepareLayout();
    void updateVisibleCells();

    std::weak_ptr<TableViewDataSource> dataSource_;
    std::weak_ptr<TableViewDelegate> delegate_;
    double rowHeight_ = 44;
    TableViewSeparatorStyle separatorStyle_ = TableViewSeparatorStyle::singleLine;
    Color separatorColor_ = Color::gray(0.5, 0.5);
    std::map<std::string, CellFactory> factories_;
    std::map<std::string, std::vector<std::shared_ptr<TableViewCell>>> reusePool_;
    std::map<IndexPath, std::shared_ptr<TableViewCell>> visible_;
    std::map<IndexPath, std::shared_ptr<View>> separators_;
    std::vector<std::vector<Rect>> frames_;
    bool layoutValid_ = false;
    double laidOutWidth_ = -1;
    std::optional<IndexPath> selected_;
};

} // namespace kit
