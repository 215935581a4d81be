#pragma once
// A small character knowledge file for tests: the knowledge schema of data/knowledge_schema.sql with a few
// characters (范 统 李 丽 思 远 曾 单 尉 迟 婧 钰 治 标 沪 病 杭 州), the family readings 曾 zēng, 单 shàn and 尉迟 yù
// chí, the unfortunate word 饭桶, and two verses of the pair 思远. Meanings (tone, tier): 思 褒 1, 远 褒 2, 钰 褒 3,
// 治 中 2, 标 中 2, 沪 中 3, 病 贬 3, 李 中 0 (family only); the others have none. 治标 is an everyday word (词), 杭州
// a place name (地名), 沪 a place character. Every character has the same stroke working
// (7, "水 4 + 3，氵按水计 4"), glyph count 6 and element reason ("水：部首氵（水）"); levels are 1 but 婧 2 and 钰 3.
// Only 单 has a family element: 金 ("金：声母 sh（姓读 shàn）"). The file is sealed (every row's checksum and every
// table's digest written) as tools/make_knowledge_db seals characters.db.

#include "support/TempDatabase.h"

#include <filesystem>

namespace namewright::testing {

class SmallKnowledgeFile {
public:
    /// Writes the file; it is removed when the object dies.
    SmallKnowledgeFile();
    const std::filesystem::path& path() const { return m_path.path(); }

private:
    void write();
    TempPath m_path{".db"};
};

} // namespace namewright::testing
