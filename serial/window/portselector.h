#pragma once

#include "portlisting.h"

#include <QObject>
#include <QStringList>

#include <functional>

class QComboBox;
class QWidget;

// The port selector. While the line is not in use it follows the machine:
// every second, and whenever it is opened, it lists the paths of
// RS485CONFIG_EXTRA_PORTS (as the tool was started) that exist, the serial
// ports, then the network ports added; the selection stays on its device
// while that is there. An entry's tooltip tells what is known of the device.
class PortSelector : public QObject
{
    Q_OBJECT

public:
    static constexpr int RefreshMs = 1000;

    PortSelector(QComboBox *box, std::function<bool()> lineInUse);

    void refresh();
    // "Network port…": asks for a port of a serial device server, adds it,
    // selected, and remembers it among the ports used last.
    void askNetworkPort(QWidget *window);

private:
    void addNetworkPort(const QString &name);

    QComboBox *box;
    const std::function<bool()> lineInUse;
    const QString extraPortPaths;
    QList<PortEntry> listedPorts;
    QStringList networkPorts; // listed after the devices while the tool runs
};
