#include "app/EvaluationDialog.h"

#include "app/AppContext.h"
#include "app/Controls.h"
#include "app/ReportBox.h"
#include "app/WindowBackground.h"
#include "app/YearWarningBridge.h"
#include "app/models/TextConversion.h"
#include "reports/NameEvaluation.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace namewright {

namespace {

QComboBox* editableComboBox(QWidget* parent, const char* name, QRect geometry, const QStringList& items,
                            const char* text) {
    QComboBox* box = makeComboBox(parent, name, geometry, items, true);
    box->setEditText(QString::fromUtf8(text));
    return box;
}

} // namespace

EvaluationDialog::EvaluationDialog(AppContext& context, QWidget* parent) : QDialog(parent), m_context(context) {
    setWindowTitle(emptyWindowTitle());
    setFixedSize(472, 582);
    move(50, 50);
    setWindowBackground(this);

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("分组框1"));
    frame->setGeometry(16, 0, 432, 80);

    makeLabel(this, "标签1", "姓：", {24, 8, 24, 24});
    m_familyName = makeEditBox(this, "编辑框2", {56, 8, 72, 20}, "李");
    makeLabel(this, "标签2", "名：", {168, 8, 24, 24});
    m_givenName = makeEditBox(this, "编辑框3", {192, 8, 72, 20}, "哉栋");
    makeLabel(this, "标签3", "生日 公历：", {24, 40, 56, 24});
    m_year = editableComboBox(this, "组合框1", {80, 40, 56, 20}, numberItems(2010, 2011), "2011");
    makeLabel(this, "标签4", "年", {136, 40, 16, 24});
    m_month = editableComboBox(this, "组合框2", {152, 40, 40, 20}, numberItems(1, 12), "1");
    makeLabel(this, "标签5", "月", {192, 40, 16, 24});
    m_day = editableComboBox(this, "组合框3", {208, 40, 40, 20}, numberItems(1, 31), "1");
    makeLabel(this, "标签6", "日", {248, 40, 16, 24});
    m_hour = editableComboBox(this, "组合框4", {264, 40, 40, 20}, numberItems(0, 23), "1");
    makeLabel(this, "标签7", "时", {304, 40, 24, 24});

    auto* evaluateButton = new QPushButton(QStringLiteral("姓名评测"), this);
    evaluateButton->setObjectName(QStringLiteral("按钮1"));
    evaluateButton->setGeometry(368, 40, 56, 24);
    evaluateButton->setAutoDefault(false);
    connect(evaluateButton, &QPushButton::clicked, this, &EvaluationDialog::evaluate);

    m_report = makeReadOnlyTextBox(this, "编辑框1", {16, 80, 432, 448});
}

void EvaluationDialog::evaluate() {
    const EvaluationInput input{toUtf8(m_familyName->text()), toUtf8(m_givenName->text()),
                                BirthMomentTexts{toUtf8(m_year->currentText()), toUtf8(m_month->currentText()),
                                                 toUtf8(m_day->currentText()), toUtf8(m_hour->currentText())}};
    const auto report = evaluateName(input, m_context.interfaceConnection(),
                                     EvaluationSinks{[this] { YearWarningBridge::showMessageBox(this); },
                                                     &m_context.latestChart(), &m_context.reportData()});
    if (report) {
        writeReport(m_report, *report);
    }
}

} // namespace namewright

namespace namewright {

void EvaluationDialog::fillIn(const QString& family, const QString& given, const QStringList& birth) {
    m_familyName->setText(family);
    m_givenName->setText(given);
    QComboBox* boxes[] = {m_year, m_month, m_day, m_hour};
    for (qsizetype i = 0; i < birth.size() && i < 4; ++i) {
        boxes[i]->setEditText(birth[i]);
    }
}

} // namespace namewright
