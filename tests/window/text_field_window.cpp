// One text field in the real window host, for the end-to-end test of the desktop editing keys and
// the X clipboard: it is driven by xdotool, closed, and writes the field's text to standard output
// (and its last frame to the file given as the argument, if any).
#include "kit/base/Make.h"
#include "kit/host/window/SdlWindow.h"
#include "kit/ui/TextField.h"
#include "kit/ui/ViewController.h"
#include "kit/ui/Window.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    kit::host::SdlWindow host(kit::DeviceProfile::phone());
    std::string error;
    if (!host.open(&error)) {
        std::fprintf(stderr, "text_field_window: cannot open a window: %s\n", error.c_str());
        return 1;
    }
    host.setTitle("Text");
    auto screen = kit::make<kit::ViewController>();
    screen->view()->setBackgroundColor(kit::Color::whiteColor());
    // The field spans x 20...355, y 100...140.
    auto field = kit::make<kit::TextField>(kit::Rect{20, 100, 335, 40});
    field->setBorderStyle(kit::TextBorderStyle::roundedRect);
    screen->view()->addSubview(field);
    host.setRootViewController(screen);
    if (argc > 1) host.setExitScreenshot(argv[1]);
    const int status = host.run();
    std::printf("text [%s] caret %zu\n", field->text().c_str(), field->caretPosition());
    return status;
}
