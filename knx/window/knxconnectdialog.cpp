#include "knxconnectdialog.h"

#include "knxaddresses.h"
#include "knxsearch.h"
#include "windowtext.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString routingText()
{
    return QStringLiteral("routing");
}
} // namespace

KnxConnectDialog::KnxConnectDialog(const QString &given, const QStringList &recent, QWidget *parent)
    : QDialog(parent)
    , addressEdit(new QLineEdit(this))
    , choices(new QListWidget(this))
    , searchStatus(new QLabel(this))
    , searchButton(new QPushButton(WindowText::tr("Search again"), this))
    , buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setObjectName("knxConnectDialog");
    setWindowTitle(WindowText::tr("Connect to KNX"));
    addressEdit->setObjectName("knxInterfaceEdit");
    addressEdit->setPlaceholderText(WindowText::tr("192.168.1.20:3671 or routing"));
    choices->setObjectName("knxInterfaceList");
    searchStatus->setObjectName("knxSearchStatus");
    searchStatus->setTextFormat(Qt::PlainText);
    // Wide enough from the start for the search's outcome, so that the
    // buttons do not move under the pointer when it comes; longer texts wrap.
    searchStatus->setWordWrap(true);
    searchStatus->setMinimumWidth(searchStatus->fontMetrics().horizontalAdvance(
        WindowText::tr("No KNX interface answered the search; type its address.")));
    searchButton->setObjectName("knxSearchButton");

    if (!given.isEmpty())
        addChoice(WindowText::tr("%1 (given at start)").arg(given), given);
    for (const QString &text : recent)
        addChoice(WindowText::tr("%1 (used before)").arg(text), text);
    addChoice(WindowText::tr("KNX IP routing (multicast 224.0.23.12)"), routingText());
    addressEdit->setText(given.isEmpty() ? recent.value(0) : given);

    auto *form = new QFormLayout;
    form->addRow(WindowText::tr("Interface:"), addressEdit);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(choices, 1);
    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(searchStatus, 1);
    searchRow->addWidget(searchButton);
    layout->addLayout(searchRow);
    layout->addWidget(buttons);

    connect(choices, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item)
            addressEdit->setText(item->data(Qt::UserRole).toString());
    });
    connect(choices, &QListWidget::itemDoubleClicked, this, &KnxConnectDialog::check);
    connect(searchButton, &QPushButton::clicked, this, &KnxConnectDialog::search);
    connect(buttons, &QDialogButtonBox::accepted, this, &KnxConnectDialog::check);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    search();
}

KnxConnectDialog::~KnxConnectDialog() = default;

KnxInterface KnxConnectDialog::interface() const
{
    return parseKnxInterface(addressEdit->text()).value_or(KnxInterface());
}

void KnxConnectDialog::addChoice(const QString &label, const QString &text)
{
    for (int row = 0; row < choices->count(); ++row) {
        if (choices->item(row)->data(Qt::UserRole).toString() == text)
            return;
    }
    auto *item = new QListWidgetItem(label, choices);
    item->setData(Qt::UserRole, text);
    item->setToolTip(text);
}

void KnxConnectDialog::search()
{
    delete searcher;
    searcher = new KnxSearch(this);
    searchButton->setEnabled(false);
    searchStatus->setText(WindowText::tr("Searching for KNX interfaces…"));
    connect(searcher, &KnxSearch::interfaceFound, this, [this](const FoundKnxInterface &found) {
        addChoice(WindowText::tr("%1 (%2) at %3")
                      .arg(found.name, individualAddressText(found.individualAddress),
                           found.interface.text()),
                  found.interface.text());
    });
    connect(searcher, &KnxSearch::finished, this, [this](const QString &error) {
        searchButton->setEnabled(true);
        const int count = int(searcher->found().size());
        if (!error.isEmpty())
            searchStatus->setText(error);
        else if (count == 0)
            searchStatus->setText(
                WindowText::tr("No KNX interface answered the search; type its address."));
        else
            searchStatus->setText(WindowText::tr("Interfaces found: %1.").arg(count));
    });
    searcher->start();
}

void KnxConnectDialog::check()
{
    if (parseKnxInterface(addressEdit->text())) {
        accept();
        return;
    }
    searchStatus->setText(
        WindowText::tr("\"%1\" is no interface: type HOST or HOST:PORT (for example "
                       "192.168.1.20:3671), or routing.")
            .arg(addressEdit->text()));
    addressEdit->setFocus();
}
