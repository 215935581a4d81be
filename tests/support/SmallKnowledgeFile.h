#pragma once
// A small character knowledge file (characters.db) built in a temporary file, for tests of the knowledge reader and of
// what the shortlist shows of it.

#include "support/TempDatabase.h"

#include <filesystem>

namespace namewright::testing {

/// A knowledge file of a few characters: 范 统 李 丽 思 远 曾 单 尉 迟 (common level 1), 婧 (level 2) and 钰 (level 3);
/// 思远 has two verses, and 饭桶 (fàn tǒng) is its one unfortunate word.
class SmallKnowledgeFile {
public:
    SmallKnowledgeFile();
    const std::filesystem::path& path() const { return m_path.path(); }

private:
    TempPath m_path{".db"};
};

} // namespace namewright::testing
