#include "app/favourites/WholeFile.h"

#include <QSaveFile>

namespace namewright {

bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    // Unbuffered: a buffered write that the disk takes only in part can reach commit() unnoticed and replace the old
    // file with a truncated one; written directly, the short count shows here.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        *error = file.errorString();
        if (error->isEmpty() || file.error() == QFileDevice::NoError) {
            *error = QStringLiteral("磁盘空间不足或文件无法写完");
        }
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace namewright
