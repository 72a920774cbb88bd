#include "app/privacy/DataTransformers.h"

#include "kit/store/Uuid.h"

#include <nlohmann/json.hpp>

#include <set>

namespace app::CloudPrivacy {
namespace {

std::string pieceName(const kit::CloudContainer& container, const ContainerNames& names, const std::string& type,
                      const char* extension) {
    auto it = names.find(container);
    return (it != names.end() ? it->second : kit::makeUuidString()) + "_" + type + extension;
}

std::string valueText(const kit::Record& record, const std::string& key) {
    const auto* value = record.value(key);
    return value ? kit::description(*value) : std::string();
}

using PieceWriter = std::function<Result<std::string>(const std::vector<kit::Record>&)>;

// On the queue, one piece per container and record type, named with the extension; the first
// piece that cannot be written fails the export. The completion comes on the main queue.
void writePieces(kit::DispatchQueue& queue, Records records, const ContainerNames& names, const char* extension,
                 PieceWriter write, std::function<void(Result<Pieces>)> completion) {
    queue.async([records = std::move(records), names, extension, write = std::move(write),
                 completion = std::move(completion)] {
        Pieces pieces;
        for (const auto& [container, types] : records)
            for (const auto& [type, list] : types) {
                auto text = write(list);
                if (!text.isSuccess()) {
                    kit::DispatchQueue::main().async([completion, error = text.error()] {
                        completion(Result<Pieces>::failure(error));
                    });
                    return;
                }
                pieces[pieceName(container, names, type, extension)] = text.value();
            }
        kit::DispatchQueue::main().async([completion, pieces = std::move(pieces)] {
            completion(Result<Pieces>::success(pieces));
        });
    });
}

} // namespace

const std::shared_ptr<JSONDataTransformer>& JSONDataTransformer::shared() {
    static const auto instance = std::make_shared<JSONDataTransformer>(kit::DispatchQueue::serial("GDPR.JSONExporter"));
    return instance;
}

const std::shared_ptr<CSVDataTransformer>& CSVDataTransformer::shared() {
    static const auto instance = std::make_shared<CSVDataTransformer>(kit::DispatchQueue::serial("GDPR.CSVExporter"));
    return instance;
}

void JSONDataTransformer::transformData(Records records, const ContainerNames& names,
                                        std::function<void(CloudPrivacy::Result<Result>)> completion) {
    writePieces(*dispatchQueue, std::move(records), names, ".json", [](const std::vector<kit::Record>& list) {
        auto array = nlohmann::json::array();
        for (const auto& record : list) {
            auto object = nlohmann::json::object();
            for (const auto& key : record.allKeys()) object[key] = valueText(record, key);
            array.push_back(std::move(object));
        }
        // Strict: a text that is not UTF-8 fails the export.
        try {
            return CloudPrivacy::Result<std::string>::success(array.dump(2));
        } catch (const nlohmann::json::exception& e) {
            return CloudPrivacy::Result<std::string>::failure(Error{"JSONSerialization", e.id, e.what(), std::nullopt});
        }
    }, std::move(completion));
}

std::string csvField(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

void CSVDataTransformer::transformData(Records records, const ContainerNames& names,
                                       std::function<void(CloudPrivacy::Result<Result>)> completion) {
    writePieces(*dispatchQueue, std::move(records), names, ".csv", [](const std::vector<kit::Record>& list) {
        std::set<std::string> keySet;
        for (const auto& record : list)
            for (const auto& key : record.allKeys()) keySet.insert(key);
        const std::vector<std::string> columns(keySet.begin(), keySet.end());
        std::string text;
        for (std::size_t i = 0; i < columns.size(); ++i) text.append(i ? "," : "").append(csvField(columns[i]));
        text += "\n";
        for (const auto& record : list) {
            for (std::size_t i = 0; i < columns.size(); ++i) {
                if (i) text += ",";
                if (record.value(columns[i])) text += csvField(valueText(record, columns[i]));
            }
            text += "\n";
        }
        return CloudPrivacy::Result<std::string>::success(std::move(text));
    }, std::move(completion));
}

std::vector<std::vector<std::string>> parseCsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false, any = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') field += text[++i];
            else if (c == '"') quoted = false;
            else field += c;
        } else if (c == '"') {
            quoted = any = true;
        } else if (c == ',') {
            row.push_back(std::move(field));
            field.clear();
            any = true;
        } else if (c == '\n') {
            if (any || !field.empty()) row.push_back(std::move(field));
            rows.push_back(std::move(row));
            row.clear();
            field.clear();
            any = false;
        } else {
            field += c;
            any = true;
        }
    }
    return rows;
}

} // namespace app::CloudPrivacy
