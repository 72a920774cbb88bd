#pragma once
// A menu tile: a button whose painted background is drawn for its exact size, so that drawing a
// frame copies pixels instead of rescaling a large picture.
#include "kit/ui/Button.h"

#include <string>

namespace app {

class MenuTile : public kit::Button {
public:
    explicit MenuTile(std::string backgroundAsset);
    void initialize();
    const std::string& backgroundAsset() const { return asset_; }
    void layoutSubviews() override;

private:
    std::string asset_;
    kit::Size rendered_;
    double renderedScale_ = 0;
};

} // namespace app
