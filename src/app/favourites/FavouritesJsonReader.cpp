#include "app/favourites/FavouritesJsonReader.h"

#include "app/favourites/LargeBuffer.h"
#include "chart/LunarChart.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <string>

namespace namewright {

namespace {

constexpr std::string_view kFormat = "namewright-favourites";
constexpr int kVersion = 1;
/// Deeper than any favourites file nests (root, list, entry, cells): deeper values go to the full parser.
constexpr int kDeepest = 16;

/// Thrown (and caught in read()) where the text leaves this reader's ground; never escapes it.
struct LeaveToParser {};

/// The int a JSON number reads as for the favourites (as QJsonValue::toInt() gives it): the number when it is whole
/// and within int, else 0.
int wholeOrZero(double value) {
    if (value != std::floor(value) || value < INT_MIN || value > INT_MAX) {
        return 0;
    }
    return static_cast<int>(value);
}

/// A favourite takes about a kilobyte in the file the program writes (less without a chart): the list is made
/// about its size at once rather than grown by moving 100,000 favourites several times. Only a hint.
constexpr std::size_t kLikelyEntryBytes = 768;

class Scanner {
public:
    explicit Scanner(std::string_view text) : m_at(text.data()), m_end(text.data() + text.size()) {}

    bool atEnd() const { return m_at == m_end; }

    void skipSpace() {
        while (m_at != m_end && (*m_at == ' ' || *m_at == '\n' || *m_at == '\r' || *m_at == '\t')) {
            ++m_at;
        }
    }
    char peek() {
        skipSpace();
        if (m_at == m_end) {
            throw LeaveToParser{};
        }
        return *m_at;
    }
    void expect(char c) {
        if (peek() != c) {
            throw LeaveToParser{};
        }
        ++m_at;
    }
    bool take(char c) {
        if (peek() != c) {
            return false;
        }
        ++m_at;
        return true;
    }

    /// The string that starts here, unescaped, into `out` (replacing what it held).
    void string(std::string& out) {
        expect('"');
        out.clear();
        while (true) {
            const char* run = m_at;
            while (m_at != m_end && static_cast<unsigned char>(*m_at) >= 0x20 &&
                   static_cast<unsigned char>(*m_at) < 0x80 && *m_at != '"' && *m_at != '\\') {
                ++m_at;
            }
            out.append(run, m_at);
            if (m_at == m_end) {
                throw LeaveToParser{};
            }
            const auto c = static_cast<unsigned char>(*m_at);
            if (c == '"') {
                ++m_at;
                return;
            }
            if (c == '\\') {
                escape(out);
            } else if (c >= 0x80) {
                multibyte(out);
            } else {
                throw LeaveToParser{}; // a raw control character
            }
        }
    }

    /// The number that starts here, in JSON's grammar.
    double number() {
        skipSpace();
        const char* start = m_at;
        if (m_at != m_end && *m_at == '-') {
            ++m_at;
        }
        if (m_at == m_end || !isDigit(*m_at)) {
            throw LeaveToParser{};
        }
        if (*m_at == '0') {
            ++m_at;
        } else {
            skipDigits();
        }
        if (m_at != m_end && *m_at == '.') {
            ++m_at;
            requireDigits();
        }
        if (m_at != m_end && (*m_at == 'e' || *m_at == 'E')) {
            ++m_at;
            if (m_at != m_end && (*m_at == '+' || *m_at == '-')) {
                ++m_at;
            }
            requireDigits();
        }
        double value = 0;
        const auto [end, error] = std::from_chars(start, m_at, value);
        if (error != std::errc() || end != m_at || !std::isfinite(value)) {
            throw LeaveToParser{};
        }
        return value;
    }

    /// Past the value that starts here, checking its grammar.
    void skipValue(int depth) {
        if (depth > kDeepest) {
            throw LeaveToParser{};
        }
        const char c = peek();
        if (c == '"') {
            string(m_scratch);
        } else if (c == '{') {
            ++m_at;
            if (take('}')) {
                return;
            }
            do {
                string(m_scratch);
                expect(':');
                skipValue(depth + 1);
            } while (take(','));
            expect('}');
        } else if (c == '[') {
            ++m_at;
            if (take(']')) {
                return;
            }
            do {
                skipValue(depth + 1);
            } while (take(','));
            expect(']');
        } else if (c == '-' || isDigit(c)) {
            number();
        } else if (!word("true") && !word("false") && !word("null")) {
            throw LeaveToParser{};
        }
    }

private:
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    void skipDigits() {
        while (m_at != m_end && isDigit(*m_at)) {
            ++m_at;
        }
    }
    void requireDigits() {
        if (m_at == m_end || !isDigit(*m_at)) {
            throw LeaveToParser{};
        }
        skipDigits();
    }
    bool word(std::string_view w) {
        if (static_cast<std::size_t>(m_end - m_at) < w.size() || std::string_view(m_at, w.size()) != w) {
            return false;
        }
        m_at += w.size();
        return true;
    }

    unsigned hex4() {
        if (m_end - m_at < 4) {
            throw LeaveToParser{};
        }
        unsigned value = 0;
        const auto [end, error] = std::from_chars(m_at, m_at + 4, value, 16);
        if (error != std::errc() || end != m_at + 4 || *m_at == '+' || *m_at == '-') {
            throw LeaveToParser{};
        }
        m_at += 4;
        return value;
    }

    void escape(std::string& out) {
        ++m_at; // the backslash
        if (m_at == m_end) {
            throw LeaveToParser{};
        }
        const char c = *m_at++;
        switch (c) {
        case '"':
            out += '"';
            return;
        case '\\':
            out += '\\';
            return;
        case '/':
            out += '/';
            return;
        case 'b':
            out += '\b';
            return;
        case 'f':
            out += '\f';
            return;
        case 'n':
            out += '\n';
            return;
        case 'r':
            out += '\r';
            return;
        case 't':
            out += '\t';
            return;
        case 'u':
            break;
        default:
            throw LeaveToParser{};
        }
        std::uint32_t code = hex4();
        if (code >= 0xDC00 && code <= 0xDFFF) {
            throw LeaveToParser{}; // a low surrogate alone
        }
        if (code >= 0xD800 && code <= 0xDBFF) {
            if (m_end - m_at < 2 || m_at[0] != '\\' || m_at[1] != 'u') {
                throw LeaveToParser{};
            }
            m_at += 2;
            const std::uint32_t low = hex4();
            if (low < 0xDC00 || low > 0xDFFF) {
                throw LeaveToParser{};
            }
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        appendUtf8(out, code);
    }

    static void appendUtf8(std::string& out, std::uint32_t code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    /// One UTF-8 sequence, copied when it is well formed and no surrogate, no overlong form and no noncharacter.
    void multibyte(std::string& out) {
        const auto lead = static_cast<unsigned char>(*m_at);
        int length = 0;
        std::uint32_t code = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07u;
        } else {
            throw LeaveToParser{};
        }
        if (m_end - m_at < length) {
            throw LeaveToParser{};
        }
        for (int i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(m_at[i]);
            if ((next & 0xC0u) != 0x80u) {
                throw LeaveToParser{};
            }
            code = (code << 6) | (next & 0x3Fu);
        }
        const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
        const bool nonCharacter = (code >= 0xFDD0 && code <= 0xFDEF) || (code & 0xFFFEu) == 0xFFFEu;
        if (overlong || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) || nonCharacter) {
            throw LeaveToParser{};
        }
        out.append(m_at, static_cast<std::size_t>(length));
        m_at += length;
    }

    const char* m_at;
    const char* m_end;
    std::string m_scratch;
};

/// Reads the members of the object that starts here, calling `member(key)` with the scanner just before each value;
/// the callback must read or skip the value. A key twice leaves the text to the full parser (it keeps the last).
template <typename Member> void readObject(Scanner& scan, std::string& key, Member&& member) {
    std::array<std::string, 12> seen;
    std::size_t seenCount = 0;
    scan.expect('{');
    if (scan.take('}')) {
        return;
    }
    do {
        scan.string(key);
        scan.expect(':');
        if (std::find(seen.begin(), seen.begin() + static_cast<std::ptrdiff_t>(seenCount), key) !=
            seen.begin() + static_cast<std::ptrdiff_t>(seenCount)) {
            throw LeaveToParser{};
        }
        if (seenCount == seen.size()) {
            throw LeaveToParser{}; // more members than a favourite has: the full parser checks them for twins
        }
        seen[seenCount++] = key;
        member(key);
    } while (scan.take(','));
    scan.expect('}');
}

/// A string member into `out`: true when the value is a string, else it is skipped (and `out` left as it was).
bool stringInto(Scanner& scan, std::string& out) {
    if (scan.peek() != '"') {
        scan.skipValue(2);
        return false;
    }
    scan.string(out);
    return true;
}

/// The texts of an object of named texts ("chart", "birth"): each known name with a string value is read into its
/// field; anything else stays as it was.
template <typename Field> void namedTexts(Scanner& scan, Field&& fieldOf) {
    if (scan.peek() != '{') {
        scan.skipValue(2);
        return;
    }
    std::string inner;
    readObject(scan, inner, [&](const std::string& name) {
        std::string* field = fieldOf(name);
        if (field != nullptr) {
            stringInto(scan, *field);
        } else {
            scan.skipValue(3);
        }
    });
}

/// One entry of the list into `f`; false when it is no favourite (as favouritesFromJson() judges it).
bool readEntry(Scanner& scan, std::string& key, Favourite& f) {
    if (scan.peek() != '{') {
        scan.skipValue(1);
        return false;
    }
    bool family = false;
    bool given = false;
    bool cells = false;
    bool stars = false;
    double starsValue = 0;
    readObject(scan, key, [&](const std::string& name) {
        if (name == "family") {
            family = stringInto(scan, f.familyText);
        } else if (name == "given") {
            given = stringInto(scan, f.given);
        } else if (name == "cells") {
            if (scan.peek() != '[') {
                scan.skipValue(2);
                return;
            }
            scan.expect('[');
            std::size_t count = 0;
            bool allTexts = true;
            if (!scan.take(']')) {
                do {
                    if (count < f.cells.texts.size() && scan.peek() == '"') {
                        scan.string(f.cells.texts[count]);
                    } else {
                        allTexts = allTexts && scan.peek() == '"';
                        scan.skipValue(3);
                    }
                    ++count;
                } while (scan.take(','));
                scan.expect(']');
            }
            cells = allTexts && count == f.cells.texts.size();
        } else if (name == "chart") {
            namedTexts(scan, [&](const std::string& field) -> std::string* {
                for (const ChartResult& result : kChartResults) {
                    if (field == result.key) {
                        return &(f.chart.*result.text);
                    }
                }
                return nullptr;
            });
        } else if (name == "birth") {
            namedTexts(scan, [&](const std::string& field) -> std::string* {
                return field == "year"     ? &f.birth.year
                       : field == "month"  ? &f.birth.month
                       : field == "day"    ? &f.birth.day
                       : field == "hour"   ? &f.birth.hour
                       : field == "minute" ? &f.birth.minute
                                           : nullptr;
            });
        } else if (name == "stars") {
            const char c = scan.peek();
            stars = c == '-' || (c >= '0' && c <= '9');
            if (stars) {
                starsValue = scan.number();
            } else {
                scan.skipValue(2);
            }
        } else if (name == "note") {
            stringInto(scan, f.note);
        } else if (name == "added") {
            stringInto(scan, f.added);
        } else {
            scan.skipValue(2);
        }
    });
    if (!family || !given || f.given.empty() || !cells || !stars) {
        return false;
    }
    f.stars = std::clamp(wholeOrZero(starsValue), kFewestStars, kMostStars);
    return true;
}

} // namespace

std::optional<ReadFavourites> FavouritesJsonReader::read(std::string_view text) {
    ReadFavourites read;
    try {
        Scanner scan(text);
        if (scan.peek() != '{') {
            return std::nullopt;
        }
        read.favourites.reserve(text.size() / kLikelyEntryBytes);
        LargeBuffer::adviseHugePages(read.favourites.data(), read.favourites.capacity() * sizeof(Favourite));
        std::string key;
        std::string rootKey;
        bool format = false;
        bool version = false;
        bool list = false;
        bool allEntries = true;
        readObject(scan, rootKey, [&](const std::string& name) {
            if (name == "format") {
                std::string value;
                format = stringInto(scan, value) && value == kFormat;
            } else if (name == "version") {
                const char c = scan.peek();
                if (c == '-' || (c >= '0' && c <= '9')) {
                    const int number = wholeOrZero(scan.number());
                    version = number >= 1 && number <= kVersion;
                } else {
                    scan.skipValue(1);
                }
            } else if (name == "favourites") {
                if (scan.peek() != '[') {
                    scan.skipValue(1);
                    return;
                }
                list = true;
                scan.expect('[');
                if (scan.take(']')) {
                    return;
                }
                do {
                    if (!readEntry(scan, key, read.favourites.emplace_back())) {
                        read.favourites.pop_back();
                        allEntries = false;
                    }
                } while (scan.take(','));
                scan.expect(']');
            } else {
                scan.skipValue(1);
            }
        });
        scan.skipSpace();
        if (!scan.atEnd()) {
            return std::nullopt;
        }
        read.ours = format && version && list;
        read.complete = read.ours && allEntries;
        if (!read.ours) {
            read.favourites.clear();
        }
    } catch (const LeaveToParser&) {
        return std::nullopt;
    }
    return read;
}

} // namespace namewright
