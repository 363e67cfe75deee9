#include "mainwindow.h"

#include "capturefile.h"
#include "checkmarks.h"
#include "gatewaycommands.h"
#include "groupaddressassist.h"
#include "inputvalidators.h"
#include "knxsession.h"
#include "languagemenu.h"
#include "languagesetting.h"
#include "portconnection.h"
#include "portselector.h"
#include "programversion.h"
#include "projectfiles.h"
#include "receivedisplay.h"
#include "rowcheckcommand.h"
#include "statusnotes.h"
#include "tablecolumns.h"
#include "tableediting.h"
#include "telegrampages.h"
#include "ui_mainwindow.h"

#include <QCloseEvent>

namespace {
void selectWholeRowsReadOnly(QTableWidget *table)
{
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
}
} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    statusNotes = new StatusNotes(ui->statusBar);
    receiveDisplay = new ReceiveDisplay(ui->textEditRecv, ui->checkBoxHex4Disp, this);
    capture = new CaptureFile(ui->actionCaptureToFile, statusNotes, this);
    connection = new PortConnection(*ui, statusNotes, this);
    portSelector = new PortSelector(ui->comboBoxComm, [this] { return connection->isInUse(); });
    commands = new GatewayCommands(*ui, *connection, *receiveDisplay, *statusNotes, *capture, this);
    groupAddresses = new GroupAddressAssist(*ui, this);
    tableEditing = new TableEditing(*ui, *statusNotes, this);
    checkMarks = new CheckMarks(*ui, this);
    projectFiles = new ProjectFiles(*ui, *groupAddresses, *checkMarks, this);
    languageMenu = new LanguageMenu(ui->actionChinese_C, ui->actionEnglish_E, this,
                                    [this] { return projectFiles->askToSaveChanges(); });
    knx = new KnxSession(*ui, groupAddresses->book(), *statusNotes, *capture, this);
    rowCheck = new RowCheckCommand(*ui, *connection, *knx, *checkMarks, this);

    LineSession &session = connection->session();
    connect(&session, &LineSession::shown, receiveDisplay, &ReceiveDisplay::showReceiveData);
    connect(&session, &LineSession::sent, receiveDisplay, &ReceiveDisplay::showSendData);
    connect(&session, &LineSession::received, capture, &CaptureFile::received);
    connect(&session, &LineSession::sent, capture, &CaptureFile::sent);
    connect(connection, &PortConnection::lost, capture, &CaptureFile::stop);
    connect(connection, &PortConnection::stateChanged, this, &MainWindow::updateStatusBar);
    connect(receiveDisplay, &ReceiveDisplay::countersChanged, this, &MainWindow::updateStatusBar);
    connect(commands, &GatewayCommands::gatewaySettingsKnown, projectFiles,
            &ProjectFiles::setGatewaySettings);
    connect(groupAddresses, &GroupAddressAssist::bookChanged, knx, &KnxSession::bookChanged);

    ui->tableWidget_485toknx_w->setRowCount(0);
    for (const TelegramTable kind : telegramTables) {
        QTableWidget *table = telegramPage(*ui, kind).table;
        selectWholeRowsReadOnly(table);
        fitColumns(table, kind);
    }
    installInputValidators(*ui, groupAddresses->book(), this);
    const QString title = windowTitle() + " " + programVersion;
    setWindowTitle(title);
    connect(projectFiles, &ProjectFiles::modifiedChanged, this,
            [this, title](bool modified) { setWindowTitle(modified ? title + "*" : title); });
    updateStatusBar();
}

// The capture's file is finished while its action and label are there; the
// port closes with its engine.
MainWindow::~MainWindow()
{
    capture->stop();
    connection->closePort();
    delete ui;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (projectFiles->askToSaveChanges())
        event->accept();
    else
        event->ignore();
}

void MainWindow::updateStatusBar()
{
    statusNotes->showLine(connection->statusText() + receiveDisplay->countersText());
}

void MainWindow::on_pushButtonOpen_clicked()
{
    connection->openOrClose();
}

void MainWindow::on_actionNetworkPort_triggered()
{
    portSelector->askNetworkPort(this);
}

void MainWindow::on_actionConnectKnx_triggered()
{
    knx->askToConnect();
}

void MainWindow::on_actionDisconnectKnx_triggered()
{
    knx->disconnectFromBus();
}

void MainWindow::on_actionGroupMonitor_triggered(bool checked)
{
    knx->showMonitor(checked);
}

void MainWindow::on_actionCheckRows_triggered()
{
    rowCheck->run();
}

void MainWindow::on_pushButtonSave_clicked()
{
    receiveDisplay->save();
}

void MainWindow::on_pushButtonClear_clicked()
{
    receiveDisplay->clear();
}

void MainWindow::on_actionCaptureToFile_triggered(bool checked)
{
    capture->toggle(checked);
}

void MainWindow::on_pushButtonScan_clicked()
{
    commands->scan();
}

void MainWindow::on_pushButtonDebug_clicked()
{
    commands->debugMode();
}

void MainWindow::on_pushButtonWorkMode_clicked()
{
    commands->workingMode();
}

void MainWindow::on_pushButtonConfigSerial_clicked()
{
    commands->configureSerial();
}

void MainWindow::on_pushButtonBurnData_clicked()
{
    commands->download();
}

void MainWindow::on_pushButton_485toknx_w_send_clicked()
{
    commands->sendTestTelegram(ui->lineEdit_485toknx_w_telegram->text());
}

void MainWindow::on_pushButton_1byte_send_p_clicked()
{
    commands->sendTestTelegram(ui->lineEdit_1byte_telegram1->text());
}

void MainWindow::on_pushButton_1byte_send_n_clicked()
{
    commands->sendTestTelegram(ui->lineEdit_1byte_telegram2->text());
}

void MainWindow::on_pushButton_1byte_add_clicked()
{
    tableEditing->add(TelegramTable::Tele1Byte);
}

void MainWindow::on_pushButton_1byte_delete_clicked()
{
    tableEditing->remove(TelegramTable::Tele1Byte);
}

void MainWindow::on_pushButton_1byte_update_clicked()
{
    tableEditing->update(TelegramTable::Tele1Byte);
}

void MainWindow::on_pushButton_485toknx_w_add_clicked()
{
    tableEditing->add(TelegramTable::Tele485ToKnxW);
}

void MainWindow::on_pushButton_485toknx_w_delete_clicked()
{
    tableEditing->remove(TelegramTable::Tele485ToKnxW);
}

void MainWindow::on_pushButton_485toknx_w_update_clicked()
{
    tableEditing->update(TelegramTable::Tele485ToKnxW);
}

void MainWindow::on_pushButton_knxto485_w_add_clicked()
{
    tableEditing->add(TelegramTable::TeleKnxTo485W);
}

void MainWindow::on_pushButton_knxto485_w_delete_clicked()
{
    tableEditing->remove(TelegramTable::TeleKnxTo485W);
}

void MainWindow::on_pushButton_knxto485_w_update_clicked()
{
    tableEditing->update(TelegramTable::TeleKnxTo485W);
}

void MainWindow::on_tableWidget_485toknx_w_clicked(const QModelIndex &)
{
    tableEditing->load(TelegramTable::Tele485ToKnxW);
}

void MainWindow::on_tableWidget_1byte_clicked(const QModelIndex &)
{
    tableEditing->load(TelegramTable::Tele1Byte);
}

void MainWindow::on_tableWidget_knxto485_w_clicked(const QModelIndex &)
{
    tableEditing->load(TelegramTable::TeleKnxTo485W);
}

void MainWindow::on_pushButton_485toknx_w_clear_clicked()
{
    tableEditing->clear(TelegramTable::Tele485ToKnxW);
}

void MainWindow::on_pushButton_1byte_clear_clicked()
{
    tableEditing->clear(TelegramTable::Tele1Byte);
}

void MainWindow::on_pushButton_knxto485_w_clear_clicked()
{
    tableEditing->clear(TelegramTable::TeleKnxTo485W);
}

void MainWindow::on_comboBox_485toknx_w_length_currentIndexChanged(int index)
{
    applyValueRange(ui->spinBox_485toknx_w_value, index);
}

void MainWindow::on_comboBox_knxto485_w_length_currentIndexChanged(int index)
{
    applyValueRange(ui->spinBox_knxto485_w_value, index);
}

void MainWindow::on_actionImport_I_triggered()
{
    projectFiles->importProject();
}

void MainWindow::on_actionExport_E_triggered()
{
    projectFiles->exportProject();
}

void MainWindow::on_actionClose_C_triggered()
{
    projectFiles->closeProject();
}

void MainWindow::on_actionImportTablesCsv_triggered()
{
    projectFiles->importTablesCsv();
}

void MainWindow::on_actionExportTablesCsv_triggered()
{
    projectFiles->exportTablesCsv();
}

void MainWindow::on_actionSiteDetails_triggered()
{
    projectFiles->editSiteDetails();
}

void MainWindow::on_actionImportTablesXlsx_triggered()
{
    projectFiles->importTablesXlsx();
}

void MainWindow::on_actionExportTablesXlsx_triggered()
{
    projectFiles->exportTablesXlsx();
}

void MainWindow::on_actionCommissioningReport_triggered()
{
    projectFiles->writeCommissioningReport();
}

void MainWindow::on_actionImportGroupAddresses_triggered()
{
    projectFiles->importGroupAddresses();
}

void MainWindow::on_actionGroupAddresses_triggered()
{
    projectFiles->showGroupAddresses();
}

void MainWindow::on_actionChinese_C_triggered()
{
    languageMenu->choose(LanguageChinese);
}

void MainWindow::on_actionEnglish_E_triggered()
{
    languageMenu->choose(LanguageEnglish);
}

void MainWindow::on_actionQuit_Q_triggered()
{
    if (projectFiles->askToSaveChanges())
        QCoreApplication::quit();
}
