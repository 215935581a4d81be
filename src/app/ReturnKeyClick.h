#pragma once
// Return or Enter on a focused push button clicks it. Outside a dialog Qt gives a push button no default action, so
// a user who tabs to 分析 and presses Return would otherwise see nothing happen.

#include <QObject>

class QPushButton;

namespace namewright {

class ReturnKeyClick : public QObject {
    Q_OBJECT

public:
    /// Installs itself on `button`, which becomes its parent.
    explicit ReturnKeyClick(QPushButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* m_button;
};

} // namespace namewright
