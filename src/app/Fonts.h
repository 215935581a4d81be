#pragma once
// The fonts of the program: Noto Sans CJK SC for the interface, so that Han characters take their Chinese shapes,
// and 宋体 for the chart results where it is installed, else a Chinese serif.

#include <QFont>

namespace namewright {

/// The application font.
QFont interfaceFont();

/// The font of the chart result labels.
QFont chartResultFont();

} // namespace namewright
