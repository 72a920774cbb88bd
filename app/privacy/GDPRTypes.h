#pragma once
// The result and error types of the cloud export and delete, and the tables they work on.
#include "kit/store/CloudDatabase.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace app::CloudPrivacy {

struct Error {
    std::string domain;
    int code = 0;
    std::string description;
    std::optional<kit::CloudContainer> noZonesContainer;  // set for the "no zones" error

    static Error noZones(const kit::CloudContainer& container) {
        return Error{"GDPR.Error", 0, "noZones(" + container.containerIdentifier() + ")", container};
    }
    static Error from(const kit::StoreError& e) { return Error{e.domain, e.code, e.text(), std::nullopt}; }
    bool isNoZones() const { return noZonesContainer.has_value(); }
};

template <class T>
class Result {
public:
    static Result success(T value) { return Result(std::move(value)); }
    static Result failure(Error error) { return Result(std::move(error)); }

    bool isSuccess() const { return std::holds_alternative<T>(v_); }
    const T& value() const { return std::get<T>(v_); }
    const Error& error() const { return std::get<Error>(v_); }

private:
    explicit Result(T value) : v_(std::move(value)) {}
    explicit Result(Error error) : v_(std::move(error)) {}
    std::variant<T, Error> v_;
};

// Containers are ordered by identifier: that is "the table's own order" wherever one is walked.
using Metadata = std::map<kit::CloudContainer, std::vector<std::string>>;
using ContainerNames = std::map<kit::CloudContainer, std::string>;
using Records = std::map<kit::CloudContainer, std::map<std::string, std::vector<kit::Record>>>;
using DeletedZones = std::map<kit::CloudContainer, std::vector<kit::RecordZoneID>>;

template <class T>
concept DataTransformer = requires(T& t, Records records, const ContainerNames& names,
                                   std::function<void(Result<typename T::Result>)> completion) {
    typename T::Result;
    t.transformData(std::move(records), names, std::move(completion));
};

} // namespace app::CloudPrivacy
