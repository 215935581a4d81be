#include "app/favourites/FavouritesFile.h"

#include "app/favourites/FavouritesJson.h"
#include "app/favourites/LargeBuffer.h"
#include "app/favourites/WholeFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace namewright {

namespace {

/// favourites.json -> favourites.json.damaged-20240501-093000 (with -2, -3 ... if that is taken). A rename, so it
/// moves folders and FIFOs as well as files.
QString setAside(const QString& path) {
    const QString base =
        path + QStringLiteral(".damaged-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = base;
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n) {
        target = base + QLatin1Char('-') + QString::number(n);
    }
    return QDir().rename(path, target) ? target : QString();
}

QString setAsideText(const QString& target) {
    return target.isEmpty() ? QStringLiteral("改名失败，收藏暂不保存到原处") : QStringLiteral("已另存为 ") + target;
}

} // namespace

QString FavouritesFile::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/favourites.json");
}

FavouritesFile::FavouritesFile(QString path) : m_path(std::move(path)) {}

std::optional<FavouritesFile::Stamp> FavouritesFile::stamp() const {
    struct stat info {};
    if (::stat(QFile::encodeName(m_path).constData(), &info) != 0) {
        return std::nullopt;
    }
    return Stamp{static_cast<unsigned long long>(info.st_dev), static_cast<unsigned long long>(info.st_ino),
                 static_cast<long long>(info.st_size),
                 static_cast<long long>(info.st_mtim.tv_sec) * 1'000'000'000LL + info.st_mtim.tv_nsec};
}

FavouritesFile::Loaded FavouritesFile::load() const {
    Loaded loaded;
    // Opened without waiting (a FIFO would block a plain open until something writes to it) and then checked for
    // being a regular file, on the descriptor, so that nothing can be swapped in between.
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    const int openError = errno;
    if (fd < 0 && (openError == ENOENT || openError == ENOTDIR)) { // nothing there (yet)
        return loaded;
    }
    struct stat info {};
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd);
        loaded.setAsideTo = setAside(m_path);
        loaded.problem = QStringLiteral("收藏文件的位置上不是普通文件，") + setAsideText(loaded.setAsideTo);
        return loaded;
    }
    if (fd < 0) {
        // Set aside as well, so that the next save cannot overwrite favourites that are only unreadable for now.
        loaded.setAsideTo = setAside(m_path);
        loaded.problem = QStringLiteral("收藏文件无法读取（") + QString::fromLocal8Bit(std::strerror(openError)) +
                         QStringLiteral("），") + setAsideText(loaded.setAsideTo);
        return loaded;
    }
    LargeBuffer text;
    const bool readWhole = text.readAll(fd, static_cast<std::size_t>(info.st_size));
    ::close(fd);
    const QByteArray bytes =
        QByteArray::fromRawData(text.text().data(), static_cast<qsizetype>(text.text().size())); // no copy
    ReadFavourites read = favouritesFromJson(bytes);
    const std::size_t merged = mergeDuplicateFavourites(read.favourites);
    loaded.favourites = std::move(read.favourites);
    if (read.ours && read.complete && merged == 0 && readWhole) {
        return loaded;
    }
    loaded.setAsideTo = setAside(m_path);
    if (!read.ours) {
        loaded.problem = QStringLiteral("收藏文件已损坏或不是本程序的文件，");
    } else if (!read.complete || !readWhole) {
        loaded.problem = QStringLiteral("收藏文件不完整或有几条无法读取，已读出其余完整的 %1 条；原文件")
                             .arg(loaded.favourites.size());
    } else {
        loaded.problem =
            QStringLiteral("收藏文件中同一名字有多条，已合并 %1 条（星级取最高，备注相连）；原文件").arg(merged);
    }
    loaded.problem += setAsideText(loaded.setAsideTo);
    return loaded;
}

bool FavouritesFile::save(const FavouriteList& favourites) {
    m_error.clear();
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath())) {
        m_error = QStringLiteral("无法建立文件夹 ") + info.absolutePath();
        return false;
    }
    return writeWholeFile(m_path, favouritesToJson(favourites.all()), &m_error);
}

} // namespace namewright
