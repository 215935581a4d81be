#pragma once
// Making the controls of a window: each gets its control name as object name and its place in the window.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRect>
#include <QStringList>

namespace namewright {

/// The title of a window that has none. Qt puts the program's name in the title bar for an empty title, so a window
/// without a title gets a single space, which the title bar shows as blank.
QString emptyWindowTitle();

QLabel* makeLabel(QWidget* parent, const char* name, const char* text, QRect geometry);

/// A combo box with its items; an editable one lets the user type any text too. Its drop-down button is narrow
/// (CompactComboStyle), so that short items show whole in the small fixed sizes of the windows.
QComboBox* makeComboBox(QWidget* parent, const char* name, QRect geometry, const QStringList& items, bool editable);

/// "first" .. "last" in decimal.
QStringList numberItems(int first, int last);

QLineEdit* makeEditBox(QWidget* parent, const char* name, QRect geometry, const char* text);

/// A push button for a window whose table opens a report on Enter: it never takes Enter as the window's default.
/// Laid out by the caller.
QPushButton* makeNonDefaultButton(QWidget* parent, const char* name, const char* caption);

/// A multi-line box the user reads but cannot type into (the report boxes, the help box): its text can still be
/// selected with the mouse and the keyboard and copied.
QPlainTextEdit* makeReadOnlyTextBox(QWidget* parent, const char* name, QRect geometry);

} // namespace namewright
