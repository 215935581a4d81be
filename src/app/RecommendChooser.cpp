#include "app/RecommendChooser.h"

#include "app/RecommendWeightsDialog.h"
#include "app/RecommendWeightsSettings.h"
#include "app/RunStatusText.h"
#include "app/models/TextConversion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

namespace namewright {

namespace {

constexpr std::array<Element, 5> kOrder{Element::Metal, Element::Wood, Element::Water, Element::Fire, Element::Earth};

// Latin-1 views, not QStrings: a static QString would be built before main() and destroyed after it.
constexpr QLatin1String kPresetKey("recommend/preset");
constexpr QLatin1String kElementsKey("recommend/ownFavourable");

} // namespace

RecommendChooser::RecommendChooser(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("推荐设置"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(QStringLiteral("推荐"), this));
    m_preset = new QComboBox(this);
    m_preset->setObjectName(QStringLiteral("推荐方案框"));
    for (const RecommendPreset preset : kRecommendPresets) {
        m_preset->addItem(toQString(recommendPresetName(preset)));
    }
    m_preset->setToolTip(QStringLiteral("推荐分（本程序另加）的权重：均衡；重五格（分数为主）；重字义读音"));
    row->addWidget(m_preset);
    m_adjust = new QPushButton(QStringLiteral("调整…"), this);
    m_adjust->setObjectName(QStringLiteral("调整权重按钮"));
    m_adjust->setAutoDefault(false);
    m_adjust->setToolTip(QStringLiteral("逐项调整推荐分的权重（从所选方案开始）"));
    row->addWidget(m_adjust);
    row->addWidget(new QLabel(QStringLiteral("自选喜用神"), this));
    for (std::size_t i = 0; i < kOrder.size(); ++i) {
        m_elements[i] = new QCheckBox(toQString(elementText(kOrder[i])), this);
        m_elements[i]->setObjectName(toQString(elementText(kOrder[i])) + QStringLiteral("喜用框"));
        row->addWidget(m_elements[i]);
    }
    m_uses = new QLabel(this);
    m_uses->setObjectName(QStringLiteral("喜用来源"));
    row->addWidget(m_uses);
    row->addStretch(1);
    load();
    updateLabel();
    const auto changedNow = [this] {
        save();
        updateLabel();
        emit changed();
    };
    connect(m_preset, &QComboBox::currentIndexChanged, this, [this, changedNow] {
        // Another preset starts from its own weights: the moves made from the last one are dropped.
        m_weights = recommendWeights(preset());
        if (m_page != nullptr) {
            m_page->showWeights(m_weights, preset());
        }
        changedNow();
    });
    connect(m_adjust, &QPushButton::clicked, this, &RecommendChooser::openWeightsPage);
    for (QCheckBox* box : m_elements) {
        connect(box, &QCheckBox::toggled, this, changedNow);
    }
}

RecommendPreset RecommendChooser::preset() const {
    const int index = m_preset->currentIndex();
    return kRecommendPresets[index < 0 ? 0 : static_cast<std::size_t>(index)];
}

void RecommendChooser::openWeightsPage() {
    if (m_page == nullptr) {
        m_page = new RecommendWeightsDialog(this);
        connect(m_page, &RecommendWeightsDialog::weightsChanged, this, &RecommendChooser::takeWeights);
        connect(m_page, &RecommendWeightsDialog::restorePresetRequested, this, [this] {
            takeWeights(recommendWeights(preset()));
            m_page->showWeights(m_weights, preset());
        });
    }
    m_page->showWeights(m_weights, preset());
    m_page->show();
    m_page->raise();
}

void RecommendChooser::takeWeights(const RecommendWeights& weights) {
    if (weights == m_weights) {
        return;
    }
    m_weights = weights;
    save();
    updateLabel();
    emit changed();
}

std::optional<ElementSet> RecommendChooser::ownFavourable() const {
    ElementSet set;
    for (std::size_t i = 0; i < kOrder.size(); ++i) {
        if (m_elements[i]->isChecked()) {
            set.insert(kOrder[i]);
        }
    }
    return set.empty() ? std::nullopt : std::optional<ElementSet>(set);
}

void RecommendChooser::load() {
    const QSettings settings;
    const auto preset = recommendPresetOfName(toUtf8(settings.value(kPresetKey).toString()));
    m_preset->setCurrentIndex(static_cast<int>(preset.value_or(RecommendPreset::Balanced)));
    m_weights = loadRecommendWeights(settings, this->preset());
    const QString elements = settings.value(kElementsKey).toString();
    for (std::size_t i = 0; i < kOrder.size(); ++i) {
        m_elements[i]->setChecked(elements.contains(toQString(elementText(kOrder[i]))));
    }
}

void RecommendChooser::save() const {
    QSettings settings;
    settings.setValue(kPresetKey, m_preset->currentText());
    saveRecommendWeights(settings, m_weights, preset());
    QString elements;
    for (std::size_t i = 0; i < kOrder.size(); ++i) {
        if (m_elements[i]->isChecked()) {
            elements += toQString(elementText(kOrder[i]));
        }
    }
    settings.setValue(kElementsKey, elements);
}

void RecommendChooser::updateLabel() {
    // Short, as the row is full; the tooltip says it whole.
    const std::optional<ElementSet> own = ownFavourable();
    const bool adjusted = recommendWeightsAdjusted(m_weights, preset());
    QString text = own ? QStringLiteral("（补缺、推荐按自选：%1").arg(elementSetText(*own))
                       : QStringLiteral("（补缺、推荐按八字喜用神");
    m_uses->setText(text + (adjusted ? QStringLiteral("，权重已调）") : QStringLiteral("）")));
    QString tip =
        own ? QStringLiteral("补八字所缺五行和推荐分都按你自选的喜用神（%1），不按本轮八字").arg(elementSetText(*own))
            : QStringLiteral("补八字所缺五行和推荐分都按本轮八字的喜用神；勾选五行可改用自选的喜用神");
    if (adjusted) {
        tip += QStringLiteral("\n推荐分的权重已从“%1”调整（调整…）").arg(m_preset->currentText());
    }
    m_uses->setToolTip(tip);
}

} // namespace namewright
