#pragma once
// The details pane (详情) of the shortlist window: everything about the selected name, in tabs, and its favourite
// controls (star, stars, note) below them.
//
// Tabs: 评测报告, the composer's report of the name with the chart of its series (or, for a favourite, the chart it was
// starred with); 读音与字形, the character knowledge of the name (pinyin, sound warnings, traditional forms, strokes
// with their working, elements with their reasons, common levels, verses), only where characters.db is at hand;
// 节气八字, the solar-term chart of the name's birth moment with its working. Above the tabs, for a family text that is
// a compound surname, its grids and score by the compound-surname rule, labelled as this program's own.

#include "chart/MomentSolarTermChart.h"
#include "chart/SeriesRecord.h"
#include "reports/ListedName.h"
#include "shortlist/Recommendation.h"
#include "shortlist/ShortlistFacts.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTextBrowser;

namespace namewright {

class AppContext;
class FavouritesStore;

/// The name the pane shows: its texts, chart and moment, what the shortlist knows of it when it is a name of the
/// current series, and the solar-term chart of its moment; for a name of the shortlist also its 推荐 value with each
/// term's points (the pane's reasons line).
struct NameSubject {
    ListedName name;
    std::optional<NameFacts> facts;
    MomentSolarTermChart solarTerms;
    std::optional<Recommendation> recommendation;
};

/// The subject of a listed name: the solar-term chart from `record` (the record of the name's series), or worked out
/// from the name's moment where there is none (a favourite of an earlier series).
NameSubject subjectOf(ListedName name, const std::optional<NameFacts>& facts, const SeriesRecord* record);

class NameDetailsPane : public QWidget {
    Q_OBJECT

public:
    NameDetailsPane(AppContext& context, FavouritesStore& favourites, QWidget* parent);

    /// Shows a name, or clears the pane.
    void showSubject(const std::optional<NameSubject>& subject);
    const std::optional<NameSubject>& subject() const { return m_subject; }

    /// The tab texts as shown, for tests: by the tab's object name.
    QTabWidget* tabs() const { return m_tabs; }

private:
    void showFavouriteControls();
    void toggleFavourite();

    AppContext& m_context;
    FavouritesStore& m_favourites;
    std::optional<NameSubject> m_subject;
    QLabel* m_title = nullptr;
    QTabWidget* m_tabs = nullptr;
    QPlainTextEdit* m_report = nullptr;
    QPlainTextEdit* m_knowledge = nullptr; // null without the knowledge file
    QPlainTextEdit* m_solarTerms = nullptr;
    QLabel* m_scoreNote = nullptr;      ///< which score is which, one short line each
    QLabel* m_recommendation = nullptr; ///< the 推荐 value and its reasons; hidden for a name without one
    QLabel* m_compound = nullptr;
    QPushButton* m_favourite = nullptr;
    QComboBox* m_stars = nullptr;
    QLineEdit* m_note = nullptr;
};

} // namespace namewright
