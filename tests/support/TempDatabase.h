#pragma once
// A throw-away naming database for tests: a temporary SQLite file with the shipped schema (or none), filled by the
// test with plain SQL, then opened read-only through the program's own NamingDatabase.

#include "db/NamingDatabase.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace SQLite {
class Database;
}

namespace namewright::testing {

class TempDatabase {
public:
    enum class Schema { Shipped, Empty };

    explicit TempDatabase(Schema schema = Schema::Shipped);
    ~TempDatabase();
    TempDatabase(const TempDatabase&) = delete;
    TempDatabase& operator=(const TempDatabase&) = delete;

    /// Runs SQL statements on the file (writable here, before the program opens it).
    void exec(const std::string& sql);

    /// Calls `write` with a writable connection to the file inside one transaction (for fills with prepared
    /// statements, as large tables need).
    void fill(const std::function<void(SQLite::Database&)>& write);

    const std::filesystem::path& path() const { return m_path; }
    NamingDatabase open() const { return NamingDatabase::open(m_path); }

private:
    std::filesystem::path m_path;
};

/// A unique path in the temporary directory; the file is removed when the returned guard dies.
class TempPath {
public:
    explicit TempPath(std::string_view suffix = ".tmp");
    ~TempPath();
    TempPath(const TempPath&) = delete;
    TempPath& operator=(const TempPath&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace namewright::testing
