#include "groupsendline.h"

#include "addresscompleter.h"
#include "datapointid.h"
#include "groupaddressbook.h"
#include "groupsendrequest.h"
#include "grouptelegramtext.h"
#include "itemtexts.h"
#include "knxaddresses.h"
#include "windowtext.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// Types offered besides the lengths; any other can be typed.
const char *const offeredTypes[] = {"1.001",  "1.008",  "3.007",  "5.001",  "5.010",
                                    "7.001",  "9.001",  "9.004",  "14.056", "16.000",
                                    "17.001", "20.102", "232.600"};
} // namespace

GroupSendLine::GroupSendLine(const GroupAddressBook &book, QWidget *parent)
    : QWidget(parent)
    , book(book)
    , addressEdit(new QLineEdit(this))
    , serviceBox(new QComboBox(this))
    , typeBox(new QComboBox(this))
    , valueEdit(new QLineEdit(this))
    , sendButton(new QPushButton(WindowText::tr("Send"), this))
    , resultLabel(new QLabel(this))
{
    addressEdit->setObjectName("groupSendAddress");
    addressEdit->setPlaceholderText(WindowText::tr("Group address"));
    serviceBox->setObjectName("groupSendService");
    serviceBox->addItem(WindowText::tr("Write"), int(GroupService::Write));
    serviceBox->addItem(WindowText::tr("Read"), int(GroupService::Read));
    typeBox->setObjectName("groupSendType");
    typeBox->setEditable(true);
    typeBox->setMinimumContentsLength(7);
    typeBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    typeBox->addItem(QString());
    typeBox->addItems(lengthTexts());
    for (const char *type : offeredTypes)
        typeBox->addItem(QString::fromLatin1(type));
    typeBox->lineEdit()->setPlaceholderText(WindowText::tr("Type or length"));
    typeBox->setToolTip(
        WindowText::tr("Empty: the address's datapoint type from the address book"));
    valueEdit->setObjectName("groupSendValue");
    valueEdit->setPlaceholderText(WindowText::tr("Value"));
    sendButton->setObjectName("groupSendButton");
    resultLabel->setObjectName("groupSendResult");
    resultLabel->setTextFormat(Qt::PlainText);
    resultLabel->setMinimumWidth(1);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(addressEdit);
    layout->addWidget(serviceBox);
    layout->addWidget(typeBox);
    layout->addWidget(valueEdit, 1);
    layout->addWidget(sendButton);
    layout->addWidget(resultLabel, 2);

    auto *completer = new AddressCompleter(addressEdit, book);
    connect(completer, &AddressCompleter::chosen, this, [this](const QString &address) {
        addressEdit->setText(address);
        followAddress();
    });
    connect(addressEdit, &QLineEdit::editingFinished, this, &GroupSendLine::followAddress);
    connect(serviceBox, &QComboBox::currentIndexChanged, this, [this] {
        valueEdit->setEnabled(GroupService(serviceBox->currentData().toInt()) ==
                              GroupService::Write);
    });
    connect(valueEdit, &QLineEdit::returnPressed, this, &GroupSendLine::send);
    connect(sendButton, &QPushButton::clicked, this, &GroupSendLine::send);
    responseTimer.setSingleShot(true);
    responseTimer.setInterval(ResponseWaitMs);
    connect(&responseTimer, &QTimer::timeout, this, [this] {
        showResult(WindowText::tr("No response from %1 within %2 s.")
                       .arg(groupAddressText(awaited))
                       .arg(ResponseWaitMs / 1000),
                   true);
    });
}

// The value field says in which terms it takes the value.
void GroupSendLine::followAddress()
{
    const GroupAddressEntry *entry = book.find(addressEdit->text().trimmed());
    const std::optional<DatapointType> type =
        entry ? parseDatapointType(entry->datapointType) : std::nullopt;
    valueEdit->setPlaceholderText(type ? datapointTypeName(*type) : WindowText::tr("Value"));
}

void GroupSendLine::send()
{
    const auto service = GroupService(serviceBox->currentData().toInt());
    const GroupSendRequest request = groupSendRequest(
        addressEdit->text(), service, typeBox->currentText(), valueEdit->text(), book);
    if (!request.telegram) {
        showResult(request.error, true);
        return;
    }
    responseTimer.stop();
    showResult(WindowText::tr("Sending…"), false);
    emit sendRequested(*request.telegram);
}

void GroupSendLine::sendDone(const GroupTelegram &telegram)
{
    const QString address = groupAddressText(telegram.destination);
    if (telegram.service == GroupService::Read) {
        awaited = telegram.destination;
        responseTimer.start();
        showResult(WindowText::tr("Read %1 sent, waiting for the response…").arg(address), false);
        return;
    }
    showResult(WindowText::tr("Sent: %1 %2").arg(address, groupValueText(telegram, book)), false);
}

void GroupSendLine::sendFailed(const QString &reason)
{
    responseTimer.stop();
    showResult(reason, true);
}

void GroupSendLine::telegramSeen(const GroupTelegram &telegram)
{
    if (!responseTimer.isActive() || telegram.destination != awaited ||
        telegram.service != GroupService::Response)
        return;
    responseTimer.stop();
    showResult(WindowText::tr("%1 responded: %2")
                   .arg(groupAddressText(telegram.destination), groupValueText(telegram, book)),
               false);
}

void GroupSendLine::showResult(const QString &text, bool fault)
{
    resultLabel->setText(text);
    resultLabel->setToolTip(text);
    resultLabel->setStyleSheet(fault ? QStringLiteral("color: #b00020") : QString());
}
