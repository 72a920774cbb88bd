// The digital wheel's controls lie over the strips of the combination: at both ends of the shade
// slider and on a light and a dark colour, each must stand out from the strip behind it in the
// rendered screen (icons and knobs at 3:1, the graphics threshold).
#include "ContrastProbe.h"
#include "WheelsFixture.h"

#include "kit/store/Defaults.h"
#include "kit/ui/Label.h"
#include "wheels/WheelFit.h"
#include "wheels/ControlTint.h"
#include "colour/HexText.h"
#include "wheels/digital/DcwEditCcVC.h"
#include "wheels/digital/DcwVC.h"

namespace {

struct ControlContrast : WheelsFixture {
    std::shared_ptr<wheels::DcwVC> open(const std::string& hex, int mode, const kit::DeviceProfile& device) {
        kit::Defaults::standard().set(hex, app::Keys::lastColorInDcw);
        kit::Defaults::standard().set(mode, app::Keys::lastDcwCombination);
        return push(kit::make<wheels::DcwVC>(), device);
    }
    // Drags the main wheel's shade knob past the end of its track: +1 tints, -1 shades.
    void shadeTo(wheels::DcwVC& screen, int end) {
        auto& slider = *screen.dcw1->shadeSlider();
        const auto from = centreOf(*slider.handleView());
        const auto track = contrastprobe::inWindow(slider);
        const kit::Point to{end > 0 ? track.maxX() + 30 : track.minX() - 30, from.y};
        host->drag({from, {(from.x + to.x) / 2, from.y}, to});
        host->advance(0.5);
    }
    // The strongest contrast each control shows against the strip behind it, by name.
    std::vector<std::pair<std::string, double>> contrasts(wheels::DcwVC& s) {
        const auto image = host->render();
        std::vector<std::pair<std::string, double>> out;
        auto measure = [&](const std::string& name, const kit::View& v, kit::Rect rect) {
            const auto behind = wheels::stripColorBehind(v, s.colorViews);
            out.emplace_back(name, behind ? contrastprobe::strongestContrast(image, rect, *behind) : 0);
        };
        using contrastprobe::inWindow;
        using contrastprobe::insideCircle;
        const std::pair<const char*, std::shared_ptr<kit::View>> whole[] = {
            {"back", s.backBtn()},   {"save", s.saveBtn()},     {"help", s.infoBtn()},
            {"import", s.importColorBtn()}, {"editor", s.editCCBtn()}, {"mode", s.modeNowBtn()},
            {"saturation slider", s.saturationSlider()}, {"brightness slider", s.brightnessSlider()}};
        for (const auto& [name, v] : whole) measure(name, *v, inWindow(*v));
        const auto& knob = *s.dcw1->shadeSlider()->handleView();
        measure("shade knob", knob, insideCircle(inWindow(knob)));
        int n = 0;
        for (auto* w : {&s.dcw1, &s.dcw2})
            if (*w) measure("handle " + std::to_string(++n), *(*w)->handleView(), insideCircle(inWindow(*(*w)->handleView())));
        return out;
    }
};

TEST_F(ControlContrast, ControlsStandOutAtBothEndsOfTheShadeOnLightAndDarkColours) {
    kit::Defaults::standard().set(true, app::Keys::hideAbstractTip);
    for (const auto& device : {kit::DeviceProfile::phone(), kit::DeviceProfile::pad()})
        for (const char* hex : {"FFFF50", "1A237E", "E53935"})
            for (int end : {0, 1, -1}) {
                auto screen = open(hex, 0, device);
                if (end != 0) shadeTo(*screen, end);
                if (end == 1 && std::string(hex) == "E53935") screenshot("dcw_full_tint_" + device.name);
                for (const auto& [name, ratio] : contrasts(*screen))
                    EXPECT_GE(ratio, 3.0) << name << " on " << hex << ", shade end " << end << ", " << device.name;
                host.reset();
            }
}

// The abstract strips' captions, with three-line codes under the wheel: none lies under the ring or
// a handle at rest, and each reads on its strip, on the default colour and on a light one.
TEST_F(ControlContrast, AbstractCaptionsLieOffTheRingAndHandlesAndReadOnTheirStrips) {
    kit::Defaults::standard().set(true, app::Keys::hideAbstractTip);
    kit::Defaults::standard().set(2, app::Keys::colorFormat);
    for (const auto& device : {kit::DeviceProfile::phone(), kit::DeviceProfile::smallPhone(),
                               kit::DeviceProfile::forWindow({480, 720}, 2)})
        for (const char* hex : {"", "FFFF50"}) {
            if (*hex) kit::Defaults::standard().set(std::string(hex), app::Keys::lastColorInDcw);
            else kit::Defaults::standard().remove(app::Keys::lastColorInDcw);
            kit::Defaults::standard().set(6, app::Keys::lastDcwCombination);
            auto screen = push(kit::make<wheels::DcwVC>(), device);
            if (!*hex) screenshot("dcw_abstract_captions_" + device.name);
            ASSERT_EQ(screen->captions().size(), 4u);
            const auto image = host->render();
            for (std::size_t i = 0; i < 4; ++i) {
                const auto& caption = *screen->captions()[i];
                const auto where = contrastprobe::inWindow(caption);
                const std::string what = caption.text() + " on " + device.name + (*hex ? std::string(" with ") + hex : "");
                for (auto* w : {&screen->dcw1, &screen->dcw2, &screen->dcw3, &screen->dcw4}) {
                    if (!*w || !(*w)->window()) continue;
                    EXPECT_FALSE(contrastprobe::inWindow(*(*w)->handleView()).intersects(where)) << what << " meets a handle";
                    if ((*w)->isFirstDCW()) {
                        EXPECT_FALSE(wheels::bandMeets(centreOf(**w), (*w)->ringInnerRadius(), (*w)->ringOuterRadius(), where))
                            << what << " lies under the ring";
                    }
                }
                const auto strip = *screen->colorViews[3 - i]->backgroundColor();
                EXPECT_GE(contrastprobe::strongestContrast(image, where, strip), 4.5) << what;
            }
            host.reset();
        }
}

// The editor's bands carry their own buttons and sliders: on light and dark bands each stands out.
TEST_F(ControlContrast, EditorControlsStandOutOnLightAndDarkBands) {
    auto editor = kit::make<wheels::DcwEditCcVC>();
    editor->numberOfColors = 4;
    editor->withHue = true;
    const char* hexes[] = {"FFFF50", "1A237E", "FFFFFF", "E53935"};
    for (int k = 1; k <= 4; ++k) editor->setColor(k, colour::colorFromHex(hexes[k - 1]));
    push(editor);
    screenshot("editor_light_and_dark_bands");
    const auto image = host->render();
    const std::array<std::shared_ptr<kit::View>, 4> bands{editor->colorView(1), editor->colorView(2), editor->colorView(3),
                                                          editor->colorView(4)};
    std::vector<std::pair<std::string, std::shared_ptr<kit::View>>> controls{
        {"back", editor->backBtn()}, {"save", editor->saveBtn()}, {"more", editor->moreBtn()}, {"hue", editor->hueSlider()}};
    for (int k = 1; k <= 4; ++k) {
        const std::string band = " of band " + std::to_string(k);
        controls.push_back({"saturation" + band, editor->saturationSlider(k)});
        controls.push_back({"brightness" + band, editor->brightnessSlider(k)});
        if (k >= 2) controls.push_back({"move up" + band, editor->moveUpBtn(k)});
    }
    for (const auto& [name, v] : controls) {
        const auto behind = wheels::stripColorBehind(*v, bands);
        ASSERT_TRUE(behind) << name;
        EXPECT_GE(contrastprobe::strongestContrast(image, contrastprobe::inWindow(*v), *behind), 3.0) << name;
    }
}

} // namespace
