#pragma once
// The description of a store's entities: names, typed attributes, and which attributes fetches filter on.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kit {

enum class AttributeType { String, Int32, Int64, Bool, Double, StringArray };

struct AttributeDescription {
    std::string name;
    AttributeType type = AttributeType::String;
    bool indexed = false;  // an index is kept where fetches filter
};

struct EntityDescription {
    std::string name;
    std::vector<AttributeDescription> attributes;

    // Position of the attribute, or -1 when the entity has none of that name.
    int attributeIndex(std::string_view attribute) const;
};

struct ObjectModel {
    std::string name;
    std::vector<EntityDescription> entities;

    const EntityDescription* entity(std::string_view entityName) const;
};

// One attribute's value: absent (optional text), text, integer (32 or 64 bit), Bool, double or array of texts.
using AttributeValue = std::variant<std::monostate, std::string, std::int64_t, bool, double, std::vector<std::string>>;

// The value an attribute holds before anything is set: absent text, zero, false, an empty array.
AttributeValue defaultValue(AttributeType type);

} // namespace kit
