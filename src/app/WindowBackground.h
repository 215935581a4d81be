#pragma once
// The quiet paper-like background every window of the program paints behind its controls.

class QWidget;

namespace namewright {

void setWindowBackground(QWidget* window);

} // namespace namewright
