#include "windowundertest.h"

#include "telegrampages.h"

#include <QPushButton>
#include <QTableWidget>

WindowUnderTest::WindowUnderTest(const QStringList &extraPorts)
{
    qputenv("RS485CONFIG_EXTRA_PORTS", extraPorts.join(':').toLocal8Bit());
    mainWindow = std::make_unique<MainWindow>();
    qunsetenv("RS485CONFIG_EXTRA_PORTS");
}

WindowUnderTest::~WindowUnderTest() = default;

void WindowUnderTest::select(const char *comboBox, const QString &item)
{
    auto *box = widget<QComboBox>(comboBox);
    const int index = box->findText(item);
    if (index < 0)
        qFatal("%s has no item %s", comboBox, qPrintable(item));
    box->setCurrentIndex(index);
}

bool WindowUnderTest::isPortOpen() const
{
    return widget<QPushButton>("pushButtonOpen")->text() == "Close";
}

bool WindowUnderTest::openPort(const QString &entry)
{
    select("comboBoxComm", entry);
    click("pushButtonOpen");
    return isPortOpen();
}

TelegramTables WindowUnderTest::tables() const
{
    return {
        recordsFromCells<Tele485ToKnxW>(tableRows(widget<QTableWidget>("tableWidget_485toknx_w"))),
        recordsFromCells<Tele1Byte>(tableRows(widget<QTableWidget>("tableWidget_1byte"))),
        recordsFromCells<TeleKnxTo485W>(tableRows(widget<QTableWidget>("tableWidget_knxto485_w")))};
}
