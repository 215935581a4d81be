#pragma once
// RecommendChooser: the shortlist's 推荐 settings: a preset (均衡, 重五格, 重字义读音) and the parent's own 喜用神
// (金 木 水 火 土), which take the place of the worked-out favourable elements in the 推荐 order. The choice is kept in
// QSettings (group "recommend") from one start of the program to the next.

#include "calendar/Element.h"
#include "shortlist/RecommendWeights.h"

#include <QWidget>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;

namespace namewright {

class RecommendChooser : public QWidget {
    Q_OBJECT

public:
    explicit RecommendChooser(QWidget* parent = nullptr);

    RecommendWeights weights() const;
    /// The parent's own elements; nothing when none is ticked.
    std::optional<ElementSet> ownFavourable() const;

signals:
    void changed();

private:
    void load();
    void save() const;
    void updateLabel();

    QComboBox* m_preset = nullptr;
    std::array<QCheckBox*, 5> m_elements{};
    QLabel* m_uses = nullptr;
};

} // namespace namewright
