#pragma once
// Writing a whole file atomically: the bytes go to a temporary file beside it (QSaveFile) that replaces the file only
// once every byte is written, so a failure (a full disk, a folder that cannot be written) leaves the old file as it
// was and no temporary file behind.

#include <QByteArray>
#include <QString>

namespace namewright {

/// Writes `bytes` as the whole content of `path`; false with `error` set (the system's reason) when it failed.
bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error);

} // namespace namewright
