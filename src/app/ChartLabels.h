#pragma once
// The main window's seven chart result labels, filled from the generation worker through queued hand-overs.

#include "app/ChartResultLabel.h"
#include "chart/ChartAnalysis.h"

#include <QObject>
#include <QPointer>

#include <array>

namespace namewright {

class ChartLabels : public QObject {
    Q_OBJECT

public:
    explicit ChartLabels(QObject* parent = nullptr);

    /// The label that shows one result (农历标签, 四柱标签, 属相标签, 八字标签, 五行标签, 纳音标签, 喜用神标签).
    void attach(ChartLabel which, ChartResultLabel* label);

    /// A sink callable from any thread: each text reaches its label on the interface thread, in order.
    ChartLabelSink sink();

    /// Empties every label at once (interface thread), when a run will work out no chart for the inputs shown.
    void clear();

private:
    void show(ChartLabel which, const QString& text);

    std::array<QPointer<ChartResultLabel>, 7> m_labels;
};

} // namespace namewright
