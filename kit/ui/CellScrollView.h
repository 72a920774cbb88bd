#pragma once
// What a grid and a list of cells share: items at frames laid out per section, cells made only
// for items near the visible area and reused by identifier as the content scrolls, one selected
// item, and a tap on an item (no movement, no other recogniser taking it) that selects it.
// Subclasses lay the items out, ask their data source for cells and tell their delegate.
#include "kit/ui/FocusRing.h"
#include "kit/ui/ReusableCell.h"
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

enum class ScrollPosition { top, centeredVertically, bottom };

class CellScrollView : public ScrollView {
public:
    using ScrollView::ScrollView;
    void initialize();

    void reloadData();
    void layoutSubviews() override;

    // The keyboard, while the list or grid has the focus ring. An arrow key selects the next item
    // that way (left and right: the one before or after; up and down: the nearest in the row above
    // or below; the first item when none is selected) and brings it into view, telling the delegate
    // nothing, and false when there is none that way. Return taps the selected item.
    bool moveSelectionByKey(ArrowKey key);
    bool activateSelection();
    // While the list has the focus, its selected item shows the focus ring.
    void setShowsSelectionRing(bool shows);

protected:
    // The frames of the items, per section, for the current bounds; sets the content size.
    virtual std::vector<std::vector<Rect>> layoutItems() = 0;
    // The length across the scrolling axis: when it changes, the items are laid out again.
    virtual double layoutBreadth() const = 0;
    // The data source's cell for an item, if there is a data source.
    virtual std::shared_ptr<ReusableCell> makeCell(const IndexPath& indexPath) = 0;
    // A new cell at its frame, just before it is shown; and an item whose cell went away.
    virtual void willDisplay(ReusableCell& cell, const IndexPath& indexPath, const Rect& frame) {
        (void)cell, (void)indexPath, (void)frame;
    }
    virtual void didEndDisplaying(const IndexPath& indexPath) { (void)indexPath; }
    // Tells the delegate that a tap selected the item.
    virtual void didSelect(const IndexPath& indexPath) = 0;

    using Factory = std::function<std::shared_ptr<ReusableCell>()>;
    void registerFactory(const std::string& reuseIdentifier, Factory factory);
    // A pooled cell of that identifier (prepared for reuse), else a new one from its factory, else none.
    std::shared_ptr<ReusableCell> reuseOrMake(const std::string& reuseIdentifier);

    void invalidateLayout();
    std::optional<Rect> frameOf(const IndexPath& indexPath);
    std::optional<IndexPath> itemAtPoint(Point p);
    int laidOutItemsInSection(int section) const;
    // Offsets the content so the frame sits at the position, within `margins` at top and bottom.
    void scrollToFrame(const Rect& frame, ScrollPosition position, const EdgeInsets& margins, bool animated);

    std::shared_ptr<ReusableCell> visibleCell(const IndexPath& indexPath) const;
    template <class Cell> std::vector<std::shared_ptr<Cell>> visibleCellsAs() const {
        std::vector<std::shared_ptr<Cell>> cells;
        for (const auto& [path, cell] : visible_)
            if (cell->frame().intersects(bounds())) cells.push_back(std::static_pointer_cast<Cell>(cell));
        return cells;
    }
    std::vector<IndexPath> visibleIndexPaths() const;
    std::optional<IndexPath> indexPathOf(const ReusableCell& cell) const;

    std::optional<IndexPath> selection() const { return selected_; }
    void select(const std::optional<IndexPath>& indexPath);
    // As a tap on the item would: selects it and tells the delegate.
    void tap(const IndexPath& indexPath);

    void contentOffsetChanged() override;

private:
    void prepareLayout();
    void updateVisibleCells();
    void recycle(const IndexPath& indexPath, const std::shared_ptr<ReusableCell>& cell);
    void placeSelectionRing();
    std::vector<IndexPath> allItems();

    std::map<std::string, Factory> factories_;
    std::map<std::string, std::vector<std::shared_ptr<ReusableCell>>> reusePool_;
    std::map<IndexPath, std::shared_ptr<ReusableCell>> visible_;
    std::vector<std::vector<Rect>> frames_; // per section, per item
    bool layoutValid_ = false;
    double laidOutBreadth_ = -1;
    std::optional<IndexPath> selected_;
    bool showsSelectionRing_ = false;
    FocusRing selectionRing_;
};

} // namespace kit
