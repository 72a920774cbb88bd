#include "kit/ui/Storyboard.h"

#include "kit/ui/ViewController.h"

namespace kit {

std::shared_ptr<Storyboard> Storyboard::named(const std::string& name) {
    static std::map<std::string, std::shared_ptr<Storyboard>> boards;
    auto& board = boards[name];
    if (!board) board = std::make_shared<Storyboard>(name);
    return board;
}

void Storyboard::registerScene(const std::string& identifier, Factory factory) {
    scenes_[identifier] = std::move(factory);
}

std::vector<std::string> Storyboard::sceneIdentifiers() const {
    std::vector<std::string> identifiers;
    for (const auto& [identifier, factory] : scenes_) identifiers.push_back(identifier);
    return identifiers;
}

std::shared_ptr<ViewController> Storyboard::instantiateViewController(const std::string& identifier) {
    auto it = scenes_.find(identifier);
    if (it == scenes_.end() || !it->second) return nullptr;
    auto controller = it->second();
    if (controller) controller->setStoryboard(shared_from_this(), identifier);
    return controller;
}

std::shared_ptr<ViewController> Storyboard::instantiateInitialViewController() {
    if (!initial_) return nullptr;
    auto controller = initial_();
    if (controller) controller->setStoryboard(shared_from_this(), {});
    return controller;
}

void Storyboard::registerSegue(const std::string& sourceIdentifier, const std::string& segueIdentifier,
                               const std::string& destinationIdentifier, SegueKind kind) {
    segues_[{sourceIdentifier, segueIdentifier}] = {destinationIdentifier, kind};
}

const Storyboard::SegueTarget* Storyboard::segue(const std::string& sourceIdentifier,
                                                 const std::string& segueIdentifier) const {
    auto it = segues_.find({sourceIdentifier, segueIdentifier});
    return it == segues_.end() ? nullptr : &it->second;
}

void Storyboard::clear() {
    scenes_.clear();
    segues_.clear();
    initial_ = nullptr;
}

} // namespace kit
