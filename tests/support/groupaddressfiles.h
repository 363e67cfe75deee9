#pragma once

#include "messageboxanswerer.h"
#include "telegrampages.h"
#include "windowundertest.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>

// An ETS 1/1 export: main group 1 "Lighting", middle group 1/2 "Ground
// floor", a switched light and a dimmer.
inline const QByteArray sampleGroupAddressExport =
    "\"Group name\";\"Address\";\"DatapointType\"\r\n"
    "\"Lighting\";\"1/-/-\";\"\"\r\n"
    "\"Ground floor\";\"1/2/-\";\"\"\r\n"
    "\"Ceiling light\";\"1/2/3\";\"DPST-1-1\"\r\n"
    "\"Dimmer\";\"1/2/4\";\"DPT-5\"\r\n";

// Imports the export through the File menu from a file of its own.
inline void importGroupAddresses(WindowUnderTest &w, MessageBoxAnswerer &answerer,
                                 const QByteArray &bytes = sampleGroupAddressExport)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("export.csv"));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("Cannot write %s", qPrintable(file.fileName()));
    file.close();
    answerer.answerFileDialog(file.fileName());
    w.widget<QAction>("actionImportGroupAddresses")->trigger();
}

// The rows of the "Group addresses" view: address, name, main and middle
// group, datapoint type, description, the rows that use the address.
inline QList<QStringList> groupAddressRows(WindowUnderTest &w)
{
    w.widget<QAction>("actionGroupAddresses")->trigger();
    auto *view = w.widget<QDialog>("groupAddressesDialog");
    const QList<QStringList> rows =
        tableRows(view->findChild<QTableWidget *>("tableWidgetGroupAddresses"));
    delete view;
    return rows;
}
