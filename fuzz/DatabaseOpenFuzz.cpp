// Opening a naming database from arbitrary file bytes (SQLite, Access or anything else), then one lookup of each
// kind: a file that opens must answer, a file that does not must give a closed connection, quietly.

#include "db/NamingDatabase.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

const std::filesystem::path& inputFile() {
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("namewright-fuzz-" + std::to_string(::getpid()) + ".mdb");
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream out(inputFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    namewright::NamingDatabase db = namewright::NamingDatabase::open(inputFile());
    if (db.isOpen()) {
        (void)db.baziRow("甲子");
        (void)db.wordRow("李");
        (void)db.word1After(1, "女");
        (void)db.word2OfGender("男");
        (void)db.numerologyRow("15");
        (void)db.threeTalentsRow("金土水");
        (void)db.allNumerologyRows();
        (void)db.listTable("3cai");
    }
    return 0;
}
