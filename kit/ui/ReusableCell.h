#pragma once
// A cell of a list or grid: its subviews sit in a content view, it remembers the identifier it
// is reused under and whether it is selected, and it is told before being handed out again.
#include "kit/ui/View.h"

#include <memory>
#include <string>

namespace kit {

class ReusableCell : public View {
public:
    using View::View;
    // Subviews of a cell go here.
    const std::shared_ptr<View>& contentView();
    const std::string& reuseIdentifier() const { return reuseIdentifier_; }
    bool isSelected() const { return selected_; }
    virtual void setSelected(bool selected) { selected_ = selected; }
    // Called before the cell is handed out again.
    virtual void prepareForReuse() {}
    void layoutSubviews() override;

protected:
    explicit ReusableCell(std::string reuseIdentifier) : reuseIdentifier_(std::move(reuseIdentifier)) {}

private:
    friend class CellScrollView;
    std::shared_ptr<View> contentView_;
    std::string reuseIdentifier_;
    bool selected_ = false;
};

} // namespace kit
