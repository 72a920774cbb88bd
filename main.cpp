// The executable: the app in a window, or rendered without a display for screenshots.
#include "app/AppDelegate.h"
#include "app/menus/MainMenuSecondPageVC.h"
#include "app/menus/MainMenuVC.h"
#include "app/menus/MainStoryboard.h"
#include "app/ui/Toast.h"
#include "kit/base/Console.h"
#include "kit/base/Files.h"
#include "kit/base/Make.h"
#include "kit/graphics/Text.h"
#include "kit/host/Headless.h"
#include "kit/host/MessageLines.h"
#include "kit/host/Shutdown.h"
#include "kit/host/Window.h"
#include "kit/store/CloudConfiguration.h"
#include "kit/store/CloudWorkers.h"
#include "kit/store/DataFolderLock.h"
#include "kit/media/CaptureSession.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/store/Paths.h"
#include "kit/ui/Application.h"
#include "kit/ui/Button.h"
#include "kit/ui/NavigationController.h"
#include "kit/ui/Storyboard.h"
#include "kit/ui/Window.h"

#include <cstdio>
#include <malloc.h>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

void printUsage() {
    // Every option on the first line, which is all that some readers look at.
    std::puts("Usage: tinctura [--headless --screenshot FILE] [--screen IDENTIFIER] [--device NAME] [--data-dir DIR] "
              "[--cloud CONNINFO] [--exit-screenshot FILE] [--verbose] [--help]\n"
              "\n"
              "  (no options)            open the app in a window\n"
              "  --headless              render without a display (needs --screenshot)\n"
              "  --screenshot FILE       write the screen as a PNG and exit\n"
              "  --screen IDENTIFIER     open this screen over the main menu first\n"
              "                          (a storyboard identifier, or MainMenuSecondPageVC)\n"
              "  --device NAME           phone, small-phone, pad or small-pad (default phone), or a\n"
              "                          window size in points such as 900x700\n"
              "  --data-dir DIR          keep settings and data in DIR\n"
              "  --cloud CONNINFO        keep the cloud copy of saved colors on a PostgreSQL server: a libpq\n"
              "                          connection string such as postgresql://anna@host/anna?sslmode=require,\n"
              "                          kept in cloud.conf (TINCTURA_CLOUD overrides it; \"\" goes back to the\n"
              "                          local file). Two machines given the same string, with Cloud storage on\n"
              "                          in Settings, share their saved colors. Passwords: ~/.pgpass or PGPASSWORD\n"
              "  --exit-screenshot FILE  write the last frame as a PNG when the window closes\n"
              "  --verbose               print diagnostic lines on standard output\n"
              "  --help                  show this text\n"
              "\n"
              "Keys in the window:\n"
              "  Tab, Shift+Tab          move the focus ring through the controls of the screen\n"
              "  Return, Space           press the focused control\n"
              "  arrow keys              move the focused slider or stepper, or the selection in a list\n"
              "  Escape                  close a menu or an alert, else go back one screen\n"
              "  Page Up, Page Down,     scroll the list under the mouse pointer (else the largest one)\n"
              "  Home, End\n"
              "  Ctrl+R                  turn the device between portrait and landscape\n"
              "  Ctrl+Q, Ctrl+W          quit (as the window's close button does)\n"
              "\n"
              "Environment:\n"
              "  TINCTURA_CAMERA         the camera tools' source: v4l2:/dev/videoN (add @full for the whole\n"
              "                          landscape picture), file:PICTURE.png, synthetic:bars,\n"
              "                          synthetic:quadrants, synthetic:gradient, synthetic:solid-RRGGBB, or\n"
              "                          none (default: the first /dev/videoN)\n"
              "  TINCTURA_CAMERA_ACCESS  denied plays a refused camera; granted a given one\n"
              "  TINCTURA_CLOUD          the cloud server's connection string for this run, in place of the\n"
              "                          one --cloud kept in cloud.conf (empty: cloud.conf's)\n"
              "  TINCTURA_EXIT_SCREENSHOT  as --exit-screenshot FILE");
}

// The identifiers --screen takes.
std::vector<std::string> screenIdentifiers() {
    auto identifiers = kit::Storyboard::named("Main")->sceneIdentifiers();
    identifiers.push_back("MainMenuSecondPageVC");
    return identifiers;
}

void reportUnknownScreen(const std::string& screen) {
    std::string known;
    for (const auto& identifier : screenIdentifiers()) known += (known.empty() ? "" : ", ") + identifier;
    std::cerr << "tinctura: no screen " << screen << "; the screens are: " << known << "\n";
}

struct Options {
    bool headless = false;
    std::optional<std::string> screenshot;
    std::optional<std::string> screen;
    std::string device = "phone";
    std::optional<std::string> dataDir;
    std::optional<std::string> cloud;
    std::optional<std::string> exitScreenshot;
};

// The initial scene, with the asked-for screen opened over the main menu.
std::shared_ptr<kit::ViewController> openScreen(const std::shared_ptr<kit::ViewController>& root,
                                                const std::optional<std::string>& screen) {
    auto nav = std::dynamic_pointer_cast<kit::NavigationController>(root);
    if (!screen || !nav) return nullptr;
    if (*screen == "MainMenuSecondPageVC") {
        auto menu = std::dynamic_pointer_cast<app::MainMenuVC>(nav->topViewController());
        auto tile = menu ? menu->grayscale.lock() : nullptr;
        if (tile) menu->moreToolsTapped(*tile);
        return nav->topViewController();
    }
    auto controller = kit::Storyboard::named("Main")->instantiateViewController(*screen);
    if (!controller) return nullptr;
    nav->pushViewController(controller, false);
    return controller;
}

// The screenshot mode: the first frame of the asked-for screen, as soon as it is complete.
int runHeadless(const Options& options, const kit::DeviceProfile& profile,
                const std::shared_ptr<kit::ViewController>& root) {
    kit::host::Headless host(profile);
    kit::host::BackgroundWorkStop stopFirst;
    host.setRootViewController(root);
    if (options.screen && !openScreen(root, options.screen)) {
        reportUnknownScreen(*options.screen);
        return 1;
    }
    host.advance(1.0);
    // A camera screen asks for access and starts its camera on workers, and the camera delivers on
    // threads of its own: follow that chain to the first picture, which other screens never start.
    for (int step = 0; step < 3; ++step) {
        kit::DispatchQueue::global().waitUntilIdle();
        kit::media::CaptureSession::waitForFirstFrames(2.0);
        host.advance(0.05);
    }
    if (!host.screenshot(*options.screenshot)) {
        std::cerr << "tinctura: could not write " << *options.screenshot << "\n";
        return 1;
    }
    return 0;
}

int runWindow(const Options& options, const kit::DeviceProfile& profile,
              const std::shared_ptr<kit::ViewController>& root) {
    if (!kit::host::Window::displayAvailable()) {
        std::cerr << "tinctura: no display (DISPLAY or WAYLAND_DISPLAY); use --headless --screenshot FILE\n";
        return 1;
    }
    std::string error;
    auto window = kit::host::Window::make(profile, &error);
    kit::host::BackgroundWorkStop stopFirst;
    if (!window || !window->open(&error)) {
        std::cerr << "tinctura: cannot open a window: " << error << "\n";
        return 1;
    }
    window->setTitle("Tinctura");
    window->setExitScreenshot(options.exitScreenshot);
    window->setRootViewController(root);
    if (options.screen && !openScreen(root, options.screen)) {
        reportUnknownScreen(*options.screen);
        return 1;
    }
    return window->run();
}

// The app from its delegate to its last screen; every screen is gone when this returns.
int runApp(const Options& options, const kit::DeviceProfile& profile) {
    kit::prepareFonts();
    // The delegate comes first: its constructor reads the settings every screen relies on.
    app::setDelegate(std::make_shared<app::AppDelegate>());
    app::Toast::install();
    auto board = app::registerMainStoryboard();
    // Checked before a window opens: a mistyped identifier ends the start with the list, in a window too.
    if (options.screen && !board->hasScene(*options.screen) && *options.screen != "MainMenuSecondPageVC") {
        reportUnknownScreen(*options.screen);
        return 1;
    }
    auto root = board->instantiateInitialViewController();
    const int status = options.headless || options.screenshot ? runHeadless(options, profile, root)
                                                              : runWindow(options, profile, root);
    // The window is gone: nothing waits on the cloud server any longer. What was not sent is still
    // marked in the store and goes at the next start.
    kit::CloudWorkers::shutDown();
    return status;
}

} // namespace

int main(int argc, char** argv) {
    // Screens draw into images of several megabytes; glibc would move its mmap threshold up to them
    // and then clear each reused block by hand. Fresh zero pages from the kernel come cheaper.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    Options options;
    if (const char* env = std::getenv("TINCTURA_EXIT_SCREENSHOT"); env && *env) options.exitScreenshot = env;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        auto value = [&](const char* name) -> std::optional<std::string> {
            if (i + 1 >= argc) {
                std::cerr << "tinctura: " << name << " needs a value\n";
                return std::nullopt;
            }
            return std::string(argv[++i]);
        };
        std::optional<std::string>* target = nullptr;
        if (arg == "--help" || arg == "-h") {
            printUsage();
            return 0;
        } else if (arg == "--verbose") {
            kit::setVerbose(true);
            continue;
        } else if (arg == "--headless") {
            options.headless = true;
            continue;
        } else if (arg == "--screenshot") {
            target = &options.screenshot;
        } else if (arg == "--screen") {
            target = &options.screen;
        } else if (arg == "--data-dir") {
            target = &options.dataDir;
        } else if (arg == "--cloud") {
            target = &options.cloud;
        } else if (arg == "--exit-screenshot") {
            target = &options.exitScreenshot;
        } else if (arg == "--device") {
            auto v = value("--device");
            if (!v) return 2;
            options.device = *v;
            continue;
        } else {
            std::cerr << "tinctura: unknown option " << arg << "\n";
            printUsage();
            return 2;
        }
        auto v = value(std::string(arg).c_str());
        if (!v) return 2;
        *target = *v;
    }

    auto profile = kit::DeviceProfile::named(options.device);
    if (!profile) {
        std::cerr << "tinctura: unknown device " << options.device << " (phone, small-phone, pad, small-pad, or WIDTHxHEIGHT)\n";
        return 2;
    }
    if (options.headless && !options.screenshot) {
        std::cerr << "tinctura: --headless needs --screenshot FILE\n";
        return 2;
    }
    if (options.dataDir && options.dataDir->empty()) {
        std::cerr << "tinctura: --data-dir needs a folder (an empty one would mean the home folders)\n";
        return 2;
    }
    if (options.dataDir) kit::Paths::setDataDir(*options.dataDir);
    // What the user saves, their settings and how to reach their server are theirs alone.
    kit::makePrivateFolder(kit::Paths::dataDir());
    kit::makePrivateFolder(kit::Paths::configDir());
    // Held to the very end of the process (after the store has closed), when the system lets it go.
    std::optional<kit::DataFolderLock::Refusal> refusal;
    [[maybe_unused]] static const auto folderLock = kit::DataFolderLock::acquire(kit::Paths::dataDir(), refusal);
    if (refusal) {
        const auto message = refusal->message();
        std::cerr << "tinctura: " << message << "\n";
        // Started from the desktop's launcher, nobody reads standard error.
        if (!options.headless && !options.screenshot && kit::host::Window::displayAvailable()) {
            const auto boxText = kit::host::brokenIntoLines(refusal->summary() + "\n\n" + refusal->detail());
            std::string error;
            if (!kit::host::Window::showMessage(refusal->title(), boxText, &error))
                std::cerr << "tinctura: could not show the message: " << error << "\n";
        }
        return 1;
    }
    if (auto refused = options.cloud ? kit::CloudConfiguration::save(*options.cloud) : std::nullopt) {
        std::cerr << "tinctura: --cloud: " << *refused << "\n";
        return 2;
    }

    // The window module, when a window will open, loads before any other thread starts: it adjusts the
    // environment as it loads, which is only safe with no other thread running.
    if (!options.headless && !options.screenshot && kit::host::Window::displayAvailable()) {
        std::string error;
        if (!kit::host::Window::loadHost(&error)) {
            std::cerr << "tinctura: cannot open a window: " << error << "\n";
            return 1;
        }
    }

    const int status = runApp(options, *profile);
    // What the screens left on the main queue goes now, while everything it may touch still stands.
    kit::host::dropPendingMainWork();
    return status;
}
