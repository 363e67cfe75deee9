#pragma once

#include "datapointid.h"

#include <QSpinBox>

#include <optional>

// A value box whose value is the number a gateway row sends. Given a
// datapoint type, it shows and takes that number in the type's terms
// ("21.5 °C" for 9.001's 3098, "On" for 1.001's 1); without one, as a number.
class DatapointSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    using QSpinBox::QSpinBox;

    // A type of at most 2 bytes (gatewayValueBits()); nothing for numbers.
    void setDatapointType(const std::optional<DatapointType> &type);
    std::optional<DatapointType> datapointType() const { return type; }

protected:
    QString textFromValue(int value) const override;
    int valueFromText(const QString &text) const override;
    QValidator::State validate(QString &input, int &position) const override;

private:
    std::optional<DatapointType> type;
};
