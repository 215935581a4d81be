#include "app/MoreHelpText.h"

namespace namewright {

QString moreHelpText(const QString& databaseNotice) {
    QString text;
    if (!databaseNotice.isEmpty()) {
        text += QStringLiteral("【注意】") + databaseNotice + QStringLiteral("\n\n");
    }
    text += QStringLiteral(
        "本程序的其他功能：\n"
        "\n"
        "(1)名单\n"
        "按工具栏的“名单”，把本轮列出的名字去掉重复、按分数排好。可按分数、字数、所含或不含的字、是否补上八字所缺的五行"
        "等条件筛选；点列标题可改排序，排序后从第一名看起。右边显示选中名字的读音、字义、诗句和两种八字。"
        "名单只列当前出生时间的名字：暂停后改了出生日期再按“继续”，改动前列出的行不计入，状态栏会说明。\n"
        "\n"
        "(2)收藏\n"
        "在名单或结果表的右键菜单中可把名字加入收藏，打上一到五颗星并写备注。收藏保存在本机，下次启动仍在，"
        "可以比较、打印或导出。\n"
        "\n"
        "(3)推荐\n"
        "名单的推荐一栏把父母更可能选用的名字排在前面，并说明每个字的意思；它是本程序自己的参考，不改变分数。\n"
        "\n"
        "(4)两种分数\n"
        "结果表的分数按起名规则算出，阈值高于95分时，高于95分的都记为100分；“姓名评测”总是这样记，所以同一个名字"
        "可能相差几分。复姓的“复姓分”另按两个姓字的笔画计算。\n"
        "\n"
        "(5)运算按钮\n"
        "候选名字用完后按钮仍显示“暂停”；把鼠标停在按钮上可看到运算是否已结束。按“停止”再按“分析”重新开始。\n"
        "在姓氏框中按回车，或在选中的“分析”按钮上按回车，与点击“分析”相同。\n"
        "\n"
        "(6)命令行\n"
        "namewright-cli 可以不开窗口完成同样的工作，例如：\n"
        "namewright-cli evaluate --family 李 --given 哉栋 --date 2011-01-01 --hour 1\n"
        "namewright-cli generate --family 李 --gender 男 --threshold 95 --limit 20 --date 2011-01-01 --hour 1\n"
        "namewright-cli chart --date 2011-01-01 --hour 1\n"
        "用 namewright-cli --help 查看全部命令。");
    return text;
}

} // namespace namewright
