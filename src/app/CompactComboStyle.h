#pragma once
// The style of the combo boxes placed at fixed sizes (40 pixels for "10", 48 for "双字"): the application's style with
// a narrower drop-down button, so that the longest item shows whole in the box's own width at any scale. The box keeps
// its place and size; only the share of its width that the arrow takes shrinks.

#include <QProxyStyle>

namespace namewright {

class CompactComboStyle : public QProxyStyle {
    Q_OBJECT

public:
    /// The width of the drop-down button, in device-independent pixels (the usual styles take 19 to 20).
    static constexpr int kArrowWidth = 13;

    /// The one instance, made on first use over the application's style and kept until the application ends.
    static CompactComboStyle* instance();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override;

private:
    explicit CompactComboStyle(QStyle* base) : QProxyStyle(base) {}
};

} // namespace namewright
