#include "colour/CombinationQueries.h"

#include "app/AppDelegate.h"
#include "app/storage/DataModel.h"
#include "colour/ArgbHex.h"
#include "colour/PredefinedCombinations.h"

#include <algorithm>

namespace colour::CCs {
namespace {

std::optional<kit::Color> storedColor(const std::optional<std::string>& text) {
    if (!text) return std::nullopt;
    return colorFromArgbHex(*text);
}

} // namespace

std::optional<std::vector<ColorCombination>> combinationsOfKind(CCTypeLogic kind) {
    std::vector<ColorCombination> list;
    if (kind == CCTypeLogic::abstract || kind == CCTypeLogic::digital) {
        for (const auto& entry : predefinedCombinations())
            if (entry.tag == rawValue(kind)) list.push_back(entry);
        return list;
    }
    auto request = app::CustomColorCombination::fetchRequest();
    request.predicate = kit::Predicate::format("tag = %@", std::string(rawValue(kind)));
    request.returnsObjectsAsFaults = false;
    std::optional<kit::StoreError> error;
    auto objects = app::delegate().persistentContainer().viewContext()->fetch(request, error);
    if (error) return std::nullopt;
    std::vector<app::CustomColorCombination> records(objects.begin(), objects.end());
    std::stable_sort(records.begin(), records.end(),
                     [](const auto& a, const auto& b) { return a.id() > b.id(); });
    list.reserve(records.size());
    for (const auto& r : records)
        list.push_back({r.numberOfColors(), r.tag().value_or("abstract"), false, storedColor(r.color1()),
                        storedColor(r.color2()), storedColor(r.color3()), storedColor(r.color4()), r.id()});
    return list;
}

} // namespace colour::CCs
