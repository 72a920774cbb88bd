#pragma once
// A scrolling grid of cells laid out by a flow layout (rows filled left to right, justified).
// Cells are registered by reuse identifier, made only for items near the visible area and reused
// as the content scrolls. A tap on an item (no movement, no other recogniser taking it) selects it.
#include "kit/base/Make.h"
#include "kit/ui/ScrollView.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kit {

struct IndexPath {
    int section = 0;
    int item = 0;
    int row() const { return item; }
    static IndexPath forItem(int item, int section) { return {section, item}; }
    static IndexPath forRow(int row, int section) { return {section, row}; }
    friend bool operator==(const IndexPath&, const IndexPath&) = default;
    friend auto operator<=>(const IndexPath&, const IndexPath&) = default;
};

class CollectionViewCell : public View {
public:
    CollectionViewCell();
    explicit CollectionViewCell(const Rect& frame);
    // Subviews of a cell go here.
    const std::shared_ptr<View>& contentView();
    const std::string& reuseIdentifier() const { return reuseIdentifier_; }
    bool isSelected() const { return selected_; }
    virtual void setSelected(bool selected) { selected_ = selected; }
    bool isHighlighted() const { return highlighted_; }
    virtual void setHighlighted(bool highlighted) { highlighted_ = highlighted; }
    // Called before the cell is handed out again.
    virtual void prepareForReuse() {}
    void layoutSubviews() override;

private:
    friend class CollectionView;
    std::shared_ptr<View> contentView_;
    std::string reuseIdentifier_;
    bool selected_ = false;
    bool highlighted_ = false;
};

class CollectionView;

class CollectionViewDataSource {
public:
    virtual ~CollectionViewDataSource() = default;
    virtual int numberOfSections(CollectionView&) { return 1; }
    virtual int numberOfItemsInSection(CollectionView& view, int section) = 0;
    virtual std::shared_ptr<CollectionViewCell> cellForItemAt(CollectionView& view, const IndexPath& indexPath) = 0;
};

class CollectionViewDelegate {
public:
    virtual ~CollectionViewDelegate() = default;
    virtual void didSelectItemAt(CollectionView&, const IndexPath&) {}
    virtual void willDisplayCell(CollectionView&, CollectionViewCell&, const IndexPath&) {}
    // Flow-layout questions; none answers means the layout's own values.
    virtual std::optional<Size> sizeForItemAt(CollectionView&, const IndexPath&) { return std::nullopt; }
    virtual std::optional<EdgeInsets> insetForSection(CollectionView&, int) { return std::nullopt; }
    virtual std::optional<double> minimumLineSpacingForSection(CollectionView&, int) { return std::nullopt; }
    virtual std::optional<double> minimumInteritemSpacingForSection(CollectionView&, int) { return std::nullopt; }
    virtual void scrollViewDidScroll(CollectionView&) {}
};

enum class ScrollDirection { vertical, horizontal };
enum class ScrollPosition { top, centeredVertically, bottom };

struct FlowLayout {
    Size itemSize{50, 50};
    double minimumLineSpacing = 10;
    double minimumInteritemSpacing = 10;
    EdgeInsets sectionInset;
    ScrollDirection scrollDirection = ScrollDirection::vertical;
};

class CollectionView : public ScrollView {
public:
    CollectionView();
    explicit CollectionView(const Rect& frame, FlowLayout layout = {});
    void initialize();

    FlowLayout& flowLayout() { return layout_; }
    void setFlowLayout(const FlowLayout& layout);

    // Both are held weakly: screens own their collection views.
    void setDataSource(const std::shared_ptr<CollectionViewDataSource>& dataSource);
    void setDelegate(const std::shared_ptr<CollectionViewDelegate>& delegate);

    using CellFactory = std::function<std::shared_ptr<CollectionViewCell>()>;
    void registerCell(const std::string& reuseIdentifier, CellFactory factory);
    template <class Cell> void registerCellClass(const std::string& reuseIdentifier) {
        registerCell(reuseIdentifier, [] { return kit::make<Cell>(); });
    }
    // A reused or new cell of that identifier; an unregistered identifier is a programming error.
    std::shared_ptr<CollectionViewCell> dequeueReusableCell(const std::string& reuseIdentifier, const IndexPath& indexPath);

    void reloadData();
    int numberOfSections();
    int numberOfItemsInSection(int section);
    std::vector<std::shared_ptr<CollectionViewCell>> visibleCells() const;
    std::vector<IndexPath> indexPathsForVisibleItems() const;
    std::shared_ptr<CollectionViewCell> cellForItemAt(const IndexPath& indexPath) const;
    std::optional<IndexPath> indexPathForCell(const CollectionViewCell& cell) const;
    std::optional<IndexPath> indexPathForItemAtPoint(Point p);
    std::optional<Rect> frameForItemAt(const IndexPath& indexPath);
    void scrollToItem(const IndexPath& indexPath, ScrollPosition position, bool animated);

    std::optional<IndexPath> indexPathForSelectedItem() const { return selected_; }
    void selectItem(const std::optional<IndexPath>& indexPath);
    // As a tap on the item would: selects it and tells the delegate.
    void tapItem(const IndexPath& indexPath);

    void layoutSubviews() override;

protected:
    void contentOffsetChanged() override;

private:
    void prepareLayout();
    void updateVisibleCells();
    void handleTap(Point location);

    FlowLayout layout_;
    std::weak_ptr<CollectionViewDataSource> dataSource_;
    std::weak_ptr<CollectionViewDelegate> delegate_;
    std::map<std::string, CellFactory> factories_;
    std::map<std::string, std::vector<std::shared_ptr<CollectionViewCell>>> reusePool_;
    std::map<IndexPath, std::shared_ptr<CollectionViewCell>> visible_;
    std::vector<std::vector<Rect>> frames_;  // per section, per item
    bool layoutValid_ = false;
    double laidOutWidth_ = -1;
    std::optional<IndexPath> selected_;
};

} // namespace kit
