// Renders every wheel screen on a phone and a pad (into $TINCTURA_SCREENSHOT_DIR when set), and
// checks that the digital and painter's wheels lay out cleanly.
#include "ScreenLayoutCheck.h"
#include "WheelsFixture.h"

#include "app/ui/InfoView.h"
#include "kit/store/Defaults.h"
#include "wheels/digital/DcwEditCcVC.h"
#include "wheels/digital/DcwVC.h"
#include "wheels/other/CcwVC.h"
#include "wheels/other/HueVC.h"
#include "wheels/other/ZelVC.h"

namespace {

struct WheelScreenshots : WheelsFixture {
    void shoot(const std::string& name, const kit::DeviceProfile& device, const std::function<std::shared_ptr<kit::ViewController>()>& make,
               const std::function<void(kit::ViewController&)>& after = {}) {
        auto screen = push(make(), device);
        if (after) after(*screen);
        host->advance(0.5);
        screenshot(name + "_" + device.name);
        {
            auto check = screenLayoutCheck(*host->window(), device);
            if (auto* wheel = dynamic_cast<wheels::DcwVC*>(screen.get()); wheel && wheel->infoView())
                check.allowOverlap(layoutcheck::inside(wheel->infoView()->infoView()), layoutcheck::anything(),
                                   "the info overlay, opened on purpose over the controls");
            const auto findings = check.run();
            EXPECT_TRUE(findings.empty()) << name << " on " << device.name << ":\n" << layoutcheck::describe(findings);
        }
        host.reset();
    }
};

TEST_F(WheelScreenshots, EveryScreenOnPhoneAndPad) {
    kit::Defaults::standard().set(true, app::Keys::hideAbstractTip);
    for (const auto& device : kit::DeviceProfile::all()) {
        kit::Defaults::standard().set(4, app::Keys::lastDcwCombination);
        shoot("dcw_tetradic", device, [] { return kit::make<wheels::DcwVC>(); });
        // Codes of three lines under the wheel, and under the captions of the abstract strips.
        kit::Defaults::standard().set(3, app::Keys::colorFormat);
        kit::Defaults::standard().remove(app::Keys::lastDcwCombination);
        shoot("dcw_hsl", device, [] { return kit::make<wheels::DcwVC>(); });
        kit::Defaults::standard().set(6, app::Keys::lastDcwCombination);
        shoot("dcw_abstract_hsl", device, [] { return kit::make<wheels::DcwVC>(); });
        kit::Defaults::standard().set(0, app::Keys::colorFormat);
        kit::Defaults::standard().set(7, app::Keys::lastDcwCombination);
        shoot("dcw_mono_info", device, [] { return kit::make<wheels::DcwVC>(); },
              [](kit::ViewController& s) { static_cast<wheels::DcwVC&>(s).showInfo(); });
        kit::Defaults::standard().set(1, app::Keys::lastDcwCombination);
        shoot("dcw_classic_analogous", device, [] {
            auto s = kit::make<wheels::DcwVC>();
            s->isClassic = true;
            return s;
        });
        shoot("editor", device, [] {
            auto e = kit::make<wheels::DcwEditCcVC>();
            e->numberOfColors = 3;
            e->withHue = true;
            e->setColor(1, kit::Color::rgba(0.9, 0.3, 0.2));
            e->setColor(2, kit::Color::rgba(0.2, 0.6, 0.9));
            e->setColor(3, kit::Color::rgba(0.95, 0.85, 0.3));
            e->setColor(4, kit::Color::whiteColor());
            return e;
        });
        shoot("ccw", device, [] { return kit::make<wheels::CcwVC>(); });
        shoot("zel", device, [] { return kit::make<wheels::ZelVC>(); });
        shoot("zel_result", device, [] {
            auto r = kit::make<wheels::ZelCcVC>();
            r->colorTag = 4;
            return r;
        });
        shoot("hue", device, [] { return kit::make<wheels::HueVC>(); }, [&](kit::ViewController& s) {
            auto& hue = static_cast<wheels::HueVC&>(s);
            const auto b = hue.imageView()->bounds();
            hue.pickAt({b.midX() + b.height() * 0.3, b.midY()});
            hue.addColor();
            hue.pickAt({b.midX() - b.height() * 0.2, b.midY() - b.height() * 0.2});
            hue.addColor();
            hue.pickAt({b.midX(), b.midY() + b.height() * 0.35});
        });
    }
}

} // namespace
