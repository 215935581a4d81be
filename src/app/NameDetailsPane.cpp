#include "app/NameDetailsPane.h"

#include "app/AppContext.h"
#include "app/Controls.h"
#include "app/DetailsTexts.h"
#include "app/ReportBox.h"
#include "app/favourites/FavouriteRemoval.h"
#include "app/favourites/FavouritesStore.h"
#include "app/models/TextConversion.h"
#include "knowledge/NameDescription.h"
#include "reports/ExplanationBuilder.h"
#include "reports/ReportComposer.h"

#include <QComboBox>
#include <QDateTime>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace namewright {

NameSubject subjectOf(ListedName name, const std::optional<NameFacts>& facts, const SeriesRecord* record) {
    NameSubject subject{std::move(name), facts, {}, std::nullopt};
    subject.solarTerms = record != nullptr ? record->solarTerms : momentSolarTermChart(subject.name.birth);
    return subject;
}

NameDetailsPane::NameDetailsPane(AppContext& context, FavouritesStore& favourites, QWidget* parent)
    : QWidget(parent), m_context(context), m_favourites(favourites) {
    setObjectName(QStringLiteral("详情"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("详情标题"));
    QFont titleFont = m_title->font();
    titleFont.setPixelSize(18);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    layout->addWidget(m_title);
    m_compound = new QLabel(this);
    m_compound->setObjectName(QStringLiteral("详情复姓"));
    m_compound->setWordWrap(true);
    m_compound->hide();
    layout->addWidget(m_compound);
    m_recommendation = new QLabel(this);
    m_recommendation->setObjectName(QStringLiteral("详情推荐理由"));
    m_recommendation->setWordWrap(true);
    m_recommendation->setToolTip(QStringLiteral("推荐分（本程序另加，0—100）由哪些项加减而来，加分多的在前"));
    m_recommendation->hide();
    layout->addWidget(m_recommendation);
    m_scoreNote = new QLabel(this);
    m_scoreNote->setObjectName(QStringLiteral("详情分数说明"));
    m_scoreNote->setWordWrap(true);
    layout->addWidget(m_scoreNote);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("详情页"));
    m_report = new QPlainTextEdit(m_tabs);
    m_report->setObjectName(QStringLiteral("详情报告"));
    m_report->setReadOnly(true);
    // The report's long dashed separators stay on one line however narrow the pane is made (scrolling, not wrapping).
    m_report->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_tabs->addTab(m_report, QStringLiteral("评测报告"));
    const auto textTab = [this](const char* name, const char* caption) {
        auto* text = new QPlainTextEdit(m_tabs);
        text->setObjectName(QString::fromUtf8(name));
        text->setReadOnly(true);
        m_tabs->addTab(text, QString::fromUtf8(caption));
        return text;
    };
    if (m_context.knowledge().isAvailable()) {
        m_knowledge = textTab("详情读音", "读音与字形");
    }
    m_solarTerms = textTab("详情节气八字", "节气八字");
    layout->addWidget(m_tabs, 1);

    auto* box = new QGroupBox(QStringLiteral("收藏"), this);
    auto* row = new QHBoxLayout(box);
    m_favourite = new QPushButton(box);
    m_favourite->setObjectName(QStringLiteral("收藏按钮"));
    m_favourite->setAutoDefault(false);
    row->addWidget(m_favourite);
    m_stars = new QComboBox(box);
    m_stars->setObjectName(QStringLiteral("星级框"));
    for (int stars = kFewestStars; stars <= kMostStars; ++stars) {
        m_stars->addItem(QString(stars, QChar(0x2605)), stars);
    }
    m_stars->setToolTip(QStringLiteral("一到五颗星"));
    row->addWidget(m_stars);
    m_note = new QLineEdit(box);
    m_note->setObjectName(QStringLiteral("备注框"));
    m_note->setPlaceholderText(QStringLiteral("备注，例如：奶奶喜欢"));
    row->addWidget(m_note, 1);
    layout->addWidget(box);

    connect(m_favourite, &QPushButton::clicked, this, &NameDetailsPane::toggleFavourite);
    connect(m_stars, &QComboBox::activated, this, [this] {
        if (m_subject) {
            m_favourites.setStars(m_subject->name.familyText, m_subject->name.given, m_stars->currentData().toInt());
        }
    });
    connect(m_note, &QLineEdit::editingFinished, this, [this] {
        if (m_subject) {
            m_favourites.setNote(m_subject->name.familyText, m_subject->name.given, toUtf8(m_note->text()));
        }
    });
    connect(&m_favourites, &FavouritesStore::changed, this, &NameDetailsPane::showFavouriteControls);
    showSubject(std::nullopt);
}

void NameDetailsPane::showSubject(const std::optional<NameSubject>& subject) {
    m_subject = subject;
    if (!subject) {
        m_title->setText(QStringLiteral("（请在左边选一个名字）"));
        m_report->clear();
        m_solarTerms->clear();
        if (m_knowledge != nullptr) {
            m_knowledge->clear();
        }
        m_compound->hide();
        m_recommendation->hide();
        m_scoreNote->hide();
        showFavouriteControls();
        return;
    }
    const ListedName& name = subject->name;
    m_title->setText(toQString(name.name()));
    m_report->clear();
    const ReportData report = buildReportData(name.cells, m_context.interfaceConnection());
    writeReport(m_report, composeReport(report, name.chart, ReportBox::ReportWindow));
    m_report->moveCursor(QTextCursor::Start);
    if (m_knowledge != nullptr) {
        m_knowledge->setPlainText(knowledgeText(describeName(m_context.knowledge(), name.familyText, name.given)));
    }
    m_solarTerms->setPlainText(name.birth.year.empty() ? QStringLiteral("这个名字没有记下出生时刻，算不出节气八字。")
                                                       : solarTermText(subject->solarTerms));
    const bool compound = subject->facts && subject->facts->compoundGrids && subject->facts->compoundScore;
    if (compound) {
        m_compound->setText(compoundSurnameText(*subject->facts->compoundGrids, *subject->facts->compoundScore));
    }
    m_compound->setVisible(compound);
    if (subject->recommendation) {
        m_recommendation->setText(recommendationText(*subject->recommendation));
    }
    m_recommendation->setVisible(subject->recommendation.has_value());
    m_scoreNote->setText(scoreNote(compound));
    m_scoreNote->show();
    showFavouriteControls();
}

void NameDetailsPane::showFavouriteControls() {
    const Favourite* favourite =
        m_subject ? m_favourites.list().find(m_subject->name.familyText, m_subject->name.given) : nullptr;
    m_favourite->setEnabled(m_subject.has_value());
    m_favourite->setText(favourite != nullptr ? QStringLiteral("★ 取消收藏") : QStringLiteral("☆ 加入收藏"));
    m_stars->setEnabled(favourite != nullptr);
    m_note->setEnabled(favourite != nullptr);
    if (favourite != nullptr) {
        m_stars->setCurrentIndex(favourite->stars - kFewestStars);
        if (!m_note->hasFocus()) {
            m_note->setText(toQString(favourite->note));
        }
    } else {
        m_stars->setCurrentIndex(3 - kFewestStars);
        m_note->clear();
    }
}

void NameDetailsPane::toggleFavourite() {
    if (!m_subject) {
        return;
    }
    const ListedName& name = m_subject->name;
    if (const Favourite* starred = m_favourites.list().find(name.familyText, name.given)) {
        if (confirmFavouriteRemoval(this, {*starred})) {
            m_favourites.remove(name.familyText, name.given);
        }
        return;
    }
    Favourite favourite{name};
    favourite.stars = m_stars->currentData().toInt();
    favourite.note = toUtf8(m_note->text());
    favourite.added = toUtf8(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    m_favourites.add(std::move(favourite));
}

} // namespace namewright
