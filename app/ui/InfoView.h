#pragma once
// The help overlay of the tool screens: a rounded dark panel hanging under the screen's top bar,
// with a formatted title and body and a "CLOSE" caption; a tap anywhere on the screen closes it.
#include "kit/base/Geometry.h"
#include "kit/graphics/Text.h"

#include <memory>
#include <optional>
#include <string>

namespace kit {
class Label;
class TapGesture;
class View;
} // namespace kit

namespace app {

class InfoViewDelegate {
public:
    virtual ~InfoViewDelegate() = default;
    virtual void infoViewDidClose() = 0;
};

class InfoView : public std::enable_shared_from_this<InfoView> {
public:
    InfoView(std::shared_ptr<kit::View> view, std::shared_ptr<kit::View> topView, std::optional<std::string> text,
             std::optional<kit::AttributedString> attributedText, bool fromSwatch, double topPadding);
    void initialize();

    std::weak_ptr<InfoViewDelegate> infoViewDelegate;

    void toggleInfo();
    void showInfo();
    void closeInfo();

    bool isInfoShown() const { return isInfoShown_; }
    bool fromSwatch() const { return fromSwatch_; }
    const std::shared_ptr<kit::View>& infoView() const { return infoView_; }
    const std::shared_ptr<kit::Label>& infoLbl() const { return infoLbl_; }
    const std::shared_ptr<kit::Label>& infoCloseLbl() const { return infoCloseLbl_; }
    const std::shared_ptr<kit::TapGesture>& tap() const { return tap_; }

private:
    std::weak_ptr<kit::View> view_;
    std::weak_ptr<kit::View> topView_;
    std::shared_ptr<kit::TapGesture> tap_;
    std::optional<std::string> text_;
    std::optional<kit::AttributedString> attributedText_;
    bool fromSwatch_;
    bool isInfoShown_ = false;
    double topPadding_;
    std::shared_ptr<kit::View> infoView_;
    std::shared_ptr<kit::Label> infoLbl_;
    std::shared_ptr<kit::Label> infoCloseLbl_;
};

// Title (24 bold, centred, preceded by a line break when asked) and body (17 semibold), white.
kit::AttributedString makeInfoAttributedText(const std::string& title, const std::string& body, bool leadingNewline);

} // namespace app
