#pragma once

#include "knxinterface.h"

#include <QDialog>

class KnxSearch;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// "Connect to KNX…": the interface's address (HOST[:PORT], or routing),
// chosen from the one given at start (./run.sh's virtual bus), those used
// last and those a search on the network finds, or typed.
class KnxConnectDialog : public QDialog
{
    Q_OBJECT

public:
    KnxConnectDialog(const QString &given, const QStringList &recent, QWidget *parent = nullptr);
    ~KnxConnectDialog() override;

    KnxInterface interface() const;

private:
    void addChoice(const QString &label, const QString &text);
    void search();
    void check();

    QLineEdit *addressEdit;
    QListWidget *choices;
    QLabel *searchStatus;
    QPushButton *searchButton;
    QDialogButtonBox *buttons;
    KnxSearch *searcher = nullptr;
};
