#pragma once
// A thin RAII layer over SQLite: one connection, prepared statements, errors as values.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace kit::sqlite {

struct Error {
    int code = 0;          // SQLite's primary result code
    std::string message;
};

class Statement {
public:
    Statement(sqlite3* db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt) {}
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;
    Statement(const Statement&) = delete;

    void reset();
    void bindNull(int index);
    void bind(int index, std::int64_t value);
    void bind(int index, double value);
    void bind(int index, std::string_view text);
    void bindBlob(int index, const std::string& bytes);
    // Returns true while a row is available; an error ends the walk and is kept in error().
    bool step();
    const std::optional<Error>& error() const { return error_; }

    bool isNull(int column) const;
    std::int64_t integer(int column) const;
    double real(int column) const;
    std::string text(int column) const;
    std::string blob(int column) const;

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_;
    std::optional<Error> error_;
};

class Database {
public:
    // Opens (or creates) the file; a file that is not a database is reported here, not at first use.
    static std::unique_ptr<Database> open(const std::string& path, std::optional<Error>& error);
    // Opens an existing file for reading only. Where even its lock and log files cannot be made (a
    // read-only folder), it is read as it stands on disk.
    static std::unique_ptr<Database> openReadOnly(const std::string& path, std::optional<Error>& error);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // SQLite's quick check of every page: a file whose header is whole but whose later pages are
    // damaged opens without complaint and then reads as if records were missing.
    std::optional<Error> checkIntegrity();
    std::optional<Error> exec(const std::string& sql);
    // Prepared once per SQL text and kept; the statement comes back reset.
    Statement* cached(const std::string& sql, std::optional<Error>& error);
    Statement prepare(const std::string& sql, std::optional<Error>& error);
    std::int64_t lastInsertRowId() const;
    Error lastError() const;
    bool isReadOnly() const;

private:
    explicit Database(sqlite3* db) : db_(db) {}
    static std::unique_ptr<Database> openWith(const std::string& name, int flags, std::optional<Error>& error);
    sqlite3* db_;
    std::vector<std::pair<std::string, std::unique_ptr<Statement>>> cache_;
};

// Quotes an identifier for SQL text ("name" with inner quotes doubled).
std::string quoted(std::string_view identifier);

} // namespace kit::sqlite
