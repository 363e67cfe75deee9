#include "datapointspinbox.h"

#include "datapointgateway.h"

#include <QLineEdit>

void DatapointSpinBox::setDatapointType(const std::optional<DatapointType> &newType)
{
    if (newType == type)
        return;
    type = newType;
    lineEdit()->setText(textFromValue(value()));
}

QString DatapointSpinBox::textFromValue(int number) const
{
    if (type)
        if (const std::optional<QString> text = gatewayValueText(*type, uint(number)))
            return *text;
    return QSpinBox::textFromValue(number);
}

int DatapointSpinBox::valueFromText(const QString &text) const
{
    if (type)
        if (const std::optional<uint> number = gatewayValue(*type, text).number)
            return int(*number);
    return QSpinBox::valueFromText(text);
}

// In the type's terms anything may be on its way to a value; it counts once
// it is one within the range.
QValidator::State DatapointSpinBox::validate(QString &input, int &position) const
{
    if (!type)
        return QSpinBox::validate(input, position);
    const std::optional<uint> number = gatewayValue(*type, input).number;
    const bool inRange = number && int(*number) >= minimum() && int(*number) <= maximum();
    return inRange ? QValidator::Acceptable : QValidator::Intermediate;
}
