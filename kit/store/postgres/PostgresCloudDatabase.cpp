#include "kit/store/postgres/PostgresCloudDatabase.h"

#include "kit/store/CloudWorkers.h"
#include "kit/store/LocalCloudDatabase.h"
#include "kit/store/Uuid.h"

#include <libpq-fe.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstring>
#include <future>
#include <map>
#include <memory>
#include <set>
#include <thread>

namespace kit {
namespace {

using Result = std::unique_ptr<PGresult, decltype(&PQclear)>;

// Each entry takes the schema one version further; applied in order, inside one transaction.
const char* const migrations[] = {
    "CREATE SEQUENCE tinctura_change_seq;"
    "CREATE TABLE tinctura_zones (container text NOT NULL, owner text NOT NULL, zone text NOT NULL,"
    " created bigint NOT NULL DEFAULT nextval('tinctura_change_seq'), PRIMARY KEY (container, owner, zone));"
    "CREATE TABLE tinctura_records (container text NOT NULL, owner text NOT NULL, zone text NOT NULL,"
    " name text NOT NULL, type text NOT NULL, fields text NOT NULL, modified double precision NOT NULL DEFAULT 0,"
    " created bigint NOT NULL DEFAULT nextval('tinctura_change_seq'),"
    " change bigint NOT NULL DEFAULT nextval('tinctura_change_seq'),"
    " PRIMARY KEY (container, owner, zone, name),"
    " FOREIGN KEY (container, owner, zone) REFERENCES tinctura_zones ON DELETE CASCADE);"
    "CREATE INDEX tinctura_records_by_type ON tinctura_records (container, owner, zone, type, created);"
    "CREATE INDEX tinctura_records_by_change ON tinctura_records (container, owner, zone, change);"
    "CREATE TABLE tinctura_deletions (container text NOT NULL, owner text NOT NULL, zone text NOT NULL,"
    " name text NOT NULL, type text NOT NULL, change bigint NOT NULL DEFAULT nextval('tinctura_change_seq'),"
    " PRIMARY KEY (container, owner, zone, name));"
    "CREATE INDEX tinctura_deletions_by_change ON tinctura_deletions (container, owner, zone, change);",
};
static_assert(std::size(migrations) == PostgresCloudDatabase::schemaVersion);

// What the statements below rely on in the tables of the current version: the change sequence, every
// column, and the primary keys that their ON CONFLICT clauses name.
const char* const requiredLayout[] = {
    "tinctura_change_seq",
    "tinctura_zones.container", "tinctura_zones.owner", "tinctura_zones.zone", "tinctura_zones.created",
    "tinctura_zones primary key",
    "tinctura_records.container", "tinctura_records.owner", "tinctura_records.zone", "tinctura_records.name",
    "tinctura_records.type", "tinctura_records.fields", "tinctura_records.modified", "tinctura_records.created",
    "tinctura_records.change", "tinctura_records primary key",
    "tinctura_deletions.container", "tinctura_deletions.owner", "tinctura_deletions.zone", "tinctura_deletions.name",
    "tinctura_deletions.type", "tinctura_deletions.change", "tinctura_deletions primary key",
};

// Everything of ours in the schema, named as in requiredLayout.
const std::string layoutQuery = [] {
    const std::string ours =
        " FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace AND n.nspname = current_schema()";
    const std::string named = " WHERE c.relname LIKE 'tinctura\\_%'";
    return "SELECT c.relname" + ours + named + " UNION ALL SELECT c.relname || '.' || a.attname" + ours +
           " JOIN pg_attribute a ON a.attrelid = c.oid AND a.attnum > 0 AND NOT a.attisdropped" + named +
           " AND c.relkind = 'r' UNION ALL SELECT c.relname || ' primary key'" + ours +
           " JOIN pg_constraint k ON k.conrelid = c.oid AND k.contype = 'p'" + named;
}();

// Serialises schema set-up between clients that connect at the same moment.
constexpr const char* schemaLockKey = "7405001";

std::string arrayLiteral(const std::vector<std::string>& items) {
    std::string out = "{";
    for (const auto& item : items) {
        if (out.size() > 1) out += ',';
        out += '"';
        for (char c : item) {
            if (c == '"' || c == '\\') out += '\\';
            out += c;
        }
        out += '"';
    }
    return out + "}";
}

std::string numberText(double value) {
    char buffer[32];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

double parseNumber(const char* text) {
    double value = 0;
    std::from_chars(text, text + std::strlen(text), value);
    return value;
}

std::int64_t parseInteger(const char* text) {
    std::int64_t value = 0;
    std::from_chars(text, text + std::strlen(text), value);
    return value;
}

// A record from its row; one whose fields or change time cannot be read comes without either (CloudDatabase.h).
Record readRecord(std::string type, RecordID id, const char* fields, const char* modified, const char* change) {
    Record record(std::move(type), std::move(id));
    record.setChangeTag(parseInteger(change));
    const double changedAt = parseNumber(modified);
    auto values = decodeFields(fields);
    if (!values || !isValidCloudDate(changedAt)) return record;
    for (auto& [k, v] : *values) record.set(k, std::move(v));
    record.setModificationDate(CloudDate{changedAt});
    return record;
}

// Deletes the records that meet `condition` (after container $1 and owner $2) and marks each deleted.
std::string deleteAndMark(const std::string& condition) {
    return "WITH gone AS (DELETE FROM tinctura_records WHERE container = $1 AND owner = $2 AND " + condition +
           " RETURNING container, owner, zone, name, type) INSERT INTO tinctura_deletions (container, owner, zone, "
           "name, type) SELECT * FROM gone ON CONFLICT (container, owner, zone, name) DO UPDATE SET type = "
           "excluded.type, change = nextval('tinctura_change_seq')";
}

bool isValidZone(const RecordZoneID& zone) {
    return isValidCloudName(zone.zoneName) && isValidCloudName(zone.ownerName);
}

// A name as the failure list shows it: as it is when it is valid, else only its length.
std::string shown(const std::string& name) {
    return isValidCloudName(name) ? name : "(a name of " + std::to_string(name.size()) + " bytes)";
}

// Why the server could not hold the record, if it could not: checked before sending, since one such
// name makes the server refuse the whole request.
std::optional<std::string> nameProblem(const Record& record) {
    const auto& id = record.recordID();
    std::string problem;
    if (!isValidZone(id.zoneID)) problem = "Zone name not valid";
    else if (!isValidCloudName(id.recordName)) problem = "Record name not valid";
    else if (!isValidCloudName(record.recordType())) problem = "Record type not valid";
    else return std::nullopt;
    return shown(id.recordName) + ": " + problem;
}

std::string joined(const std::vector<std::string>& failures) {
    std::string info;
    for (const auto& f : failures) info += (info.empty() ? "" : "; ") + f;
    return info;
}

using Clock = std::chrono::steady_clock;

Clock::time_point after(double seconds) {
    return Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

std::string milliseconds(double seconds) { return std::to_string(static_cast<long long>(seconds * 1000)); }

enum class Wait { ready, timedOut, interrupted };

// Waits for the socket, until the deadline or until `stop` becomes readable.
Wait waitForSocket(int socket, short events, int stop, Clock::time_point deadline) {
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return Wait::timedOut;
        pollfd fds[] = {{socket, events, 0}, {stop, POLLIN, 0}};
        const int n = ::poll(fds, 2, static_cast<int>(std::min<long long>(left, 60'000)));
        if (n < 0 && errno != EINTR) return Wait::ready;  // let libpq find out what is wrong
        if (n > 0 && fds[1].revents) return Wait::interrupted;
        if (n > 0) return Wait::ready;
    }
}

// Asks the server to end the statement running on `connection`, waiting no longer than `seconds`: the
// request itself goes over a new connection, which a silent server may never answer.
void cancelOnServer(pg_conn* connection, double seconds) {
    std::shared_ptr<PGcancel> cancel(PQgetCancel(connection), &PQfreeCancel);
    if (!cancel) return;
    auto sent = std::make_shared<std::promise<void>>();
    auto done = sent->get_future();
    std::thread([cancel, sent] {
        char message[256];
        PQcancel(cancel.get(), message, sizeof message);
        sent->set_value();
    }).detach();
    done.wait_for(std::chrono::duration<double>(seconds));
}

// The connection's setting of `keyword` as libpq uses it (its defaults filled in); "" when it has none.
std::string connectionOption(pg_conn* connection, std::string_view keyword) {
    std::string value;
    PQconninfoOption* options = PQconninfo(connection);
    for (auto* o = options; o && o->keyword; ++o)
        if (o->keyword == keyword && o->val) value = o->val;
    PQconninfoFree(options);
    return value;
}

// The connect timeout the string sets, if it sets one that ends.
std::optional<double> connectTimeout(pg_conn* connection) {
    // libpq takes anything below 2 s as 2 s.
    const auto value = parseInteger(connectionOption(connection, "connect_timeout").c_str());
    return value > 0 ? std::optional(std::max<double>(2, double(value))) : std::nullopt;
}

// What tells a file apart from itself before: which file, its size and when it (or its mode) last changed;
// "" when there is none.
std::string fileStamp(const std::string& path) {
    struct stat s {};
    if (::stat(path.c_str(), &s) != 0) return {};
    return std::to_string(s.st_dev) + ":" + std::to_string(s.st_ino) + ":" + std::to_string(s.st_size) + ":" +
           std::to_string(s.st_ctim.tv_sec) + "." + std::to_string(s.st_ctim.tv_nsec);
}

} // namespace

// Stops the waits of one database on its server; interrupted once, it stays so.
class PostgresCloudDatabase::Interruption final : public CloudWorkers::Interruptible {
public:
    Interruption() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}
    ~Interruption() override {
        if (fd_ >= 0) ::close(fd_);
    }
    Interruption(const Interruption&) = delete;
    Interruption& operator=(const Interruption&) = delete;

    void interrupt() override {
        interrupted_ = true;
        if (fd_ >= 0) eventfd_write(fd_, 1);
    }
    bool interrupted() const { return interrupted_; }
    int fd() const { return fd_; }

private:
    int fd_;
    std::atomic<bool> interrupted_{false};
};

// The connection for one call, made or remade as needed, with the lock held throughout.
class PostgresCloudDatabase::Session {
public:
    explicit Session(PostgresCloudDatabase& db) : db_(db), lock_(db.mutex_) {
        if (db_.interruption_->interrupted()) {
            drop();
            error = cloudError(CloudErrorCode::networkUnavailable, "Cloud storage is not reachable", closingText);
            return;
        }
        if (db_.connection_ && PQstatus(db_.connection_.get()) == CONNECTION_OK) return;
        drop();
        // A refused login is not tried again while nothing changed: the same settings would be refused again,
        // and the server may count the attempts against the account. A password file written since (as the
        // user is told to) gets one more try, at the next call: a save or a sync.
        if (auto& refused = db_.loginRefused_) {
            if (refused->passwordFile.empty() || fileStamp(refused->passwordFile) == refused->passwordFileStamp) {
                error = refused->error;
                return;
            }
            refused.reset();
        }
        if (!connect()) return;
        PQsetNoticeProcessor(db_.connection_.get(), [](void*, const char*) {}, nullptr);
        limitSession();
        if (ok()) prepareSchema();
    }

    bool ok() const { return !error; }

    // Whether the database was closed meanwhile; the call then ends as unreachable. For long loops over
    // what the server sent.
    bool closing() {
        if (!db_.interruption_->interrupted()) return false;
        if (!error) error = cloudError(CloudErrorCode::networkUnavailable, "Cloud storage is not reachable", closingText);
        return true;
    }

    // Runs one statement with text parameters; nothing (and `error` set) when it fails.
    Result run(const char* sql, const std::vector<std::string>& params = {}) {
        Result none(nullptr, &PQclear);
        if (error) return none;
        std::vector<const char*> values;
        for (const auto& p : params) values.push_back(p.c_str());
        if (!PQsendQueryParams(db_.connection_.get(), sql, static_cast<int>(values.size()), nullptr, values.data(),
                               nullptr, nullptr, 0)) {
            fail(nullptr);
            return none;
        }
        Result result = awaitResult();
        if (error) return none;
        const auto status = PQresultStatus(result.get());
        if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) return result;
        fail(result.get());
        return none;
    }

    // Runs several statements, without parameters, on the same bounded and interruptible wait as run().
    void runScript(const char* sql) {
        if (error) return;
        if (!PQsendQuery(db_.connection_.get(), sql)) return fail(nullptr);
        Result result = awaitResult();
        if (error) return;
        if (PQresultStatus(result.get()) != PGRES_COMMAND_OK) fail(result.get());
    }

    // Runs `body` in one transaction: committed when it succeeds, rolled back (by the server too, when the
    // connection drops) when it does not.
    template <class Body>
    void transaction(Body body) {
        if (!run("BEGIN")) return;
        body();
        if (error) {
            if (closing()) {
                drop();  // the server rolls back what the connection leaves
            } else if (db_.connection_) {
                auto failure = std::move(error);
                error.reset();
                run("ROLLBACK");
                error = std::move(failure);
            }
            return;
        }
        run("COMMIT");
    }

    std::optional<StoreError> error;

private:
    static constexpr const char* closingText = "the app is closing";
    // A statement the server ended for running out of time (57014) or waiting too long for a lock (55P03).
    static bool timedOut(const std::string& sqlState) { return sqlState == "57014" || sqlState == "55P03"; }

    // Connects without blocking, so that the wait is bounded and can be interrupted.
    bool connect() {
        // Keepalives notice a server host that went away; the string may set its own, as everything else.
        const char* keys[] = {"client_encoding", "keepalives", "keepalives_idle", "keepalives_interval",
                              "keepalives_count", "tcp_user_timeout", "dbname", nullptr};
        const char* values[] = {"UTF8", "1", "10", "5", "3", "20000", db_.connectionString_.c_str(), nullptr};
        db_.connection_.reset(PQconnectStartParams(keys, values, 1));
        auto* connection = db_.connection_.get();
        if (!connection) {
            error = cloudError(CloudErrorCode::networkUnavailable, "Cloud storage is not reachable", "out of memory");
            return false;
        }
        // With the SQLSTATE in its message, a refused login can be told from a server out of reach.
        PQsetErrorVerbosity(connection, PQERRORS_VERBOSE);
        const double limit = connectTimeout(connection).value_or(db_.limits_.connectSeconds);
        const auto deadline = after(limit);
        auto status = PQstatus(connection) == CONNECTION_BAD ? PGRES_POLLING_FAILED : PGRES_POLLING_WRITING;
        while (status != PGRES_POLLING_OK && status != PGRES_POLLING_FAILED) {
            const auto waited = waitFor(status == PGRES_POLLING_READING ? POLLIN : POLLOUT, deadline);
            if (waited != Wait::ready) {
                stall(waited, "the server did not answer within " + numberText(limit) + " s", false);
                return false;
            }
            status = PQconnectPoll(connection);
        }
        if (status == PGRES_POLLING_FAILED) {
            error = connectionRefusal(connection);
            if (error->code == CloudErrorCode::notAuthenticated) {
                const auto passwordFile = connectionOption(connection, "passfile");
                error->userInfo += " (tried again once the password file " + passwordFile +
                                   " changes, the connection settings change, or at the next start)";
                db_.loginRefused_ = RefusedLogin{*error, passwordFile, fileStamp(passwordFile)};
            }
            drop();
            return false;
        }
        PQsetErrorVerbosity(connection, PQERRORS_DEFAULT);
        PQsetnonblocking(connection, 1);
        return true;
    }

    static StoreError connectionRefusal(pg_conn* connection) {
        std::string message;
        const std::string text = PQerrorMessage(connection);
        for (std::size_t at = 0; at < text.size();) {
            const auto end = std::min(text.find('\n', at), text.size());
            const auto line = text.substr(at, end - at);
            if (!line.starts_with("LOCATION:")) message += (message.empty() ? "" : " ") + line;
            at = end + 1;
        }
        // 28P01: wrong password; 28000: no login allowed; libpq's own check: no password to give.
        if (PQconnectionNeedsPassword(connection) || text.find(":  28P01:") != std::string::npos ||
            text.find(":  28000:") != std::string::npos)
            return cloudError(CloudErrorCode::notAuthenticated, "The cloud database server refused the login",
                              trimmed(message));
        return cloudError(CloudErrorCode::networkUnavailable, "Cloud storage is not reachable", trimmed(message));
    }

    // The server ends what runs or waits too long, and the session of a client that went away.
    void limitSession() {
        const auto& limits = db_.limits_;
        std::string sql = "SELECT set_config('statement_timeout', $1, false), set_config('lock_timeout', $2, false), "
                          "set_config('idle_in_transaction_session_timeout', $3, false)";
        std::vector<std::string> params{milliseconds(limits.statementSeconds), milliseconds(limits.lockSeconds),
                                        milliseconds(limits.statementSeconds * 2)};
        if (PQserverVersion(db_.connection_.get()) >= 140000) {
            sql += ", set_config('client_connection_check_interval', $4, false)";
            params.push_back(milliseconds(limits.answerGraceSeconds));
        }
        run(sql.c_str(), params);
    }

    // The statement's result (the first failure of several statements). The wait ends when the server
    // should long have ended the statement, or when interrupted: the statement is then cancelled on the
    // server and the connection closed.
    Result awaitResult() {
        auto* connection = db_.connection_.get();
        const auto& limits = db_.limits_;
        const auto deadline = after(limits.statementSeconds + limits.answerGraceSeconds);
        Result kept(nullptr, &PQclear);
        for (;;) {
            for (;;) {
                const int unsent = PQflush(connection);
                if (unsent < 0) break;  // PQgetResult reports the lost connection
                if (unsent == 0 && !PQisBusy(connection)) break;
                const auto waited = waitFor(unsent ? POLLIN | POLLOUT : POLLIN, deadline);
                if (waited != Wait::ready) {
                    stall(waited,
                          "the server did not answer within " +
                              numberText(limits.statementSeconds + limits.answerGraceSeconds) + " s",
                          true);
                    return Result(nullptr, &PQclear);
                }
                if (!PQconsumeInput(connection)) break;
            }
            Result next(PQgetResult(connection), &PQclear);
            if (!next) break;
            if (!kept || PQresultStatus(kept.get()) != PGRES_FATAL_ERROR) kept = std::move(next);
            if (PQstatus(connection) != CONNECTION_OK) break;
        }
        return kept;
    }

    Wait waitFor(short events, Clock::time_point deadline) {
        if (db_.interruption_->interrupted()) return Wait::interrupted;
        const int socket = PQsocket(db_.connection_.get());
        if (socket < 0) return Wait::ready;  // libpq reports why
        return waitForSocket(socket, events, db_.interruption_->fd(), deadline);
    }

    // Gives up on the server: what runs there is cancelled, and the connection is closed without a word.
    void stall(Wait waited, const std::string& timeoutText, bool statementRunning) {
        auto* connection = db_.connection_.get();
        if (statementRunning) cancelOnServer(connection, 0.5);
        if (const int socket = PQsocket(connection); socket >= 0) ::shutdown(socket, SHUT_RDWR);
        error = cloudError(CloudErrorCode::networkUnavailable, "Cloud storage is not reachable",
                           waited == Wait::interrupted ? closingText : timeoutText);
        drop();
    }

    static std::string trimmed(std::string text) {
        while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
        return text;
    }

    // A lost connection (no SQLSTATE, or class 08, or the server shutting down: 57P) is the network's fault;
    // anything else is the server refusing the statement.
    void fail(const PGresult* result) {
        std::string message = result ? PQresultErrorMessage(result) : "";
        if (message.empty()) message = PQerrorMessage(db_.connection_.get());
        const char* state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
        const std::string sqlState = state ? state : "";
        if (PQstatus(db_.connection_.get()) != CONNECTION_OK || sqlState.empty() || sqlState.starts_with("08") ||
            sqlState.starts_with("57P") || timedOut(sqlState)) {
            error = cloudError(CloudErrorCode::networkUnavailable, "Cloud storage is not reachable", trimmed(message));
        } else {
            error = cloudError(CloudErrorCode::internalError, "The cloud database refused the change", trimmed(message));
        }
        // The next call connects afresh, and checks the tables again: a refusal may come of tables damaged meanwhile.
        drop();
    }

    void drop() { db_.connection_.reset(); }

    // Makes the tables on a new database and brings older ones up to date. Tables that are damaged or of a
    // newer version are left as they are: every call then fails with badDatabase or incompatibleVersion.
    void prepareSchema() {
        transaction([&] {
            run((std::string("SELECT pg_advisory_xact_lock(") + schemaLockKey + ")").c_str());
            run("CREATE TABLE IF NOT EXISTS tinctura_schema (version integer NOT NULL)");
            auto r = run("SELECT coalesce(max(version), 0) FROM tinctura_schema");
            auto layout = run(layoutQuery.c_str());
            if (!r || !layout) return;
            const auto version = static_cast<int>(parseInteger(PQgetvalue(r.get(), 0, 0)));
            std::set<std::string> present;
            for (int i = 0; i < PQntuples(layout.get()); ++i) present.insert(PQgetvalue(layout.get(), i, 0));
            if (version > schemaVersion) {
                error = cloudError(CloudErrorCode::incompatibleVersion, "The cloud database was set up by a newer version",
                                   "schema version " + std::to_string(version));
                return;
            }
            const bool madeBefore = std::any_of(present.begin(), present.end(),
                                                [](const std::string& item) { return !item.starts_with("tinctura_schema"); });
            if (version < 0 || (version == 0 && madeBefore)) {
                // Never made over tables that are there already: their records would be at stake.
                error = cloudError(CloudErrorCode::badDatabase, "The cloud database is damaged",
                                   version < 0 ? "schema version " + std::to_string(version)
                                               : std::string("its schema version is missing"));
                return;
            }
            for (int v = version; v < schemaVersion && !error; ++v) {
                runScript(migrations[v]);
                if (error && v > 0 && error->code == CloudErrorCode::internalError)
                    error = cloudError(CloudErrorCode::badDatabase, "The cloud database is damaged", error->userInfo);
            }
            if (version == schemaVersion)
                for (const char* item : requiredLayout)
                    if (!present.count(item)) {
                        error = cloudError(CloudErrorCode::badDatabase, "The cloud database is damaged",
                                           std::string(item) + " is missing");
                        return;
                    }
            if (version < schemaVersion) {
                run("DELETE FROM tinctura_schema");
                run("INSERT INTO tinctura_schema (version) VALUES ($1)", {std::to_string(schemaVersion)});
            }
            // The database's own id, made with its tables (or on the first connect of this version): a database
            // dropped and made anew under the same name has another, and its change numbers start again.
            if (!present.count("tinctura_schema.id")) run("ALTER TABLE tinctura_schema ADD COLUMN id text");
            run("UPDATE tinctura_schema SET id = $1 WHERE id IS NULL", {makeUuidString()});
            auto id = run("SELECT max(id) FROM tinctura_schema");
            if (id && PQntuples(id.get()) == 1) db_.databaseId_ = PQgetvalue(id.get(), 0, 0);
        });
        if (error && error->code == CloudErrorCode::internalError)
            error->description = "The cloud database could not be prepared";
        if (error && error->code != CloudErrorCode::networkUnavailable) drop();  // the next call tries again
    }

    PostgresCloudDatabase& db_;
    std::lock_guard<std::mutex> lock_;
};

PostgresCloudDatabase::PostgresCloudDatabase(std::string connectionString, std::string containerIdentifier,
                                             Limits limits)
    : connectionString_(std::move(connectionString)), container_(std::move(containerIdentifier)), limits_(limits),
      interruption_(std::make_shared<Interruption>()) {
    CloudWorkers::track(interruption_);
}

PostgresCloudDatabase::~PostgresCloudDatabase() = default;

void PostgresCloudDatabase::close() { interruption_->interrupt(); }

void PostgresCloudDatabase::ConnectionCloser::operator()(pg_conn* connection) const { PQfinish(connection); }

void PostgresCloudDatabase::fetchAllRecordZones(
    std::function<void(std::optional<std::vector<RecordZone>>, std::optional<StoreError>)> completion) {
    auto self = shared_from_this();
    CloudWorkers::run([self, completion = std::move(completion)] {
        std::optional<std::vector<RecordZone>> zones;
        std::optional<StoreError> error;
        {
            Session session(*self);
            auto r = session.run("SELECT owner, zone FROM tinctura_zones WHERE container = $1 ORDER BY created",
                                 {self->container_});
            if (r) {
                zones.emplace();
                for (int i = 0; i < PQntuples(r.get()); ++i)
                    zones->push_back({RecordZoneID{PQgetvalue(r.get(), i, 1), PQgetvalue(r.get(), i, 0)}});
            }
            error = session.error;
        }
        if (completion) completion(std::move(zones), std::move(error));
    });
}

void PostgresCloudDatabase::addOperation(std::shared_ptr<DatabaseOperation> operation) {
    auto self = shared_from_this();
    CloudWorkers::run([self, operation = std::move(operation)] {
        if (auto q = std::dynamic_pointer_cast<QueryOperation>(operation)) self->runQuery(*q);
        else if (auto z = std::dynamic_pointer_cast<ModifyRecordZonesOperation>(operation)) self->runZones(*z);
        else if (auto r = std::dynamic_pointer_cast<ModifyRecordsOperation>(operation)) self->runRecords(*r);
        else if (auto c = std::dynamic_pointer_cast<FetchRecordZoneChangesOperation>(operation)) self->runChanges(*c);
    });
}

void PostgresCloudDatabase::runQuery(QueryOperation& op) {
    // The cursor's offset is the creation number of the last record given, so pages stay right while
    // other machines add or delete records.
    QueryCursor at;
    if (op.cursor) {
        at = *op.cursor;
    } else {
        at.query = op.query.value_or(Query{});
        at.zoneID = op.zoneID.value_or(RecordZoneID{"_defaultZone"});
    }
    const std::size_t limit = op.resultsLimit == QueryOperationMaximumResults ? defaultPageSize : op.resultsLimit;
    std::vector<Record> page;
    std::optional<QueryCursor> next;
    std::optional<StoreError> error;
    {
        Session session(*this);
        const std::vector<std::string> zone{container_, at.zoneID.ownerName, at.zoneID.zoneName};
        // A name the server cannot hold is of no zone there, and a type of that kind of no record.
        if (!isValidZone(at.zoneID))
            session.error = cloudError(CloudErrorCode::zoneNotFound, "Zone not found", "zone " + shown(at.zoneID.zoneName));
        auto found = session.run("SELECT 1 FROM tinctura_zones WHERE container = $1 AND owner = $2 AND zone = $3", zone);
        if (found && PQntuples(found.get()) == 0)
            session.error = cloudError(CloudErrorCode::zoneNotFound, "Zone not found", "zone " + at.zoneID.zoneName);
        auto r = !isValidCloudName(at.query.recordType)
                     ? Result(nullptr, &PQclear)
                     : session.run("SELECT name, fields, modified, created, change FROM tinctura_records WHERE container = $1 "
                                   "AND owner = $2 AND zone = $3 AND type = $4 AND created > $5 ORDER BY created LIMIT $6",
                                   {container_, at.zoneID.ownerName, at.zoneID.zoneName, at.query.recordType,
                                    std::to_string(at.offset), std::to_string(limit + 1)});
        if (r) {
            const int rows = PQntuples(r.get());
            for (int i = 0; i < rows && page.size() < limit; ++i) {
                page.push_back(readRecord(at.query.recordType, RecordID{PQgetvalue(r.get(), i, 0), at.zoneID},
                                          PQgetvalue(r.get(), i, 1), PQgetvalue(r.get(), i, 2), PQgetvalue(r.get(), i, 4)));
                at.offset = static_cast<std::size_t>(parseInteger(PQgetvalue(r.get(), i, 3)));
            }
            if (static_cast<std::size_t>(rows) > limit) next = at;
        }
        error = session.error;
    }
    if (!error && op.recordFetchedBlock)
        for (const auto& r : page) op.recordFetchedBlock(r);
    if (op.queryCompletionBlock) {
        if (error) op.queryCompletionBlock(std::nullopt, std::move(error));
        else op.queryCompletionBlock(std::move(next), std::nullopt);
    }
}

void PostgresCloudDatabase::runZones(ModifyRecordZonesOperation& op) {
    std::vector<RecordZone> saved;
    std::vector<RecordZoneID> deleted;
    std::vector<std::string> failures;
    std::optional<StoreError> unreachable;
    {
        Session session(*this);
        for (const auto& z : op.recordZonesToSave) {
            if (!session.ok()) break;
            if (!isValidZone(z.zoneID)) {
                failures.push_back(shown(z.zoneID.zoneName) + ": Zone name not valid");
                continue;
            }
            session.run("INSERT INTO tinctura_zones (container, owner, zone) VALUES ($1, $2, $3) ON CONFLICT DO NOTHING",
                        {container_, z.zoneID.ownerName, z.zoneID.zoneName});
            if (session.ok()) saved.push_back(z);
        }
        for (const auto& id : op.recordZoneIDsToDelete) {
            if (!session.ok()) break;
            if (!isValidZone(id)) {
                failures.push_back(shown(id.zoneName) + ": Zone not found");
                continue;
            }
            // The zone's records go with it, each leaving a deletion mark, so other machines delete their copies.
            std::optional<bool> found;
            session.transaction([&] {
                const std::vector<std::string> zone{container_, id.ownerName, id.zoneName};
                session.run(deleteAndMark("zone = $3").c_str(), zone);
                auto r = session.run("DELETE FROM tinctura_zones WHERE container = $1 AND owner = $2 AND zone = $3", zone);
                if (r) found = std::string(PQcmdTuples(r.get())) != "0";
            });
            if (!session.ok()) break;
            if (found == true) deleted.push_back(id);
            else failures.push_back(id.zoneName + ": Zone not found");
        }
        unreachable = session.error;
    }
    if (!op.modifyRecordZonesCompletionBlock) return;
    if (unreachable) {
        op.modifyRecordZonesCompletionBlock(std::move(saved), std::move(deleted), std::move(unreachable));
        return;
    }
    if (!failures.empty()) {
        op.modifyRecordZonesCompletionBlock(
            std::move(saved), std::move(deleted),
            cloudError(CloudErrorCode::partialFailure, "Some zones could not be changed", joined(failures)));
        return;
    }
    op.modifyRecordZonesCompletionBlock(std::move(saved), std::move(deleted), std::nullopt);
}

void PostgresCloudDatabase::runRecords(ModifyRecordsOperation& op) {
    // One zone per record; the saves and deletions of each zone go in one transaction each.
    std::map<RecordZoneID, std::vector<const Record*>> saves;
    std::map<RecordZoneID, std::vector<const RecordID*>> deletions;
    std::vector<Record> saved;
    std::vector<RecordID> deleted;
    std::vector<std::string> failures;
    std::optional<StoreError> error;
    for (const auto& r : op.recordsToSave) {
        if (auto problem = nameProblem(r)) failures.push_back(std::move(*problem));
        else saves[r.recordID().zoneID].push_back(&r);
    }
    for (const auto& id : op.recordIDsToDelete) {
        // A record of a name the server cannot hold is not there to delete.
        if (!isValidZone(id.zoneID) || !isValidCloudName(id.recordName)) deleted.push_back(id);
        else deletions[id.zoneID].push_back(&id);
    }
    std::set<RecordZoneID> zones;
    for (const auto& [z, _] : saves) zones.insert(z);
    for (const auto& [z, _] : deletions) zones.insert(z);

    {
        Session session(*this);
        for (const auto& zone : zones) {
            if (!session.ok()) break;
            const std::vector<std::string> key{container_, zone.ownerName, zone.zoneName};
            bool zoneFound = true;
            std::set<std::string> deletedAtChange;
            session.transaction([&] {
                auto found = session.run("SELECT 1 FROM tinctura_zones WHERE container = $1 AND owner = $2 AND "
                                         "zone = $3 FOR SHARE",
                                         key);
                zoneFound = found && PQntuples(found.get()) > 0;
                auto& toSave = saves[zone];
                if (zoneFound && !toSave.empty()) {
                    std::vector<std::string> names, types, fields, modified;
                    for (const auto* r : toSave) {
                        names.push_back(r->recordID().recordName);
                        types.push_back(r->recordType());
                        fields.push_back(encodeFields(r->fields()));
                        modified.push_back(numberText(r->modificationDate().value_or(CloudDate{}).secondsSince1970));
                    }
                    auto params = key;
                    params.push_back(arrayLiteral(names));
                    params.push_back(arrayLiteral(types));
                    params.push_back(arrayLiteral(fields));
                    params.push_back(arrayLiteral(modified));
                    // An older change than the server's copy does not replace it: the later change wins.
                    session.run(
                        "INSERT INTO tinctura_records AS r (container, owner, zone, name, type, fields, modified) "
                        "SELECT $1, $2, $3, n, t, f, m FROM unnest($4::text[], $5::text[], $6::text[], "
                        "$7::float8[]) AS i(n, t, f, m) ON CONFLICT (container, owner, zone, name) DO UPDATE SET "
                        "type = excluded.type, fields = excluded.fields, modified = excluded.modified, "
                        "change = nextval('tinctura_change_seq') WHERE r.modified <= excluded.modified",
                        params);
                    session.run("DELETE FROM tinctura_deletions WHERE container = $1 AND owner = $2 AND zone = $3 "
                                "AND name = ANY($4::text[])",
                                {key[0], key[1], key[2], arrayLiteral(names)});
                }
                std::vector<std::string> names, atChangeNames, atChanges;
                for (const auto* id : deletions[zone]) {
                    if (const auto at = op.deleteOnlyAtChange.find(*id); at != op.deleteOnlyAtChange.end()) {
                        atChangeNames.push_back(id->recordName);
                        atChanges.push_back(std::to_string(at->second));
                    } else {
                        names.push_back(id->recordName);
                    }
                }
                if (!names.empty())
                    session.run(deleteAndMark("zone = $3 AND name = ANY($4::text[])").c_str(),
                                {key[0], key[1], key[2], arrayLiteral(names)});
                // In the same statement as the check: a copy changed since its fetch is not deleted.
                if (!atChangeNames.empty()) {
                    auto gone = session.run((deleteAndMark("zone = $3 AND (name, change) IN (SELECT * FROM "
                                                           "unnest($4::text[], $5::bigint[]))") +
                                             " RETURNING name")
                                                .c_str(),
                                            {key[0], key[1], key[2], arrayLiteral(atChangeNames), arrayLiteral(atChanges)});
                    for (int i = 0; gone && i < PQntuples(gone.get()); ++i) deletedAtChange.insert(PQgetvalue(gone.get(), i, 0));
                }
            });
            if (!session.ok()) break;
            if (zoneFound) {
                for (const auto* r : saves[zone]) saved.push_back(*r);
            } else {
                for (const auto* r : saves[zone]) failures.push_back(r->recordID().recordName + ": Zone not found");
            }
            // A record already gone from the zone needs no deletion either; one deleted only at a change is
            // reported only when that change was deleted.
            for (const auto* id : deletions[zone])
                if (!op.deleteOnlyAtChange.count(*id) || deletedAtChange.count(id->recordName)) deleted.push_back(*id);
        }
        error = session.error;
    }
    if (!op.modifyRecordsCompletionBlock) return;
    if (!error && !failures.empty())
        error = cloudError(CloudErrorCode::partialFailure, "Some records could not be changed", joined(failures));
    op.modifyRecordsCompletionBlock(std::move(saved), std::move(deleted), std::move(error));
}

void PostgresCloudDatabase::runChanges(FetchRecordZoneChangesOperation& op) {
    // A zone of a name the server cannot hold does not exist there, and has no changes.
    if (!isValidZone(op.zoneID)) {
        if (op.fetchRecordZoneChangesCompletionBlock)
            op.fetchRecordZoneChangesCompletionBlock(op.previousServerChangeToken.value_or(ServerChangeToken{}), std::nullopt);
        return;
    }
    std::vector<Record> changed;
    std::vector<std::pair<RecordID, std::string>> removed;
    std::optional<ServerChangeToken> token;
    std::optional<StoreError> error;
    {
        Session session(*this);
        const auto& zone = op.zoneID;
        const std::vector<std::string> key{container_, zone.ownerName, zone.zoneName};
        // A token of another server database asks for everything.
        const auto given = op.previousServerChangeToken;
        const std::int64_t sinceChange = given && given->history == databaseId_ ? given->change : 0;
        std::string since = std::to_string(sinceChange);
        session.transaction([&] {
            // Waits for changes under way to commit, so that no change numbered below the token is still unseen.
            session.run("LOCK TABLE tinctura_records, tinctura_deletions IN SHARE MODE");
            // The lock keeps the sequence where it is until the end. A token beyond the server's last change
            // is from before the database was made anew.
            auto last = session.run("SELECT last_value FROM tinctura_change_seq");
            if (last && parseInteger(PQgetvalue(last.get(), 0, 0)) < sinceChange) since = "0";
            auto r = session.run("SELECT name, type, fields, modified, change FROM tinctura_records WHERE container = $1 AND "
                                 "owner = $2 AND zone = $3 AND change > $4 ORDER BY created",
                                 {key[0], key[1], key[2], since});
            auto d = session.run("SELECT name, type FROM tinctura_deletions WHERE container = $1 AND owner = $2 AND "
                                 "zone = $3 AND change > $4",
                                 {key[0], key[1], key[2], since});
            if (!r || !d || !last) return;
            for (int i = 0; i < PQntuples(r.get()); ++i) {
                if (session.closing()) return;
                changed.push_back(readRecord(PQgetvalue(r.get(), i, 1), RecordID{PQgetvalue(r.get(), i, 0), zone},
                                             PQgetvalue(r.get(), i, 2), PQgetvalue(r.get(), i, 3), PQgetvalue(r.get(), i, 4)));
            }
            for (int i = 0; i < PQntuples(d.get()); ++i)
                removed.emplace_back(RecordID{PQgetvalue(d.get(), i, 0), zone}, PQgetvalue(d.get(), i, 1));
            token = ServerChangeToken{parseInteger(PQgetvalue(last.get(), 0, 0)), databaseId_};
        });
        error = session.error;
    }
    if (error) token.reset();
    if (!error) {
        if (op.recordChangedBlock)
            for (const auto& r : changed) op.recordChangedBlock(r);
        if (op.recordWithIDWasDeletedBlock)
            for (const auto& [id, type] : removed) op.recordWithIDWasDeletedBlock(id, type);
    }
    if (op.fetchRecordZoneChangesCompletionBlock) op.fetchRecordZoneChangesCompletionBlock(token, std::move(error));
}

bool isValidConnectionString(const std::string& text, std::string& error) {
    char* message = nullptr;
    PQconninfoOption* options = PQconninfoParse(text.c_str(), &message);
    if (!options) {
        error = message ? message : "not a connection string";
        while (!error.empty() && error.back() == '\n') error.pop_back();
        PQfreemem(message);
        return false;
    }
    PQconninfoFree(options);
    return true;
}

std::string connectionStringSecret(const std::string& text) {
    PQconninfoOption* options = PQconninfoParse(text.c_str(), nullptr);
    if (!options) return {};
    std::string found;
    for (auto* o = options; o->keyword; ++o) {
        const std::string_view keyword = o->keyword;
        if ((keyword == "password" || keyword == "sslpassword") && o->val && *o->val) found = keyword;
    }
    PQconninfoFree(options);
    return found;
}

} // namespace kit
