#include "app/EvaluationDialog.h"

#include "app/AppContext.h"
#include "app/ReportBox.h"
#include "app/TextConversion.h"
#include "app/WindowBackground.h"
#include "app/YearWarningBridge.h"
#include "reports/NameEvaluation.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace namewright {

namespace {

QLabel* label(QWidget* parent, const char* name, const char* text, QRect geometry) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setObjectName(QString::fromUtf8(name));
    l->setGeometry(geometry);
    return l;
}

QComboBox* editableCombo(QWidget* parent, const char* name, QRect geometry, int first, int last, const char* text) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setGeometry(geometry);
    box->setEditable(true);
    for (int n = first; n <= last; ++n) {
        box->addItem(QString::number(n));
    }
    box->setEditText(QString::fromUtf8(text));
    return box;
}

} // namespace

EvaluationDialog::EvaluationDialog(AppContext& context, QWidget* parent) : QDialog(parent), m_context(context) {
    setWindowTitle(QString());
    setFixedSize(472, 582);
    move(50, 50);
    setWindowBackground(this);

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("分组框1"));
    frame->setGeometry(16, 0, 432, 80);

    label(this, "标签1", "姓：", {24, 8, 24, 24});
    m_familyName = new QLineEdit(QStringLiteral("李"), this);
    m_familyName->setObjectName(QStringLiteral("编辑框2"));
    m_familyName->setGeometry(56, 8, 72, 20);
    label(this, "标签2", "名：", {168, 8, 24, 24});
    m_givenName = new QLineEdit(QStringLiteral("哉栋"), this);
    m_givenName->setObjectName(QStringLiteral("编辑框3"));
    m_givenName->setGeometry(192, 8, 72, 20);
    label(this, "标签3", "生日 公历：", {24, 40, 56, 24});
    m_year = editableCombo(this, "组合框1", {80, 40, 56, 20}, 2010, 2011, "2011");
    label(this, "标签4", "年", {136, 40, 16, 24});
    m_month = editableCombo(this, "组合框2", {152, 40, 40, 20}, 1, 12, "1");
    label(this, "标签5", "月", {192, 40, 16, 24});
    m_day = editableCombo(this, "组合框3", {208, 40, 40, 20}, 1, 31, "1");
    label(this, "标签6", "日", {248, 40, 16, 24});
    m_hour = editableCombo(this, "组合框4", {264, 40, 40, 20}, 0, 23, "1");
    label(this, "标签7", "时", {304, 40, 24, 24});

    auto* evaluateButton = new QPushButton(QStringLiteral("姓名评测"), this);
    evaluateButton->setObjectName(QStringLiteral("按钮1"));
    evaluateButton->setGeometry(368, 40, 56, 24);
    evaluateButton->setAutoDefault(false);
    connect(evaluateButton, &QPushButton::clicked, this, &EvaluationDialog::evaluate);

    m_report = new QPlainTextEdit(this);
    m_report->setObjectName(QStringLiteral("编辑框1"));
    m_report->setGeometry(16, 80, 432, 448);
}

void EvaluationDialog::evaluate() {
    const EvaluationInput input{toUtf8(m_familyName->text()), toUtf8(m_givenName->text()),
                                BirthMomentTexts{toUtf8(m_year->currentText()), toUtf8(m_month->currentText()),
                                                 toUtf8(m_day->currentText()), toUtf8(m_hour->currentText())}};
    const auto report = evaluateName(input, m_context.interfaceConnection(), m_context.birthChart(),
                                     m_context.reportData(), [this] { YearWarningBridge::showMessageBox(this); });
    if (report) {
        writeReport(m_report, *report);
    }
}

} // namespace namewright
