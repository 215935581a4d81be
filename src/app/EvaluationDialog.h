#pragma once
// The evaluation window: one typed name, its birth chart, score and long report.

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace namewright {

class AppContext;

class EvaluationDialog : public QDialog {
    Q_OBJECT

public:
    EvaluationDialog(AppContext& context, QWidget* parent);

    /// The click of 按钮1: analyse, score and report the typed name.
    void evaluate();

    /// Fills in a name and a birth moment (year, month, day, hour texts), as the result grid's 评测此名 does; the
    /// user still presses 按钮1.
    void fillIn(const QString& family, const QString& given, const QStringList& birth);

private:
    AppContext& m_context;
    QLineEdit* m_familyName = nullptr;  // 编辑框2
    QLineEdit* m_givenName = nullptr;   // 编辑框3
    QComboBox* m_year = nullptr;        // 组合框1
    QComboBox* m_month = nullptr;       // 组合框2
    QComboBox* m_day = nullptr;         // 组合框3
    QComboBox* m_hour = nullptr;        // 组合框4
    QPlainTextEdit* m_report = nullptr; // 编辑框1
};

} // namespace namewright
