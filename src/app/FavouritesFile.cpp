#include "app/FavouritesFile.h"

#include "app/TextConversion.h"
#include "app/WholeFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

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

bool readText(const QJsonObject& object, std::string_view key, std::string& out) {
    const QJsonValue value = object.value(toQString(key));
    if (!value.isString()) {
        return false;
    }
    out = toUtf8(value.toString());
    return true;
}

/// A favourite from its object; nothing when a field is missing or of the wrong kind.
std::optional<Favourite> fromObject(const QJsonValue& value) {
    if (!value.isObject()) {
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    Favourite f;
    if (!readText(object, "family", f.familyText) || !readText(object, "given", f.given) || f.given.empty()) {
        return std::nullopt;
    }
    const QJsonArray cells = object.value(QStringLiteral("cells")).toArray();
    if (cells.size() != static_cast<qsizetype>(kResultColumnCount)) {
        return std::nullopt;
    }
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (!cells[i].isString()) {
            return std::nullopt;
        }
        f.cells.texts[static_cast<std::size_t>(i)] = toUtf8(cells[i].toString());
    }
    const QJsonObject chart = object.value(QStringLiteral("chart")).toObject();
    for (const ChartResult& result : kChartResults) {
        readText(chart, result.key, f.chart.*result.text); // a chart text that is missing stays empty
    }
    const QJsonObject birth = object.value(QStringLiteral("birth")).toObject();
    readText(birth, "year", f.birth.year);
    readText(birth, "month", f.birth.month);
    readText(birth, "day", f.birth.day);
    readText(birth, "hour", f.birth.hour);
    readText(birth, "minute", f.birth.minute);
    const QJsonValue stars = object.value(QStringLiteral("stars"));
    if (!stars.isDouble()) {
        return std::nullopt;
    }
    f.stars = std::clamp(stars.toInt(), kFewestStars, kMostStars);
    readText(object, "note", f.note);
    readText(object, "added", f.added);
    return f;
}

/// favourites.json -> favourites.json.damaged-20240501-093000 (with -2, -3 ... if that is taken).
QString setAside(const QString& path) {
    const QString base =
        path + QStringLiteral(".damaged-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = base;
    for (int n = 2; QFileInfo::exists(target); ++n) {
        target = base + QLatin1Char('-') + QString::number(n);
    }
    return QFile::rename(path, target) ? target : QString();
}

} // namespace

QString FavouritesFile::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/favourites.json");
}

FavouritesFile::FavouritesFile(QString path) : m_path(std::move(path)) {}

QByteArray FavouritesFile::toJson(const std::vector<Favourite>& favourites) {
    QJsonArray list;
    for (const Favourite& f : favourites) {
        list.append(toObject(f));
    }
    const QJsonObject root{{QStringLiteral("format"), QLatin1String(kFormat)},
                           {QStringLiteral("version"), kVersion},
                           {QStringLiteral("favourites"), list}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

FavouritesFile::Loaded FavouritesFile::load() const {
    Loaded loaded;
    QFile file(m_path);
    if (!file.exists()) {
        return loaded;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        // Set aside as well, so that the next save cannot overwrite favourites that are only unreadable for now.
        loaded.problem = QStringLiteral("收藏文件无法读取（") + file.errorString() + QStringLiteral("），");
        loaded.setAsideTo = setAside(m_path);
        loaded.problem += loaded.setAsideTo.isEmpty() ? QStringLiteral("也无法改名；收藏暂不保存")
                                                      : QStringLiteral("已另存为 ") + loaded.setAsideTo;
        return loaded;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    const QJsonObject root = document.object();
    const bool ours =
        error.error == QJsonParseError::NoError && document.isObject() &&
        root.value(QStringLiteral("format")).toString() == QLatin1String(kFormat) &&
        root.value(QStringLiteral("version")).isDouble() && root.value(QStringLiteral("version")).toInt() >= 1 &&
        root.value(QStringLiteral("version")).toInt() <= kVersion && root.value(QStringLiteral("favourites")).isArray();
    bool complete = ours;
    if (ours) {
        for (const QJsonValue& value : root.value(QStringLiteral("favourites")).toArray()) {
            if (auto favourite = fromObject(value)) {
                loaded.favourites.push_back(std::move(*favourite));
            } else {
                complete = false;
            }
        }
    }
    if (!complete) {
        loaded.setAsideTo = setAside(m_path);
        loaded.problem = ours ? QStringLiteral("收藏文件中有几条无法读取，已读出其余各条；原文件已另存为 ")
                              : QStringLiteral("收藏文件已损坏或不是本程序的文件，已另存为 ");
        loaded.problem += loaded.setAsideTo.isEmpty() ? QStringLiteral("（改名失败）") : loaded.setAsideTo;
    }
    return loaded;
}

bool FavouritesFile::save(const FavouriteList& favourites) {
    m_error.clear();
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath())) {
        m_error = QStringLiteral("无法建立文件夹 ") + info.absolutePath();
        return false;
    }
    return writeWholeFile(m_path, toJson(favourites.all()), &m_error);
}

} // namespace namewright
