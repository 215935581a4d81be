// make_artwork: draws the program's pictures and writes them as PNG files.
//
//   make_artwork <output directory>
//
// Writes banner.png, panel.png, background.png, icon.png (256 px), icon-16/32/48/64/96/128.png (the smaller window
// icons and, from 48 up, the hicolor sizes the package installs beside the 256 px icon) and the tool-button icons
// tool-*.png (18 px) with their tool-*@2x.png (36 px, picked by Qt at 200 % scale). Every picture is drawn
// from a fixed seed, so a rerun with the same Qt version writes identical files. Opaque pictures are stored without
// an alpha channel and all files at the strongest PNG compression.

#include "Icon.h"
#include "Pictures.h"
#include "ToolIcons.h"

#include <QDir>
#include <QImageWriter>
#include <QString>

#include <cstdio>

namespace {

bool save(const QImage& image, const QDir& directory, const QString& fileName) {
    const QString path = directory.filePath(fileName);
    const QImage stored = image.hasAlphaChannel() ? image : image.convertToFormat(QImage::Format_RGB888);
    QImageWriter writer(path, "png");
    writer.setQuality(0); // PNG: quality 0 selects zlib level 9
    if (!writer.write(stored)) {
        std::fprintf(stderr, "make_artwork: cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_artwork <output directory>\n");
        return 2;
    }
    const QDir directory(QString::fromLocal8Bit(argv[1]));
    if (!directory.exists()) {
        std::fprintf(stderr, "make_artwork: no such directory: %s\n", argv[1]);
        return 2;
    }
    using namespace namewright::artwork;
    bool written = save(drawBanner(), directory, QStringLiteral("banner.png"));
    written = save(drawPanel(), directory, QStringLiteral("panel.png")) && written;
    written = save(drawBackground(), directory, QStringLiteral("background.png")) && written;
    written = save(drawIcon(256), directory, QStringLiteral("icon.png")) && written;
    for (const int size : {16, 32, 48, 64, 96, 128}) {
        written = save(drawIcon(size), directory, QStringLiteral("icon-%1.png").arg(size)) && written;
    }
    for (const ToolIcon icon : kToolIcons) {
        written = save(drawToolIcon(icon, 18), directory, toolIconName(icon) + QStringLiteral(".png")) && written;
        written = save(drawToolIcon(icon, 36), directory, toolIconName(icon) + QStringLiteral("@2x.png")) && written;
    }
    return written ? 0 : 1;
}
