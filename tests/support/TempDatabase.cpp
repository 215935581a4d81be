#include "support/TempDatabase.h"

#include "support/Files.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <atomic>
#include <cstdint>
#include <random>
#include <unistd.h>

namespace namewright::testing {

namespace {

/// The process id alone is not unique over time: a test killed by its timeout leaves its files behind, and a later
/// process given the same id would find them. A random tag drawn once per process keeps runs apart.
std::filesystem::path uniquePath(std::string_view suffix) {
    static const std::string tag = [] {
        std::random_device device;
        const std::uint64_t bits = (std::uint64_t{device()} << 32U) | device();
        return std::to_string(::getpid()) + "-" + std::to_string(bits);
    }();
    static std::atomic<int> counter{0};
    return std::filesystem::temp_directory_path() /
           ("namewright-test-" + tag + "-" + std::to_string(counter++) + std::string(suffix));
}

} // namespace

TempDatabase::TempDatabase(Schema schema) : m_path(uniquePath(".mdb")) {
    SQLite::Database db(m_path.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec("PRAGMA journal_mode = MEMORY"); // a throw-away file needs no crash safety
    if (schema == Schema::Shipped) {
        db.exec(readFile(NAMEWRIGHT_SCHEMA_FILE));
    } else {
        db.exec("CREATE TABLE unrelated (x INTEGER)");
    }
}

TempDatabase::~TempDatabase() {
    std::error_code ignored;
    std::filesystem::remove(m_path, ignored);
}

void TempDatabase::exec(const std::string& sql) {
    SQLite::Database db(m_path.string(), SQLite::OPEN_READWRITE);
    db.exec("PRAGMA synchronous = OFF");
    db.exec(sql);
}

void TempDatabase::fill(const std::function<void(SQLite::Database&)>& write) {
    SQLite::Database db(m_path.string(), SQLite::OPEN_READWRITE);
    db.exec("PRAGMA synchronous = OFF");
    SQLite::Transaction transaction(db);
    write(db);
    transaction.commit();
}

TempPath::TempPath(std::string_view suffix) : m_path(uniquePath(suffix)) {}

TempPath::~TempPath() {
    std::error_code ignored;
    std::filesystem::remove(m_path, ignored);
}

} // namespace namewright::testing
