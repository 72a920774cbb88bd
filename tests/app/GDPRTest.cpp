#include "CloudWait.h"

#include "app/privacy/DataTransformers.h"
#include "app/privacy/GDPR.h"
#include "kit/runtime/RunLoop.h"
#include "kit/store/CloudDatabaseDouble.h"
#include "kit/store/CloudWorkers.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <thread>

namespace {

using namespace app::CloudPrivacy;
using Call = kit::CloudDatabaseDouble::Call;

kit::Record record(const std::string& zone, const std::string& name, const std::string& type = "CD_CustomColorCombination") {
    kit::Record r(type, kit::RecordID{name, kit::RecordZoneID{zone}});
    r.set("CD_tag", name);
    return r;
}

std::vector<std::string> names(const std::vector<kit::Record>& records) {
    std::vector<std::string> out;
    for (const auto& r : records) out.push_back(r.recordID().recordName);
    return out;
}

struct GDPRTest : ::testing::Test {
    kit::ManualRunLoopScope loop;
    std::shared_ptr<kit::CloudDatabaseDouble> db = kit::CloudDatabaseDouble::make();
    kit::CloudContainer container{"c1", db};

    struct Outcome {
        int calls = 0;
        bool onMainThread = false;
        std::optional<Result<Records>> result;
    };
    Outcome exportRecords(Metadata metadata) {
        Outcome out;
        auto engine = std::make_shared<GDPR>(std::move(metadata), ContainerNames{});
        const auto main = std::this_thread::get_id();
        engine->exportData(std::make_shared<ZeroDataTransformer>(), [&](Result<Records> r) {
            ++out.calls;
            out.onMainThread = std::this_thread::get_id() == main;
            out.result = std::move(r);
        });
        runUntil([&] { return out.calls > 0; });
        return out;
    }
    std::pair<int, std::optional<Result<DeletedZones>>> deleteAll(Metadata metadata) {
        int calls = 0;
        std::optional<Result<DeletedZones>> result;
        auto engine = std::make_shared<GDPR>(std::move(metadata), ContainerNames{});
        engine->deleteData([&](Result<DeletedZones> r) {
            ++calls;
            result = std::move(r);
        });
        runUntil([&] { return calls > 0; });
        return {calls, std::move(result)};
    }
};

TEST_F(GDPRTest, EmptyMetadataAndEmptyZoneListsComplete) {
    auto none = exportRecords({});
    ASSERT_TRUE(none.result->isSuccess());
    EXPECT_TRUE(none.result->value().empty());
    EXPECT_TRUE(none.onMainThread);
    EXPECT_TRUE(deleteAll({}).second->isSuccess());

    auto empty = exportRecords({{container, {"CD_CustomColorCombination"}}});  // no zones at all
    ASSERT_TRUE(empty.result->isSuccess());
    EXPECT_TRUE(empty.result->value().empty());
    auto [calls, deleted] = deleteAll({{container, {}}});
    ASSERT_TRUE(deleted->isSuccess());
    EXPECT_TRUE(deleted->value().at(container).empty());
}

TEST_F(GDPRTest, RecordsOfSeveralZonesAndPagesAreJoinedInZoneThenPageOrder) {
    db->setPageSize(2);
    for (const char* n : {"a0", "a1", "a2"}) db->addRecord(record("A", n));
    for (const char* n : {"b0", "b1"}) db->addRecord(record("B", n));
    db->addRecord(record("B", "mix", "CD_LargeCombination"));
    auto out = exportRecords({{container, {"CD_CustomColorCombination", "CD_LargeCombination", "CD_MixedColor"}}});
    ASSERT_TRUE(out.result->isSuccess());
    const auto& types = out.result->value().at(container);
    EXPECT_EQ(names(types.at("CD_CustomColorCombination")), (std::vector<std::string>{"a0", "a1", "a2", "b0", "b1"}));
    EXPECT_EQ(names(types.at("CD_LargeCombination")), (std::vector<std::string>{"mix"}));
    EXPECT_TRUE(types.at("CD_MixedColor").empty());
    EXPECT_EQ(out.calls, 1);
}

TEST_F(GDPRTest, FailuresAreReportedExactlyOnce) {
    db->setPageSize(2);
    for (const char* n : {"a0", "a1", "a2"}) db->addRecord(record("A", n));
    db->injectFault(Call::QueryPage, kit::cloudError(kit::CloudErrorCode::networkUnavailable, "page two lost"),
                    "CD_CustomColorCombination", 1);
    auto pageTwo = exportRecords({{container, {"CD_CustomColorCombination"}}});
    EXPECT_EQ(pageTwo.calls, 1);
    ASSERT_FALSE(pageTwo.result->isSuccess());
    EXPECT_NE(pageTwo.result->error().description.find("page two lost"), std::string::npos);

    // Several containers, the first failing at once: nothing further starts, the report still comes once.
    auto failing = kit::CloudDatabaseDouble::make();
    failing->injectFault(Call::ZoneFetch, kit::cloudError(kit::CloudErrorCode::internalError, "down"));
    Metadata many{{kit::CloudContainer("a-first", failing), {"T"}}};
    for (int i = 0; i < 4; ++i) many[kit::CloudContainer("b" + std::to_string(i), db)] = {"CD_CustomColorCombination"};
    auto early = exportRecords(many);
    EXPECT_EQ(early.calls, 1);
    EXPECT_FALSE(early.result->isSuccess());
    auto [deleteCalls, deleted] = deleteAll(many);
    EXPECT_EQ(deleteCalls, 1);
    EXPECT_FALSE(deleted->isSuccess());

    auto absent = kit::CloudDatabaseDouble::make();
    absent->setZoneListAnswer(kit::CloudDatabaseDouble::ZoneListAnswer::Absent);
    kit::CloudContainer silent("silent", absent);
    auto noZones = exportRecords({{silent, {"T"}}});
    ASSERT_FALSE(noZones.result->isSuccess());
    EXPECT_EQ(noZones.result->error().noZonesContainer, silent);
    EXPECT_TRUE(deleteAll({{silent, {}}}).second->error().isNoZones());
}

TEST_F(GDPRTest, APartialZoneDeletionFailsTheDeletionButDeletesTheRest) {
    db->addZone("A");
    db->addZone("B");
    db->injectFault(Call::ZoneDelete, kit::cloudError(kit::CloudErrorCode::internalError, "locked"), "B");
    auto [calls, result] = deleteAll({{container, {}}});
    EXPECT_EQ(calls, 1);
    ASSERT_FALSE(result->isSuccess());
    EXPECT_EQ(result->error().code, kit::CloudErrorCode::partialFailure);
    EXPECT_EQ(db->zoneIDs(), (std::vector<kit::RecordZoneID>{{"B"}}));
}

struct ExporterTest : GDPRTest {
    Records sample() {
        kit::Record full("CD_CustomColorCombination", kit::RecordID{"r1", {"Z"}});
        full.set("CD_color1", std::string("He said \"hi\", then\nleft"));
        full.set("CD_id", std::int64_t{82518500});
        full.set("CD_colors", std::vector<std::string>{"A", "B"});
        kit::Record sparse("CD_CustomColorCombination", kit::RecordID{"r2", {"Z"}});
        sparse.set("CD_tag", std::string("ünï,code"));
        return {{container, {{"CD_CustomColorCombination", {full, sparse}}, {"CD_LargeCombination", {}}}}};
    }
    template <class T>
    Pieces transform(T& transformer, Records records, const ContainerNames& names) {
        std::optional<Result<Pieces>> result;
        transformer.transformData(std::move(records), names, [&](Result<Pieces> r) { result = std::move(r); });
        runUntil([&] { return result.has_value(); });
        return result->value();
    }
};

TEST_F(ExporterTest, JsonPiecesRoundTripEveryFieldAsText) {
    auto json = JSONDataTransformer(kit::DispatchQueue::serial("test.json"));
    auto pieces = transform(json, sample(), {{container, "default"}});
    ASSERT_EQ(pieces.size(), 2u);
    auto parsed = nlohmann::json::parse(pieces.at("default_CD_CustomColorCombination.json"));
    ASSERT_EQ(parsed.size(), 2u);
    EXPECT_EQ(parsed[0]["CD_color1"], "He said \"hi\", then\nleft");
    EXPECT_EQ(parsed[0]["CD_id"], "82518500");
    EXPECT_EQ(parsed[0]["CD_colors"], "[\"A\",\"B\"]");
    EXPECT_EQ(parsed[1].size(), 1u);
    EXPECT_EQ(parsed[1]["CD_tag"], "ünï,code");
    EXPECT_EQ(nlohmann::json::parse(pieces.at("default_CD_LargeCombination.json")), nlohmann::json::array());

    auto unnamed = transform(json, sample(), {});  // no name: a new UUID for each record type
    ASSERT_EQ(unnamed.size(), 2u);
    EXPECT_NE(unnamed.begin()->first.substr(0, 36), std::next(unnamed.begin())->first.substr(0, 36));
}

TEST_F(ExporterTest, CsvQuotesEveryTextSoThatItRoundTrips) {
    auto csv = CSVDataTransformer(kit::DispatchQueue::serial("test.csv"));
    auto pieces = transform(csv, sample(), {{container, "default"}});
    EXPECT_EQ(pieces.at("default_CD_LargeCombination.csv"), "\n");
    const auto& text = pieces.at("default_CD_CustomColorCombination.csv");
    auto rows = parseCsv(text);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"CD_color1", "CD_colors", "CD_id", "CD_tag"}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{"He said \"hi\", then\nleft", "[\"A\",\"B\"]", "82518500", ""}));
    EXPECT_EQ(rows[2], (std::vector<std::string>{"", "", "", "ünï,code"}));
    EXPECT_NE(text.find("\n,,,\"ünï,code\"\n"), std::string::npos);  // absent fields: no quotes
}

TEST_F(ExporterTest, SharedExportersUseTheirNamedQueues) {
    EXPECT_EQ(JSONDataTransformer::shared()->dispatchQueue->label(), "GDPR.JSONExporter");
    EXPECT_EQ(CSVDataTransformer::shared()->dispatchQueue->label(), "GDPR.CSVExporter");
}

} // namespace

namespace {

TEST_F(GDPRTest, AContainerWithoutADatabaseFailsInsteadOfCrashing) {
    kit::CloudContainer missing("missing", nullptr);
    auto out = exportRecords({{missing, {"T"}}});
    EXPECT_EQ(out.calls, 1);
    EXPECT_FALSE(out.result->isSuccess());
    auto [calls, result] = deleteAll({{missing, {}}});
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(result->isSuccess());
}

} // namespace
