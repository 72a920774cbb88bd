#include "charting/core/NSUIShims.h"

#include "kit/ui/Device.h"
#include "kit/ui/PinchGesture.h"
#include "kit/ui/RotationGesture.h"
#include "kit/ui/ScrollView.h"
#include "kit/ui/TapGesture.h"
#include "kit/ui/View.h"

namespace charting {

int nsuiNumberOfTapsRequired(const kit::TapGesture& gesture) { return gesture.numberOfTapsRequired(); }
void nsuiSetNumberOfTapsRequired(kit::TapGesture& gesture, int taps) { gesture.setNumberOfTapsRequired(taps); }
std::size_t nsuiNumberOfTouches(const kit::GestureRecognizer& gesture) { return gesture.numberOfTouches(); }
kit::Point nsuiLocationOfTouch(const kit::GestureRecognizer& gesture, std::size_t touch, const kit::View* view) {
    return gesture.locationOfTouch(touch, view);
}
double nsuiRotation(const kit::RotationGesture& gesture) { return gesture.rotation(); }
void nsuiSetRotation(kit::RotationGesture& gesture, double rotation) { gesture.setRotation(rotation); }
double nsuiScale(const kit::PinchGesture& gesture) { return gesture.scale(); }
void nsuiSetScale(kit::PinchGesture& gesture, double scale) { gesture.setScale(scale); }
const std::vector<std::shared_ptr<kit::GestureRecognizer>>& nsuiGestureRecognizers(const kit::View& view) {
    return view.gestureRecognizers();
}
bool nsuiIsScrollEnabled(const kit::ScrollView& view) { return view.isScrollEnabled(); }
void nsuiSetScrollEnabled(kit::ScrollView& view, bool enabled) { view.setScrollEnabled(enabled); }
double nsuiScreenScale() { return kit::Screen::scale(); }

} // namespace charting
