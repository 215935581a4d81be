#include "app/CheckBox.h"
#include "app/Controls.h"
#include "app/Fonts.h"
#include "app/GbkLengthValidator.h"
#include "app/GridScrollBar.h"
#include "app/MainWindowControls.h"
#include "app/ResultGridView.h"
#include "app/ToolButton.h"
#include "app/models/TextConversion.h"
#include "chart/LunarChart.h"

#include <QHeaderView>

namespace namewright {

namespace {

QLineEdit* editBox(QWidget* parent, const char* name, QRect geometry, const char* text, int maxGbkBytes) {
    QLineEdit* edit = makeEditBox(parent, name, geometry, text);
    edit->setValidator(new GbkLengthValidator(maxGbkBytes, edit));
    return edit;
}

QToolButton* toolButton(QWidget* parent, const char* name, const char* caption, const char* icon, int x) {
    auto* button = new ToolButton(QString::fromUtf8(caption),
                                  QStringLiteral(":/images/tool-%1.png").arg(QString::fromUtf8(icon)), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(x, 8, 48, 40);
    return button;
}

QPushButton* pushButton(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(geometry);
    return button;
}

} // namespace

void buildMainWindowControls(QWidget* window, MainWindowControls& c) {
    c.babyNaming = toolButton(window, "宝贝取名", "宝贝取名", "baby-naming", 24);
    c.evaluateName = toolButton(window, "姓名评测", "姓名评测", "name-evaluation", 80);
    c.birthChart = toolButton(window, "生辰八字", "生辰八字", "birth-chart", 136);
    c.numerologyTable = toolButton(window, "数理表", "81数理表", "numerology-table", 192);
    c.threeTalentsTable = toolButton(window, "三才表", "三才表", "three-talents-table", 248);
    c.lunarCalendar = toolButton(window, "农历按钮", "农历表", "lunar-calendar", 304);
    c.help = toolButton(window, "帮助按钮", "帮助", "help", 360);
    c.quit = toolButton(window, "退出按钮", "退出", "quit", 472);
    // The shortlist window is an addition: its button takes the free place between 帮助 and 退出.
    c.shortlist = toolButton(window, "名单按钮", "名单", "shortlist", 416);

    c.banner = new QLabel(window);
    c.banner->setObjectName(QStringLiteral("图片框1"));
    c.banner->setGeometry(24, 56, 640, 100);
    c.banner->setPixmap(QPixmap(QStringLiteral(":/images/banner.png")));
    c.banner->setScaledContents(true);

    makeLabel(window, "标签1", "姓：", {24, 72, 24, 24});
    c.familyName = editBox(window, "姓编辑框", {48, 72, 40, 24}, "李", 4);
    makeLabel(window, "标签2", "名：", {96, 72, 24, 24});
    c.nameLength =
        makeComboBox(window, "名组合框", {120, 72, 48, 20}, {QStringLiteral("双字"), QStringLiteral("单字")}, false);
    makeLabel(window, "标签3", "性别：", {168, 72, 32, 24});
    c.gender =
        makeComboBox(window, "性别组合框", {200, 72, 40, 20}, {QStringLiteral("男"), QStringLiteral("女")}, false);
    makeLabel(window, "标签4", "出生日期：公历", {248, 72, 88, 24});
    QStringList years{QStringLiteral("1975"), QStringLiteral("1976")};
    years << numberItems(1978, 2020);
    c.year = makeComboBox(window, "年组合框", {336, 72, 64, 20}, years, true);
    c.year->setEditText(QStringLiteral("2011"));
    makeLabel(window, "标签5", "年", {400, 72, 16, 24});
    c.month = makeComboBox(window, "月组合框", {416, 72, 40, 20}, numberItems(1, 12), false);
    makeLabel(window, "标签6", "月", {456, 72, 16, 24});
    c.day = makeComboBox(window, "日组合框", {472, 72, 40, 20}, numberItems(1, 31), false);
    makeLabel(window, "标签7", "日", {512, 72, 16, 24});
    c.hour = makeComboBox(window, "时组合框", {528, 72, 40, 20}, numberItems(0, 23), false);
    c.hour->setCurrentIndex(1);
    makeLabel(window, "标签8", "时", {568, 72, 24, 24});
    c.minute = makeComboBox(window, "分组合框", {584, 72, 40, 20},
                            {QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30"),
                             QStringLiteral("40"), QStringLiteral("50")},
                            true);
    c.minute->setEditText(QStringLiteral("10"));
    makeLabel(window, "标签9", "分", {624, 72, 24, 24});

    c.fixCharacter = new CheckBox(QStringLiteral("第"), window);
    c.fixCharacter->setObjectName(QStringLiteral("选择框1"));
    c.fixCharacter->setGeometry(40, 112, 32, 24);
    c.fixedPosition =
        makeComboBox(window, "个组合框", {72, 112, 40, 20}, {QStringLiteral("二"), QStringLiteral("三")}, false);
    makeLabel(window, "标签10", "个字固定为", {120, 112, 64, 24});
    c.fixedCharacter = editBox(window, "字编辑框", {184, 112, 32, 20}, "", 2);
    c.ownThreshold = new CheckBox(QStringLiteral("自动挑选评分为"), window);
    c.ownThreshold->setObjectName(QStringLiteral("选择框2"));
    c.ownThreshold->setGeometry(256, 112, 104, 24);
    c.threshold = editBox(window, "分编辑框", {360, 112, 32, 20}, "", 3);
    makeLabel(window, "标签11", "分以上的名字", {392, 112, 80, 24});
    c.compute = pushButton(window, "运算按钮", "分析", {504, 104, 40, 32});
    c.stop = pushButton(window, "停止按钮", "停止", {560, 104, 40, 32});

    c.grid = new ResultGridView(window);
    c.grid->setObjectName(QStringLiteral("高级表格1"));
    c.grid->setGeometry(24, 168, 424, 280);
    c.grid->verticalHeader()->hide();
    c.grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    c.grid->verticalHeader()->setDefaultSectionSize(20);
    c.grid->horizontalHeader()->setHighlightSections(false);
    c.grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    c.grid->setSelectionMode(QAbstractItemView::SingleSelection);
    c.grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c.grid->setWordWrap(false);
    // The columns fill the grid's 424 pixels exactly: no frame, and the scrollbar goes into the gap beside it.
    c.grid->setFrameShape(QFrame::NoFrame);
    c.gridScrollBar = new GridScrollBar(c.grid, window);
    c.gridScrollBar->setObjectName(QStringLiteral("高级表格1滚动条"));
    c.gridScrollBar->setGeometry(449, 168, 6, 280);
    // Three characters must fit the 43-pixel columns (the three-talents key, the element text).
    QFont gridFont = c.grid->font();
    gridFont.setPixelSize(11);
    c.grid->setFont(gridFont);

    c.panel = new QWidget(window);
    c.panel->setObjectName(QStringLiteral("图片框2"));
    c.panel->setGeometry(456, 168, 208, 280);
    auto* panelPicture = new QLabel(c.panel);
    panelPicture->setGeometry(0, 0, 208, 280);
    panelPicture->setPixmap(QPixmap(QStringLiteral(":/images/panel.png")));
    panelPicture->setScaledContents(true);

    // By ChartLabel: the caption label's name and place, and the result label's place. The captions come from the
    // chart's table of results (kChartResults): "农历" is captioned "农历：" and shown by the label 农历标签.
    struct ChartRow {
        const char* caption;
        QRect captionGeometry;
        QRect resultGeometry;
    };
    const std::array<ChartRow, 7> rows{{
        {"标签19", {0, 24, 32, 24}, {40, 24, 160, 24}},
        {"标签21", {0, 88, 32, 24}, {32, 88, 160, 24}},
        {"标签20", {0, 56, 32, 24}, {32, 56, 152, 24}},
        {"标签22", {0, 120, 32, 24}, {32, 120, 160, 24}},
        {"标签23", {0, 152, 32, 24}, {32, 152, 160, 24}},
        {"标签24", {0, 184, 32, 24}, {32, 184, 160, 24}},
        {"标签25", {0, 216, 48, 24}, {48, 216, 80, 24}},
    }};
    const QFont resultFont = chartResultFont();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QString caption = toQString(chartResultOf(static_cast<ChartLabel>(i)).caption);
        makeLabel(c.panel, rows[i].caption, "", rows[i].captionGeometry)->setText(caption + QStringLiteral("："));
        auto* result = new ChartResultLabel(c.panel);
        result->setObjectName(caption + QStringLiteral("标签"));
        result->setGeometry(rows[i].resultGeometry);
        result->setFont(resultFont);
        c.chartResults[i] = result;
    }
}

} // namespace namewright
