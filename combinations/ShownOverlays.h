#pragma once
// Overlays opened for hosts that hand over a function instead of keeping the overlay object: a
// shown overlay stays alive until it has slid away, or until its host view is gone. Kept in a list
// that is never destroyed, so no overlay outlives the services it uses at exit.
#include <algorithm>
#include <memory>
#include <vector>

namespace kit {
class View;
} // namespace kit

namespace combinations {

template <class Overlay>
class ShownOverlays {
public:
    static void add(const std::shared_ptr<Overlay>& overlay, const std::weak_ptr<kit::View>& host) {
        auto& list = entries();
        std::erase_if(list, [](const Entry& e) { return e.host.expired(); });
        list.push_back({overlay, host});
    }
    static void remove(const Overlay* overlay) {
        std::erase_if(entries(), [overlay](const Entry& e) { return e.overlay.get() == overlay; });
    }

private:
    struct Entry {
        std::shared_ptr<Overlay> overlay;
        std::weak_ptr<kit::View> host;
    };
    static std::vector<Entry>& entries() {
        static auto* list = new std::vector<Entry>();
        return *list;
    }
};

} // namespace combinations
