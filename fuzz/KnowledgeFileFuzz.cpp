// The character knowledge file from arbitrary bytes, then every lookup the program makes of it: a file that opens
// must answer, a file that does not must give an unavailable knowledge base, quietly, and neither may crash, hang or
// leak. The first byte chooses whether the file is sealed again (KnowledgeSeal.h: every row's checksum and every
// table's digest rewritten) before it is opened, so that mutated rows reach the checks of their content and the
// lookups, not only the checksums; the bytes after it are the file.

#include "knowledge/KnowledgeBase.h"
#include "knowledge/KnowledgeSeal.h"
#include "knowledge/NameDescription.h"
#include "shortlist/FamilyKnowledgeFlags.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

const std::filesystem::path& inputFile() {
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("namewright-fuzz-" + std::to_string(::getpid()) + "-characters.db");
    return path;
}

/// The file and whatever SQLite left beside it (a sealed file in WAL mode has a log while it is written).
void removeInput() {
    std::error_code ignored;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        std::filesystem::remove(inputFile().string() + suffix, ignored);
    }
}

void lookUpEverything(const namewright::KnowledgeBase& knowledge, const std::uint8_t* data, std::size_t size) {
    using namespace namewright;
    static const std::pair<const char*, const char*> kNames[] = {{"范", "统"},   {"李", "思远"}, {"尉迟", "丽"},
                                                                 {"曾", "婧钰"}, {"单", "x"},    {"", ""}};
    for (const auto& [family, given] : kNames) {
        (void)describeName(knowledge, family, given);
        (void)knowledge.soundWarnings(family, given);
    }
    (void)knowledge.verses("思", "远");
    const FamilyKnowledgeFlags flags(knowledge, "李");
    (void)flags.flags("思远");
    (void)flags.pinyin("统");
    // Characters chosen by the input, from the whole range the file can hold.
    for (std::size_t i = 0; i + 1 < size && i < 64; i += 2) {
        const auto first = static_cast<char32_t>(0x4E00 + (data[i] * 256U + data[i + 1]) % 0x5200);
        const auto second = static_cast<char32_t>(0x4E00 + (data[i + 1] * 256U + data[i]) % 0x5200);
        (void)knowledge.character(first);
        (void)knowledge.verses(first, second);
        (void)flags.flags(first, second);
    }
    (void)knowledge.damage();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    removeInput();
    {
        std::ofstream out(inputFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
    }
    if ((data[0] & 1U) != 0) {
        try {
            namewright::sealKnowledgeFile(inputFile());
        } catch (const std::exception&) {
            // No knowledge file to seal: it is opened as it is.
        }
    }
    {
        const namewright::KnowledgeBase knowledge = namewright::KnowledgeBase::open(inputFile());
        lookUpEverything(knowledge, data + 1, size - 1);
    }
    removeInput();
    return 0;
}
