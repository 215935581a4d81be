#include "app/Controls.h"

#include "app/CompactComboStyle.h"

namespace namewright {

QString emptyWindowTitle() {
    return QStringLiteral(" ");
}

QLabel* makeLabel(QWidget* parent, const char* name, const char* text, QRect geometry) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(geometry);
    return label;
}

QComboBox* makeComboBox(QWidget* parent, const char* name, QRect geometry, const QStringList& items, bool editable) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setGeometry(geometry);
    box->setEditable(editable);
    box->setStyle(CompactComboStyle::instance());
    box->addItems(items);
    return box;
}

QPushButton* makeNonDefaultButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);
    return button;
}

QStringList numberItems(int first, int last) {
    QStringList items;
    for (int n = first; n <= last; ++n) {
        items << QString::number(n);
    }
    return items;
}

QLineEdit* makeEditBox(QWidget* parent, const char* name, QRect geometry, const char* text) {
    auto* edit = new QLineEdit(QString::fromUtf8(text), parent);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setGeometry(geometry);
    return edit;
}

QPlainTextEdit* makeReadOnlyTextBox(QWidget* parent, const char* name, QRect geometry) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setGeometry(geometry);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return box;
}

} // namespace namewright
