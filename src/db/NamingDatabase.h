#pragma once
// The naming database (取名数据库) `hun.mdb`: one read-only connection and the typed query catalogue.
//
// A connection belongs to one thread at a time; threads that query concurrently open a connection each.
// Lookups never throw: a closed connection, a missing table or column, or a key without a row all read as "no row"
// (std::nullopt, an empty vector or 0). Every parameter is bound, never spliced into the query text, so a key that
// contains quotes is just a key that finds no row.

#include "db/OpenConnection.h"
#include "db/Rows.h"
#include "db/TableListing.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace namewright {

class NamingDatabase {
public:
    /// A closed connection: every lookup finds nothing.
    NamingDatabase();
    ~NamingDatabase();
    NamingDatabase(NamingDatabase&&) noexcept;
    NamingDatabase& operator=(NamingDatabase&&) noexcept;
    NamingDatabase(const NamingDatabase&) = delete;
    NamingDatabase& operator=(const NamingDatabase&) = delete;

    /// Opens the file read-only (OpenConnection.h): an SQLite file in place, an Access (Jet 3, Jet 4) file through an
    /// in-memory import of its user tables, after which every query behaves as on an SQLite file. A missing or
    /// unreadable file, a file of an unknown format, one that fails SQLite's integrity check, a password-protected
    /// Access file, a damaged one, or one that lacks a table or column the program reads gives a closed connection,
    /// quietly; failure() and failureDetail() tell why.
    static NamingDatabase open(const std::filesystem::path& file);

    bool isOpen() const;
    /// Why open() gave a closed connection; OpenFailure::None when open or never opened.
    OpenFailure failure() const;
    /// What the refusing check found, in words (OpenedConnection::detail): "the column xb of the table word1".
    std::string failureDetail() const;

    /// Q1: the `bazi` row of a stem-branch pair such as "甲子".
    std::optional<BaziRow> baziRow(std::string_view pair);
    /// Q2: the `word` row of a character.
    std::optional<WordRow> wordRow(std::string_view character);
    /// Q3: the `word1` rows with `ID` above resumeMark whose `xb` is not excludedGender, in ascending `ID`.
    /// As in SQL, a row whose `xb` is NULL is not returned.
    std::vector<CandidateRow> word1After(int resumeMark, std::string_view excludedGender);
    /// All `word1` (or `word2`) rows of the gender in ascending `ID`. The random mode counts (Q4) and draws (Q5, Q6)
    /// from these lists in memory rather than asking the database for every draw.
    std::vector<CandidateRow> word1OfGender(std::string_view gender);
    std::vector<CandidateRow> word2OfGender(std::string_view gender);
    /// The rows the random mode draws from: those of the gender and the neutral ones, whose `xb` is neither "男" nor
    /// "女" (中, or any other text), in ascending `ID`. A row whose `xb` is NULL is left out, as by word1After.
    std::vector<CandidateRow> word1ForDraws(std::string_view gender);
    std::vector<CandidateRow> word2ForDraws(std::string_view gender);
    /// Q7: the `sl` row whose `数理序号` equals the text (the number written in decimal).
    std::optional<NumerologyRow> numerologyRow(std::string_view number);
    /// Q8: the `3cai` row whose `属性` equals the key.
    std::optional<ThreeTalentsRow> threeTalentsRow(std::string_view key);
    /// Every `sl` row in stored order (for loading the luck of all numbers once).
    std::vector<NumerologyRow> allNumerologyRows();
    /// Every `3cai` row in stored order.
    std::vector<ThreeTalentsRow> allThreeTalentsRows();
    /// Q9 (table "sl") and Q10 (table "3cai"): the whole table with its column kinds. Any table name is quoted as an
    /// identifier; a missing table gives an empty listing (no columns, no rows).
    TableListing listTable(std::string_view table);

private:
    struct Impl;
    explicit NamingDatabase(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};

} // namespace namewright
