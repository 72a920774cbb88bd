#pragma once
// A record of one entity, held by the context that inserted or fetched it. Setters copy their values.
#include "kit/store/ObjectModel.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kit {

class ManagedContext;

class ManagedObject {
public:
    ManagedObject(const EntityDescription& entity, std::weak_ptr<ManagedContext> context);

    const std::string& entityName() const { return entity_->name; }
    const EntityDescription& entity() const { return *entity_; }

    // Typed readers; asking for an attribute the entity lacks, or with the wrong type, is a programming error.
    std::optional<std::string> string(std::string_view attribute) const;
    std::int64_t integer(std::string_view attribute) const;
    bool boolean(std::string_view attribute) const;
    double real(std::string_view attribute) const;
    std::vector<std::string> strings(std::string_view attribute) const;

    void setString(std::string_view attribute, std::optional<std::string> value);
    // A 32-bit attribute given a value outside its range is a programming error.
    void setInteger(std::string_view attribute, std::int64_t value);
    void setBool(std::string_view attribute, bool value);
    void setDouble(std::string_view attribute, double value);
    void setStrings(std::string_view attribute, std::vector<std::string> value);

    bool isInserted() const { return state_ == State::Inserted; }
    bool isDeleted() const { return state_ == State::Deleted || state_ == State::Gone; }
    bool hasChanges() const { return state_ == State::Inserted || changed_ || state_ == State::Deleted; }
    // The row's key in the store; 0 while the record is not saved.
    std::int64_t storeId() const { return pk_; }

private:
    friend class ManagedContext;
    enum class State { Inserted, Saved, Deleted, Gone };

    std::size_t index(std::string_view attribute, AttributeType type) const;
    void set(std::size_t index, AttributeValue value);

    const EntityDescription* entity_;
    std::weak_ptr<ManagedContext> context_;
    std::vector<AttributeValue> values_;
    std::vector<AttributeValue> committed_;
    std::int64_t pk_ = 0;
    State state_ = State::Inserted;
    bool changed_ = false;
};

} // namespace kit
