// How long calls may wait on the server, how they end when it stalls or the app closes, and how a
// refused login is told from a server out of reach.
#include "CloudTestServer.h"

#include "kit/store/postgres/PostgresCloudDatabase.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <future>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
const kit::RecordZoneID zone{"DataModel"};

// Starts a zone save (which connects, prepares the tables and writes); its error arrives in the future.
std::future<std::optional<kit::StoreError>> saveZone(kit::CloudDatabase& db) {
    auto done = std::make_shared<std::promise<std::optional<kit::StoreError>>>();
    auto op = std::make_shared<kit::ModifyRecordZonesOperation>(std::vector<kit::RecordZone>{{zone}},
                                                                std::vector<kit::RecordZoneID>{});
    op->modifyRecordZonesCompletionBlock = [done](auto, auto, auto e) { done->set_value(e); };
    db.addOperation(op);
    return done->get_future();
}

// A host that takes connections and never says a word, as a stalled server or a black hole does.
struct SilentHost {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    int port = 0;
    SilentHost() {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (bind(fd, reinterpret_cast<sockaddr*>(&address), size) == 0 && listen(fd, 8) == 0 &&
            getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0)
            port = ntohs(address.sin_port);
    }
    ~SilentHost() { close(fd); }
    // A database there, with connect_timeout=0 (libpq's "wait for ever") in its string.
    std::shared_ptr<kit::PostgresCloudDatabase> open(double connectSeconds) const {
        kit::PostgresLimits limits;
        limits.connectSeconds = connectSeconds;
        return std::make_shared<kit::PostgresCloudDatabase>(
            "host=127.0.0.1 port=" + std::to_string(port) + " dbname=x user=x connect_timeout=0 sslmode=disable", "c",
            limits);
    }
};

// Another client holding the records table, as a long transaction elsewhere does.
struct TableLock {
    PGconn* connection;
    explicit TableLock(const cloudtest::Database& server) : connection(PQconnectdb(server.connectionString().c_str())) {
        PQclear(PQexec(connection, "BEGIN"));
        PGresult* locked = PQexec(connection, "LOCK TABLE tinctura_records IN ACCESS EXCLUSIVE MODE");
        held = PQresultStatus(locked) == PGRES_COMMAND_OK;
        PQclear(locked);
    }
    ~TableLock() { PQfinish(connection); }
    bool held = false;
};

// Sessions of `server`'s database waiting for a lock.
int lockWaiters(const cloudtest::Database& server) {
    return std::stoi("0" + server.value("SELECT count(*) FROM pg_stat_activity WHERE datname = '" + server.name() +
                                        "' AND wait_event_type = 'Lock'"));
}

template <class Pred>
bool eventually(Pred done, double seconds = 3) {
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    while (!done() && Clock::now() < end) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return done();
}

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

TEST(PostgresConnection, ASilentHostIsGivenUpInTimeAsUnreachableEvenWhenTheStringWaitsForEver) {
    SilentHost host;
    ASSERT_NE(host.port, 0);
    auto db = host.open(0.3);
    const auto start = Clock::now();
    const auto error = saveZone(*db).get();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, kit::CloudErrorCode::networkUnavailable);
    EXPECT_NE(error->userInfo.find("did not answer"), std::string::npos) << error->userInfo;
    EXPECT_LT(secondsSince(start), 2.0);
}

TEST(PostgresConnection, ALockHeldElsewhereEndsTheCallInTimeAsUnreachableAndTheNextCallGoesThrough) {
    cloudtest::Database server;
    SKIP_WITHOUT_SERVER(server);
    kit::PostgresLimits limits;
    limits.lockSeconds = 0.2;
    auto db = std::make_shared<kit::PostgresCloudDatabase>(server.connectionString(), "c", limits);
    ASSERT_FALSE(saveZone(*db).get());  // the tables exist
    {
        TableLock lock(server);
        ASSERT_TRUE(lock.held);
        auto op = std::make_shared<kit::FetchRecordZoneChangesOperation>(zone, std::nullopt);
        std::promise<std::optional<kit::StoreError>> done;
        op->fetchRecordZoneChangesCompletionBlock = [&](auto, auto e) { done.set_value(e); };
        const auto start = Clock::now();
        db->addOperation(op);
        const auto error = done.get_future().get();
        EXPECT_LT(secondsSince(start), 2.0);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->code, kit::CloudErrorCode::networkUnavailable) << error->text();
    }
    EXPECT_FALSE(saveZone(*db).get());
}

TEST(PostgresConnection, ClosingEndsAWaitAtOnceCancelsTheStatementOnTheServerAndRefusesLaterCalls) {
    cloudtest::Database server;
    SKIP_WITHOUT_SERVER(server);
    auto db = std::make_shared<kit::PostgresCloudDatabase>(server.connectionString(), "c");  // the usual limits
    ASSERT_FALSE(saveZone(*db).get());
    TableLock lock(server);
    ASSERT_TRUE(lock.held);
    auto op = std::make_shared<kit::ModifyRecordsOperation>(
        std::vector<kit::Record>{kit::Record("CD_Item", kit::RecordID{"r", zone})}, std::vector<kit::RecordID>{});
    std::promise<std::optional<kit::StoreError>> done;
    op->modifyRecordsCompletionBlock = [&](auto, auto, auto e) { done.set_value(e); };
    db->addOperation(op);
    ASSERT_TRUE(eventually([&] { return lockWaiters(server) == 1; }));

    const auto start = Clock::now();
    db->close();
    const auto error = done.get_future().get();
    EXPECT_LT(secondsSince(start), 1.0);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, kit::CloudErrorCode::networkUnavailable);
    EXPECT_EQ(error->userInfo, "the app is closing");
    EXPECT_TRUE(eventually([&] { return lockWaiters(server) == 0; }, 1.0));  // nothing left waiting there

    const auto later = Clock::now();
    const auto refused = saveZone(*db).get();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->code, kit::CloudErrorCode::networkUnavailable);
    EXPECT_LT(secondsSince(later), 0.5);
}

TEST(PostgresConnection, ClosingEndsAConnectThatWaitsOnASilentHost) {
    SilentHost host;
    ASSERT_NE(host.port, 0);
    auto db = host.open(60);
    auto result = saveZone(*db);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const auto start = Clock::now();
    db->close();
    ASSERT_EQ(result.wait_for(std::chrono::seconds(1)), std::future_status::ready);
    EXPECT_LT(secondsSince(start), 1.0);
    EXPECT_EQ(result.get()->code, kit::CloudErrorCode::networkUnavailable);
}

// The login refusals on a server of the test's own, whose access rules ask one role for a password.
TEST(PostgresConnection, ARefusedLoginIsToldApartFromAServerOutOfReach) {
    cloudtest::PrivateServer privateServer;
    SKIP_WITHOUT_SERVER(privateServer);
    cloudtest::Database admin(privateServer.base());
    ASSERT_TRUE(admin.available());
    const auto dataDir = admin.value("SHOW data_directory");
    ASSERT_FALSE(dataDir.empty());
    ASSERT_TRUE(cloudtest::admin(privateServer.base(), "CREATE ROLE anna LOGIN PASSWORD 'right'"));
    ASSERT_TRUE(cloudtest::admin(privateServer.base(),
                                 "COPY (SELECT 'local all anna password' UNION ALL SELECT 'local all all trust') "
                                 "TO '" + dataDir + "/pg_hba.conf'"));
    ASSERT_TRUE(cloudtest::admin(privateServer.base(), "SELECT pg_reload_conf()"));
    const auto asAnna = privateServer.base() + " dbname=" + admin.name() + " user=anna";

    const struct {
        std::string connection;
        int code;
    } cases[] = {
        {"host=/nonexistent-socket-dir dbname=x", kit::CloudErrorCode::networkUnavailable},
        {asAnna + " password=wrong", kit::CloudErrorCode::notAuthenticated},           // 28P01
        {asAnna + " passfile=/nonexistent", kit::CloudErrorCode::notAuthenticated},    // no password to give
        {admin.connectionString() + " user=nobody_of_that_name", kit::CloudErrorCode::notAuthenticated},  // 28000
    };
    for (const auto& c : cases) {
        auto db = std::make_shared<kit::PostgresCloudDatabase>(c.connection, "c");
        const auto error = saveZone(*db).get();
        ASSERT_TRUE(error) << c.connection;
        EXPECT_EQ(error->code, c.code) << c.connection << ": " << error->text();
        EXPECT_EQ(error->userInfo.find("LOCATION"), std::string::npos) << error->userInfo;
    }
    admin.value("GRANT ALL ON SCHEMA public TO anna");
    EXPECT_FALSE(saveZone(*std::make_shared<kit::PostgresCloudDatabase>(asAnna + " password=right", "c")).get());
}

// A refused login is tried again, once, at the next call after the password file changed.
TEST(PostgresConnection, ARefusedLoginIsTriedAgainOnceThePasswordFileChanges) {
    cloudtest::PrivateServer privateServer;
    SKIP_WITHOUT_SERVER(privateServer);
    cloudtest::Database admin(privateServer.base());
    ASSERT_TRUE(admin.available());
    const auto dataDir = admin.value("SHOW data_directory");
    ASSERT_TRUE(cloudtest::admin(privateServer.base(), "CREATE ROLE anna LOGIN PASSWORD 'right'"));
    admin.value("GRANT ALL ON SCHEMA public TO anna");
    ASSERT_TRUE(cloudtest::admin(privateServer.base(),
                                 "COPY (SELECT 'local all anna password' UNION ALL SELECT 'local all all trust') "
                                 "TO '" + dataDir + "/pg_hba.conf'"));
    ASSERT_TRUE(cloudtest::admin(privateServer.base(), "SELECT pg_reload_conf()"));
    struct Folder {
        char path[32] = "/tmp/tinctura-pgpass-XXXXXX";
        Folder() { mkdtemp(path); }
        ~Folder() { std::filesystem::remove_all(path); }
    } folder;
    const std::string passwordFile = std::string(folder.path) + "/pgpass";
    const auto writePassword = [&](const std::string& password) {
        std::FILE* file = std::fopen(passwordFile.c_str(), "w");
        ASSERT_TRUE(file);
        std::fputs(("*:*:*:anna:" + password + "\n").c_str(), file);
        std::fclose(file);
        chmod(passwordFile.c_str(), 0600);
    };
    auto db = std::make_shared<kit::PostgresCloudDatabase>(
        privateServer.base() + " dbname=" + admin.name() + " user=anna passfile=" + passwordFile, "c");
    const auto refused = [&] {
        const auto error = saveZone(*db).get();
        return error && error->code == kit::CloudErrorCode::notAuthenticated;
    };

    EXPECT_TRUE(refused());  // no password file yet
    writePassword("wrong");
    EXPECT_TRUE(refused());  // tried with the file, and refused again
    writePassword("right");
    EXPECT_FALSE(refused());
}

} // namespace
