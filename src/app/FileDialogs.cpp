#include "app/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTreeView>

namespace namewright {

namespace {

constexpr auto kLastFolderKey = "files/lastFolder";

/// The type column of the dialog in Chinese: Qt names folders "Folder" and files "<suffix> File" in English whatever
/// the translations loaded.
class ChineseFileTypes : public QFileIconProvider {
public:
    QString type(const QFileInfo& info) const override {
        if (info.isRoot()) {
            return QStringLiteral("驱动器");
        }
        if (info.isDir()) {
            return QStringLiteral("文件夹");
        }
        if (info.isSymLink()) {
            return QStringLiteral("快捷方式");
        }
        const QString suffix = info.suffix();
        return suffix.isEmpty() ? QStringLiteral("文件") : suffix.toUpper() + QStringLiteral(" 文件");
    }
};

/// Lives as long as the program: a file dialog's model keeps using it while the dialog is torn down.
QFileIconProvider* chineseFileTypes() {
    static auto* const provider = new ChineseFileTypes;
    return provider;
}

/// The detail view's columns: the name takes what is left; size, type and date are as wide as their longest text.
void fitDetailColumns(QFileDialog& dialog) {
    auto* tree = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (tree == nullptr) {
        return;
    }
    const QFontMetrics metrics = tree->fontMetrics();
    const int margin = 24;
    const QString date = QLocale().toString(QDateTime(QDate(2024, 12, 28), QTime(23, 58)), QLocale::ShortFormat);
    QHeaderView* header = tree->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->resizeSection(1, metrics.horizontalAdvance(QStringLiteral("999.9 MiB")) + margin);
    header->resizeSection(2, metrics.horizontalAdvance(QStringLiteral("文件夹文件")) + margin);
    header->resizeSection(3, metrics.horizontalAdvance(date) + margin);
}

} // namespace

QString FileDialogs::startFolder() {
    QString last = QSettings().value(QString::fromLatin1(kLastFolderKey)).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir()) {
        return last;
    }
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) {
        return documents;
    }
    return QDir::homePath();
}

void FileDialogs::rememberFolderOf(const QString& file) {
    QSettings().setValue(QString::fromLatin1(kLastFolderKey), QFileInfo(file).absolutePath());
}

std::unique_ptr<QFileDialog> FileDialogs::saveDialog(QWidget* parent, const QString& name, const QString& title,
                                                     const QString& filter, const QString& suffix,
                                                     const QString& fileName) {
    auto dialog = std::make_unique<QFileDialog>(parent, title, startFolder(), filter);
    dialog->setObjectName(name);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    // Qt's own dialog, so it looks and reads the same everywhere (a desktop's dialog need not be in Chinese).
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setIconProvider(chineseFileTypes());
    dialog->setViewMode(QFileDialog::Detail);
    dialog->setDefaultSuffix(suffix);
    dialog->selectFile(fileName);
    dialog->setLabelText(QFileDialog::LookIn, QStringLiteral("位置："));
    dialog->setLabelText(QFileDialog::FileName, QStringLiteral("文件名："));
    dialog->setLabelText(QFileDialog::FileType, QStringLiteral("文件类型："));
    dialog->setLabelText(QFileDialog::Accept, QStringLiteral("保存"));
    dialog->setLabelText(QFileDialog::Reject, QStringLiteral("取消"));
    fitDetailColumns(*dialog);
    return dialog;
}

QString FileDialogs::chooseSaveFile(QWidget* parent, const QString& name, const QString& title, const QString& filter,
                                    const QString& suffix, const QString& fileName) {
    const std::unique_ptr<QFileDialog> dialog = saveDialog(parent, name, title, filter, suffix, fileName);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
        return {};
    }
    QString file = dialog->selectedFiles().constFirst();
    rememberFolderOf(file);
    return file;
}

} // namespace namewright
