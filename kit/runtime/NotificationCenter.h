#pragma once
// Named notifications delivered synchronously on the posting thread, to the observers in the order
// they registered, before post() returns. Observers may be added or removed while a post is under
// way: a removed observer is not called any more in that post, an added one only from the next post.
//
// Registrations are not merged: registering the same block twice means it runs twice per post, so a
// screen registers once per instance and removes its registrations (by owner) when it goes.
#include <any>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace kit {

struct Notification {
    std::string name;
    // The object the notification is about (compared by identity), or null.
    const void* object = nullptr;
    std::map<std::string, std::any> userInfo;
};

struct ObserverToken {
    std::uint64_t id = 0;
    explicit operator bool() const { return id != 0; }
};

class NotificationCenter {
public:
    using Block = std::function<void(const Notification&)>;

    static NotificationCenter& defaultCenter();

    // Observes `name` when posted about `object`, or about anything when `object` is null. `owner`
    // (usually the observing screen) groups registrations for removeObserver(owner).
    ObserverToken addObserver(std::string name, const void* object, Block block, const void* owner = nullptr);
    void removeObserver(ObserverToken token);
    // Removes every registration of `owner`.
    void removeObserver(const void* owner);
    // Removes the owner's registrations for `name` (and `object`, when not null).
    void removeObserver(const void* owner, std::string_view name, const void* object = nullptr);

    void post(std::string_view name, const void* object = nullptr, std::map<std::string, std::any> userInfo = {});

private:
    struct Registration;
    void removeWhere(const std::function<bool(const Registration&)>& match);

    std::mutex mutex_;
    std::vector<std::shared_ptr<Registration>> registrations_;
    std::uint64_t nextId_ = 0;
};

} // namespace kit
