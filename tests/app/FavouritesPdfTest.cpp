// The favourites' PDF as a reader gets it back: text copied from it (pdftotext) reads the characters printed, not the
// look-alike radicals; the body is at least 10 points; a long favourite runs on to pages headed with its name.

#include "app/favourites/FavouritesPrinter.h"
#include "db/NamingDatabase.h"
#include "knowledge/KnowledgeBase.h"
#include "support/SmallKnowledgeFile.h"

#include "AppTestSupport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace namewright {

namespace {

Favourite named(const char* family, const char* given, const QString& note) {
    Favourite f;
    f.familyText = family;
    f.given = given;
    f.stars = 4;
    f.note = note.toStdString();
    f.cells.texts = {f.familyText + f.given, "92", "8", "16", "21", "13", "28", "土土木", "火金木"};
    f.chart.fourPillars = "庚寅年 戊子月 丙辰日 己丑时";
    f.chart.favourableElement = "金";
    f.birth = {"2011", "1", "1", "1"};
    f.added = "2024-05-01 09:30";
    return f;
}

/// The output of a poppler tool run on `arguments`; empty when it failed.
QString popplerOutput(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class FavouritesPdfTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not installed");
        }
        testing::fillWindowTestDatabase(m_file);
    }

    void copiedTextReadsTheCharactersPrinted() {
        NamingDatabase database = NamingDatabase::open(m_file.path());
        const KnowledgeBase knowledge = KnowledgeBase::open(m_knowledgeFile.path());
        const QString path = m_folder.filePath(QStringLiteral("字.pdf"));
        QString error;
        QVERIFY2(FavouritesPrinter(database, knowledge)
                     .writePdf(path, {named("林", "森", QStringLiteral("喜木水火，八字偏弱；金土日月山大小"))}, &error),
                 qPrintable(error));
        const QString text = popplerOutput(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        QVERIFY2(text.contains(QStringLiteral("木水火")), qPrintable(text.left(200)));
        QVERIFY(text.contains(QStringLiteral("八字")));
        QVERIFY(text.contains(QStringLiteral("金土日月山大小")));
        QVERIFY(text.contains(QStringLiteral("林森")));
        // No Kangxi radical (U+2F00-U+2FDF) nor supplementary radical (U+2E80-U+2EFF) anywhere in the copied text.
        static const QRegularExpression radicals(QStringLiteral("[\\x{2E80}-\\x{2FDF}]"));
        QVERIFY2(!text.contains(radicals),
                 qPrintable(QStringLiteral("radicals in the copied text (is fonts-wqy-microhei installed?): ") +
                            text.left(200)));
    }

    void aLongFavouriteRunsOnToPagesAtTenPointsOrMore() {
        NamingDatabase database = NamingDatabase::open(m_file.path());
        const KnowledgeBase knowledge = KnowledgeBase::open(m_knowledgeFile.path());
        QStringList note;
        for (int i = 1; i <= 90; ++i) {
            note << QStringLiteral("第%1条：八字喜木水火").arg(i);
        }
        const QString path = m_folder.filePath(QStringLiteral("长.pdf"));
        QString error;
        QVERIFY(FavouritesPrinter(database, knowledge)
                    .writePdf(path, {named("林", "森", note.join(QLatin1Char('\n'))), named("王", "哉", {})}, &error));
        const QString info = popplerOutput(QStringLiteral("pdfinfo"), {path});
        const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
        QVERIFY(pages.hasMatch());
        const int pageCount = pages.captured(1).toInt();
        QVERIFY2(pageCount >= 3, qPrintable(info)); // two pages or more for the long note, one for 王哉

        // Every page the note runs on to starts with the favourite's name; the next favourite starts a page of its own.
        const QString second =
            popplerOutput(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-l"),
                                                        QStringLiteral("2"), path, QStringLiteral("-")});
        QVERIFY2(second.trimmed().startsWith(QStringLiteral("林森（续）")), qPrintable(second.left(80)));
        const QString last = popplerOutput(QStringLiteral("pdftotext"),
                                           {QStringLiteral("-f"), QString::number(pageCount), QStringLiteral("-l"),
                                            QString::number(pageCount), path, QStringLiteral("-")});
        QVERIFY(last.trimmed().startsWith(QStringLiteral("王哉")));

        // Every word measured on the pages, the report's below the long note too: a 10 or 11 point line is over 9
        // points tall (the title's 18 points less than 30).
        const QString boxes =
            popplerOutput(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
        static const QRegularExpression word(QStringLiteral(
            "<word xMin=\"[\\d.]+\" yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
        int measured = 0;
        int noteLines = 0;
        for (auto it = word.globalMatch(boxes); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const double height = m.captured(2).toDouble() - m.captured(1).toDouble();
            QVERIFY2(height >= 9.0 && height <= 30.0,
                     qPrintable(m.captured(3) + QLatin1Char(' ') + QString::number(height)));
            ++measured;
            noteLines += m.captured(3).endsWith(QStringLiteral("八字喜木水火")) ? 1 : 0;
        }
        QCOMPARE(noteLines, 90);
        QVERIFY(measured > 150); // the reports' words too
    }

private:
    testing::TempDatabase m_file;
    const testing::SmallKnowledgeFile m_knowledgeFile;
    QTemporaryDir m_folder;
};

} // namespace namewright

QTEST_MAIN(namewright::FavouritesPdfTest)
#include "FavouritesPdfTest.moc"
