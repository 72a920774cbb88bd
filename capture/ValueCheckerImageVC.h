#pragma once
// The photo value checker: a picture from the photo library shown in sepia monochrome, so that its
// values can be judged, and saved as such. The live value checker opens it.
#include "capture/PhotoConversionVC.h"

namespace capture {

class ValueCheckerImageVC : public PhotoConversionVC {
public:
    void refreshConversion() override;
    static std::optional<kit::Image> sepiaImage(const kit::Image& image);

protected:
    const char* savedFileName() const override { return "sepia"; }
};

} // namespace capture
