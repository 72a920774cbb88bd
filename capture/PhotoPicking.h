#pragma once
// Opening the photo picker from an image screen: the busy sign over the picture while the picker
// is up, the select-image hint hidden, the picker full screen with the square crop step.
#include <memory>

namespace kit {
class ActivityIndicator;
class ImagePickerDelegate;
class Label;
class View;
class ViewController;
} // namespace kit

namespace capture {

// A light haptic; the indicator (put back on the screen's view, centred on `picture`) starts
// turning; the hint is hidden; the picker is presented, animated, answering to `delegate`.
void openImagePicker(kit::ViewController& screen, const std::shared_ptr<kit::ImagePickerDelegate>& delegate,
                     kit::View& picture, kit::ActivityIndicator& indicator, kit::Label& hint);

} // namespace capture
