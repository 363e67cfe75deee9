#include "mainwindow.h"
#include "ui_mainwindow.h"

namespace {
const char *const programVersion = "V1.1.3";

void selectWholeRowsReadOnly(QTableWidget *table) {
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
}
} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow) {
    ui->setupUi(this);

    QFont receiveFont("Courier New [Cronyx]", 10);
    receiveFont.setStyleHint(QFont::TypeWriter);
    ui->textEditRecv->setFont(receiveFont);

    ui->tableWidget_485toknx_w->setRowCount(0);
    setupStatusBar();
    portOpen = false;
    rxCount = 0;
    txCount = 0;
    updateStatusBar();

    ui->groupBox_operation->setEnabled(false);
    for (QTableWidget *table :
         {ui->tableWidget_485toknx_w, ui->tableWidget_1byte, ui->tableWidget_knxto485_w})
        selectWholeRowsReadOnly(table);
    setupInputValidators();

    setWindowTitle(windowTitle() + " " + programVersion);

    ui->pushButton_1byte_send_n->setEnabled(false);
    ui->pushButton_1byte_send_p->setEnabled(false);
    ui->pushButton_485toknx_w_send->setEnabled(false);

    setupLanguageMenu();
}

MainWindow::~MainWindow() {
    delete ui;
}
