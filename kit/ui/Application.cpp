#include "kit/ui/Application.h"

#include "kit/base/Console.h"
#include "kit/runtime/DispatchQueue.h"
#include "kit/runtime/NotificationCenter.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <thread>

extern char** environ;

namespace kit {
namespace {

std::unique_ptr<Application>& instance() {
    static std::unique_ptr<Application> app = std::make_unique<Application>();
    return app;
}

bool validScheme(const std::string& scheme) {
    if (scheme.empty() || !std::isalpha(static_cast<unsigned char>(scheme[0]))) return false;
    return std::all_of(scheme.begin(), scheme.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    });
}

bool defaultOpener(const std::string& url) { return runProgram({"xdg-open", url}); }

bool defaultSchemeQuery(const std::string& scheme) {
    if (scheme == "http" || scheme == "https" || scheme == "mailto" || scheme == "file") return true;
    if (!validScheme(scheme)) return false;
    std::string handler;
    if (!runProgram({"xdg-mime", "query", "default", "x-scheme-handler/" + scheme}, &handler)) return false;
    return handler.find_first_not_of(" \t\r\n") != std::string::npos;
}

} // namespace

Application& Application::shared() { return *instance(); }

void Application::resetShared() { instance() = std::make_unique<Application>(); }

void Application::failNoDelegate() { fatal("The application has no delegate of the expected type"); }

void Application::finishLaunching() {
    if (launched_) return;
    launched_ = true;
    if (delegate_) delegate_->didFinishLaunching();
    state_ = ApplicationState::active;
}

void Application::resignActive() {
    if (state_ != ApplicationState::active) return;
    state_ = ApplicationState::inactive;
    if (delegate_) delegate_->willResignActive();
    post(willResignActiveNotification);
}

void Application::enterBackground() {
    if (state_ == ApplicationState::background) return;
    resignActive();
    state_ = ApplicationState::background;
    if (delegate_) delegate_->didEnterBackground();
    post(didEnterBackgroundNotification);
}

void Application::enterForeground() {
    if (state_ != ApplicationState::background) return;
    state_ = ApplicationState::inactive;
    if (delegate_) delegate_->willEnterForeground();
    post(willEnterForegroundNotification);
}

void Application::becomeActive() {
    enterForeground();
    if (state_ == ApplicationState::active) return;
    state_ = ApplicationState::active;
    if (delegate_) delegate_->didBecomeActive();
    post(didBecomeActiveNotification);
}

void Application::terminate() {
    if (delegate_) delegate_->willTerminate();
    post(willTerminateNotification);
}

std::shared_ptr<Window> Application::keyWindow() const { return keyWindow_.lock(); }

void Application::addWindow(const std::shared_ptr<Window>& window) {
    if (!window || std::find(windows_.begin(), windows_.end(), window) != windows_.end()) return;
    windows_.push_back(window);
}

void Application::removeWindow(const std::shared_ptr<Window>& window) {
    std::erase(windows_, window);
    if (keyWindow_.lock() == window) keyWindow_.reset();
}

void Application::makeKeyWindow(const std::shared_ptr<Window>& window) {
    addWindow(window);
    keyWindow_ = window;
}

bool Application::isKeyWindow(const Window* window) const {
    return window && keyWindow_.lock().get() == window;
}

void Application::setIdleTimerDisabled(bool disabled) {
    idleTimerDisabled_ = disabled;
    if (idleTimerHook_) idleTimerHook_(disabled);
}

void Application::post(std::string_view name) { NotificationCenter::defaultCenter().post(name); }

void Application::openURL(const std::string& url, std::function<void(bool)> completion) {
    openedURLs_.push_back(url);
    // A URL that is no URL (or would be read as an option by the opener) is refused at once.
    if (urlScheme(url).empty()) {
        if (completion) DispatchQueue::main().async([completion] { completion(false); });
        return;
    }
    if (opener_) {
        bool ok = opener_(url);
        if (completion) DispatchQueue::main().async([completion, ok] { completion(ok); });
        return;
    }
    std::thread([url, completion] {
        bool ok = defaultOpener(url);
        if (completion) DispatchQueue::main().async([completion, ok] { completion(ok); });
    }).detach();
}

std::string urlScheme(std::string_view url) {
    auto colon = url.find(':');
    if (colon == std::string_view::npos) return {};
    std::string scheme(url.substr(0, colon));
    std::transform(scheme.begin(), scheme.end(), scheme.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return validScheme(scheme) ? scheme : std::string();
}

bool Application::canOpenURL(const std::string& url) const {
    auto scheme = urlScheme(url);
    if (scheme.empty()) return false;
    return schemeQuery_ ? schemeQuery_(scheme) : defaultSchemeQuery(scheme);
}

bool runProgram(const std::vector<std::string>& argv, std::string* output) {
    if (argv.empty()) return false;
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    int pipeFds[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (output) {
        if (pipe(pipeFds) != 0) return false;
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
        posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    }
    pid_t pid = 0;
    int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (output) {
        close(pipeFds[1]);
        if (rc == 0) {
            char buffer[512];
            ssize_t n;
            while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0) output->append(buffer, static_cast<std::size_t>(n));
        }
        close(pipeFds[0]);
    }
    if (rc != 0) return false;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace kit
