#pragma once
// ShortlistFilterBar: the two rows of filters above the shortlist window's table (最低分, 补缺, 含字, 排除字, the
// length, 只看收藏; then the knowledge and solar-term filters and the 推荐 settings). Each change is set on the model
// at once; the bar shows the knowledge and solar-term filters only where the model's shortlist has those sources.

#include "calendar/Element.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace namewright {

class ShortlistModel;

class ShortlistFilterBar : public QWidget {
    Q_OBJECT

public:
    /// Sets the 推荐 settings of the chooser it holds on `model` at once, and the filters on each change.
    ShortlistFilterBar(ShortlistModel& model, QWidget* parent);

signals:
    /// A filter changed and the model has been filtered anew.
    void filterApplied();
    /// The 推荐 weights or the parent's own 喜用神 changed and are set on the model: the reasons line and the status
    /// follow.
    void recommendationChanged();

private:
    void applyFilter();
    /// The 补缺 box's tooltip: which elements it asks for (the parent's own when ticked) or why it shows nothing.
    void updateMissingElementTip(std::optional<ElementSet> own);

    ShortlistModel& m_model;
    QSpinBox* m_minimumScore = nullptr;
    QCheckBox* m_suppliesMissing = nullptr;
    QLineEdit* m_contains = nullptr;
    QLineEdit* m_excludes = nullptr;
    QComboBox* m_length = nullptr;
    QCheckBox* m_favouritesOnly = nullptr;
    QCheckBox* m_noSoundWarning = nullptr;
    QCheckBox* m_hasVerse = nullptr;
    QCheckBox* m_commonOnly = nullptr;
    QCheckBox* m_suppliesFavourable = nullptr;
};

} // namespace namewright
