#pragma once
// The one toast of the app: a rounded dark panel of white text on the key window, near its bottom
// (or at its top, below the top bar's buttons), gone after 1.5 seconds. The panel is 70 points
// tall, taller when the text needs more lines. A new toast replaces the one showing and starts its
// own 1.5 s.
#include <memory>
#include <string>

namespace kit {
class Label;
class Timer;
class View;
} // namespace kit

namespace app {

class Toast {
public:
    static Toast& shared();
    // Makes Alerts::showToast draw through this toast.
    static void install();

    void show(const std::string& text, bool atTop);

    const std::shared_ptr<kit::View>& bg() const { return bg_; }
    const std::shared_ptr<kit::Label>& lbl() const { return lbl_; }
    bool isShowing() const;

private:
    Toast();
    std::shared_ptr<kit::View> bg_;
    std::shared_ptr<kit::Label> lbl_;
    std::shared_ptr<kit::Timer> t_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

} // namespace app
