#include "naming/LuckTables.h"

#include "db/NamingDatabase.h"

#include <charconv>
#include <optional>

namespace namewright {

namespace {

/// The number a key text names, if the text is exactly some integer written in decimal without leading zeros
/// (the only texts a grid number can match).
std::optional<int> canonicalNumber(std::string_view text) {
    int value = 0;
    const auto* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || ptr != end || std::to_string(value) != text) {
        return std::nullopt;
    }
    return value;
}

} // namespace

LuckTables::LuckTables() = default;

LuckTables::LuckTables(const std::vector<NumerologyRow>& numerology, const std::vector<ThreeTalentsRow>& threeTalents) {
    std::array<bool, kDirectNumbers> seen{};
    for (const auto& row : numerology) {
        const auto n = canonicalNumber(row.number);
        if (!n) {
            continue;
        }
        if (*n >= 0 && *n < kDirectNumbers) {
            if (!seen[static_cast<std::size_t>(*n)]) {
                seen[static_cast<std::size_t>(*n)] = true;
                m_direct[static_cast<std::size_t>(*n)] = luckOf(row.luck);
            }
        } else {
            m_otherNumbers.emplace(*n, luckOf(row.luck));
        }
    }
    for (const auto& row : threeTalents) {
        m_otherKeys.emplace(row.key, luckOf(row.luck));
    }
    for (int index = 0; index < 125; ++index) {
        m_keys[static_cast<std::size_t>(index)] = keyLuck(threeTalentsKey(index));
    }
}

LuckTables LuckTables::load(NamingDatabase& database) {
    return LuckTables(database.allNumerologyRows(), database.allThreeTalentsRows());
}

Luck LuckTables::keyLuck(std::string_view key) const {
    const auto found = m_otherKeys.find(std::string(key));
    return found == m_otherKeys.end() ? Luck::None : found->second;
}

} // namespace namewright
