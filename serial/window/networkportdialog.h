#pragma once

#include "portnames.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QSpinBox;

// Asks for a port of a serial device server: host, TCP port and kind (RFC
// 2217 or raw TCP), filled in from the ports used last, the newest first. The
// host may carry the TCP port ("[::1]:2217"); an IPv6 address needs no brackets.
class NetworkPortDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NetworkPortDialog(const QStringList &recent, QWidget *parent = nullptr);

    NetworkPort port() const;

private:
    void takeRecent(const QString &name);
    void takeHostField();

    QComboBox *recentBox;
    QLineEdit *hostEdit;
    QSpinBox *portBox;
    QComboBox *kindBox;
    QDialogButtonBox *buttons;
};
