#pragma once
// Limits an edit box to a number of GBK bytes (a Chinese character 2, an ASCII character 1), the way the program
// measures its texts.

#include <QValidator>

namespace namewright {

class GbkLengthValidator : public QValidator {
    Q_OBJECT

public:
    GbkLengthValidator(int maxGbkBytes, QObject* parent);

    /// A text wider than the limit is refused, as a typed character or a paste that would make it so.
    State validate(QString& input, int& position) const override;

private:
    int m_maxGbkBytes;
};

} // namespace namewright
