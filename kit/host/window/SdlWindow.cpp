#include "kit/host/window/SdlWindow.h"

#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/graphics/Image.h"
#include "kit/host/Headless.h"
#include "kit/host/KeyCommands.h"
#include "kit/host/ScreenshotPng.h"
#include "kit/host/window/SdlTextKeys.h"
#include "kit/host/window/TiedChildren.h"
#include "kit/runtime/RunLoop.h"
#include "kit/runtime/Timer.h"
#include "kit/ui/Application.h"
#include "kit/ui/Assets.h"
#include "kit/ui/EventDispatcher.h"
#include "kit/ui/Pasteboard.h"
#include "kit/ui/Responder.h"
#include "kit/ui/TextField.h"
#include "kit/ui/View.h"
#include "kit/ui/WheelEvent.h"
#include "kit/ui/Window.h"

#include <SDL.h>
#include <cairo.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kit::host {
namespace {

// With no session bus to reach, the D-Bus library that SDL starts would launch one by forking a helper
// out of this process. With the app's threads running, that child can stall on a lock one of them held
// at the fork, and SDL's start waits on it for good (seen under load in the test runs). The bus only
// serves the screensaver and input-method services here, so a start without one goes on without them.
// Done as this code is loaded, which a windowed start does before it starts any thread (setenv is not
// safe beside them).
[[maybe_unused]] const bool sessionBusNeverLaunched = [] {
    if (std::getenv("DBUS_SESSION_BUS_ADDRESS")) return false;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::error_code error;
    if (runtime && std::filesystem::exists(std::filesystem::path(runtime) / "bus", error)) return false;
    return setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 0) == 0;
}();

constexpr int mouseFinger = 0;
constexpr int firstTouchFinger = 100;

class SdlPasteboard final : public PasteboardBackend {
public:
    std::optional<std::string> string() override {
        if (!SDL_HasClipboardText()) return std::nullopt;
        char* text = SDL_GetClipboardText();
        if (!text) return std::nullopt;
        std::string value(text);
        SDL_free(text);
        return value;
    }
    void setString(const std::string& text) override { SDL_SetClipboardText(text.c_str()); }
};

} // namespace

struct SdlWindow::Impl {
    DeviceProfile profile;
    std::shared_ptr<kit::Window> window;
    std::unique_ptr<EventDispatcher> dispatcher;
    SDL_Window* sdlWindow = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    int textureWidth = 0, textureHeight = 0;
    std::uint64_t presentedVersion = ~std::uint64_t(0);
    bool forceRedraw = true;
    double lastPresent = -1;
    std::shared_ptr<Timer> redrawTimer;
    PhaseHandlerToken displayToken;
    bool mouseDown = false;
    std::optional<Point> pointer;  // where the mouse rests over the screen, for the scrolling keys
    // Modifier keys as of the event being handled: events are handled after they were queued, so
    // the keyboard's state at that moment may already be later than the wheel turn in hand.
    Uint16 modifiers = KMOD_NONE;
    std::uint32_t wakeEvent = 0;

    // Where the device screen sits in the window, in window (SDL) coordinates.
    double offsetX = 0, offsetY = 0, factor = 1;
    // The window size the screen was last fitted to by the app itself (at the start, on a turn).
    int placedWidth = 0, placedHeight = 0;

    void computePlacement() {
        int w = 0, h = 0;
        SDL_GetWindowSize(sdlWindow, &w, &h);
        Size screen = window->bounds().size;
        factor = std::min(w / screen.width, h / screen.height);
        offsetX = (w - screen.width * factor) / 2;
        offsetY = (h - screen.height * factor) / 2;
    }

    // A size the user gave the window becomes the screen's size in points; the device profile of the
    // start, and a turn by Ctrl+R, keep their screen scaled into the window.
    void windowResized(int w, int h) {
        if (w != placedWidth || h != placedHeight) {
            Device::setCurrent(DeviceProfile::forWindow({double(w), double(h)}, profile.scale));
            window->resize(Device::current().windowFrame().size);
            placedWidth = w;
            placedHeight = h;
        }
        computePlacement();
        forceRedraw = true;
    }

    Point toScreen(double x, double y) const { return {(x - offsetX) / factor, (y - offsetY) / factor}; }

    void handle(const SDL_Event& e) {
        switch (e.type) {
        case SDL_QUIT:
            // A quit from a signal can overtake input still queued behind it: stop only after that.
            RunLoop::main().postEvent([] { RunLoop::main().stop(); });
            break;
        case SDL_WINDOWEVENT:
            switch (e.window.event) {
            case SDL_WINDOWEVENT_FOCUS_GAINED: Application::shared().becomeActive(); break;
            case SDL_WINDOWEVENT_FOCUS_LOST: Application::shared().resignActive(); break;
            case SDL_WINDOWEVENT_LEAVE: pointer.reset(); break;
            case SDL_WINDOWEVENT_MINIMIZED: Application::shared().enterBackground(); break;
            case SDL_WINDOWEVENT_RESTORED: Application::shared().becomeActive(); break;
            case SDL_WINDOWEVENT_SIZE_CHANGED: windowResized(e.window.data1, e.window.data2); break;
            case SDL_WINDOWEVENT_EXPOSED: computePlacement(); forceRedraw = true; break;
            default: break;
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (e.button.which == SDL_TOUCH_MOUSEID || e.button.button != SDL_BUTTON_LEFT) break;
            mouseDown = true;
            dispatcher->touchBegan(mouseFinger, toScreen(e.button.x, e.button.y));
            break;
        case SDL_MOUSEMOTION:
            if (e.motion.which == SDL_TOUCH_MOUSEID) break;
            pointer = toScreen(e.motion.x, e.motion.y);
            if (!mouseDown) break;
            dispatcher->touchMoved(mouseFinger, toScreen(e.motion.x, e.motion.y));
            break;
        case SDL_MOUSEBUTTONUP:
            if (e.button.which == SDL_TOUCH_MOUSEID || e.button.button != SDL_BUTTON_LEFT || !mouseDown) break;
            mouseDown = false;
            dispatcher->touchEnded(mouseFinger, toScreen(e.button.x, e.button.y));
            break;
        case SDL_FINGERDOWN:
        case SDL_FINGERMOTION:
        case SDL_FINGERUP: {
            int w = 0, h = 0;
            SDL_GetWindowSize(sdlWindow, &w, &h);
            Point p = toScreen(e.tfinger.x * w, e.tfinger.y * h);
            int id = firstTouchFinger + static_cast<int>(e.tfinger.fingerId % 1000);
            if (e.type == SDL_FINGERDOWN) dispatcher->touchBegan(id, p);
            else if (e.type == SDL_FINGERMOTION) dispatcher->touchMoved(id, p);
            else dispatcher->touchEnded(id, p);
            break;
        }
        case SDL_TEXTINPUT:
            if (auto input = std::dynamic_pointer_cast<KeyInput>(Responder::currentFirstResponder()))
                input->insertText(e.text.text);
            break;
        case SDL_KEYDOWN:
            modifiers = e.key.keysym.mod;
            handleKey(e.key.keysym.sym);
            break;
        case SDL_KEYUP: modifiers = e.key.keysym.mod; break;
        case SDL_MOUSEWHEEL: wheel(e.wheel); break;
        default: break;
        }
    }

    void rotate() {
        auto& device = Device::current();
        device.orientation = device.isLandscape() ? DeviceOrientation::portrait : DeviceOrientation::landscapeLeft;
        Size screen = device.windowFrame().size;
        int w = 0, h = 0;
        SDL_GetWindowSize(sdlWindow, &w, &h);
        // Keep the scale the user chose; only the shape turns.
        placedWidth = int(screen.width * factor + 0.5);
        placedHeight = int(screen.height * factor + 0.5);
        SDL_SetWindowSize(sdlWindow, placedWidth, placedHeight);
        window->resize(screen);
        computePlacement();
        forceRedraw = true;
    }

    void handleKey(SDL_Keycode key) {
        if (sendSdlTextKey(key, modifiers)) return;
        if (key == SDLK_r && (modifiers & KMOD_CTRL)) {
            rotate();
            return;
        }
        if ((key == SDLK_q || key == SDLK_w) && (modifiers & KMOD_CTRL)) {
            // The way the close button ends the app: one path for the shutdown.
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
            return;
        }
        const auto root = window->rootViewController();
        switch (key) {
        case SDLK_ESCAPE: pressKey(root, Key::escape); break;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: pressKey(root, Key::enter); break;
        case SDLK_SPACE: pressKey(root, Key::space); break;
        case SDLK_TAB: pressKey(root, modifiers & KMOD_SHIFT ? Key::backTab : Key::tab); break;
        case SDLK_LEFT: pressKey(root, Key::left); break;
        case SDLK_RIGHT: pressKey(root, Key::right); break;
        case SDLK_UP: pressKey(root, Key::up); break;
        case SDLK_DOWN: pressKey(root, Key::down); break;
        case SDLK_PAGEUP: pressKey(root, Key::pageUp, pointer); break;
        case SDLK_PAGEDOWN: pressKey(root, Key::pageDown, pointer); break;
        // Home and End belong to a text field being typed in.
        case SDLK_HOME:
            if (!Responder::currentFirstResponder()) pressKey(root, Key::home, pointer);
            break;
        case SDLK_END:
            if (!Responder::currentFirstResponder()) pressKey(root, Key::end, pointer);
            break;
        default: break;
        }
    }

    void wheel(const SDL_MouseWheelEvent& e) {
        if (e.which == SDL_TOUCH_MOUSEID) return;
        // SDL counts in wheel steps; touchpads give fractions of one, which scroll as smoothly.
        double sign = e.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1;
        WheelEvent event;
        event.location = toScreen(e.mouseX, e.mouseY);
        event.delta = {sign * e.preciseX, -sign * e.preciseY};
        event.unit = WheelEvent::Unit::lines;
        event.control = (modifiers & KMOD_CTRL) != 0;
        event.shift = (modifiers & KMOD_SHIFT) != 0;
        dispatcher->scrollWheel(event);
    }

    void drainSdl(double waitSeconds) {
        SDL_Event e;
        int got = 0;
        if (waitSeconds < 0) got = SDL_WaitEvent(&e);
        else if (waitSeconds > 0) got = SDL_WaitEventTimeout(&e, std::max(1, int(waitSeconds * 1000)));
        else got = SDL_PollEvent(&e);
        while (got) {
            if (e.type != wakeEvent) {
                SDL_Event copy = e;
                RunLoop::main().postEvent([this, copy] { handle(copy); });
            }
            got = SDL_PollEvent(&e);
        }
    }

    void display() {
        window->layoutIfNeeded();
        std::uint64_t version = window->layer()->version();
        if (!forceRedraw && version == presentedVersion) return;
        double now = Clock::current().now();
        double since = now - lastPresent;
        if (lastPresent >= 0 && since < 1.0 / 60.0) {
            // Too soon after the last frame: come back for the next one.
            if (!redrawTimer || !redrawTimer->isValid())
                redrawTimer = Timer::scheduled(1.0 / 60.0 - since, false, [] {});
            return;
        }
        if (!present()) {
            // No frame could be drawn (the window's surface not ready yet, on a display that has just
            // started): show the window all the same, never a running app without one, and try again.
            showWindow();
            if (!redrawTimer || !redrawTimer->isValid()) redrawTimer = Timer::scheduled(1.0 / 60.0, false, [] {});
            return;
        }
        presentedVersion = version;
        forceRedraw = false;
        lastPresent = now;
    }

    // The window appears with its first frame, never empty first (showing waits until it is mapped).
    void showWindow() {
        if (SDL_GetWindowFlags(sdlWindow) & SDL_WINDOW_HIDDEN) SDL_ShowWindow(sdlWindow);
    }

    // False when there was nothing to show.
    bool present() {
        int pw = 0, ph = 0;
        SDL_GetRendererOutputSize(renderer, &pw, &ph);
        int ww = 0, wh = 0;
        SDL_GetWindowSize(sdlWindow, &ww, &wh);
        double pixelsPerWindowPoint = ww > 0 ? double(pw) / ww : 1;
        double scale = factor * pixelsPerWindowPoint;
        Image image = window->layer()->renderImage(scale);
        if (image.isEmpty()) return false;
        int iw = image.pixelWidth(), ih = image.pixelHeight();
        if (!texture || iw != textureWidth || ih != textureHeight) {
            if (texture) SDL_DestroyTexture(texture);
            texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, iw, ih);
            textureWidth = iw;
            textureHeight = ih;
        }
        cairo_surface_t* surface = image.surface();
        cairo_surface_flush(surface);
        SDL_UpdateTexture(texture, nullptr, cairo_image_surface_get_data(surface), cairo_image_surface_get_stride(surface));
        showWindow();
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        SDL_Rect dst{int(offsetX * pixelsPerWindowPoint + 0.5), int(offsetY * pixelsPerWindowPoint + 0.5), iw, ih};
        SDL_RenderCopy(renderer, texture, nullptr, &dst);
        SDL_RenderPresent(renderer);
        return true;
    }
};

SdlWindow::SdlWindow(const DeviceProfile& profile) : impl_(std::make_unique<Impl>()) {
    impl_->profile = profile;
    Device::setCurrent(profile);
    impl_->window = kit::make<kit::Window>(profile.windowFrame());
    impl_->dispatcher = std::make_unique<EventDispatcher>(impl_->window);
}

SdlWindow::~SdlWindow() {
    RunLoop::main().setIdleWaiter({}, {});
    RunLoop::main().removePhaseHandler(impl_->displayToken);
    Application::shared().setIdleTimerHook({});
    Pasteboard::general().setBackend(nullptr);
    if (impl_->texture) SDL_DestroyTexture(impl_->texture);
    if (impl_->renderer) SDL_DestroyRenderer(impl_->renderer);
    if (impl_->sdlWindow) SDL_DestroyWindow(impl_->sdlWindow);
    if (impl_->sdlWindow) SDL_Quit();
}

namespace {

// Opens the video driver of the display the user has. SDL on its own falls back to a driver that
// draws nowhere when the display refuses a connection for a moment, which leaves a running app
// with no window; so only the drivers of a real display are tried, a few times, unless the user
// chose one with SDL_VIDEODRIVER.
bool initVisibleVideo(std::string* error) {
    if (const char* chosen = std::getenv("SDL_VIDEODRIVER"); chosen && *chosen) return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    std::vector<const char*> drivers;
    if (const char* x = std::getenv("DISPLAY"); x && *x) drivers.push_back("x11");
    if (const char* wl = std::getenv("WAYLAND_DISPLAY"); wl && *wl) drivers.push_back("wayland");
    std::string failures;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (attempt > 0) SDL_Delay(200);
        failures.clear();  // the last attempt's reasons
        for (const char* driver : drivers) {
            SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, driver, SDL_HINT_OVERRIDE);  // over an empty variable
            if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) return true;
            failures += std::string(failures.empty() ? "" : "; ") + driver + ": " + SDL_GetError();
        }
    }
    if (error) *error = failures.empty() ? "no display" : failures;
    return false;
}

// Frames are drawn by cairo at the window's own pixel size and only copied 1:1 here, which needs no
// GPU. On X11 the software renderer spares loading the GL stack, some 50 ms of every start (and its
// window surface would be a GL texture unless told otherwise); frames are paced at 60 Hz by display()
// either way. Wayland keeps the accelerated renderer, whose buffer is the one sharp on HiDPI screens.
SDL_Renderer* createRenderer(SDL_Window* window) {
    if (const char* driver = SDL_GetCurrentVideoDriver(); driver && std::string_view(driver) == "x11") {
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        if (auto* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE)) return renderer;
    }
    if (auto* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC))
        return renderer;
    return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
}

// The launcher's picture on the window too: a dock or a window switcher shows it for the window.
void setAppIcon(SDL_Window* window) {
    constexpr double side = 64;
    auto icon = Assets::imageNamed("about-logo", Size{side, side}, 1);
    if (!icon) return;
    std::vector<std::uint8_t> rgba = icon->rgbaBytes();
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(rgba.data(), icon->pixelWidth(), icon->pixelHeight(), 32,
                                                              icon->pixelWidth() * 4, SDL_PIXELFORMAT_RGBA32);
    if (!surface) return;
    SDL_SetWindowIcon(window, surface);
    SDL_FreeSurface(surface);
}

} // namespace

bool SdlWindow::showMessage(const std::string& title, const std::string& message, std::string* error) {
    // Whoever ends this process (a session manager, a script) ends the box with it: SIGTERM keeps its
    // default action rather than becoming a quit event nobody reads, and the process that draws the box
    // goes with this one.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    tieForkedChildren();
    // With the display's own video driver started, the box is drawn by it; without, SDL tries helper
    // programs that a desktop need not have.
    if (!initVisibleVideo(error)) {
        SDL_Quit();
        return false;
    }
    const bool shown = SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), message.c_str(), nullptr) == 0;
    if (!shown && error) *error = SDL_GetError();
    SDL_Quit();
    return shown;
}

bool SdlWindow::open(std::string* error) {
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_TOUCH_MOUSE_EVENTS, "0");
    if (SDL_Init(SDL_INIT_EVENTS) != 0 || !initVisibleVideo(error)) {
        if (error && error->empty()) *error = SDL_GetError();
        SDL_Quit();
        return false;
    }
    // Fit the device's screen into 90% of the usable display, never larger than 1:1.
    Size screen = impl_->window->bounds().size;
    double fit = 1;
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0 && usable.h > 0)
        fit = std::min({1.0, usable.w * 0.9 / screen.width, usable.h * 0.9 / screen.height});
    impl_->sdlWindow = SDL_CreateWindow("Tinctura", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                        int(screen.width * fit + 0.5), int(screen.height * fit + 0.5),
                                        SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
    if (!impl_->sdlWindow) {
        if (error) *error = SDL_GetError();
        SDL_Quit();
        return false;
    }
    setAppIcon(impl_->sdlWindow);
    impl_->renderer = createRenderer(impl_->sdlWindow);
    if (!impl_->renderer) {
        if (error) *error = SDL_GetError();
        return false;
    }
    SDL_GetWindowSize(impl_->sdlWindow, &impl_->placedWidth, &impl_->placedHeight);
    impl_->computePlacement();
    impl_->wakeEvent = SDL_RegisterEvents(1);
    SDL_StartTextInput();

    Pasteboard::general().setBackend(std::make_shared<SdlPasteboard>());
    Application::shared().setIdleTimerHook([](bool disabled) {
        if (disabled) SDL_DisableScreenSaver();
        else SDL_EnableScreenSaver();
    });
    auto* impl = impl_.get();
    RunLoop::main().setIdleWaiter([impl](double seconds) { impl->drainSdl(seconds); },
                                  [impl] {
                                      SDL_Event e{};
                                      e.type = impl->wakeEvent;
                                      SDL_PushEvent(&e);
                                  });
    impl_->displayToken = RunLoop::main().addPhaseHandler(Phase::display, [impl] { impl->display(); });
    return true;
}

void SdlWindow::setTitle(const std::string& title) {
    if (impl_->sdlWindow) SDL_SetWindowTitle(impl_->sdlWindow, title.c_str());
}

void SdlWindow::setRootViewController(const std::shared_ptr<ViewController>& controller) {
    Application::shared().finishLaunching();
    impl_->window->setRootViewController(controller);
    impl_->window->makeKeyAndVisible();
    impl_->forceRedraw = true;
}

const std::shared_ptr<kit::Window>& SdlWindow::window() const { return impl_->window; }

int SdlWindow::run() {
    impl_->drainSdl(0);
    RunLoop::main().run();
    Application::shared().terminate();
    if (exitScreenshot_) {
        impl_->window->layoutIfNeeded();
        auto image = impl_->window->layer()->renderImage(impl_->profile.scale);
        std::string error;
        if (image.isEmpty() || !writeScreenshotPng(image, *exitScreenshot_, &error))
            kit::warn("Could not write the exit screenshot: " + error);
    }
    return 0;
}

} // namespace kit::host
