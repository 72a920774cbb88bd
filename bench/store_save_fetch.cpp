// Saving one record (insert + commit) and fetching + sorting 5,000 records by tag, on the real store.
#include "app/storage/DataModel.h"
#include "kit/store/LocalCloudDatabase.h"
#include "kit/store/ObjectStoreContainer.h"
#include "kit/store/Paths.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

std::unique_ptr<kit::PersistentContainer> openStore(const kit::TemporaryDataDir& dir) {
    auto container = std::make_unique<kit::PersistentContainer>("DataModel", app::dataModel(), dir.path().string());
    container->loadPersistentStores({});
    return container;
}

void insertCombination(kit::ManagedContext& context, const std::string& tag, int id) {
    auto record = app::CustomColorCombination::insert(context);
    record.setNumberOfColors(4);
    record.setTag(tag);
    record.setColor1("FF4050");
    record.setColor2("40FF50");
    record.setColor3("4050FF");
    record.setColor4("F0F0F0");
    record.setId(id);
}

void SaveOneRecord(benchmark::State& state) {
    kit::TemporaryDataDir dir;
    auto container = openStore(dir);
    auto& context = *container->viewContext();
    int id = 0;
    for (auto _ : state) {
        insertCombination(context, "custom", ++id);
        if (context.save()) state.SkipWithError("save failed");
    }
}
BENCHMARK(SaveOneRecord)->Unit(benchmark::kMillisecond);

// The same with the store mirrored into the local cloud database file.
void SaveOneRecordMirrored(benchmark::State& state) {
    kit::TemporaryDataDir dir;
    std::optional<kit::StoreError> error;
    auto cloud = kit::LocalCloudDatabase::open((dir.path() / "CloudDatabase.sqlite").string(), "bench", error);
    kit::CloudPersistentContainer container("DataModel", app::dataModel(), dir.path().string(),
                                            kit::CloudContainer("bench", cloud));
    container.loadPersistentStores({});
    auto& context = *container.viewContext();
    int id = 0;
    for (auto _ : state) {
        insertCombination(context, "custom", ++id);
        if (context.save()) state.SkipWithError("save failed");
    }
}
BENCHMARK(SaveOneRecordMirrored)->Unit(benchmark::kMillisecond);

void FetchAndSort5000ByTag(benchmark::State& state) {
    kit::TemporaryDataDir dir;
    auto container = openStore(dir);
    auto& context = *container->viewContext();
    for (int i = 0; i < 5000; ++i) insertCombination(context, "custom", 5000 - i);
    for (int i = 0; i < 2000; ++i) insertCombination(context, "liked", i);
    context.save();
    for (auto _ : state) {
        // A fresh context each time, so that nothing comes from records already in memory.
        auto fresh = std::make_shared<kit::ManagedContext>(
            std::make_shared<kit::ObjectModel>(app::dataModel()), context.store(), nullptr);
        auto request = app::CustomColorCombination::fetchRequest();
        request.predicate = kit::Predicate::format("tag = %@", std::string("custom"));
        auto records = app::fetchRecords<app::CustomColorCombination>(*fresh, request);
        std::sort(records.begin(), records.end(), [](const auto& a, const auto& b) { return a.id() < b.id(); });
        benchmark::DoNotOptimize(records.data());
        if (records.size() != 5000) state.SkipWithError("wrong count");
    }
}
BENCHMARK(FetchAndSort5000ByTag)->Unit(benchmark::kMillisecond);

} // namespace
