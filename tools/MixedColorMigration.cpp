#include "tools/MixedColorMigration.h"

#include "app/SavedData.h"
#include "app/storage/DataModel.h"
#include "kit/store/Defaults.h"

#include <algorithm>
#include <set>

namespace tools {

bool convertMixedColorsOnce(kit::ManagedContext& context, kit::Defaults& defaults,
                            const std::function<bool()>& saveContext) {
    const char* key = app::Keys::convertMixedColorsToLarge;
    if (defaults.boolean(key)) return true;
    // A context without a store, or a failed read, is not "no old mixes": try again next time.
    if (!context.store()) return false;
    std::optional<kit::StoreError> error;
    auto legacy = context.fetch(app::MixedColor::fetchRequest(), error);
    if (error) return false;
    std::vector<app::MixedColor> records(legacy.begin(), legacy.end());
    std::stable_sort(records.begin(), records.end(), [](const auto& a, const auto& b) { return a.id() < b.id(); });

    // Copies saved by an earlier, interrupted run keep their ids.
    std::set<std::pair<std::int64_t, std::optional<std::string>>> copied;
    auto existing = context.fetch(app::LargeCombination::fetchRequest(), error);
    if (error) return false;
    for (auto& object : existing) {
        const app::LargeCombination record(object);
        if (record.isMixedColor()) copied.emplace(record.id(), record.color());
    }

    for (const auto& old : records) {
        if (copied.count({old.id(), old.color()})) continue;
        auto copy = app::LargeCombination::insert(context);
        copy.setIsMixedColor(true);
        copy.setId(old.id());
        copy.setColor(old.color());
        copy.setColors(old.colors());
        if (!saveContext()) return false;
    }
    defaults.set(true, key);
    return true;
}

} // namespace tools
