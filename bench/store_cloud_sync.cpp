// Cloud storage on a PostgreSQL server on the same machine (TINCTURA_TEST_PG, as tests/pg_server.sh
// starts it): the first sync of 10,000 saved records, up from one machine and down to another, and the
// steady-state cost of one save (on the main thread, and until the server has it); and a start with
// 16,000 records to take in, whose import must not hold the main thread.
#include "../tests/CloudTestServer.h"

#include "app/AppDelegate.h"
#include "app/storage/DataModel.h"
#include "kit/store/CloudConfiguration.h"
#include "kit/store/Defaults.h"
#include "kit/runtime/RunLoop.h"
#include "kit/store/ObjectStoreContainer.h"
#include "kit/store/Paths.h"
#include "kit/store/postgres/PostgresCloudDatabase.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int records = 10000;

std::unique_ptr<kit::PersistentContainer> openMirrored(const std::filesystem::path& dir, const std::string& server) {
    auto db = std::make_shared<kit::PostgresCloudDatabase>(server, kit::CloudContainer::defaultIdentifier);
    auto container = std::make_unique<kit::CloudPersistentContainer>(
        "DataModel", app::dataModel(), dir.string(), kit::CloudContainer(kit::CloudContainer::defaultIdentifier, db));
    container->loadPersistentStores({});
    return container;
}

void insertMix(kit::ManagedContext& context, int id) {
    auto mix = app::LargeCombination::insert(context);
    mix.setColor("7F7F7F");
    mix.setColors({"FF0000", "00FFFF", "123456"});
    mix.setIsMixedColor(true);
    mix.setName("mix " + std::to_string(id));
    mix.setId(id);
}

// Saved locally with no cloud, so that the sync measured below is the first one.
void fillLocally(const std::filesystem::path& dir) {
    kit::PersistentContainer plain("DataModel", app::dataModel(), dir.string());
    plain.loadPersistentStores({});
    for (int i = 0; i < records; ++i) insertMix(*plain.viewContext(), i);
    plain.viewContext()->save();
}

std::filesystem::path freshDir() {
    char pattern[] = "/tmp/tinctura-bench-XXXXXX";
    return mkdtemp(pattern);
}

void FirstSyncOf10000Records(benchmark::State& state) {
    const bool download = state.range(0) == 1;
    for (auto _ : state) {
        state.PauseTiming();
        cloudtest::Database server;
        if (!server.available()) {
            state.SkipWithError("no database server (TINCTURA_TEST_PG)");
            state.ResumeTiming();
            break;
        }
        auto here = freshDir(), there = freshDir();
        fillLocally(here);
        auto machine = openMirrored(here, server.connectionString());
        auto& context = *machine->viewContext();
        if (download) context.setQueryGenerationFromToken({});  // up from this machine, untimed
        auto other = download ? openMirrored(there, server.connectionString()) : nullptr;
        state.ResumeTiming();
        auto& syncing = download ? *other->viewContext() : context;
        if (syncing.setQueryGenerationFromToken({})) state.SkipWithError("sync failed");
        state.PauseTiming();
        if (server.value("SELECT count(*) FROM tinctura_records") != std::to_string(records))
            state.SkipWithError("the server does not hold every record");
        if (download && other->viewContext()->fetch(app::LargeCombination::fetchRequest()).size() != records)
            state.SkipWithError("the other machine does not hold every record");
        machine.reset();
        other.reset();
        std::filesystem::remove_all(here);
        std::filesystem::remove_all(there);
        state.ResumeTiming();
    }
    state.SetLabel(download ? "download to a second machine" : "upload from the first machine");
}
BENCHMARK(FirstSyncOf10000Records)->Arg(0)->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// One save among 10,000 mirrored records: Arg 0 is the main thread's part (the local save), Arg 1 lasts
// until the server holds the record.
void OneSaveWithCloudStorage(benchmark::State& state) {
    cloudtest::Database server;
    if (!server.available()) {
        state.SkipWithError("no database server (TINCTURA_TEST_PG)");
        return;
    }
    auto dir = freshDir();
    fillLocally(dir);
    auto machine = openMirrored(dir, server.connectionString());
    auto& context = *machine->viewContext();
    context.setQueryGenerationFromToken({});
    int id = records;
    for (auto _ : state) {
        insertMix(context, ++id);
        if (context.save()) state.SkipWithError("save failed");
        if (state.range(0) == 1) context.waitForCloudSync();
        else {
            state.PauseTiming();
            context.waitForCloudSync();
            state.ResumeTiming();
        }
    }
    kit::RunLoop::main().drainMainQueue();
    if (server.value("SELECT count(*) FROM tinctura_records") != std::to_string(id))
        state.SkipWithError("the server does not hold every save");
    machine.reset();
    std::filesystem::remove_all(dir);
}
BENCHMARK(OneSaveWithCloudStorage)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

namespace {

// A start with cloud storage on, on a machine that has none of the 16,000 records the server holds: the
// main thread's part (the delegate's launch) and, apart, the time until the lists have them all.
void StartWhileTheServerHolds16000Records(benchmark::State& state) {
    cloudtest::Database server;
    if (!server.available()) {
        state.SkipWithError("no database server (TINCTURA_TEST_PG)");
        return;
    }
    {
        auto dir = freshDir();
        kit::PersistentContainer plain("DataModel", app::dataModel(), dir.string());
        plain.loadPersistentStores({});
        for (int i = 0; i < 16000; ++i) insertMix(*plain.viewContext(), i);
        plain.viewContext()->save();
        auto machine = openMirrored(dir, server.connectionString());
        machine->viewContext()->setQueryGenerationFromToken({});
        machine.reset();
        std::filesystem::remove_all(dir);
    }
    setenv(kit::CloudConfiguration::environmentVariable, server.connectionString().c_str(), 1);
    double arrival = 0;
    for (auto _ : state) {
        state.PauseTiming();
        kit::TemporaryDataDir dir;
        kit::Defaults::standard().set(true, "CLOUD_STORAGE");
        state.ResumeTiming();
        auto delegate = std::make_shared<app::AppDelegate>();
        app::setDelegate(delegate);
        delegate->didFinishLaunching();
        state.PauseTiming();
        const auto start = std::chrono::steady_clock::now();
        auto& context = *delegate->persistentContainer().viewContext();
        context.waitForCloudSync();
        kit::RunLoop::main().drainMainQueue();
        arrival += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (context.fetch(app::LargeCombination::fetchRequest()).size() != 16000)
            state.SkipWithError("the records did not arrive");
        app::setDelegate(nullptr);
        state.ResumeTiming();
    }
    unsetenv(kit::CloudConfiguration::environmentVariable);
    state.counters["records_arrive_ms"] = arrival / static_cast<double>(state.iterations());
}
BENCHMARK(StartWhileTheServerHolds16000Records)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
