#include "app/RecommendWeightsSettings.h"

#include <QSettings>
#include <QString>

namespace namewright {

namespace {

QString keyOf(const RecommendWeightField& field) {
    return QStringLiteral("recommend/weights/") +
           QString::fromLatin1(field.key.data(), static_cast<qsizetype>(field.key.size()));
}

} // namespace

RecommendWeights loadRecommendWeights(const QSettings& settings, RecommendPreset preset) {
    RecommendWeights weights = recommendWeights(preset);
    for (const RecommendWeightField& field : recommendWeightFields()) {
        const QVariant stored = settings.value(keyOf(field));
        // A list ("1, 2" in the file) is refused whole, even of one item.
        if (!stored.isValid() || stored.typeId() == QMetaType::QStringList ||
            stored.typeId() == QMetaType::QVariantList) {
            continue;
        }
        // Read as text so that "12.5", "12abc" and a list are refused rather than cut to a number.
        bool whole = false;
        const int value = stored.toString().trimmed().toInt(&whole);
        if (whole && value >= 0 && value <= kMaxRecommendWeight) {
            weights.*field.member = value;
        }
    }
    return weights;
}

void saveRecommendWeights(QSettings& settings, const RecommendWeights& weights, RecommendPreset preset) {
    const RecommendWeights base = recommendWeights(preset);
    for (const RecommendWeightField& field : recommendWeightFields()) {
        if (weights.*field.member == base.*field.member) {
            settings.remove(keyOf(field));
        } else {
            settings.setValue(keyOf(field), weights.*field.member);
        }
    }
}

bool recommendWeightsAdjusted(const RecommendWeights& weights, RecommendPreset preset) {
    return weights != recommendWeights(preset);
}

} // namespace namewright
