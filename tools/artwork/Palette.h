#pragma once

// Palette: the colours of the program's pictures. Warm rice paper, ink brown and a vermilion seal red; the paper tones
// stay light enough that black 9 pt text on top of them keeps a contrast ratio of at least 16:1 (WCAG formula).

#include <QColor>

namespace namewright::artwork::palette {

inline QColor paper() {
    return {0xF6, 0xF1, 0xE7};
} // window background
inline QColor paperLight() {
    return {0xFB, 0xF7, 0xEE};
} // banner left end, panel top
inline QColor paperWarm() {
    return {0xF3, 0xE5, 0xCC};
} // banner right end
inline QColor panelBottom() {
    return {0xF6, 0xEE, 0xDE};
}
inline QColor inkBrown() {
    return {0x8A, 0x3B, 0x2A};
} // frames and ornaments
inline QColor gold() {
    return {0xB0, 0x82, 0x42};
} // watermark clouds
inline QColor fibre() {
    return {0x9A, 0x7A, 0x50};
}
inline QColor sealRed() {
    return {0xB8, 0x35, 0x2A};
}
inline QColor sealRedDark() {
    return {0x96, 0x24, 0x1D};
}
inline QColor sealCream() {
    return {0xFA, 0xEF, 0xDC};
}
inline QColor brushFerrule() {
    return {0xD9, 0xB8, 0x78};
}
inline QColor ink() {
    return {0x2E, 0x22, 0x1E};
}

// c with its alpha set to `alpha` (0..255).
inline QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

} // namespace namewright::artwork::palette
