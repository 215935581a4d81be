#include "app/RunPhaseCaptions.h"

#include <array>

namespace namewright {

namespace {

constexpr std::array<RunPhase, 3> kPhases{RunPhase::Idle, RunPhase::Running, RunPhase::Paused};

} // namespace

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

std::optional<RunPhase> runPhaseOfCaption(const QString& caption) {
    for (const RunPhase phase : kPhases) {
        if (caption == runPhaseCaption(phase)) {
            return phase;
        }
    }
    return std::nullopt;
}

} // namespace namewright
