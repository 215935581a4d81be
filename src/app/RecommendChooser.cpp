#include "app/RecommendChooser.h"

#include "app/models/TextConversion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
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
    connect(m_preset, &QComboBox::currentIndexChanged, this, changedNow);
    for (QCheckBox* box : m_elements) {
        connect(box, &QCheckBox::toggled, this, changedNow);
    }
}

RecommendWeights RecommendChooser::weights() const {
    const int index = m_preset->currentIndex();
    return recommendWeights(kRecommendPresets[index < 0 ? 0 : static_cast<std::size_t>(index)]);
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
    const QString elements = settings.value(kElementsKey).toString();
    for (std::size_t i = 0; i < kOrder.size(); ++i) {
        m_elements[i]->setChecked(elements.contains(toQString(elementText(kOrder[i]))));
    }
}

void RecommendChooser::save() const {
    QSettings settings;
    settings.setValue(kPresetKey, m_preset->currentText());
    QString elements;
    for (std::size_t i = 0; i < kOrder.size(); ++i) {
        if (m_elements[i]->isChecked()) {
            elements += toQString(elementText(kOrder[i]));
        }
    }
    settings.setValue(kElementsKey, elements);
}

void RecommendChooser::updateLabel() {
    m_uses->setText(ownFavourable() ? QStringLiteral("（推荐按自选喜用神）")
                                    : QStringLiteral("（推荐按本轮八字的喜用神）"));
}

} // namespace namewright
