#pragma once
// Mixes saved by earlier versions as MixedColor records are copied once into LargeCombination
// records (same id, colour and colours); the old records stay.
#include <functional>

namespace kit {
class ManagedContext;
class Defaults;
} // namespace kit

namespace tools {

// Copies every MixedColor when "CONVERT_MIXED_COLORS_TO_LARGE" is not yet set, then sets it. When
// the old records cannot be read or a copy cannot be saved, the mark stays unset so that the next
// load tries again; copies already saved are not made twice. True when the mark is set afterwards.
// `saveContext` saves the context and tells whether it succeeded.
bool convertMixedColorsOnce(kit::ManagedContext& context, kit::Defaults& defaults,
                            const std::function<bool()>& saveContext);

} // namespace tools
