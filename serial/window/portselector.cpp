#include "portselector.h"

#include "networkportdialog.h"
#include "plaintext.h"
#include "recentnetworkports.h"
#include "settingsnotice.h"
#include "windowtext.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QScrollBar>
#include <QTimer>

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
} // namespace

PortSelector::PortSelector(QComboBox *box, std::function<bool()> lineInUse)
    : QObject(box)
    , box(box)
    , lineInUse(std::move(lineInUse))
    , extraPortPaths(qEnvironmentVariable("RS485CONFIG_EXTRA_PORTS"))
{
    box->clear();
    refresh();
    auto *timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, &PortSelector::refresh);
    timer->start(RefreshMs);
    new PressWatcher(box, [this] { refresh(); });
}

// An open popup is left as it is.
void PortSelector::refresh()
{
    if (lineInUse() || box->view()->isVisible())
        return;
    QList<PortEntry> ports = listPorts(extraPortPaths);
    for (const QString &name : std::as_const(networkPorts))
        ports << networkPortEntry(name);
    if (ports == listedPorts)
        return;
    listedPorts = ports;
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

void PortSelector::askNetworkPort(QWidget *window)
{
    const QStringList recent = readRecentNetworkPorts();
    NetworkPortDialog dialog(recent, window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString name = networkPortName(dialog.port());
    addNetworkPort(name);
    noteSettingsWritten(writeRecentNetworkPorts(withRecentNetworkPort(recent, name)), window);
}

void PortSelector::addNetworkPort(const QString &name)
{
    if (!networkPorts.contains(name))
        networkPorts << name;
    refresh();
    box->setCurrentIndex(box->findText(name));
}
