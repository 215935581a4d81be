#pragma once
// Sealing a character knowledge file once its rows are written: the checksum of every row and the digest of every
// table (RowChecksum.h), which the reader checks. tools/make_knowledge_db seals the file it builds; tests seal the
// small files they build, and seal again after changing a row on purpose.

#include <filesystem>

namespace namewright {

/// Writes `checksum` of every row of every table of kKnowledgeTables, then the digest of every table but meta into
/// meta (replacing any there), then the checksums of the meta rows, in one transaction. Throws SQLite::Exception
/// (or std::runtime_error) when the file cannot be opened for writing or lacks a table or column.
void sealKnowledgeFile(const std::filesystem::path& file);

} // namespace namewright
