// The favourites file and store: kept across restarts, set aside when damaged, written atomically, a failed write
// reported with the old file kept; the favourites table, the compare window and the exports.

#include "app/favourites/FavouritesFile.h"
#include "app/CompareDialog.h"
#include "app/favourites/FavouritesJson.h"
#include "app/favourites/FavouritesModel.h"
#include "app/favourites/FavouritesPrinter.h"
#include "app/favourites/FavouritesStore.h"
#include "app/models/TextConversion.h"
#include "db/NamingDatabase.h"
#include "knowledge/KnowledgeBase.h"
#include "support/SmallKnowledgeFile.h"

#include "AppTestSupport.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace namewright {

namespace {

Favourite named(const char* family, const char* given, int stars = 3, const char* note = "") {
    Favourite f;
    f.familyText = family;
    f.given = given;
    f.stars = stars;
    f.note = note;
    f.cells.texts = {f.familyText + f.given, "92", "8", "16", "21", "13", "28", "土土木", "火金木"};
    f.chart.fourPillars = "庚寅年 戊子月 丙辰日 己丑时";
    f.chart.favourableElement = "金";
    f.birth = {"2011", "1", "1", "1"};
    f.birth.minute = "10";
    f.added = "2024-05-01 09:30";
    return f;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

/// The files of a folder other than `keep`.
QStringList othersIn(const QString& folder, const QString& keep) {
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    names.removeAll(keep);
    return names;
}

/// While it lives, no file this process writes may grow beyond `bytes`: a disk that is full.
class FullDisk {
public:
    explicit FullDisk(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails with EFBIG instead of ending the process
        rlimit limit = m_before;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &m_before); }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_before{};
};

} // namespace

class FavouritesFileTest : public QObject {
    Q_OBJECT

private slots:
    void theDefaultFileIsInTheDataFolderOfTheTestHome() {
        // The window tests run with test mode on and $HOME in a temporary folder: the real home is never touched.
        QVERIFY(QStandardPaths::isTestModeEnabled());
        QVERIFY(FavouritesFile::defaultPath().startsWith(
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
        QVERIFY(FavouritesFile::defaultPath().contains(QStringLiteral("/.qttest/")));
        QVERIFY(FavouritesFile::defaultPath().endsWith(QStringLiteral("/favourites.json")));
    }

    void favouritesSurviveARestartWithEveryField() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("sub/favourites.json")); // the folder is made
        {
            FavouritesStore store(path);
            QVERIFY(store.loadProblem().isEmpty());
            QVERIFY(store.add(named("李", "哉栋", 4, "奶奶喜欢, \"大气\"")));
            QVERIFY(store.add(named("欧阳", "栋", 2)));
            QVERIFY(store.setStars("欧阳", "栋", 5));
            QVERIFY(store.setNote("欧阳", "栋", "第二个"));
            QVERIFY(store.saveError().isEmpty());
        }
        FavouritesStore again(path);
        QVERIFY(again.loadProblem().isEmpty());
        QCOMPARE(again.list().size(), std::size_t{2});
        Favourite second = named("欧阳", "栋", 5, "第二个");
        QVERIFY(again.list().all()[0] == named("李", "哉栋", 4, "奶奶喜欢, \"大气\""));
        QVERIFY(again.list().all()[1] == second);
        QVERIFY(again.remove("李", "哉栋"));
        QCOMPARE(FavouritesStore(path).list().size(), std::size_t{1});
    }

    void everyChangeIsWrittenAtOnceThroughASaveFile() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("favourites.json"));
        FavouritesStore store(path);
        QSignalSpy changed(&store, &FavouritesStore::changed);
        QVERIFY(!QFile::exists(path)); // nothing is written before the first change
        store.add(named("李", "哉栋"));
        QCOMPARE(changed.size(), 1);
        QVERIFY(readAll(path).contains("哉栋"));
        store.setNote("李", "哉栋", "新的备注");
        QVERIFY(readAll(path).contains("新的备注"));
        QVERIFY(!store.add(named("李", "哉栋"))); // nothing changed: nothing written, no signal
        QCOMPARE(changed.size(), 2);
        // No temporary file is left beside it.
        QCOMPARE(othersIn(folder.path(), QStringLiteral("favourites.json")), QStringList());
    }

    void aDamagedFileIsSetAsideAndTheListStartsEmpty() {
        for (const QByteArray& bytes :
             {QByteArray("{\"format\": \"namewright-favourites\", \"version\": 1, \"favourites\": [ {\"fam"),
              QByteArray("\x00\xff\xfe garbage", 11), QByteArray("{\"format\": \"something else\", \"version\": 1}"),
              QByteArray("{\"format\": \"namewright-favourites\", \"version\": 99, \"favourites\": []}"),
              QByteArray("[1, 2, 3]")}) {
            QTemporaryDir folder;
            const QString path = folder.filePath(QStringLiteral("favourites.json"));
            writeAll(path, bytes);
            FavouritesStore store(path);
            QVERIFY(store.list().empty());
            QVERIFY(!store.loadProblem().isEmpty());
            QVERIFY(!QFile::exists(path));
            const QStringList aside = othersIn(folder.path(), QStringLiteral("favourites.json"));
            QCOMPARE(aside.size(), 1);
            QVERIFY(aside[0].startsWith(QStringLiteral("favourites.json.damaged-")));
            QCOMPARE(readAll(folder.filePath(aside[0])), bytes); // set aside untouched
            QVERIFY(store.add(named("李", "栋")));               // and the list works on
            QCOMPARE(FavouritesStore(path).list().size(), std::size_t{1});
        }
    }

    void aFileWithSomeUnreadableFavouritesKeepsTheRest() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("favourites.json"));
        // One good favourite, one whose family is a number, one that is no object at all.
        QJsonObject root = QJsonDocument::fromJson(favouritesToJson({named("王", "哉")})).object();
        QJsonArray list = root.value(QStringLiteral("favourites")).toArray();
        list.append(QJsonObject{{QStringLiteral("family"), 1}});
        list.append(42);
        root.insert(QStringLiteral("favourites"), list);
        const QByteArray json = QJsonDocument(root).toJson();
        writeAll(path, json);
        FavouritesStore store(path);
        QCOMPARE(store.list().size(), std::size_t{1});
        QCOMPARE(store.list().all()[0].given, std::string("哉"));
        QVERIFY(store.loadProblem().contains(QStringLiteral("其余")));
        // The original is kept aside, and what was read has a file again.
        QCOMPARE(othersIn(folder.path(), QStringLiteral("favourites.json")).size(), 1);
        QCOMPARE(FavouritesStore(path).list().size(), std::size_t{1});
    }

    void twoStoresSavingInTurnLoseNothing() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("favourites.json"));
        {
            FavouritesStore first(path);
            first.add(named("李", "一"));
            first.add(named("李", "二"));
        }
        // Two windows open on the same file: an addition in each, then a removal in one and an addition in the
        // other, each saved at once.
        FavouritesStore left(path);
        FavouritesStore right(path);
        QVERIFY(left.add(named("左", "三")));
        QVERIFY(right.add(named("右", "四")));
        QVERIFY(left.remove("李", "一"));
        QVERIFY(right.setNote("李", "二", "右边的备注"));
        QVERIFY(right.add(named("右", "五")));
        const FavouritesStore after(path);
        QVERIFY(after.loadProblem().isEmpty());
        QStringList names;
        for (const Favourite& f : after.list().all()) {
            names << toQString(f.name());
        }
        QCOMPARE(names, QStringList({QStringLiteral("李二"), QStringLiteral("左三"), QStringLiteral("右四"),
                                     QStringLiteral("右五")}));
        QCOMPARE(after.list().find("李", "二")->note, std::string("右边的备注"));
        // The window that saved last shows what the file holds; no lock file is left behind.
        QCOMPARE(right.list().size(), std::size_t{4});
        QCOMPARE(othersIn(folder.path(), QStringLiteral("favourites.json")), QStringList());
    }

    void entriesForOneNameAreMergedAndTheFileKeptAside() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("favourites.json"));
        std::vector<Favourite> many{named("王", "哉", 5)};
        for (int i = 0; i < 1000; ++i) {
            many.push_back(named("李", "栋", 1 + i % 4, ("备注" + std::to_string(i)).c_str()));
        }
        const QByteArray json = favouritesToJson(many);
        writeAll(path, json);
        FavouritesStore store(path);
        QCOMPARE(store.list().size(), std::size_t{2});
        const Favourite* merged = store.list().find("李", "栋");
        QVERIFY(merged != nullptr);
        QCOMPARE(merged->stars, 4);
        QVERIFY(merged->note.find("；备注999") != std::string::npos);
        QVERIFY(store.loadProblem().contains(QStringLiteral("合并 999 条")));
        const QStringList aside = othersIn(folder.path(), QStringLiteral("favourites.json"));
        QCOMPARE(aside.size(), 1);
        QCOMPARE(readAll(folder.filePath(aside[0])), json); // kept whole
        QCOMPARE(FavouritesStore(path).list().size(), std::size_t{2});
        QVERIFY(FavouritesStore(path).loadProblem().isEmpty());
    }

    void aFileCutShortKeepsEveryCompleteEntry() {
        const QByteArray json = favouritesToJson({named("李", "一"), named("李", "二", 5, "第二"), named("李", "三")});
        const qsizetype third =
            json.indexOf("\u674e\u4e09") >= 0 ? json.indexOf("\u674e\u4e09") : json.lastIndexOf("李三");
        QVERIFY(third > 0);
        for (const qsizetype cut : {third, json.size() - 30, json.size() - 2}) {
            QTemporaryDir folder;
            const QString path = folder.filePath(QStringLiteral("favourites.json"));
            writeAll(path, json.left(cut));
            FavouritesStore store(path);
            QVERIFY(store.list().size() >= 2);
            QCOMPARE(store.list().all()[1].note, std::string("第二"));
            QVERIFY(store.loadProblem().contains(QStringLiteral("不完整")));
            const QStringList aside = othersIn(folder.path(), QStringLiteral("favourites.json"));
            QCOMPARE(aside.size(), 1);
            QCOMPARE(readAll(folder.filePath(aside[0])), json.left(cut));
            QCOMPARE(FavouritesStore(path).list().size(), store.list().size());
        }
    }

    void aFolderOrAFifoAtThePathIsSetAsideWithoutBlocking() {
        for (const bool fifo : {false, true}) {
            QTemporaryDir folder;
            const QString path = folder.filePath(QStringLiteral("favourites.json"));
            if (fifo) {
                QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            } else {
                QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
            }
            FavouritesStore store(path); // a FIFO opened for reading would wait here for a writer
            QVERIFY(store.list().empty());
            QVERIFY(store.loadProblem().contains(QStringLiteral("不是普通文件")));
            QVERIFY(store.add(named("李", "栋")));
            QVERIFY(QFileInfo(path).isFile());
            QCOMPARE(FavouritesStore(path).list().size(), std::size_t{1});
            const QStringList aside =
                QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
            QCOMPARE(aside.size(), 2); // the file and what was set aside
        }
    }

    void theLastRemovalCanBeUndoneInPlace() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("favourites.json"));
        FavouritesStore store(path);
        for (const char* given : {"一", "二", "三", "四"}) {
            store.add(named("李", given, 4, "备注"));
        }
        QVERIFY(!store.canUndoRemoval());
        QCOMPARE(store.removeAll({{"李", "二"}, {"李", "四"}, {"李", "无"}}), std::size_t{2});
        QVERIFY(store.canUndoRemoval());
        QCOMPARE(store.lastRemoval().size(), std::size_t{2});
        QCOMPARE(FavouritesStore(path).list().size(), std::size_t{2});
        QVERIFY(store.undoRemoval());
        QVERIFY(!store.undoRemoval());
        const FavouritesStore after(path);
        QCOMPARE(after.list().size(), std::size_t{4});
        QCOMPARE(after.list().all()[1].name(), std::string("李二"));
        QCOMPARE(after.list().all()[1].note, std::string("备注"));
        QCOMPARE(after.list().all()[3].name(), std::string("李四"));
    }

    void aWriteFailureIsReportedAndTheOldFileKept() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("favourites.json"));
        FavouritesStore store(path);
        store.add(named("李", "哉栋"));
        const QByteArray before = readAll(path);
        QVERIFY(!before.isEmpty());
        QSignalSpy failed(&store, &FavouritesStore::saveFailed);
        {
            const FullDisk full(static_cast<rlim_t>(before.size()) + 16);
            QVERIFY(store.add(named("李", "栋", 3, "这一条写不下了，因为磁盘已满")));
        }
        QCOMPARE(failed.size(), 1);
        QVERIFY(!store.saveError().isEmpty());
        QCOMPARE(readAll(path), before);
        QCOMPARE(othersIn(folder.path(), QStringLiteral("favourites.json")), QStringList());
        QCOMPARE(store.list().size(), std::size_t{2});    // kept for this session
        QVERIFY(store.setNote("李", "栋", "磁盘有空了")); // the next change writes everything
        QVERIFY(store.saveError().isEmpty());
        QCOMPARE(FavouritesStore(path).list().size(), std::size_t{2});
    }

    void theFavouritesTableFollowsTheStore() {
        QTemporaryDir folder;
        FavouritesStore store(folder.filePath(QStringLiteral("favourites.json")));
        FavouritesModel model(store);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 0);
        store.add(named("李", "哉栋", 4, "好"));
        store.add(named("李", "栋"));
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.index(0, FavouritesModel::Name).data().toString(), QStringLiteral("李哉栋"));
        QCOMPARE(model.index(0, FavouritesModel::Stars).data().toString(), QStringLiteral("★★★★"));
        QCOMPARE(model.index(0, FavouritesModel::Note).data().toString(), QStringLiteral("好"));
        QCOMPARE(model.rowOf("李", "栋"), 1);
        store.setStars("李", "栋", 1);
        QCOMPARE(model.index(1, FavouritesModel::Stars).data().toString(), QStringLiteral("★"));
        store.remove("李", "哉栋");
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.rowOf("李", "哉栋"), -1);
    }

    void compareShowsTheFavouritesSideBySideWithTheirLuckWords() {
        testing::TempDatabase file;
        testing::fillWindowTestDatabase(file);
        NamingDatabase database = NamingDatabase::open(file.path());
        const std::vector<Favourite> chosen{named("李", "哉栋", 4, "第一"), named("李", "栋", 2, "第二"),
                                            named("王", "哉", 5), named("李", "思丽")};
        const testing::SmallKnowledgeFile knowledgeFile;
        const KnowledgeBase knowledge = KnowledgeBase::open(knowledgeFile.path());
        CompareDialog dialog(chosen, database, knowledge, nullptr);
        QTableWidget* table = dialog.findChild<QTableWidget*>(QStringLiteral("比较表格"));
        QVERIFY(table != nullptr);
        QCOMPARE(table->columnCount(), 4);
        const auto cell = [&](const char* rowTitle, int column) {
            for (int row = 0; row < table->rowCount(); ++row) {
                if (table->verticalHeaderItem(row)->text() == QString::fromUtf8(rowTitle)) {
                    return table->item(row, column)->text();
                }
            }
            return QStringLiteral("(no row)");
        };
        QCOMPARE(cell("姓名", 1), QStringLiteral("李栋"));
        QCOMPARE(cell("分数", 0), QStringLiteral("92"));
        QCOMPARE(cell("备注", 1), QStringLiteral("第二"));
        QCOMPARE(cell("星级", 2), QStringLiteral("★★★★★"));
        QCOMPARE(cell("五行", 0), QStringLiteral("火金木"));
        // What each given character means, with its tone; a character without a meaning is left out.
        QCOMPARE(cell("字义", 3), QStringLiteral("思：想念；思考（思念）（褒）"));
        QCOMPARE(cell("字义", 0), QString());
        const auto luck = database.numerologyRow("16");
        QVERIFY(luck.has_value());
        QCOMPARE(cell("人格", 0), QStringLiteral("16（") + toQString(luck->luck) + QStringLiteral("）"));
        const auto key = database.threeTalentsRow("土土木");
        QVERIFY(key.has_value());
        QCOMPARE(cell("三才", 0), QStringLiteral("土土木（") + toQString(key->luck) + QStringLiteral("）"));
    }

    void theCompareWindowFitsItsRowsEvenlyAndHasACloseButton() {
        testing::TempDatabase file;
        testing::fillWindowTestDatabase(file);
        NamingDatabase database = NamingDatabase::open(file.path());
        const std::vector<Favourite> chosen{
            named("李", "哉栋", 4,
                  "一条很长的备注：奶奶喜欢这个名字，外公觉得笔画太多，妈妈还在想，爸爸说再看看别的名字"),
            named("欧阳", "栋", 2, "第二"), named("王", "哉", 5), named("李", "栋", 1)};
        const KnowledgeBase noKnowledge;
        CompareDialog dialog(chosen, database, noKnowledge, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("比较表格"));
        QVERIFY(table != nullptr);
        for (int row = 1; row < table->rowCount(); ++row) {
            QCOMPARE(table->rowHeight(row), table->rowHeight(0));
        }
        // At its own size every row and column is in view: nothing to scroll.
        QCOMPARE(table->verticalScrollBar()->maximum(), 0);
        QCOMPARE(table->horizontalScrollBar()->maximum(), 0);
        QVERIFY(table->rowViewportPosition(table->rowCount() - 1) + table->rowHeight(table->rowCount() - 1) <=
                table->viewport()->height());
        // The long note is cut to its line but whole in its tooltip.
        QVERIFY(table->item(10, 0)->toolTip().endsWith(QStringLiteral("别的名字")));
        auto* close = dialog.findChild<QPushButton*>(QStringLiteral("关闭按钮"));
        QVERIFY(close != nullptr);
        QCOMPARE(close->text(), QStringLiteral("关闭"));
        close->click();
        QVERIFY(!dialog.isVisible());
    }

    void thePdfStartsAPageForEachFavourite() {
        testing::TempDatabase file;
        testing::fillWindowTestDatabase(file);
        NamingDatabase database = NamingDatabase::open(file.path());
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("收藏.pdf"));
        QString error;
        const testing::SmallKnowledgeFile knowledgeFile;
        const KnowledgeBase knowledge = KnowledgeBase::open(knowledgeFile.path());
        QVERIFY(FavouritesPrinter(database, knowledge)
                    .writePdf(path, {named("李", "哉栋"), named("李", "栋"), named("王", "哉")}, &error));
        const QByteArray pdf = readAll(path);
        QVERIFY(pdf.startsWith("%PDF-"));
        // Page objects are "/Type /Page" (not "/Pages").
        int pages = 0;
        for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0; at = pdf.indexOf("/Type /Page", at + 1)) {
            pages += pdf.mid(at + 11, 1) != "s" ? 1 : 0;
        }
        // Each report runs over two pages at 10 points (FavouritesPdfTest reads which favourite starts which page).
        QCOMPARE(pages, 6);
        QVERIFY(!FavouritesPrinter(database, knowledge)
                     .writePdf(folder.filePath(QStringLiteral("no/such/folder/x.pdf")), {named("李", "栋")}, &error));
        QVERIFY(!error.isEmpty());
    }
};

} // namespace namewright

QTEST_MAIN(namewright::FavouritesFileTest)
#include "FavouritesFileTest.moc"
