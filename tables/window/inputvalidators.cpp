#include "inputvalidators.h"

#include "addresssearch.h"
#include "groupaddressbook.h"
#include "inputrules.h"
#include "ui_mainwindow.h"

#include <QRegularExpressionValidator>

namespace {
// One validator of the rule, shared by the fields.
void shareValidator(QValidator *validator, std::initializer_list<QLineEdit *> fields)
{
    for (QLineEdit *field : fields)
        field->setValidator(validator);
}

void shareInputRule(const QString &pattern, std::initializer_list<QLineEdit *> fields,
                    QObject *owner)
{
    shareValidator(new QRegularExpressionValidator(QRegularExpression(pattern), owner), fields);
}

// The address rule; while there is an address book, also a text with a
// letter, which searches the book.
class AddressFieldValidator : public QRegularExpressionValidator
{
public:
    AddressFieldValidator(const GroupAddressBook &book, QObject *owner)
        : QRegularExpressionValidator(QRegularExpression(groupAddressInputPattern()), owner)
        , book(book)
    {}

    State validate(QString &input, int &position) const override
    {
        if (!book.isEmpty() && isAddressSearch(input))
            return Intermediate;
        return QRegularExpressionValidator::validate(input, position);
    }

private:
    const GroupAddressBook &book;
};
} // namespace

void installInputValidators(Ui::MainWindow &ui, const GroupAddressBook &book, QObject *owner)
{
    shareInputRule(telegramInputPattern(),
                   {ui.lineEdit_485toknx_w_telegram, ui.lineEdit_1byte_telegram1,
                    ui.lineEdit_1byte_telegram2, ui.lineEdit_knxto485_w_telegram},
                   owner);
    shareValidator(
        new AddressFieldValidator(book, owner),
        {ui.lineEdit_485toknx_w_addr, ui.lineEdit_1byte_addr, ui.lineEdit_knxto485_w_addr});
    shareInputRule(ackInputPattern(),
                   {ui.lineEdit_485toknx_w_ack, ui.lineEdit_1byte_ack1, ui.lineEdit_1byte_ack2},
                   owner);
}
