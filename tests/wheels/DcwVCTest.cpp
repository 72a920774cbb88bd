#include "WheelsFixture.h"

#include "app/storage/DataModel.h"
#include "colour/HexText.h"
#include "kit/store/Defaults.h"
#include "wheels/digital/DcwVC.h"

namespace {

struct DcwVCTest : WheelsFixture {};

TEST_F(DcwVCTest, Screenshots) {
    for (auto [device, name] : {std::pair{kit::DeviceProfile::phone(), "phone"}, std::pair{kit::DeviceProfile::pad(), "pad"}}) {
        auto screen = push(kit::make<wheels::DcwVC>(), device);
        screenshot(std::string("dcw_complementary_") + name);
        kit::Defaults::standard().set(6, app::Keys::lastDcwCombination);
        host.reset();
    }
}

} // namespace
