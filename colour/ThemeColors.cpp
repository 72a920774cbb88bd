#include "colour/ThemeColors.h"

namespace colour {

const kit::Color& panelBackgroundColor() {
    static const kit::Color c = kit::Color::rgba(0, 0, 0, 0.79871464);
    return c;
}
const kit::Color& screenBackgroundColor() {
    static const kit::Color c = kit::Color::rgba(0.08627451, 0.08627451, 0.12941177, 1);
    return c;
}
const kit::Color& translucentGrayColor() {
    static const kit::Color c = kit::Color::rgba(0.8392157, 0.8392157, 0.8392157, 0.40371025);
    return c;
}
const kit::Color& halfBlackColor() {
    static const kit::Color c = kit::Color::rgba(0, 0, 0, 0.5);
    return c;
}
const kit::Color& faintBlackColor() {
    static const kit::Color c = kit::Color::rgba(0, 0, 0, 0.14536066);
    return c;
}
const kit::Color& darkOverlayColor() {
    static const kit::Color c = kit::Color::rgba(0, 0, 0, 0.8027344);
    return c;
}

const std::vector<kit::Color>& grayScaleSteps() {
    static const std::vector<kit::Color> steps = [] {
        auto grey = [](double w) { return kit::Color::rgba(w, w, w, 1); };
        return std::vector<kit::Color>{
            grey(1.0),        grey(0.9137255),  grey(0.8235294),
            kit::Color::rgba(0.73140997, 0.73153424, 0.7313935, 1),
            grey(0.63529414), grey(0.54901963), grey(0.4392157),
            grey(0.33333334), grey(0.22352941), grey(0.101960786), grey(0.0),
        };
    }();
    return steps;
}

} // namespace colour
