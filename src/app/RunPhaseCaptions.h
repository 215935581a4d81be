#pragma once
// The captions of the compute button `运算按钮` for the phases of generation runs, and when a press acts.
//
// The phase lives in the run controller (RunController::phase); the button shows its caption, set after every press.
// The described button acts on the caption it shows, and a press on any text other than "分析", "暂停" and "继续"
// does nothing and leaves the caption as it is. Here the same rule reads: a press acts only while the button shows the
// caption of the controller's phase; a caption that anything else put on the button (a foreign text, or another
// phase's caption) makes a press do nothing and stays. The stop button sets the caption of RunPhase::Idle whatever
// the compute button shows.

#include "naming/RunPhase.h"

#include <QString>

namespace namewright {

/// "分析" for RunPhase::Idle, "暂停" for Running, "继续" for Paused.
QString runPhaseCaption(RunPhase phase);

/// Whether a press of the compute button showing `caption` acts, the controller being in `phase`.
bool pressActsOn(const QString& caption, RunPhase phase);

} // namespace namewright
