#include "kit/runtime/NotificationCenter.h"

#include <algorithm>
#include <atomic>

namespace kit {

struct NotificationCenter::Registration {
    std::uint64_t id;
    std::string name;
    const void* object;
    const void* owner;
    Block block;
    std::atomic<bool> alive{true};
};

NotificationCenter& NotificationCenter::defaultCenter() {
    // Never destroyed: screens held by other statics (the application's windows) unregister in
    // their destructors after main returns, when a destroyed centre would be used after free.
    static NotificationCenter* center = new NotificationCenter;
    return *center;
}

ObserverToken NotificationCenter::addObserver(std::string name, const void* object, Block block, const void* owner) {
    std::lock_guard lock(mutex_);
    auto r = std::make_shared<Registration>();
    r->id = ++nextId_;
    r->name = std::move(name);
    r->object = object;
    r->owner = owner;
    r->block = std::move(block);
    registrations_.push_back(r);
    return {r->id};
}

void NotificationCenter::removeWhere(const std::function<bool(const Registration&)>& match) {
    std::vector<std::shared_ptr<Registration>> removed; // blocks are released outside the lock
    std::lock_guard lock(mutex_);
    std::erase_if(registrations_, [&](const std::shared_ptr<Registration>& r) {
        if (!match(*r)) return false;
        r->alive = false;
        removed.push_back(r);
        return true;
    });
}

void NotificationCenter::removeObserver(ObserverToken token) {
    if (!token) return;
    removeWhere([&](const Registration& r) { return r.id == token.id; });
}

void NotificationCenter::removeObserver(const void* owner) {
    if (!owner) return;
    removeWhere([&](const Registration& r) { return r.owner == owner; });
}

void NotificationCenter::removeObserver(const void* owner, std::string_view name, const void* object) {
    if (!owner) return;
    removeWhere([&](const Registration& r) {
        return r.owner == owner && r.name == name && (!object || r.object == object);
    });
}

void NotificationCenter::post(std::string_view name, const void* object, std::map<std::string, std::any> userInfo) {
    std::vector<std::shared_ptr<Registration>> matching;
    {
        std::lock_guard lock(mutex_);
        for (const auto& r : registrations_)
            if (r->name == name && (!r->object || r->object == object)) matching.push_back(r);
    }
    if (matching.empty()) return;
    const Notification notification{std::string(name), object, std::move(userInfo)};
    for (const auto& r : matching)
        if (r->alive) r->block(notification);
}

} // namespace kit
