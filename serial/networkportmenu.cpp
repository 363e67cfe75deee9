#include "mainwindow.h"
#include "networkportdialog.h"
#include "plaintext.h"
#include "portlisting.h"
#include "recentnetworkports.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QMessageBox>

// Adds a port of a serial device server to the port list, selected, and
// remembers it among the ports used last.
void MainWindow::on_actionNetworkPort_triggered()
{
    const QStringList recent = readRecentNetworkPorts();
    NetworkPortDialog dialog(recent, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString name = networkPortName(dialog.port());
    addNetworkPort(name);
    if (!writeRecentNetworkPorts(withRecentNetworkPort(recent, name)))
        showPlainBox(this, QMessageBox::Critical, tr("ERROR"),
                     tr("The network port could not be remembered: config.ini in %1 "
                        "cannot be written.")
                         .arg(QDir::toNativeSeparators(QDir::currentPath())));
}

void MainWindow::addNetworkPort(const QString &name)
{
    if (!networkPorts.contains(name))
        networkPorts << name;
    refreshPortList();
    ui->comboBoxComm->setCurrentIndex(ui->comboBoxComm->findText(name));
}
