#pragma once
// RecommendWeightsDialog (推荐权重): the settings page of the 推荐 order's single weights, opened from the shortlist's
// 推荐 chooser (调整…). One spin box per weight (RecommendWeightField), starting from the weights in force; every
// change is sent at once, so the shortlist re-ranks while the page stays open. 恢复预设 asks for the preset's weights
// back. The page keeps nothing itself: the chooser stores the weights and sets them here.

#include "shortlist/RecommendWeights.h"

#include <QDialog>

#include <vector>

class QLabel;
class QSpinBox;

namespace namewright {

class RecommendWeightsDialog : public QDialog {
    Q_OBJECT

public:
    explicit RecommendWeightsDialog(QWidget* parent);

    /// Shows `weights`, adjusted from `preset`, without sending weightsChanged.
    void showWeights(const RecommendWeights& weights, RecommendPreset preset);
    RecommendWeights weights() const;

signals:
    void weightsChanged(const namewright::RecommendWeights& weights);
    void restorePresetRequested();

private:
    std::vector<QSpinBox*> m_boxes; // in the order of recommendWeightFields()
    QLabel* m_preset = nullptr;
    bool m_showing = false;
};

} // namespace namewright
