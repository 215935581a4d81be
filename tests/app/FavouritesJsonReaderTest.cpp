// The one-pass reader of the favourites file gives what the JSON document reader gives, for the files the program
// writes and for hand-edited ones, and leaves every text it is not sure of to the document reader.

#include "app/favourites/FavouritesJsonReader.h"
#include "app/favourites/FavouritesJson.h"
#include "app/favourites/LargeBuffer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace namewright {

// The test class comes first: moc's reader loses its way in the raw string literals below.
class FavouritesJsonReaderTest : public QObject {
    Q_OBJECT

private slots:
    void aFileTheProgramWroteReadsBackWhole();
    void editedEntriesAreJudgedAsTheDocumentReaderJudgesThem();
    void textsItIsNotSureOfAreLeftToTheDocumentReader();
    void aLargeBufferReadsTheWholeFileWhateverSizeWasExpected();
};

namespace {

Favourite named(std::string given, std::string note, int stars) {
    Favourite f;
    f.familyText = "欧阳";
    f.given = std::move(given);
    f.stars = stars;
    f.note = std::move(note);
    f.cells.texts = {f.familyText + f.given, "92", "8", "16", "21", "13", "28", "土土木", "火金木"};
    f.chart.fourPillars = "庚寅年 戊子月 丙辰日 己丑时";
    f.chart.favourableElement = "金";
    f.birth = {"2011", "1", "1", "1"};
    f.added = "2024-05-01 09:30";
    return f;
}

std::optional<ReadFavourites> fastRead(const QByteArray& text) {
    return FavouritesJsonReader::read(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

bool sameReading(const ReadFavourites& a, const ReadFavourites& b) {
    return a.favourites == b.favourites && a.ours == b.ours && a.complete == b.complete;
}

/// A file of one entry whose members are `members` (JSON text), after a complete first entry.
QByteArray fileWithEntry(const char* members) {
    return QByteArray(R"({"format":"namewright-favourites","version":1,"favourites":[)"
                      R"({"family":"李","given":"一","cells":["李一","1","2","3","4","5","6","7","8"],"stars":3},{)") +
           members + "}]}";
}

constexpr const char* kCells = R"("cells":["a","b","c","d","e","f","g","h","i"])";

} // namespace

void FavouritesJsonReaderTest::aFileTheProgramWroteReadsBackWhole() {
    const std::vector<Favourite> written = {
        named("子涵", "", 5), named("一", "引号\" 反斜杠\\ 换行\n 制表\t 控制\x01 斜杠/", 1),
        named("𠀀琪", "表情😀 和 é", 3), // a character beyond the basic plane, written raw
    };
    const QByteArray text = favouritesToJson(written);
    const std::optional<ReadFavourites> read = fastRead(text);
    QVERIFY(read.has_value());
    QVERIFY(read->ours && read->complete);
    QVERIFY(read->favourites == written);
    QVERIFY(sameReading(*read, favouritesFromJsonDocument(text)));
}

void FavouritesJsonReaderTest::editedEntriesAreJudgedAsTheDocumentReaderJudgesThem() {
    const std::vector<QByteArray> files = {
        fileWithEntry(R"("family":"王","given":"",)" + QByteArray(kCells) + R"(,"stars":3)"), // no given
        fileWithEntry(R"("family":"王","given":"二","stars":3)"),                             // no cells
        fileWithEntry(R"("family":"王","given":"二","cells":["a","b"],"stars":3)"),           // too few
        fileWithEntry(R"("family":"王","given":"二","cells":["a",1,"c","d","e","f","g","h","i"],"stars":3)"),
        fileWithEntry(R"("family":"王","given":"二","cells":["a","b","c","d","e","f","g","h","i","j"],"stars":3)"),
        fileWithEntry(R"("family":"王","given":"二",)" + QByteArray(kCells) + R"(,"stars":"3")"), // stars text
        fileWithEntry(R"("family":"王","given":"二",)" + QByteArray(kCells) + R"(,"stars":2.5)"), // not whole
        fileWithEntry(R"("family":"王","given":"二",)" + QByteArray(kCells) + R"(,"stars":7e0)"),
        fileWithEntry(R"("family":"王","given":"二",)" + QByteArray(kCells) + R"(,"stars":-1)"),
        fileWithEntry(R"("family":"王","given":"二",)" + QByteArray(kCells) + R"(,"stars":1e10)"),
        fileWithEntry(R"("family":7,"given":"二",)" + QByteArray(kCells) + R"(,"stars":3)"),
        fileWithEntry(R"("given":"二",)" + QByteArray(kCells) + R"(,"stars":3,"note":null,"added":[1])"),
        fileWithEntry(R"("family":"王","given":"二",)" + QByteArray(kCells) +
                      R"(,"stars":4,"chart":{"nayin":"金","elements":5,"other":{"x":[true,false]}},)"
                      R"("birth":{"year":"2011","minute":"\u0035\u0039"},"note":"\/\"\\\b\f\n\r\t\u00e9\ud83d\ude00",)"
                      R"("extra":{"deep":[[[{}]]]})"),
        fileWithEntry(R"("family":"王","given":"二",)" + QByteArray(kCells) + R"(,"stars":3,"chart":"金")"),
        QByteArray(R"({"format":"namewright-favourites","version":1,"favourites":[7,"x",null,{}]})"),
        QByteArray(R"({"format":"namewright-favourites","version":2,"favourites":[]})"),
        QByteArray(R"({"format":"namewright-favourites","version":1.0,"favourites":[]})"),
        QByteArray(R"({"format":"namewright-favourites","version":1,"favourites":{}})"),
        QByteArray(R"({"format":"other","version":1,"favourites":[]})"),
        QByteArray(R"({"version":1,"favourites":[]})"),
        QByteArray(" \r\n\t{ } \n"),
    };
    for (const QByteArray& text : files) {
        const std::optional<ReadFavourites> read = fastRead(text);
        QVERIFY2(read.has_value(), text.constData());
        QVERIFY2(sameReading(*read, favouritesFromJsonDocument(text)), text.constData());
    }
    // Spot checks that the cases above say what they are meant to.
    QCOMPARE(fastRead(files[6])->favourites.back().stars, 1); // 2.5 reads as 0, clamped up
    QCOMPARE(fastRead(files[7])->favourites.back().stars, 5);
    QVERIFY(!fastRead(files[0])->complete);
    QCOMPARE(fastRead(files[12])->favourites.back().note, std::string("/\"\\\b\f\n\r\té😀"));
    QCOMPARE(fastRead(files[12])->favourites.back().birth.minute, std::string("59"));
    QVERIFY(fastRead(files[16])->ours);  // 1.0 is version 1
    QVERIFY(!fastRead(files[15])->ours); // a later version is not read
}

void FavouritesJsonReaderTest::textsItIsNotSureOfAreLeftToTheDocumentReader() {
    const QByteArray whole = favouritesToJson({named("子涵", "好", 4)});
    const std::vector<QByteArray> files = {
        whole.left(whole.size() - 9),                                                    // cut short
        QByteArray("\xEF\xBB\xBF") + whole,                                              // a byte order mark
        whole + "x",                                                                     // something after
        QByteArray(R"([{"format":"namewright-favourites"}])"),                           // not an object
        fileWithEntry(R"("family":"王","family":"赵","given":"二","stars":3)"),          // a key twice
        fileWithEntry(R"("family":"王\ud800","given":"二","stars":3)"),                  // a lone surrogate
        fileWithEntry("\"family\":\"\xE7\x8E\",\"given\":\"\xE4\xBA\x8C\",\"stars\":3"), // UTF-8 cut off
        fileWithEntry("\"family\":\"\xC0\xAF\",\"given\":\"\xE4\xBA\x8C\",\"stars\":3"), // overlong
        fileWithEntry("\"family\":\"a\tb\",\"given\":\"\xE4\xBA\x8C\",\"stars\":3"),     // a raw tab
        fileWithEntry(R"("family":"王","given":"二","stars":01)"),                       // not JSON's number
        fileWithEntry(R"("family":"王","given":"二","stars":1e999)"),                    // out of range
        fileWithEntry(R"("family":"王","given":"二","stars":3,"x":[[[[[[[[[[[[[[[[[[1]]]]]]]]]]]]]]]]]])"),
    };
    for (const QByteArray& text : files) {
        QVERIFY2(!fastRead(text).has_value(), text.constData());
        QVERIFY2(sameReading(favouritesFromJson(text), favouritesFromJsonDocument(text)), text.constData());
    }
    QVERIFY(!favouritesFromJson(files[0]).favourites.empty()); // the damaged text is still salvaged
}

void FavouritesJsonReaderTest::aLargeBufferReadsTheWholeFileWhateverSizeWasExpected() {
    // A file that grew or shrank since its size was taken is read to its end all the same: past the first mapping
    // (2 MB) and past a doubling of it.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("big"));
    QByteArray bytes;
    for (int i = 0; bytes.size() < 5 * 1024 * 1024 + 17; ++i) {
        bytes += QByteArray::number(i) + ',';
    }
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    for (const std::size_t expected : {std::size_t{0}, std::size_t{10}, static_cast<std::size_t>(bytes.size()),
                                       static_cast<std::size_t>(bytes.size()) * 3}) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(fd >= 0);
        LargeBuffer buffer;
        QVERIFY(buffer.readAll(fd, expected));
        ::close(fd);
        QVERIFY(buffer.text() == std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    LargeBuffer failed;
    QVERIFY(!failed.readAll(-1, 10)); // a read that fails says so
    QVERIFY(failed.text().empty());
}

} // namespace namewright

QTEST_MAIN(namewright::FavouritesJsonReaderTest)
#include "FavouritesJsonReaderTest.moc"
