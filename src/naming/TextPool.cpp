#include "naming/TextPool.h"

namespace namewright {

TextPool::TextPool() {
    intern("");
}

std::uint32_t TextPool::intern(std::string_view text) {
    const std::lock_guard lock(m_mutex);
    if (const auto found = m_ids.find(text); found != m_ids.end()) {
        return found->second;
    }
    const auto id = static_cast<std::uint32_t>(m_texts.size());
    m_texts.emplace_back(text);
    m_ids.emplace(std::string(text), id);
    m_textBytes += text.size();
    return id;
}

std::optional<std::uint32_t> TextPool::find(std::string_view text) const {
    const std::lock_guard lock(m_mutex);
    if (const auto found = m_ids.find(text); found != m_ids.end()) {
        return found->second;
    }
    return std::nullopt;
}

std::string TextPool::text(std::uint32_t id) const {
    const std::lock_guard lock(m_mutex);
    return id < m_texts.size() ? m_texts[id] : std::string();
}

void TextPool::appendTo(std::string& out, std::uint32_t id) const {
    const std::lock_guard lock(m_mutex);
    if (id < m_texts.size()) {
        out += m_texts[id];
    }
}

void TextPool::copyTexts(std::uint32_t from, std::deque<std::string>& into) const {
    const std::lock_guard lock(m_mutex);
    for (std::size_t id = from; id < m_texts.size(); ++id) {
        into.push_back(m_texts[id]);
    }
}

std::size_t TextPool::size() const {
    const std::lock_guard lock(m_mutex);
    return m_texts.size();
}

std::size_t TextPool::memoryBytes() const {
    const std::lock_guard lock(m_mutex);
    // Two copies of each text plus a rough per-entry overhead of the deque slot and the hash node.
    return 2 * m_textBytes + m_texts.size() * (2 * sizeof(std::string) + 48);
}

} // namespace namewright
