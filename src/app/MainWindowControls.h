#pragma once
// The controls of the main window, built by MainWindowLayout.cpp at the positions and sizes of the window's layout.

#include "app/ChartResultLabel.h"
#include "app/MainWindow.h"

#include <array>

namespace namewright {

struct MainWindowControls {
    QLabel* banner = nullptr;                        // 图片框1
    QWidget* panel = nullptr;                        // 图片框2
    QLineEdit* familyName = nullptr;                 // 姓编辑框
    QComboBox* nameLength = nullptr;                 // 名组合框
    QComboBox* gender = nullptr;                     // 性别组合框
    QComboBox* year = nullptr;                       // 年组合框
    QComboBox* month = nullptr;                      // 月组合框
    QComboBox* day = nullptr;                        // 日组合框
    QComboBox* hour = nullptr;                       // 时组合框
    QComboBox* minute = nullptr;                     // 分组合框
    QCheckBox* fixCharacter = nullptr;               // 选择框1
    QComboBox* fixedPosition = nullptr;              // 个组合框
    QLineEdit* fixedCharacter = nullptr;             // 字编辑框
    QCheckBox* ownThreshold = nullptr;               // 选择框2
    QLineEdit* threshold = nullptr;                  // 分编辑框
    QPushButton* compute = nullptr;                  // 运算按钮
    QPushButton* stop = nullptr;                     // 停止按钮
    QTableView* grid = nullptr;                      // 高级表格1
    QScrollBar* gridScrollBar = nullptr;             // its scrollbar, in the gap to 图片框2
    QToolButton* babyNaming = nullptr;               // 宝贝取名
    QToolButton* evaluateName = nullptr;             // 姓名评测
    QToolButton* birthChart = nullptr;               // 生辰八字
    QToolButton* numerologyTable = nullptr;          // 数理表
    QToolButton* threeTalentsTable = nullptr;        // 三才表
    QToolButton* lunarCalendar = nullptr;            // 农历按钮
    QToolButton* help = nullptr;                     // 帮助按钮
    QToolButton* quit = nullptr;                     // 退出按钮
    QToolButton* shortlist = nullptr;                // 名单按钮, the shortlist window (this program's own)
    std::array<ChartResultLabel*, 7> chartResults{}; // 农历标签 .. 喜用神标签, in ChartLabel order
};

/// Creates every control of the main window as a child of `window`, with its object name, geometry and initial
/// contents.
void buildMainWindowControls(QWidget* window, MainWindowControls& controls);

} // namespace namewright
