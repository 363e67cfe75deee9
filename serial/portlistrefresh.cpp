#include "mainwindow.h"
#include "plaintext.h"
#include "portlisting.h"
#include "ui_mainwindow.h"

#include <QAbstractItemView>
#include <QScrollBar>
#include <QTimer>

#include <functional>

namespace {
// Calls back before a mouse or key press reaches the watched widget, so that a
// combo box can be filled anew before its popup opens.
class PressWatcher : public QObject
{
public:
    PressWatcher(QWidget *watched, std::function<void()> pressed)
        : QObject(watched)
        , pressed(std::move(pressed))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress)
            pressed();
        return false;
    }

private:
    std::function<void()> pressed;
};

constexpr int PortListRefreshMs = 1000;
} // namespace

// The extra paths are those the tool was started with.
void MainWindow::setupPortList()
{
    extraPortPaths = qEnvironmentVariable("RS485CONFIG_EXTRA_PORTS");
    ui->comboBoxComm->clear();
    refreshPortList();
    makeTimer(PortListRefreshMs, false, &MainWindow::refreshPortList)->start();
    new PressWatcher(ui->comboBoxComm, [this] { refreshPortList(); });
}

// While the port is closed the list follows the devices that come and go; the
// selection stays on its device while that is there. The network ports added
// follow the devices. An open popup is left as it is.
void MainWindow::refreshPortList()
{
    if (portOpen || (myCom && myCom->isOpening()) || ui->comboBoxComm->view()->isVisible())
        return;
    QList<PortEntry> ports = listPorts(extraPortPaths);
    for (const QString &name : std::as_const(networkPorts))
        ports << networkPortEntry(name);
    if (ports == listedPorts)
        return;
    listedPorts = ports;
    QComboBox *box = ui->comboBoxComm;
    const QString selected = box->currentText();
    box->clear();
    for (const PortEntry &port : ports) {
        box->addItem(port.path);
        box->setItemData(box->count() - 1, plainToolTip(portDetails(port)), Qt::ToolTipRole);
    }
    box->setCurrentIndex(qMax(0, box->findText(selected)));
    // The popup shows every path whole, however narrow the box.
    QAbstractItemView *popup = box->view();
    popup->setMinimumWidth(popup->sizeHintForColumn(0) +
                           2 * popup->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) +
                           popup->verticalScrollBar()->sizeHint().width());
}
