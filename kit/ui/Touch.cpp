#include "kit/ui/Touch.h"

#include "kit/ui/View.h"

namespace kit {

Touch::Touch(int identifier, Point windowLocation, double timestamp, std::shared_ptr<View> view, int tapCount)
    : identifier_(identifier), timestamp_(timestamp), tapCount_(tapCount), location_(windowLocation),
      previous_(windowLocation), view_(std::move(view)) {}

Point Touch::locationIn(const View* view) const {
    return view ? view->convertPointFrom(location_, nullptr) : location_;
}

Point Touch::previousLocationIn(const View* view) const {
    return view ? view->convertPointFrom(previous_, nullptr) : previous_;
}

TouchSet Event::touchesFor(const View* view) const {
    TouchSet out;
    for (auto& t : all_)
        if (t->view().get() == view) out.push_back(t);
    return out;
}

} // namespace kit
