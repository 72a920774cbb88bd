#pragma once
// The storyboard: a registry of screen factories by identifier, the named segues between screens
// and the initial scene. Each screen builds its own views in code.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kit {

class ViewController;

enum class SegueKind { push, modal };

class StoryboardSegue {
public:
    StoryboardSegue(std::string identifier, std::shared_ptr<ViewController> source,
                    std::shared_ptr<ViewController> destination)
        : identifier_(std::move(identifier)), source_(std::move(source)), destination_(std::move(destination)) {}
    const std::string& identifier() const { return identifier_; }
    const std::shared_ptr<ViewController>& source() const { return source_; }
    const std::shared_ptr<ViewController>& destination() const { return destination_; }

private:
    std::string identifier_;
    std::shared_ptr<ViewController> source_;
    std::shared_ptr<ViewController> destination_;
};

class Storyboard : public std::enable_shared_from_this<Storyboard> {
public:
    using Factory = std::function<std::shared_ptr<ViewController>()>;

    // The storyboard of that name (one per name for the whole run), registered into by the app.
    static std::shared_ptr<Storyboard> named(const std::string& name);
    explicit Storyboard(std::string name) : name_(std::move(name)) {}
    const std::string& name() const { return name_; }

    void registerScene(const std::string& identifier, Factory factory);
    bool hasScene(const std::string& identifier) const { return scenes_.count(identifier) != 0; }
    // Every registered identifier, in order.
    std::vector<std::string> sceneIdentifiers() const;
    // A new screen of that scene (its storyboard set), or none for an unknown identifier.
    std::shared_ptr<ViewController> instantiateViewController(const std::string& identifier);
    // The scene the app opens on (may be a navigation controller around the first screen).
    void setInitialScene(Factory factory) { initial_ = std::move(factory); }
    std::shared_ptr<ViewController> instantiateInitialViewController();

    // A segue leaves the screen `sourceIdentifier` (a screen registered or made in code may carry
    // any source name) and leads to the scene `destinationIdentifier`.
    void registerSegue(const std::string& sourceIdentifier, const std::string& segueIdentifier,
                       const std::string& destinationIdentifier, SegueKind kind = SegueKind::push);
    struct SegueTarget {
        std::string destination;
        SegueKind kind;
    };
    const SegueTarget* segue(const std::string& sourceIdentifier, const std::string& segueIdentifier) const;

    // Forgets every scene and segue (tests).
    void clear();

private:
    std::string name_;
    std::map<std::string, Factory> scenes_;
    Factory initial_;
    std::map<std::pair<std::string, std::string>, SegueTarget> segues_;
};

} // namespace kit
