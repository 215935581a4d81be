#include "app/RunPhaseCaptions.h"

namespace namewright {

QString runPhaseCaption(RunPhase phase) {
    switch (phase) {
    case RunPhase::Idle:
        return QStringLiteral("分析");
    case RunPhase::Running:
        return QStringLiteral("暂停");
    case RunPhase::Paused:
        break;
    }
    return QStringLiteral("继续");
}

bool pressActsOn(const QString& caption, RunPhase phase) {
    return caption == runPhaseCaption(phase);
}

} // namespace namewright
