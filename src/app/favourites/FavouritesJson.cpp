#include "app/favourites/FavouritesJson.h"

#include "app/favourites/FavouritesJsonReader.h"
#include "app/models/TextConversion.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <optional>

namespace namewright {

namespace {

constexpr auto kFormat = "namewright-favourites";
constexpr int kVersion = 1;

QString text(std::string_view utf8) {
    return toQString(utf8);
}

QJsonObject toObject(const Favourite& f) {
    QJsonArray cells;
    for (const std::string& cell : f.cells.texts) {
        cells.append(text(cell));
    }
    QJsonObject chart;
    // The chart's seven texts under names of their own, so the file reads without knowing the order of a struct.
    for (const ChartResult& result : kChartResults) {
        chart.insert(toQString(result.key), text(f.chart.*result.text));
    }
    const QJsonObject birth{{QStringLiteral("year"), text(f.birth.year)},
                            {QStringLiteral("month"), text(f.birth.month)},
                            {QStringLiteral("day"), text(f.birth.day)},
                            {QStringLiteral("hour"), text(f.birth.hour)},
                            {QStringLiteral("minute"), text(f.birth.minute)}};
    return QJsonObject{{QStringLiteral("family"), text(f.familyText)},
                       {QStringLiteral("given"), text(f.given)},
                       {QStringLiteral("cells"), cells},
                       {QStringLiteral("chart"), chart},
                       {QStringLiteral("birth"), birth},
                       {QStringLiteral("stars"), f.stars},
                       {QStringLiteral("note"), text(f.note)},
                       {QStringLiteral("added"), text(f.added)}};
}

QLatin1StringView keyText(std::string_view key) {
    return QLatin1StringView(key.data(), static_cast<qsizetype>(key.size()));
}

bool readText(const QJsonObject& object, std::string_view key, std::string& out) {
    const QJsonValue value = object.value(keyText(key));
    if (!value.isString()) {
        return false;
    }
    out = toUtf8(value.toString());
    return true;
}

/// Reads a favourite from its object into `f` (a fresh one, filled in place: a file may hold 100,000 of them);
/// false when a field is missing or of the wrong kind.
bool fromObject(const QJsonValue& value, Favourite& f) {
    if (!value.isObject()) {
        return false;
    }
    const QJsonObject object = value.toObject();
    if (!readText(object, "family", f.familyText) || !readText(object, "given", f.given) || f.given.empty()) {
        return false;
    }
    const QJsonArray cells = object.value(QLatin1StringView("cells")).toArray();
    if (cells.size() != static_cast<qsizetype>(kResultColumnCount)) {
        return false;
    }
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const QJsonValue cell = cells[i];
        if (!cell.isString()) {
            return false;
        }
        f.cells.texts[static_cast<std::size_t>(i)] = toUtf8(cell.toString());
    }
    const QJsonObject chart = object.value(QLatin1StringView("chart")).toObject();
    for (const ChartResult& result : kChartResults) {
        readText(chart, result.key, f.chart.*result.text); // a chart text that is missing stays empty
    }
    const QJsonObject birth = object.value(QLatin1StringView("birth")).toObject();
    readText(birth, "year", f.birth.year);
    readText(birth, "month", f.birth.month);
    readText(birth, "day", f.birth.day);
    readText(birth, "hour", f.birth.hour);
    readText(birth, "minute", f.birth.minute);
    const QJsonValue stars = object.value(QLatin1StringView("stars"));
    if (!stars.isDouble()) {
        return false;
    }
    f.stars = std::clamp(stars.toInt(), kFewestStars, kMostStars);
    readText(object, "note", f.note);
    readText(object, "added", f.added);
    return true;
}

/// Appends the favourite of `value` to `out`; false (and `out` as it was) when it cannot be read.
bool appendFavourite(const QJsonValue& value, std::vector<Favourite>& out) {
    if (fromObject(value, out.emplace_back())) {
        return true;
    }
    out.pop_back();
    return false;
}

/// A forward scan over JSON text that finds where values end without building them, for reading what stands whole
/// in a damaged text. Nesting is counted, not recursed into, so no text can exhaust the stack.
class JsonScan {
public:
    explicit JsonScan(const QByteArray& bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_at >= m_bytes.size(); }
    qsizetype at() const { return m_at; }
    char peek() const { return atEnd() ? '\0' : m_bytes[m_at]; }

    void skipSpace() {
        while (!atEnd() && (peek() == ' ' || peek() == '\n' || peek() == '\r' || peek() == '\t')) {
            ++m_at;
        }
    }
    bool take(char c) {
        skipSpace();
        if (peek() != c) {
            return false;
        }
        ++m_at;
        return true;
    }
    /// Past the value that starts here; false when the text ends (or breaks) before the value does.
    bool skipValue() {
        skipSpace();
        if (peek() == '"') {
            return skipString();
        }
        if (peek() != '{' && peek() != '[') {
            while (!atEnd() && std::string_view(",]} \n\r\t").find(peek()) == std::string_view::npos) {
                ++m_at;
            }
            return !atEnd();
        }
        std::size_t depth = 0;
        while (!atEnd()) {
            const char c = peek();
            if (c == '"') {
                if (!skipString()) {
                    return false;
                }
                continue;
            }
            ++m_at;
            if (c == '{' || c == '[') {
                ++depth;
            } else if ((c == '}' || c == ']') && --depth == 0) {
                return true;
            }
        }
        return false;
    }
    /// The raw text of the string that starts here (escapes left as they are); nothing when there is none whole.
    std::optional<QByteArray> string() {
        skipSpace();
        const qsizetype start = m_at;
        if (peek() != '"' || !skipString()) {
            return std::nullopt;
        }
        return m_bytes.mid(start + 1, m_at - start - 2);
    }

private:
    bool skipString() {
        ++m_at; // the opening quote
        while (!atEnd()) {
            const char c = m_bytes[m_at++];
            if (c == '\\') {
                ++m_at;
            } else if (c == '"') {
                return true;
            }
        }
        return false;
    }

    const QByteArray& m_bytes;
    qsizetype m_at = 0;
};

/// What a text that is no whole JSON document still holds: the entries of its "favourites" array that stand whole,
/// each parsed on its own. Ours when the array is there, no other "format" is named before it, and it gave an entry
/// or our format was named.
ReadFavourites salvage(const QByteArray& bytes) {
    ReadFavourites read;
    JsonScan scan(bytes);
    if (!scan.take('{')) {
        return read;
    }
    bool formatNamed = false;
    while (true) {
        const std::optional<QByteArray> key = scan.string();
        if (!key || !scan.take(':')) {
            break;
        }
        if (*key == "format") {
            const std::optional<QByteArray> format = scan.string();
            if (!format || *format != kFormat) {
                return read;
            }
            formatNamed = true;
        } else if (*key == "version") {
            scan.skipSpace();
            const qsizetype start = scan.at();
            if (!scan.skipValue() || bytes.mid(start, scan.at() - start).trimmed().toInt() > kVersion) {
                return read;
            }
        } else if (*key == "favourites") {
            if (!scan.take('[')) {
                return read;
            }
            while (!scan.take(']')) {
                scan.skipSpace();
                const qsizetype start = scan.at();
                if (!scan.skipValue()) {
                    break;
                }
                const QJsonDocument entry = QJsonDocument::fromJson(bytes.mid(start, scan.at() - start));
                appendFavourite(entry.isObject() ? QJsonValue(entry.object()) : QJsonValue(), read.favourites);
                if (!scan.take(',')) {
                    break;
                }
            }
            read.ours = formatNamed || !read.favourites.empty();
            return read;
        } else if (!scan.skipValue()) {
            break;
        }
        if (!scan.take(',')) {
            break;
        }
    }
    return read;
}

} // namespace

QByteArray favouritesToJson(const std::vector<Favourite>& favourites) {
    QJsonArray list;
    for (const Favourite& f : favourites) {
        list.append(toObject(f));
    }
    const QJsonObject root{{QStringLiteral("format"), QLatin1String(kFormat)},
                           {QStringLiteral("version"), kVersion},
                           {QStringLiteral("favourites"), list}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ReadFavourites favouritesFromJson(const QByteArray& bytes) {
    std::optional<ReadFavourites> read =
        FavouritesJsonReader::read(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return read ? std::move(*read) : favouritesFromJsonDocument(bytes);
}

ReadFavourites favouritesFromJsonDocument(const QByteArray& bytes) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        return salvage(bytes);
    }
    ReadFavourites read;
    const QJsonObject root = document.object();
    const QJsonValue version = root.value(QStringLiteral("version"));
    read.ours = document.isObject() && root.value(QStringLiteral("format")).toString() == QLatin1String(kFormat) &&
                version.isDouble() && version.toInt() >= 1 && version.toInt() <= kVersion &&
                root.value(QStringLiteral("favourites")).isArray();
    read.complete = read.ours;
    if (!read.ours) {
        return read;
    }
    const QJsonArray list = root.value(QStringLiteral("favourites")).toArray();
    read.favourites.reserve(static_cast<std::size_t>(list.size()));
    for (const auto& value : list) {
        read.complete = appendFavourite(value, read.favourites) && read.complete;
    }
    return read;
}

} // namespace namewright
