#pragma once
// RecommendChooser: the shortlist's 推荐 settings: a preset (均衡, 重五格, 重字义读音) and the parent's own 喜用神
// (金 木 水 火 土), which take the place of the worked-out favourable elements in the 推荐 order and for 补缺, and the
// single weights moved on the settings page (调整…, RecommendWeightsDialog) from the chosen preset. Choosing another
// preset starts from it again. The choice is kept in QSettings (group "recommend", RecommendWeightsSettings.h) from
// one start of the program to the next.

#include "calendar/Element.h"
#include "shortlist/RecommendWeights.h"

#include <QWidget>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace namewright {

class RecommendWeightsDialog;

class RecommendChooser : public QWidget {
    Q_OBJECT

public:
    explicit RecommendChooser(QWidget* parent = nullptr);

    /// The weights in force: the preset's, with the parent's own moves.
    RecommendWeights weights() const { return m_weights; }
    RecommendPreset preset() const;
    /// The parent's own elements; nothing when none is ticked.
    std::optional<ElementSet> ownFavourable() const;
    /// Opens the settings page of the single weights (the 调整… button); it stays open beside the shortlist.
    void openWeightsPage();
    /// The page, once opened; for tests.
    RecommendWeightsDialog* weightsPage() const { return m_page; }

signals:
    void changed();

private:
    void load();
    void save() const;
    void updateLabel();
    void takeWeights(const RecommendWeights& weights);

    QComboBox* m_preset = nullptr;
    std::array<QCheckBox*, 5> m_elements{};
    QPushButton* m_adjust = nullptr;
    QLabel* m_uses = nullptr;
    RecommendWeightsDialog* m_page = nullptr;
    RecommendWeights m_weights;
};

} // namespace namewright
