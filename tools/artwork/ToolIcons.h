#pragma once

// ToolIcons: the small pictures above the captions of the main window's nine tool buttons, in the program's ink brown,
// seal red and gold. Each is laid out on an 18 x 18 design grid with its straight lines on half units, so that it is
// crisp at 18 px (100 % scale) and at 36 px (200 %).

#include <QImage>
#include <QString>

#include <array>

namespace namewright::artwork {

enum class ToolIcon {
    BabyNaming,        // 宝贝取名: a baby's face with a curl of hair
    NameEvaluation,    // 姓名评测: a name slip with a red tick
    LunarChart,        // 生辰八字: four pillars of two characters each on a base line
    NumerologyTable,   // 81数理表: a table with a gold header row
    ThreeTalentsTable, // 三才表: three bars, heaven, person (red) and earth
    LunarCalendar,     // 农历表: a calendar page with a crescent moon
    Help,              // 帮助: a question mark in a circle, drawn with strokes
    Quit,              // 退出: an open door with an arrow leading out
    Shortlist,         // 名单: a list of three names, the first marked with a red star
};

inline constexpr std::array<ToolIcon, 9> kToolIcons{
    ToolIcon::BabyNaming,        ToolIcon::NameEvaluation, ToolIcon::LunarChart, ToolIcon::NumerologyTable,
    ToolIcon::ThreeTalentsTable, ToolIcon::LunarCalendar,  ToolIcon::Help,       ToolIcon::Quit,
    ToolIcon::Shortlist};

/// The icon's file name without extension, e.g. "tool-help"; the 36 px picture adds "@2x".
QString toolIconName(ToolIcon icon);

/// The icon drawn for a size x size pixel grid (18 or 36), transparent around the drawing.
QImage drawToolIcon(ToolIcon icon, int size);

} // namespace namewright::artwork
