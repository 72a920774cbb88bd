#include "app/ui/Alerts.h"

#include "kit/ui/ActivitySheet.h"

namespace app {

Alerts& Alerts::shared() {
    static Alerts alerts;
    // A file saved through the share sheet is reported in a toast that names where it went.
    static const bool sheetNotices = [] {
        kit::ActivitySheet::setNoticePresenter([](const std::string& text) { alerts.showToast(text, true); });
        return true;
    }();
    (void)sheetNotices;
    return alerts;
}

void Alerts::showToast(const std::string& text, bool atTop) {
    lastText_ = text;
    lastAtTop_ = atTop;
    ++count_;
    if (presenter_) presenter_(text, atTop);
}

void Alerts::resetRecord() {
    lastText_.reset();
    lastAtTop_ = false;
    count_ = 0;
}

} // namespace app
