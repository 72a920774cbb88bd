// What the window module hands the executable that loads it.
#include "kit/host/window/SdlWindow.h"

extern "C" const kit::host::WindowModule tinctura_window_module{
    [](const kit::DeviceProfile& profile) -> std::unique_ptr<kit::host::Window> {
        return std::make_unique<kit::host::SdlWindow>(profile);
    },
    &kit::host::SdlWindow::showMessage,
};
