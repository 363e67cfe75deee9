#include "mainwindow.h"
#include "programversion.h"
#include "ui_mainwindow.h"

#include <QTimer>

namespace {
void selectWholeRowsReadOnly(QTableWidget *table)
{
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

// However small the window, the receive area shows at least LeastLinesShown lines.
void setupReceiveArea(ReceiveView *area)
{
    constexpr int LeastLinesShown = 8;
    QFont font("Courier New [Cronyx]", 10);
    font.setStyleHint(QFont::TypeWriter);
    area->setFont(font);
    area->setMaximumLineCount(ReceivedText::MaxLines);
    area->setMinimumHeight(area->heightForLines(LeastLinesShown));
}
} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    m_work_para = WorkPara();
    setupReceiveArea(ui->textEditRecv);
    setupPortList();
    ui->tableWidget_485toknx_w->setRowCount(0);

    setupStatusBar();
    portOpen = false;
    scanning = false;
    rxCount = 0;
    txCount = 0;
    updateStatusBar();

    ui->groupBox_operation->setEnabled(false);
    for (QTableWidget *table :
         {ui->tableWidget_485toknx_w, ui->tableWidget_1byte, ui->tableWidget_knxto485_w})
        selectWholeRowsReadOnly(table);
    setupInputValidators();
    setupGroupAddresses();

    scanMatrix.clear();
    scanTimer = makeTimer(400, false, &MainWindow::sScanTimeout);
    receiveTimer = makeTimer(3000, true, &MainWindow::sReceiveTimeout);
    readComTimer = makeTimer(50, true, &MainWindow::readComTimeout);
    readBacklogTimer = makeTimer(50, true, &MainWindow::readComTimeout);
    noAnswerTimer = makeTimer(3000, true, &MainWindow::reportNoAnswer);

    setWindowTitle(windowTitle() + " " + programVersion);
    setSendButtonsEnabled(false);
    setupLanguageMenu();
}

MainWindow::~MainWindow()
{
    stopCapture();
    delete ui;
    if (portOpen)
        myCom->close();
    delete myCom;
    releaseConnection();
}

QTimer *MainWindow::makeTimer(int interval, bool singleShot, void (MainWindow::*slot)())
{
    auto *timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(interval);
    timer->setSingleShot(singleShot);
    connect(timer, &QTimer::timeout, this, slot);
    return timer;
}
