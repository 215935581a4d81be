#include "app/ChartLabels.h"

#include "app/models/TextConversion.h"

namespace namewright {

ChartLabels::ChartLabels(QObject* parent) : QObject(parent) {}

void ChartLabels::attach(ChartLabel which, ChartResultLabel* label) {
    m_labels[static_cast<std::size_t>(which)] = label;
}

ChartLabelSink ChartLabels::sink() {
    return [this](ChartLabel which, const std::string& text) {
        QMetaObject::invokeMethod(
            this, [this, which, shown = toQString(text)] { show(which, shown); }, Qt::QueuedConnection);
    };
}

void ChartLabels::show(ChartLabel which, const QString& text) {
    if (ChartResultLabel* label = m_labels[static_cast<std::size_t>(which)]) {
        label->showResult(text);
    }
}

void ChartLabels::clear() {
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        show(static_cast<ChartLabel>(i), QString());
    }
}

} // namespace namewright
