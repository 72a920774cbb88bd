#pragma once
// A scrolling grid of cells laid out by a flow layout (rows filled left to right, justified).
// Cells are registered by reuse identifier, made only for items near the visible area and reused
// as the content scrolls. A tap on an item (no movement, no other recogniser taking it) selects it.
#include "kit/base/Make.h"
#include "kit/ui/CellScrollView.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kit {

class CollectionViewCell : public ReusableCell {
public:
    CollectionViewCell();
    explicit CollectionViewCell(const Rect& frame);
    bool isHighlighted() const { return highlighted_; }
    virtual void setHighlighted(bool highlighted) { highlighted_ = highlighted; }

private:
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

struct FlowLayout {
    Size itemSize{50, 50};
    double minimumLineSpacing = 10;
    double minimumInteritemSpacing = 10;
    EdgeInsets sectionInset;
    ScrollDirection scrollDirection = ScrollDirection::vertical;
};

class CollectionView : public CellScrollView {
public:
    CollectionView();
    explicit CollectionView(const Rect& frame, FlowLayout layout = {});

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

    int numberOfSections();
    int numberOfItemsInSection(int section);
    std::vector<std::shared_ptr<CollectionViewCell>> visibleCells() const { return visibleCellsAs<CollectionViewCell>(); }
    std::vector<IndexPath> indexPathsForVisibleItems() const { return visibleIndexPaths(); }
    std::shared_ptr<CollectionViewCell> cellForItemAt(const IndexPath& indexPath) const;
    std::optional<IndexPath> indexPathForCell(const CollectionViewCell& cell) const { return indexPathOf(cell); }
    std::optional<IndexPath> indexPathForItemAtPoint(Point p) { return itemAtPoint(p); }
    std::optional<Rect> frameForItemAt(const IndexPath& indexPath) { return frameOf(indexPath); }
    void scrollToItem(const IndexPath& indexPath, ScrollPosition position, bool animated);

    std::optional<IndexPath> indexPathForSelectedItem() const { return selection(); }
    void selectItem(const std::optional<IndexPath>& indexPath) { select(indexPath); }
    // As a tap on the item would: selects it and tells the delegate.
    void tapItem(const IndexPath& indexPath) { tap(indexPath); }

protected:
    std::vector<std::vector<Rect>> layoutItems() override;
    double layoutBreadth() const override;
    std::shared_ptr<ReusableCell> makeCell(const IndexPath& indexPath) override;
    void willDisplay(ReusableCell& cell, const IndexPath& indexPath, const Rect& frame) override;
    void didSelect(const IndexPath& indexPath) override;

private:
    FlowLayout layout_;
    std::weak_ptr<CollectionViewDataSource> dataSource_;
    std::weak_ptr<CollectionViewDelegate> delegate_;
};

} // namespace kit
