#pragma once
// The captions of the compute button `运算按钮` for the phases of generation runs.

#include "naming/RunPhase.h"

#include <QString>

#include <optional>

namespace namewright {

/// "分析" for RunPhase::Idle, "暂停" for Running, "继续" for Paused.
QString runPhaseCaption(RunPhase phase);

/// The phase a caption shows; nothing for any other text (a press on such a caption does nothing).
std::optional<RunPhase> runPhaseOfCaption(const QString& caption);

} // namespace namewright
