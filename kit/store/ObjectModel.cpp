#include "kit/store/ObjectModel.h"

namespace kit {

int EntityDescription::attributeIndex(std::string_view attribute) const {
    for (std::size_t i = 0; i < attributes.size(); ++i)
        if (attributes[i].name == attribute) return static_cast<int>(i);
    return -1;
}

const EntityDescription* ObjectModel::entity(std::string_view entityName) const {
    for (const auto& e : entities)
        if (e.name == entityName) return &e;
    return nullptr;
}

AttributeValue defaultValue(AttributeType type) {
    switch (type) {
    case AttributeType::String: return std::monostate{};
    case AttributeType::Int32:
    case AttributeType::Int64: return std::int64_t{0};
    case AttributeType::Bool: return false;
    case AttributeType::Double: return 0.0;
    case AttributeType::StringArray: return std::vector<std::string>{};
    }
    return std::monostate{};
}

} // namespace kit
