#pragma once

#include <QMainWindow>

class CaptureFile;
class CheckMarks;
class GatewayCommands;
class GroupAddressAssist;
class KnxSession;
class LanguageMenu;
class PortConnection;
class PortSelector;
class ProjectFiles;
class QModelIndex;
class ReceiveDisplay;
class RowCheckCommand;
class StatusNotes;
class TableEditing;

namespace Ui {
class MainWindow;
}

// The main window: the form, and the parts that do the window's work, each
// with one concern. The slots are bound to the form by name and hand on.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

protected:
    // Changes not saved are not given up without a question.
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_pushButtonOpen_clicked();
    void on_pushButtonSave_clicked();
    void on_pushButtonClear_clicked();
    void on_pushButtonDebug_clicked();
    void on_pushButtonConfigSerial_clicked();
    void on_pushButtonBurnData_clicked();
    void on_pushButton_1byte_add_clicked();
    void on_pushButton_1byte_delete_clicked();
    void on_pushButton_1byte_update_clicked();
    void on_pushButton_485toknx_w_add_clicked();
    void on_pushButton_485toknx_w_delete_clicked();
    void on_pushButton_485toknx_w_update_clicked();
    void on_pushButton_knxto485_w_add_clicked();
    void on_pushButton_knxto485_w_delete_clicked();
    void on_pushButton_knxto485_w_update_clicked();
    void on_tableWidget_485toknx_w_clicked(const QModelIndex &index);
    void on_tableWidget_1byte_clicked(const QModelIndex &index);
    void on_tableWidget_knxto485_w_clicked(const QModelIndex &index);
    void on_pushButton_485toknx_w_clear_clicked();
    void on_pushButton_1byte_clear_clicked();
    void on_pushButton_knxto485_w_clear_clicked();
    void on_pushButtonScan_clicked();
    void on_pushButtonWorkMode_clicked();
    void on_comboBox_485toknx_w_length_currentIndexChanged(int index);
    void on_comboBox_knxto485_w_length_currentIndexChanged(int index);
    void on_actionImport_I_triggered();
    void on_actionExport_E_triggered();
    void on_actionClose_C_triggered();
    void on_actionImportTablesCsv_triggered();
    void on_actionExportTablesCsv_triggered();
    void on_actionImportTablesXlsx_triggered();
    void on_actionExportTablesXlsx_triggered();
    void on_actionSiteDetails_triggered();
    void on_actionCommissioningReport_triggered();
    void on_actionChinese_C_triggered();
    void on_actionEnglish_E_triggered();
    void on_actionQuit_Q_triggered();
    void on_pushButton_485toknx_w_send_clicked();
    void on_pushButton_1byte_send_p_clicked();
    void on_pushButton_1byte_send_n_clicked();
    void on_actionCaptureToFile_triggered(bool checked);
    void on_actionImportGroupAddresses_triggered();
    void on_actionGroupAddresses_triggered();
    void on_actionNetworkPort_triggered();
    void on_actionConnectKnx_triggered();
    void on_actionDisconnectKnx_triggered();
    void on_actionGroupMonitor_triggered(bool checked);
    void on_actionCheckRows_triggered();

private:
    // The line and its counters in the status bar.
    void updateStatusBar();

    Ui::MainWindow *ui;
    StatusNotes *statusNotes;
    ReceiveDisplay *receiveDisplay;
    CaptureFile *capture;
    PortConnection *connection;
    PortSelector *portSelector;
    GatewayCommands *commands;
    GroupAddressAssist *groupAddresses;
    TableEditing *tableEditing;
    ProjectFiles *projectFiles;
    LanguageMenu *languageMenu;
    KnxSession *knx;
    CheckMarks *checkMarks;
    RowCheckCommand *rowCheck;
};
