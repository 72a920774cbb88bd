#include "kit/store/ManagedObject.h"

#include "kit/base/Console.h"
#include "kit/store/ManagedContext.h"

#include <limits>

namespace kit {

ManagedObject::ManagedObject(const EntityDescription& entity, std::weak_ptr<ManagedContext> context)
    : entity_(&entity), context_(std::move(context)) {
    for (const auto& a : entity.attributes) values_.push_back(defaultValue(a.type));
    committed_ = values_;
}

std::size_t ManagedObject::index(std::string_view attribute, AttributeType type) const {
    int i = entity_->attributeIndex(attribute);
    if (i < 0) fatal("Entity " + entity_->name + " has no attribute " + std::string(attribute));
    auto actual = entity_->attributes[i].type;
    bool integerKinds = (type == AttributeType::Int32 || type == AttributeType::Int64) &&
                        (actual == AttributeType::Int32 || actual == AttributeType::Int64);
    if (actual != type && !integerKinds)
        fatal("Attribute " + entity_->name + "." + std::string(attribute) + " is of another type");
    return static_cast<std::size_t>(i);
}

std::optional<std::string> ManagedObject::string(std::string_view attribute) const {
    const auto& v = values_[index(attribute, AttributeType::String)];
    if (auto s = std::get_if<std::string>(&v)) return *s;
    return std::nullopt;
}

std::int64_t ManagedObject::integer(std::string_view attribute) const {
    return std::get<std::int64_t>(values_[index(attribute, AttributeType::Int64)]);
}

bool ManagedObject::boolean(std::string_view attribute) const {
    return std::get<bool>(values_[index(attribute, AttributeType::Bool)]);
}

double ManagedObject::real(std::string_view attribute) const {
    return std::get<double>(values_[index(attribute, AttributeType::Double)]);
}

std::vector<std::string> ManagedObject::strings(std::string_view attribute) const {
    return std::get<std::vector<std::string>>(values_[index(attribute, AttributeType::StringArray)]);
}

void ManagedObject::setString(std::string_view attribute, std::optional<std::string> value) {
    auto i = index(attribute, AttributeType::String);
    set(i, value ? AttributeValue(std::move(*value)) : AttributeValue(std::monostate{}));
}

void ManagedObject::setInteger(std::string_view attribute, std::int64_t value) {
    auto i = index(attribute, AttributeType::Int64);
    if (entity_->attributes[i].type == AttributeType::Int32 &&
        (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()))
        fatal("Value " + std::to_string(value) + " does not fit the 32-bit attribute " + std::string(attribute));
    set(i, value);
}

void ManagedObject::setBool(std::string_view attribute, bool value) { set(index(attribute, AttributeType::Bool), value); }

void ManagedObject::setDouble(std::string_view attribute, double value) {
    set(index(attribute, AttributeType::Double), value);
}

void ManagedObject::setStrings(std::string_view attribute, std::vector<std::string> value) {
    set(index(attribute, AttributeType::StringArray), std::move(value));
}

void ManagedObject::set(std::size_t i, AttributeValue value) {
    values_[i] = std::move(value);
    if (state_ == State::Saved && !changed_) {
        changed_ = true;
        if (auto context = context_.lock()) context->objectDidChange(*this);
    }
}

} // namespace kit
