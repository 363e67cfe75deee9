#include "networkportdialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {
constexpr int DefaultTcpPort = 2217;
} // namespace

NetworkPortDialog::NetworkPortDialog(const QStringList &recent, QWidget *parent)
    : QDialog(parent)
    , recentBox(new QComboBox(this))
    , hostEdit(new QLineEdit(this))
    , portBox(new QSpinBox(this))
    , kindBox(new QComboBox(this))
    , buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setObjectName("networkPortDialog");
    setWindowTitle(QCoreApplication::translate("MainWindow", "Network port"));
    recentBox->setObjectName("comboBoxNetworkRecent");
    recentBox->addItems(recent);
    hostEdit->setObjectName("lineEditNetworkHost");
    hostEdit->setPlaceholderText(QCoreApplication::translate("MainWindow", "name or address"));
    portBox->setObjectName("spinBoxNetworkPort");
    portBox->setRange(1, 65535);
    portBox->setValue(DefaultTcpPort);
    kindBox->setObjectName("comboBoxNetworkKind");
    kindBox->addItem(
        QCoreApplication::translate("MainWindow", "RFC 2217: the line settings are carried"),
        int(LineKind::Rfc2217));
    kindBox->addItem(
        QCoreApplication::translate("MainWindow", "TCP: raw bytes, the server fixes the settings"),
        int(LineKind::RawTcp));

    auto *form = new QFormLayout(this);
    if (!recent.isEmpty())
        form->addRow(QCoreApplication::translate("MainWindow", "Used last:"), recentBox);
    else
        recentBox->hide();
    form->addRow(QCoreApplication::translate("MainWindow", "Host:"), hostEdit);
    form->addRow(QCoreApplication::translate("MainWindow", "Port:"), portBox);
    form->addRow(QCoreApplication::translate("MainWindow", "Kind:"), kindBox);
    form->addRow(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(hostEdit, &QLineEdit::textChanged, this, &NetworkPortDialog::takeHostField);
    connect(recentBox, &QComboBox::textActivated, this, &NetworkPortDialog::takeRecent);
    takeRecent(recent.value(0));
    takeHostField();
}

// A port written after the host is the port.
void NetworkPortDialog::takeHostField()
{
    const std::optional<HostField> field = hostFieldOf(hostEdit->text());
    if (field && field->port)
        portBox->setValue(*field->port);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(field.has_value());
}

void NetworkPortDialog::takeRecent(const QString &name)
{
    const std::optional<NetworkPort> port = networkPortOf(name);
    if (!port)
        return;
    hostEdit->setText(port->host);
    portBox->setValue(port->port);
    kindBox->setCurrentIndex(kindBox->findData(int(port->kind)));
}

NetworkPort NetworkPortDialog::port() const
{
    const std::optional<HostField> field = hostFieldOf(hostEdit->text());
    return {LineKind(kindBox->currentData().toInt()), field ? field->host : QString(),
            field && field->port ? *field->port : quint16(portBox->value())};
}
