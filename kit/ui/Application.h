#pragma once
// The application object: its delegate, its windows and key window, the idle timer, opening
// URLs through the desktop (xdg-open, no shell) and the lifecycle events the hosts map from SDL.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kit {

class Window;

class ApplicationDelegate {
public:
    virtual ~ApplicationDelegate() = default;
    virtual bool didFinishLaunching() { return true; }
    virtual void willResignActive() {}
    virtual void didEnterBackground() {}
    virtual void willEnterForeground() {}
    virtual void didBecomeActive() {}
    virtual void willTerminate() {}
};

enum class ApplicationState { active, inactive, background };

// Notification names posted on the default centre as the state changes (object: none).
inline constexpr std::string_view willResignActiveNotification = "ApplicationWillResignActive";
inline constexpr std::string_view didEnterBackgroundNotification = "ApplicationDidEnterBackground";
inline constexpr std::string_view willEnterForegroundNotification = "ApplicationWillEnterForeground";
inline constexpr std::string_view didBecomeActiveNotification = "ApplicationDidBecomeActive";
inline constexpr std::string_view willTerminateNotification = "ApplicationWillTerminate";

class Application {
public:
    static Application& shared();
    // Back to a fresh state (no delegate, no windows, default URL handling): for tests.
    static void resetShared();

    // The delegate is made before anything else runs, so its constructor may read settings.
    void setDelegate(std::shared_ptr<ApplicationDelegate> delegate) { delegate_ = std::move(delegate); }
    const std::shared_ptr<ApplicationDelegate>& delegate() const { return delegate_; }
    // The delegate as the app's own type; a missing delegate or another type is a programming error.
    template <class T> T& delegateAs() const {
        auto* typed = dynamic_cast<T*>(delegate_.get());
        if (!typed) failNoDelegate();
        return *typed;
    }

    // Runs didFinishLaunching once; hosts call it before the root screen first appears.
    void finishLaunching();
    bool hasFinishedLaunching() const { return launched_; }

    // Lifecycle, as the hosts report it. Each tells the delegate, then posts its notification.
    ApplicationState state() const { return state_; }
    void resignActive();
    void enterBackground();
    void enterForeground();
    void becomeActive();
    void terminate();

    // Windows in creation order; the key window receives keyboard input and carries toasts.
    const std::vector<std::shared_ptr<Window>>& windows() const { return windows_; }
    std::shared_ptr<Window> keyWindow() const;
    void addWindow(const std::shared_ptr<Window>& window);
    void removeWindow(const std::shared_ptr<Window>& window);
    void makeKeyWindow(const std::shared_ptr<Window>& window);
    bool isKeyWindow(const Window* window) const;

    // Keeps the display awake while true; the window host maps it onto the screensaver.
    bool isIdleTimerDisabled() const { return idleTimerDisabled_; }
    void setIdleTimerDisabled(bool disabled);
    void setIdleTimerHook(std::function<void(bool disabled)> hook) { idleTimerHook_ = std::move(hook); }

    // Opens the URL with the desktop's handler, off the main thread; the completion runs on the
    // main queue with whether the handler accepted it. Tests replace the opener.
    void openURL(const std::string& url, std::function<void(bool success)> completion = {});
    // Whether something handles the URL's scheme (web and mail always; others if registered).
    bool canOpenURL(const std::string& url) const;
    using URLOpener = std::function<bool(const std::string& url)>;
    using SchemeQuery = std::function<bool(const std::string& scheme)>;
    void setURLOpener(URLOpener opener) { opener_ = std::move(opener); }
    void setSchemeQuery(SchemeQuery query) { schemeQuery_ = std::move(query); }
    const std::vector<std::string>& openedURLs() const { return openedURLs_; }

private:
    [[noreturn]] static void failNoDelegate();
    void post(std::string_view name);

    std::shared_ptr<ApplicationDelegate> delegate_;
    bool launched_ = false;
    ApplicationState state_ = ApplicationState::inactive;
    std::vector<std::shared_ptr<Window>> windows_;
    std::weak_ptr<Window> keyWindow_;
    bool idleTimerDisabled_ = false;
    std::function<void(bool)> idleTimerHook_;
    URLOpener opener_;
    SchemeQuery schemeQuery_;
    std::vector<std::string> openedURLs_;
};

// The scheme of a URL ("https" of "https://example.org"), lower-cased; empty when it has none.
std::string urlScheme(std::string_view url);
// Runs a program with arguments (no shell) and waits; true when it exits with status 0.
bool runProgram(const std::vector<std::string>& argv, std::string* output = nullptr);

} // namespace kit
