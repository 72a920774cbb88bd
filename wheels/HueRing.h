#pragma once
// The thin hue ring of the wheel: 512 wedges (at resolution 1) of pure hue, or of the painter's
// colour of that hue, drawn counter-clockwise from 3 o'clock.
#include "kit/graphics/Context.h"
#include "kit/graphics/Image.h"

#include <memory>

namespace wheels {

// Paints the ring about the origin of the context (the caller translates to the centre).
// `resolution` x 512 wedges; the count must be finite and not negative.
void paintHueRing(kit::Context& context, double outerRadius, double innerRadius, float resolution, bool classic);

// The ring for a view of `size` points centred in it, drawn once per size, radii, variant and
// scale and then reused: every wheel of a screen and every rebuild share it.
std::shared_ptr<const kit::Image> cachedHueRing(kit::Size size, double outerRadius, double innerRadius, bool classic,
                                                double scale);

} // namespace wheels
