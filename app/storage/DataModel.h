#pragma once
// The model "DataModel": saved combinations and single colours, saved mixes and light sets, and the
// earlier form of mixes. Each record class is a typed view of a record of its entity.
#include "kit/store/FetchRequest.h"
#include "kit/store/ManagedContext.h"
#include "kit/store/ObjectModel.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace app {

const kit::ObjectModel& dataModel();

class RecordView {
public:
    explicit RecordView(std::shared_ptr<kit::ManagedObject> object) : object_(std::move(object)) {}
    const std::shared_ptr<kit::ManagedObject>& object() const { return object_; }

protected:
    std::shared_ptr<kit::ManagedObject> object_;
};

class CustomColorCombination : public RecordView {
public:
    static constexpr const char* entityName = "CustomColorCombination";
    static kit::FetchRequest fetchRequest() { return kit::FetchRequest(entityName); }
    static CustomColorCombination insert(kit::ManagedContext& context) {
        return CustomColorCombination(context.insert(entityName));
    }
    using RecordView::RecordView;

    std::optional<std::string> color1() const { return object_->string("color1"); }
    std::optional<std::string> color2() const { return object_->string("color2"); }
    std::optional<std::string> color3() const { return object_->string("color3"); }
    std::optional<std::string> color4() const { return object_->string("color4"); }
    std::int32_t id() const { return static_cast<std::int32_t>(object_->integer("id")); }
    bool isLiked() const { return object_->boolean("isLiked"); }
    std::int32_t numberOfColors() const { return static_cast<std::int32_t>(object_->integer("numberOfColors")); }
    std::optional<std::string> tag() const { return object_->string("tag"); }

    void setColor1(std::optional<std::string> v) { object_->setString("color1", std::move(v)); }
    void setColor2(std::optional<std::string> v) { object_->setString("color2", std::move(v)); }
    void setColor3(std::optional<std::string> v) { object_->setString("color3", std::move(v)); }
    void setColor4(std::optional<std::string> v) { object_->setString("color4", std::move(v)); }
    void setId(std::int32_t v) { object_->setInteger("id", v); }
    void setIsLiked(bool v) { object_->setBool("isLiked", v); }
    void setNumberOfColors(std::int32_t v) { object_->setInteger("numberOfColors", v); }
    void setTag(std::optional<std::string> v) { object_->setString("tag", std::move(v)); }
};

class LargeCombination : public RecordView {
public:
    static constexpr const char* entityName = "LargeCombination";
    static kit::FetchRequest fetchRequest() { return kit::FetchRequest(entityName); }
    static LargeCombination insert(kit::ManagedContext& context) { return LargeCombination(context.insert(entityName)); }
    using RecordView::RecordView;

    std::optional<std::string> color() const { return object_->string("color"); }
    std::vector<std::string> colors() const { return object_->strings("colors"); }
    std::int64_t id() const { return object_->integer("id"); }
    bool isLightColors() const { return object_->boolean("isLightColors"); }
    bool isMixedColor() const { return object_->boolean("isMixedColor"); }
    std::optional<std::string> lightName() const { return object_->string("lightName"); }
    double lightPower() const { return object_->real("lightPower"); }
    std::optional<std::string> lightType() const { return object_->string("lightType"); }
    std::optional<std::string> name() const { return object_->string("name"); }
    std::int32_t type() const { return static_cast<std::int32_t>(object_->integer("type")); }

    void setColor(std::optional<std::string> v) { object_->setString("color", std::move(v)); }
    void setColors(std::vector<std::string> v) { object_->setStrings("colors", std::move(v)); }
    void setId(std::int64_t v) { object_->setInteger("id", v); }
    void setIsLightColors(bool v) { object_->setBool("isLightColors", v); }
    void setIsMixedColor(bool v) { object_->setBool("isMixedColor", v); }
    void setLightName(std::optional<std::string> v) { object_->setString("lightName", std::move(v)); }
    void setLightPower(double v) { object_->setDouble("lightPower", v); }
    void setLightType(std::optional<std::string> v) { object_->setString("lightType", std::move(v)); }
    void setName(std::optional<std::string> v) { object_->setString("name", std::move(v)); }
    void setType(std::int32_t v) { object_->setInteger("type", v); }
};

class MixedColor : public RecordView {
public:
    static constexpr const char* entityName = "MixedColor";
    static kit::FetchRequest fetchRequest() { return kit::FetchRequest(entityName); }
    static MixedColor insert(kit::ManagedContext& context) { return MixedColor(context.insert(entityName)); }
    using RecordView::RecordView;

    std::optional<std::string> color() const { return object_->string("color"); }
    std::vector<std::string> colors() const { return object_->strings("colors"); }
    std::int32_t id() const { return static_cast<std::int32_t>(object_->integer("id")); }

    void setColor(std::optional<std::string> v) { object_->setString("color", std::move(v)); }
    void setColors(std::vector<std::string> v) { object_->setStrings("colors", std::move(v)); }
    void setId(std::int32_t v) { object_->setInteger("id", v); }
};

// Typed views of fetched records.
template <class View>
std::vector<View> fetchRecords(kit::ManagedContext& context, const kit::FetchRequest& request) {
    std::vector<View> out;
    for (auto& o : context.fetch(request)) out.emplace_back(std::move(o));
    return out;
}

} // namespace app
