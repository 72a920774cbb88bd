#include "kit/store/SqliteDatabase.h"

#include <sqlite3.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include <cstdio>

namespace kit::sqlite {
namespace {

// The error of a call that gave `rc`. A write the disk had no room for often surfaces as an I/O error (a
// flush, the log's index file mapped into memory): told as the full disk it is, wherever it comes up.
Error errorOf(sqlite3* db, int rc, std::string message) {
    int code = rc & 0xff;
    if (db && code == SQLITE_IOERR) {
        const int cause = sqlite3_system_errno(db);
        if (cause == ENOSPC || cause == EDQUOT) code = SQLITE_FULL;
    }
    return Error{code, std::move(message)};
}

} // namespace

Statement::~Statement() {
    if (stmt_) sqlite3_finalize(stmt_);
}

Statement::Statement(Statement&& other) noexcept : db_(other.db_), stmt_(other.stmt_), error_(std::move(other.error_)) {
    other.stmt_ = nullptr;
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    error_.reset();
}

void Statement::bindNull(int index) { sqlite3_bind_null(stmt_, index); }
void Statement::bind(int index, std::int64_t value) { sqlite3_bind_int64(stmt_, index, value); }
void Statement::bind(int index, double value) { sqlite3_bind_double(stmt_, index, value); }
void Statement::bind(int index, std::string_view text) {
    sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
}
void Statement::bindBlob(int index, const std::string& bytes) {
    sqlite3_bind_blob64(stmt_, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
}

bool Statement::step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc != SQLITE_DONE) error_ = errorOf(db_, rc, sqlite3_errmsg(db_));
    return false;
}

bool Statement::isNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }
std::int64_t Statement::integer(int column) const { return sqlite3_column_int64(stmt_, column); }
double Statement::real(int column) const { return sqlite3_column_double(stmt_, column); }
std::string Statement::text(int column) const {
    auto p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return p ? std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column))) : std::string();
}
std::string Statement::blob(int column) const {
    auto p = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
    return p ? std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column))) : std::string();
}

std::unique_ptr<Database> Database::open(const std::string& path, std::optional<Error>& error) {
    // A new file is the user's alone (SQLite gives its journals the file's permissions): made here empty,
    // which SQLite takes as a new database, since it would otherwise create it as the umask allows.
    if (path != ":memory:" && !path.empty())
        if (const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600); fd >= 0) ::close(fd);
    return openWith(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, error);
}

std::unique_ptr<Database> Database::openReadOnly(const std::string& path, std::optional<Error>& error) {
    // A URI names the file, so its path is escaped where URIs need it.
    std::string uri = "file:";
    for (unsigned char c : path) {
        if (c == '%' || c == '?' || c == '#' || c < 0x20) {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            uri += escaped;
        } else {
            uri += static_cast<char>(c);
        }
    }
    const int flags = SQLITE_OPEN_READONLY | SQLITE_OPEN_URI;
    if (auto db = openWith(uri + "?mode=ro", flags, error)) return db;
    error.reset();
    return openWith(uri + "?immutable=1", flags, error);
}

std::unique_ptr<Database> Database::openWith(const std::string& name, int flags, std::optional<Error>& error) {
    sqlite3* raw = nullptr;
    int rc = sqlite3_open_v2(name.c_str(), &raw, flags | SQLITE_OPEN_FULLMUTEX, nullptr);
    std::unique_ptr<Database> db(raw ? new Database(raw) : nullptr);
    if (rc != SQLITE_OK) {
        error = errorOf(raw, rc, raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc));
        return nullptr;
    }
    sqlite3_busy_timeout(raw, 2000);
    // SQLite opens lazily: reading the schema is what finds a damaged or foreign file.
    if (auto e = db->exec("SELECT count(*) FROM sqlite_master")) {
        error = e;
        return nullptr;
    }
    return db;
}

std::optional<Error> Database::checkIntegrity() {
    std::optional<Error> error;
    auto check = prepare("PRAGMA quick_check(1)", error);
    if (error) return error;
    if (!check.step()) {
        if (check.error()) return check.error();
        return Error{SQLITE_CORRUPT, "the integrity check gave no answer"};
    }
    if (auto verdict = check.text(0); verdict != "ok") return Error{SQLITE_CORRUPT, "the file is damaged: " + verdict};
    return std::nullopt;
}

Database::~Database() {
    cache_.clear();
    sqlite3_close_v2(db_);
}

std::optional<Error> Database::exec(const std::string& sql) {
    char* message = nullptr;
    int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message);
    if (rc == SQLITE_OK) return std::nullopt;
    auto e = errorOf(db_, rc, message ? message : sqlite3_errstr(rc));
    sqlite3_free(message);
    return e;
}

Statement Database::prepare(const std::string& sql, std::optional<Error>& error) {
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr);
    if (rc != SQLITE_OK) error = errorOf(db_, rc, sqlite3_errmsg(db_));
    return Statement(db_, stmt);
}

Statement* Database::cached(const std::string& sql, std::optional<Error>& error) {
    for (auto& [text, stmt] : cache_)
        if (text == sql) {
            stmt->reset();
            return stmt.get();
        }
    sqlite3_stmt* raw = nullptr;
    int rc = sqlite3_prepare_v3(db_, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &raw,
                                nullptr);
    if (rc != SQLITE_OK) {
        error = errorOf(db_, rc, sqlite3_errmsg(db_));
        return nullptr;
    }
    cache_.emplace_back(sql, std::make_unique<Statement>(db_, raw));
    return cache_.back().second.get();
}

std::int64_t Database::lastInsertRowId() const { return sqlite3_last_insert_rowid(db_); }

Error Database::lastError() const { return errorOf(db_, sqlite3_errcode(db_), sqlite3_errmsg(db_)); }

bool Database::isReadOnly() const { return sqlite3_db_readonly(db_, "main") == 1; }

std::string quoted(std::string_view identifier) {
    std::string out = "\"";
    for (char c : identifier) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

} // namespace kit::sqlite
