#pragma once
// The small accessors the chart code reaches the toolkit's recognisers, views and screen through.
#include "kit/base/Geometry.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace kit {
class GestureRecognizer;
class TapGesture;
class PinchGesture;
class RotationGesture;
class ScrollView;
class View;
} // namespace kit

namespace charting {

int nsuiNumberOfTapsRequired(const kit::TapGesture& gesture);
void nsuiSetNumberOfTapsRequired(kit::TapGesture& gesture, int taps);
// Tap and pan recognisers alike.
std::size_t nsuiNumberOfTouches(const kit::GestureRecognizer& gesture);
// Pan and pinch recognisers alike.
kit::Point nsuiLocationOfTouch(const kit::GestureRecognizer& gesture, std::size_t touch, const kit::View* view);
double nsuiRotation(const kit::RotationGesture& gesture);
void nsuiSetRotation(kit::RotationGesture& gesture, double rotation);
double nsuiScale(const kit::PinchGesture& gesture);
void nsuiSetScale(kit::PinchGesture& gesture, double scale);
const std::vector<std::shared_ptr<kit::GestureRecognizer>>& nsuiGestureRecognizers(const kit::View& view);
bool nsuiIsScrollEnabled(const kit::ScrollView& view);
void nsuiSetScrollEnabled(kit::ScrollView& view, bool enabled);
// The main screen's scale factor.
double nsuiScreenScale();

} // namespace charting
