#pragma once
// Making the controls of a window: each gets its control name as object name and its place in the window.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <QStringList>

namespace namewright {

QLabel* makeLabel(QWidget* parent, const char* name, const char* text, QRect geometry);

/// A combo box with its items; an editable one lets the user type any text too.
QComboBox* makeComboBox(QWidget* parent, const char* name, QRect geometry, const QStringList& items, bool editable);

/// "first" .. "last" in decimal.
QStringList numberItems(int first, int last);

QLineEdit* makeEditBox(QWidget* parent, const char* name, QRect geometry, const char* text);

} // namespace namewright
