#include "app/RecommendWeightsDialog.h"

#include "app/models/TextConversion.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace namewright {

RecommendWeightsDialog::RecommendWeightsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("推荐权重窗口"));
    setWindowTitle(QStringLiteral("推荐权重"));
    auto* layout = new QVBoxLayout(this);
    m_preset = new QLabel(this);
    m_preset->setObjectName(QStringLiteral("权重预设说明"));
    m_preset->setWordWrap(true);
    layout->addWidget(m_preset);
    auto* form = new QFormLayout;
    for (const RecommendWeightField& field : recommendWeightFields()) {
        auto* box = new QSpinBox(this);
        box->setObjectName(QStringLiteral("权重框_") + toQString(field.key));
        box->setRange(0, kMaxRecommendWeight);
        // Typing "15" re-ranks once, at the end, not at "1" on the way.
        box->setKeyboardTracking(false);
        form->addRow(toQString(field.caption), box);
        m_boxes.push_back(box);
        connect(box, &QSpinBox::valueChanged, this, [this] {
            if (!m_showing) {
                emit weightsChanged(weights());
            }
        });
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(this);
    // Our own caption, not the standard button's, so that it reads Chinese whatever Qt translations are installed.
    QPushButton* close = buttons->addButton(QStringLiteral("关闭"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("关闭权重按钮"));
    QPushButton* restore = buttons->addButton(QStringLiteral("恢复预设"), QDialogButtonBox::ResetRole);
    restore->setObjectName(QStringLiteral("恢复预设按钮"));
    restore->setAutoDefault(false);
    connect(restore, &QPushButton::clicked, this, &RecommendWeightsDialog::restorePresetRequested);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
}

void RecommendWeightsDialog::showWeights(const RecommendWeights& weights, RecommendPreset preset) {
    m_showing = true;
    const auto fields = recommendWeightFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        m_boxes[i]->setValue(weights.*fields[i].member);
    }
    m_showing = false;
    m_preset->setText(QStringLiteral("从预设“%1”调整（扣分项填正数）；改动后名单立即重新排序，下次启动仍然有效。")
                          .arg(toQString(recommendPresetName(preset))));
}

RecommendWeights RecommendWeightsDialog::weights() const {
    RecommendWeights weights;
    const auto fields = recommendWeightFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        weights.*fields[i].member = m_boxes[i]->value();
    }
    return weights;
}

} // namespace namewright
