#include "app/CompactComboStyle.h"

#include <QApplication>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOptionComplex>

namespace namewright {

namespace {

/// The frame the usual styles draw around a combo box's text.
constexpr int kFrameWidth = 2;

} // namespace

CompactComboStyle* CompactComboStyle::instance() {
    static QPointer<CompactComboStyle> style;
    if (style.isNull()) {
        // A proxy owns its base style: a fresh copy of the application's, not the application's own.
        style = new CompactComboStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(qApp);
    }
    return style.data();
}

QRect CompactComboStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                                        const QWidget* widget) const {
    if (control != CC_ComboBox || (sub != SC_ComboBoxArrow && sub != SC_ComboBoxEditField)) {
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }
    const QRect box = option->rect;
    const QRect rect = sub == SC_ComboBoxArrow
                           ? QRect(box.right() - kArrowWidth + 1, box.top(), kArrowWidth, box.height())
                           : QRect(box.left() + kFrameWidth, box.top() + kFrameWidth,
                                   box.width() - kArrowWidth - kFrameWidth, box.height() - 2 * kFrameWidth);
    return visualRect(option->direction, box, rect);
}

} // namespace namewright
