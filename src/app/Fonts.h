#pragma once
// The fonts of the program: Noto Sans CJK SC for the interface, so that Han characters take their Chinese shapes,
// and 宋体 for the chart results where it is installed, else a Chinese serif.

#include <QFont>

namespace namewright {

/// The application font.
QFont interfaceFont();

/// The font of the chart result labels.
QFont chartResultFont();

/// The font of printed and PDF pages, at `points`: WenQuanYi Micro Hei first where it is installed. Noto CJK maps the
/// Kangxi radicals (U+2F00...) onto the glyphs of the unified characters, and Qt's PDF writer names each embedded
/// glyph after the lowest code point that maps to it, so text copied from such a PDF reads ⽊ for 木; WenQuanYi gives
/// each glyph one code point, and copied text reads as printed.
QFont printFont(int points);

} // namespace namewright
