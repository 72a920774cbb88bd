#pragma once
// The test database server that scripts/test starts (TINCTURA_TEST_PG): each test gets a database of its
// own, dropped at the end, so tests may run in parallel. Without the server the tests skip.
#include <libpq-fe.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace cloudtest {

inline std::string serverString() {
    const char* s = std::getenv("TINCTURA_TEST_PG");
    return s ? s : "";
}

// Runs one statement on the server's maintenance database; false when it fails.
inline bool admin(const std::string& base, const std::string& sql) {
    PGconn* c = PQconnectdb((base + " dbname=postgres").c_str());
    bool ok = PQstatus(c) == CONNECTION_OK;
    if (ok) {
        PGresult* r = PQexec(c, sql.c_str());
        ok = PQresultStatus(r) == PGRES_COMMAND_OK || PQresultStatus(r) == PGRES_TUPLES_OK;
        PQclear(r);
    }
    PQfinish(c);
    return ok;
}

class Database {
public:
    explicit Database(std::string base = serverString()) : base_(std::move(base)) {
        static std::atomic<int> counter{0};
        name_ = "t" + std::to_string(getpid()) + "_" + std::to_string(counter++);
        available_ = !base_.empty() && admin(base_, "CREATE DATABASE " + name_);
    }
    ~Database() {
        if (available_) admin(base_, "DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
    }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    bool available() const { return available_; }
    std::string connectionString() const { return base_ + " dbname=" + name_; }
    const std::string& name() const { return name_; }
    // One value of a query run on this database ("" when it fails).
    std::string value(const std::string& sql) const { return valueOn(connectionString(), sql); }
    static std::string valueOn(const std::string& connection, const std::string& sql) {
        PGconn* c = PQconnectdb(connection.c_str());
        std::string out;
        PGresult* r = PQexec(c, sql.c_str());
        if (PQresultStatus(r) == PGRES_TUPLES_OK && PQntuples(r) > 0) out = PQgetvalue(r, 0, 0);
        PQclear(r);
        PQfinish(c);
        return out;
    }

private:
    std::string base_, name_;
    bool available_ = false;
};

// A server of the test's own, to stop and start while other tests use the shared one.
class PrivateServer {
public:
    PrivateServer() {
        const char* script = std::getenv("TINCTURA_TEST_PG_SCRIPT");
        if (!script || serverString().empty()) return;
        script_ = script;
        char pattern[] = "/tmp/tinctura-pg-XXXXXX";
        if (!mkdtemp(pattern)) return;
        dir_ = pattern;
        up_ = run("start") && (base_ = "host=" + dir_ + "/socket user=tinctura", true);
    }
    ~PrivateServer() {
        if (!dir_.empty()) run("stop");
    }
    bool available() const { return up_; }
    const std::string& base() const { return base_; }
    bool pause() { return run("pause"); }
    bool resume() { return run("resume"); }

private:
    bool run(const std::string& action) {
        return std::system(("bash '" + script_ + "' " + action + " '" + dir_ + "' >/dev/null").c_str()) == 0;
    }
    std::string script_, dir_, base_;
    bool up_ = false;
};

} // namespace cloudtest

#define SKIP_WITHOUT_SERVER(db) \
    if (!(db).available()) GTEST_SKIP() << "no test database server (TINCTURA_TEST_PG)"
