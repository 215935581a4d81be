// The year warning for a date that does not exist (main window and evaluation window), a fixed character missing
// from the dictionary, and Qt's own Chinese texts in the standard dialogs and menus.

#include "AppTestSupport.h"
#include "app/AppContext.h"
#include "app/EvaluationDialog.h"
#include "app/MainWindow.h"
#include "app/QtTranslations.h"
#include "app/YearWarningBridge.h"
#include "app/models/ResultGridModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace namewright {

using testing::fillWindowTestDatabase;
using testing::TempDatabase;

namespace {

/// Answers every message box that comes up with its OK button, counting them and keeping the last one's texts.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer() {
        QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++m_count;
                m_title = box->windowTitle();
                m_text = box->text();
                QAbstractButton* ok = box->button(QMessageBox::Ok);
                m_buttonText = ok != nullptr ? ok->text() : QString();
                box->accept();
            }
        });
        m_poll.start(10);
    }

    int count() const { return m_count; }
    const QString& title() const { return m_title; }
    const QString& text() const { return m_text; }
    const QString& buttonText() const { return m_buttonText; }

private:
    QTimer m_poll;
    int m_count = 0;
    QString m_title;
    QString m_text;
    QString m_buttonText;
};

QString label(QWidget& window, const char* name) {
    return window.findChild<QLabel*>(QString::fromUtf8(name))->text();
}

QStringList actionTexts(QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            texts << action->text();
        }
    }
    return texts;
}

} // namespace

class WarningsAndTranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The program's main() does the same; the package qt6-translations-l10n provides the file.
        QVERIFY2(installQtTranslations(*QCoreApplication::instance()), "qtbase_zh_CN.qm not found");
    }

    void anImpossibleDateInTheMainWindowWarnsTwiceAndGoesOnAsOutOfRange() {
        TempDatabase file;
        fillWindowTestDatabase(file, 20, 5);
        MainWindow window(file.path());
        window.show();
        auto* month = window.findChild<QComboBox*>(QStringLiteral("月组合框"));
        auto* day = window.findChild<QComboBox*>(QStringLiteral("日组合框"));
        auto* compute = window.findChild<QPushButton*>(QStringLiteral("运算按钮"));
        struct Date {
            const char* year;
            int month, day;
        };
        for (const Date date : {Date{"2011", 2, 30}, Date{"2011", 4, 31}, Date{"2023", 2, 29}}) {
            window.findChild<QComboBox*>(QStringLiteral("年组合框"))->setEditText(QString::fromUtf8(date.year));
            month->setCurrentIndex(date.month - 1);
            day->setCurrentIndex(date.day - 1);
            MessageBoxAnswerer answerer;
            compute->click();
            QTRY_COMPARE(answerer.count(), 2);
            QCOMPARE(answerer.title(), QStringLiteral("数据出错"));
            QVERIFY(answerer.text().startsWith(QStringLiteral("请输入正确日期：")));
            QTRY_COMPARE(label(window, "喜用神标签"), QStringLiteral("金 木 水 火 土 "));
            QCOMPARE(label(window, "农历标签"), QStringLiteral("1881-2060"));
            QVERIFY(label(window, "属相标签").isEmpty());
            window.findChild<QPushButton*>(QStringLiteral("停止按钮"))->click();
            window.context().runController().waitUntilIdle();
            QTest::qWait(50);
            QCOMPARE(answerer.count(), 2); // exactly once from each of the two calendar texts
        }
    }

    void anImpossibleDateInTheEvaluationWindowWarnsTwiceAndStillReports() {
        TempDatabase file;
        fillWindowTestDatabase(file, 20, 5);
        AppContext context(file.path());
        EvaluationDialog dialog(context, nullptr);
        dialog.show();
        auto* month = dialog.findChild<QComboBox*>(QStringLiteral("组合框2"));
        auto* day = dialog.findChild<QComboBox*>(QStringLiteral("组合框3"));
        auto* report = dialog.findChild<QPlainTextEdit*>(QStringLiteral("编辑框1"));
        const std::pair<const char*, const char*> dates[] = {{"13", "1"}, {"0", "1"}, {"1", "0"}, {"1", "32"}};
        for (const auto& [monthText, dayText] : dates) {
            month->setEditText(QString::fromUtf8(monthText));
            day->setEditText(QString::fromUtf8(dayText));
            MessageBoxAnswerer answerer;
            dialog.findChild<QPushButton*>(QStringLiteral("按钮1"))->click();
            QCOMPARE(answerer.count(), 2);
            QCOMPARE(answerer.title(), QStringLiteral("数据出错"));
            QVERIFY(report->toPlainText().contains(QStringLiteral("农历：1881-2060")));
        }
        month->setEditText(QStringLiteral("1"));
        day->setEditText(QStringLiteral("31"));
        MessageBoxAnswerer quiet;
        dialog.findChild<QPushButton*>(QStringLiteral("按钮1"))->click();
        QCOMPARE(quiet.count(), 0);
    }

    void theWarningsButtonReadsInChinese() {
        QWidget parent;
        MessageBoxAnswerer answerer;
        YearWarningBridge::showMessageBox(&parent);
        QCOMPARE(answerer.count(), 1);
        QCOMPARE(answerer.buttonText(), QStringLiteral("确定"));
        QCOMPARE(answerer.text(), QStringLiteral("请输入正确日期：\n1881年----2060年"));
    }

    void editBoxMenusReadInChinese() {
        TempDatabase file;
        MainWindow window(file.path());
        auto* family = window.findChild<QLineEdit*>(QStringLiteral("姓编辑框"));
        family->selectAll();
        std::unique_ptr<QMenu> menu(family->createStandardContextMenu());
        const QStringList texts = actionTexts(menu.get());
        for (const char* expected : {"撤消", "剪切", "复制", "粘贴", "删除", "全选"}) {
            QVERIFY2(texts.filter(QRegularExpression(QStringLiteral("^") + QString::fromUtf8(expected))).size() == 1,
                     qPrintable(texts.join(QLatin1Char('|'))));
        }
    }

    void aFixedCharacterMissingFromTheDictionaryListsNothing() {
        TempDatabase file;
        fillWindowTestDatabase(file, 60, 5);
        MainWindow window(file.path());
        window.show();
        auto* compute = window.findChild<QPushButton*>(QStringLiteral("运算按钮"));
        auto* character = window.findChild<QLineEdit*>(QStringLiteral("字编辑框"));
        window.findChild<QCheckBox*>(QStringLiteral("选择框1"))->setChecked(true);
        for (const QString& typed : {QStringLiteral("鿏"), QStringLiteral("𠀀"), QStringLiteral("😀"),
                                     QStringLiteral("a"), QStringLiteral("'")}) {
            character->clear();
            character->insert(typed); // as typed, through the box's width check
            QCOMPARE(character->text(), typed);
            window.findChild<QPushButton*>(QStringLiteral("停止按钮"))->click();
            compute->click();
            QCOMPARE(compute->text(), QStringLiteral("暂停"));
            window.context().runController().waitUntilIdle();
            window.gridModel().takeNewRows();
            QCOMPARE(window.gridModel().rowCount(), 0);
            QCOMPARE(compute->text(), QStringLiteral("暂停"));
            QVERIFY2(label(window, "四柱标签").isEmpty(), "the worker ended before the chart analysis");
        }

        // The evaluation keeps its behaviour: a given name with a character the dictionary lacks is still evaluated,
        // the missing character contributing nothing, its text included.
        EvaluationDialog dialog(window.context(), &window);
        dialog.findChild<QLineEdit*>(QStringLiteral("编辑框3"))->setText(QStringLiteral("杨栋"));
        dialog.findChild<QPushButton*>(QStringLiteral("按钮1"))->click();
        QVERIFY(dialog.findChild<QPlainTextEdit*>(QStringLiteral("编辑框1"))
                    ->toPlainText()
                    .contains(QStringLiteral("姓名：李栋  得分：")));
    }
};

} // namespace namewright

QTEST_MAIN(namewright::WarningsAndTranslationsTest)
#include "WarningsAndTranslationsTest.moc"
