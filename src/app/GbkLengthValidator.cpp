#include "app/GbkLengthValidator.h"

#include "app/models/TextConversion.h"
#include "text/GbkText.h"

namespace namewright {

GbkLengthValidator::GbkLengthValidator(int maxGbkBytes, QObject* parent)
    : QValidator(parent), m_maxGbkBytes(maxGbkBytes) {}

QValidator::State GbkLengthValidator::validate(QString& input, int& /*position*/) const {
    return gbkWidth(toUtf8(input)) <= static_cast<std::size_t>(m_maxGbkBytes) ? Acceptable : Invalid;
}

} // namespace namewright
