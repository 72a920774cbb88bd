#pragma once
// Base cells of the lists: a subclass builds its subviews by overriding setupViews, which runs once
// on the finished cell. Cells are only ever made in code.
#include "kit/ui/CollectionView.h"
#include "kit/ui/TableView.h"

#include <string>

namespace app {

class BaseCVCell : public kit::CollectionViewCell {
public:
    BaseCVCell() = default;
    explicit BaseCVCell(const kit::Rect& frame) : kit::CollectionViewCell(frame) {}
    void initialize() { setupViews(); }
    virtual void setupViews() {}
};

class BaseTVCell : public kit::TableViewCell {
public:
    BaseTVCell(kit::TableViewCellStyle style, std::string reuseIdentifier)
        : kit::TableViewCell(style, std::move(reuseIdentifier)) {}
};

} // namespace app
