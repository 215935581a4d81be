#pragma once
// Interned texts of the result store: each distinct text is kept once and named by a 32-bit id.

#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace namewright {

class TextPool {
public:
    /// Id 0 is always the empty text.
    TextPool();

    /// The id of a text, adding it when new. Safe from any thread.
    std::uint32_t intern(std::string_view text);

    /// The id of a text already interned; nothing for a text never interned. Safe from any thread.
    std::optional<std::uint32_t> find(std::string_view text) const;

    /// The text of an id returned by intern(). Safe from any thread.
    std::string text(std::uint32_t id) const;

    /// Appends the text of an id to `out` (saves a copy when joining texts).
    void appendTo(std::string& out, std::uint32_t id) const;

    /// Appends to `into` the texts of the ids from `from` on, in id order, under one lock: a reader keeps its own
    /// copy of the pool that way. Safe from any thread.
    void copyTexts(std::uint32_t from, std::deque<std::string>& into) const;

    std::size_t size() const;
    /// Approximate heap bytes held.
    std::size_t memoryBytes() const;

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    mutable std::mutex m_mutex;
    std::deque<std::string> m_texts; // a deque keeps every text in place as it grows
    std::unordered_map<std::string, std::uint32_t, Hash, std::equal_to<>> m_ids;
    std::size_t m_textBytes = 0;
};

} // namespace namewright
