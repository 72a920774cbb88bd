#include "app/ui/Alerts.h"

namespace app {

Alerts& Alerts::shared() {
    static Alerts alerts;
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
