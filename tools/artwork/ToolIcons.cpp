#include "ToolIcons.h"

#include "Palette.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace namewright::artwork {

namespace {

constexpr double DesignSize = 18.0;

QPen line(QColor colour, double width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPen squareLine(QColor colour, double width) {
    return QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void drawBabyFace(QPainter& p) {
    p.setPen(line(palette::inkBrown(), 1.2));
    p.setBrush(palette::sealCream());
    p.drawEllipse(QPointF(9.0, 10.5), 6.4, 6.0);
    // A curl of hair rising from the top of the head.
    QPainterPath curl;
    curl.moveTo(9.0, 4.6);
    curl.cubicTo(8.6, 2.6, 11.2, 1.8, 11.6, 3.4);
    curl.cubicTo(11.9, 4.6, 10.2, 4.9, 10.0, 3.9);
    p.setBrush(Qt::NoBrush);
    p.drawPath(curl);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::ink());
    p.drawEllipse(QPointF(6.7, 10.0), 0.85, 0.85);
    p.drawEllipse(QPointF(11.3, 10.0), 0.85, 0.85);
    p.setBrush(palette::withAlpha(palette::sealRed(), 110));
    p.drawEllipse(QPointF(5.4, 12.4), 1.1, 0.8);
    p.drawEllipse(QPointF(12.6, 12.4), 1.1, 0.8);
    p.setPen(line(palette::sealRed(), 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(7.2, 11.0, 3.6, 2.6), 200 * 16, 140 * 16);
}

void drawNameSlip(QPainter& p) {
    p.setPen(squareLine(palette::inkBrown(), 1.0));
    p.setBrush(palette::sealCream());
    p.drawRect(QRectF(3.5, 1.5, 8.0, 14.0));
    p.setPen(squareLine(palette::withAlpha(palette::inkBrown(), 170), 1.0));
    for (const double y : {4.5, 7.5, 10.5}) {
        p.drawLine(QPointF(5.5, y), QPointF(9.5, y));
    }
    p.setPen(line(palette::sealRed(), 2.0));
    QPainterPath tick;
    tick.moveTo(8.6, 11.6);
    tick.lineTo(11.0, 14.4);
    tick.lineTo(16.0, 7.4);
    p.drawPath(tick);
}

void drawFourPillars(QPainter& p) {
    p.setPen(Qt::NoPen);
    for (int column = 0; column < 4; ++column) {
        const double x = 1.0 + 4.0 * column;
        p.setBrush(palette::sealRed());
        p.drawRect(QRectF(x, 2.0, 3.0, 5.0));
        p.setBrush(palette::inkBrown());
        p.drawRect(QRectF(x, 8.0, 3.0, 5.0));
    }
    p.setPen(squareLine(palette::inkBrown(), 1.0));
    p.drawLine(QPointF(0.5, 15.5), QPointF(16.5, 15.5));
}

void drawTable(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(palette::withAlpha(palette::gold(), 200));
    p.drawRect(QRectF(2.0, 3.0, 14.0, 4.0));
    p.setBrush(Qt::NoBrush);
    p.setPen(squareLine(palette::inkBrown(), 1.0));
    p.drawRect(QRectF(1.5, 2.5, 15.0, 13.0));
    p.drawLine(QPointF(1.5, 7.5), QPointF(16.5, 7.5));
    p.drawLine(QPointF(1.5, 11.5), QPointF(16.5, 11.5));
    p.drawLine(QPointF(6.5, 2.5), QPointF(6.5, 15.5));
    p.drawLine(QPointF(11.5, 2.5), QPointF(11.5, 15.5));
}

void drawThreeBars(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(palette::inkBrown());
    p.drawRoundedRect(QRectF(2.0, 2.0, 14.0, 3.0), 0.8, 0.8);
    p.drawRoundedRect(QRectF(2.0, 13.0, 14.0, 3.0), 0.8, 0.8);
    p.setBrush(palette::sealRed());
    p.drawRoundedRect(QRectF(2.0, 7.5, 14.0, 3.0), 0.8, 0.8);
}

void drawCalendarPage(QPainter& p) {
    p.setPen(squareLine(palette::inkBrown(), 1.0));
    p.setBrush(palette::sealCream());
    p.drawRect(QRectF(1.5, 3.5, 15.0, 12.0));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::sealRed());
    p.drawRect(QRectF(2.0, 4.0, 14.0, 3.0));
    p.setPen(line(palette::inkBrown(), 1.4));
    p.drawLine(QPointF(5.5, 1.8), QPointF(5.5, 5.0));
    p.drawLine(QPointF(12.5, 1.8), QPointF(12.5, 5.0));
    // The crescent: a disc less a disc shifted towards the upper right.
    QPainterPath disc;
    disc.addEllipse(QPointF(8.4, 11.3), 3.5, 3.5);
    QPainterPath bite;
    bite.addEllipse(QPointF(10.3, 10.2), 3.0, 3.0);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::gold());
    p.drawPath(disc.subtracted(bite));
}

void drawQuestionMark(QPainter& p) {
    p.setPen(line(palette::inkBrown(), 1.2));
    p.setBrush(palette::sealCream());
    p.drawEllipse(QPointF(9.0, 9.0), 7.4, 7.4);
    QPainterPath hook;
    hook.moveTo(6.4, 7.0);
    hook.cubicTo(6.4, 4.0, 11.6, 4.0, 11.6, 7.0);
    hook.cubicTo(11.6, 8.8, 9.0, 8.8, 9.0, 11.0);
    p.setPen(line(palette::sealRed(), 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::sealRed());
    p.drawEllipse(QPointF(9.0, 13.6), 1.1, 1.1);
}

void drawDoor(QPainter& p) {
    p.setPen(squareLine(palette::inkBrown(), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2.5, 1.5, 8.0, 15.0));
    // The leaf stands open into the room.
    p.setBrush(palette::withAlpha(palette::gold(), 170));
    p.drawPolygon(QPolygonF({{2.5, 1.5}, {6.5, 3.5}, {6.5, 16.5}, {2.5, 16.5}}));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::ink());
    p.drawEllipse(QPointF(5.4, 9.6), 0.7, 0.7);
    p.setPen(line(palette::sealRed(), 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(8.5, 9.0), QPointF(16.0, 9.0));
    QPainterPath head;
    head.moveTo(13.2, 6.2);
    head.lineTo(16.0, 9.0);
    head.lineTo(13.2, 11.8);
    p.drawPath(head);
}

void drawNameList(QPainter& p) {
    // A slip of paper with three name lines; a star in front of the first, the one chosen.
    p.setPen(squareLine(palette::inkBrown(), 1.0));
    p.setBrush(palette::sealCream());
    p.drawRect(QRectF(1.5, 1.5, 15.0, 15.0));
    p.setPen(squareLine(palette::inkBrown(), 1.4));
    for (const double y : {5.5, 9.5, 13.5}) {
        p.drawLine(QPointF(8.0, y), QPointF(14.0, y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(palette::withAlpha(palette::inkBrown(), 170));
    p.drawEllipse(QPointF(5.0, 9.5), 0.9, 0.9);
    p.drawEllipse(QPointF(5.0, 13.5), 0.9, 0.9);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double angle = -1.5707963 + i * 0.6283185;
        const double radius = i % 2 == 0 ? 2.9 : 1.2;
        star << QPointF(5.0 + radius * std::cos(angle), 5.6 + radius * std::sin(angle));
    }
    p.setBrush(palette::sealRed());
    p.drawPolygon(star);
}

} // namespace

QString toolIconName(ToolIcon icon) {
    switch (icon) {
    case ToolIcon::BabyNaming:
        return QStringLiteral("tool-baby-naming");
    case ToolIcon::NameEvaluation:
        return QStringLiteral("tool-name-evaluation");
    case ToolIcon::LunarChart:
        return QStringLiteral("tool-birth-chart");
    case ToolIcon::NumerologyTable:
        return QStringLiteral("tool-numerology-table");
    case ToolIcon::ThreeTalentsTable:
        return QStringLiteral("tool-three-talents-table");
    case ToolIcon::LunarCalendar:
        return QStringLiteral("tool-lunar-calendar");
    case ToolIcon::Help:
        return QStringLiteral("tool-help");
    case ToolIcon::Quit:
        return QStringLiteral("tool-quit");
    case ToolIcon::Shortlist:
        return QStringLiteral("tool-shortlist");
    }
    return {};
}

QImage drawToolIcon(ToolIcon icon, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / DesignSize, size / DesignSize);
    switch (icon) {
    case ToolIcon::BabyNaming:
        drawBabyFace(painter);
        break;
    case ToolIcon::NameEvaluation:
        drawNameSlip(painter);
        break;
    case ToolIcon::LunarChart:
        drawFourPillars(painter);
        break;
    case ToolIcon::NumerologyTable:
        drawTable(painter);
        break;
    case ToolIcon::ThreeTalentsTable:
        drawThreeBars(painter);
        break;
    case ToolIcon::LunarCalendar:
        drawCalendarPage(painter);
        break;
    case ToolIcon::Help:
        drawQuestionMark(painter);
        break;
    case ToolIcon::Quit:
        drawDoor(painter);
        break;
    case ToolIcon::Shortlist:
        drawNameList(painter);
        break;
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace namewright::artwork
