#pragma once
// The toast entry point. The overlay itself is drawn by a presenter that the view layer installs;
// the last text shown is kept so that callers' feedback can be checked.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace app {

class Alerts {
public:
    static Alerts& shared();

    // Bottom of the key window by default, or its top.
    void showToast(const std::string& text, bool atTop = false);

    using Presenter = std::function<void(const std::string& text, bool atTop)>;
    void setPresenter(Presenter presenter) { presenter_ = std::move(presenter); }

    const std::optional<std::string>& lastToastText() const { return lastText_; }
    bool lastToastAtTop() const { return lastAtTop_; }
    std::size_t toastCount() const { return count_; }
    void resetRecord();

private:
    Presenter presenter_;
    std::optional<std::string> lastText_;
    bool lastAtTop_ = false;
    std::size_t count_ = 0;
};

} // namespace app
