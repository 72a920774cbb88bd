#pragma once
// What to fetch: all records of one entity, or those whose one attribute equals a value.
#include "kit/store/ObjectModel.h"

#include <optional>
#include <string>

namespace kit {

struct Predicate {
    std::string attribute;
    AttributeValue value;  // text or integer

    // The equality forms the app uses: "tag = %@" with a text, "id = %i" (or %d, %ld, %lld) with an integer.
    // A format outside these forms is a programming error.
    static Predicate format(const std::string& format, const std::string& text);
    static Predicate format(const std::string& format, std::int64_t number);
};

struct FetchRequest {
    std::string entityName;
    std::optional<Predicate> predicate;
    bool returnsObjectsAsFaults = true;  // accepted; records are always loaded whole

    explicit FetchRequest(std::string entity) : entityName(std::move(entity)) {}
};

} // namespace kit
