#pragma once

#include "downloadframes.h"
#include "frame.h"
#include "groupaddressbook.h"
#include "pacedcall.h"
#include "portlisting.h"
#include "receivedtext.h"
#include "scanmatrix.h"
#include "serialline.h"

#include <QMainWindow>
#include <QSqlDatabase>

class QFile;
class QLabel;
class QModelIndex;
class QProgressBar;
class QTimer;
class ProtocolCapture;
struct Project;
struct TableRowFault;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private slots:
    void on_pushButtonOpen_clicked();
    void readMyCom();
    void readComTimeout();
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
    void sScanTimeout();
    void sReceiveTimeout();
    void on_pushButtonWorkMode_clicked();
    void on_comboBox_485toknx_w_length_currentIndexChanged(int index);
    void on_comboBox_knxto485_w_length_currentIndexChanged(int index);
    void on_actionImport_I_triggered();
    void on_actionExport_E_triggered();
    void on_actionClose_C_triggered();
    void on_actionImportTablesCsv_triggered();
    void on_actionExportTablesCsv_triggered();
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

private:
    // The command whose answer is awaited and the length of that answer.
    struct WorkPara
    {
        qint32 mode = E_FUNC_MODE_NONE;
        qint32 expect_len = 0;
    };

    QTimer *makeTimer(int interval, bool singleShot, void (MainWindow::*slot)());

    // Status bar
    void setupStatusBar();
    QLabel *addStatusNote(const char *name, const QString &text);
    void updateStatusBar();
    void showProgress(const QString &what, int value, int maximum, const QString &format);
    void hideProgress();

    // Port connection
    void setupPortList();
    void refreshPortList();
    void openPort();
    void portOpened();
    void portOpenFailed(const QString &reason, const QString &remedy);
    void closePort();
    void showOpenFailure(const QString &reason, const QString &remedy);
    void setPortSelectorsEnabled(bool enabled);
    void setSendButtonsEnabled(bool enabled);
    void applyComSettings();
    bool refuseFixedLineSettings();
    void closeLostPort(const QString &reason);
    void addNetworkPort(const QString &name);

    // Receive path
    void showReceiveData(const QByteArray &data);
    void showSendData(const QByteArray &frame);
    QString receiveAreaText() const;

    // Gateway commands and answers
    void sendCommand(WorkMode mode, int answerLength, const QByteArray &frame);
    void sendFrame(const QByteArray &frame);
    void checkReceiveData(const QByteArray &data);
    void followSerialSetting();
    void sendModeCommand(WorkMode mode, const QByteArray &frame);
    void reportNoAnswer();

    // Device scan
    void scanStep();
    void sendScanProbe();
    void showScanProgress();
    void endScan();
    void reportNothingFound();
    void adoptScanAnswer(const SerialSettings &settings);

    // Download and test telegrams
    void showRowFault(const TableRowFault &fault);
    void downloadStep();
    void sendTestTelegram(const QString &text);

    // Language
    void setupLanguageMenu();
    void chooseLanguage(int language);
    void askRestart();

    // Protocol capture
    void startCapture();
    void endCapture();
    QString stopCapture();

    // Telegram tables
    void setupInputValidators();
    void clearAllTables();

    // Project files
    bool createConnection(const QString &fileName);
    bool writeProject();
    Project currentProject() const;
    void showProject(const Project &project);
    void releaseConnection();

    // Group addresses: completion in the address fields, hints in the tables
    void setupGroupAddresses();
    void showGroupAddressBook(const GroupAddressBook &book);
    void markRows(TelegramTable table, int first, int last);
    void takeGroupAddress(TelegramTable table, const QString &address);

    Ui::MainWindow *ui;
    QSqlDatabase db;         // the default connection, open only while an export or import runs
    QString projectFileName; // the project file last imported or exported; empty after Close
    QTimer *receiveTimer = nullptr;
    WorkPara m_work_para;
    SerialLine *myCom = nullptr;
    QLabel *statusLabel = nullptr;
    QLabel *siteLabel = nullptr;
    ScanMatrix scanMatrix;
    BurnFlag burnflag;
    bool portOpen = false;
    bool scanning = false;
    qint64 rxCount = 0;
    qint64 txCount = 0;
    QTimer *scanTimer = nullptr;
    QTimer *readComTimer = nullptr;

    // Shows bytes that cannot complete an answer while the line never falls quiet.
    QTimer *readBacklogTimer = nullptr;
    ReceivedText receivedText;
    // The counters follow received bytes at a slower pace than the area.
    PacedCall countersUpdate{500, [this] { updateStatusBar(); }};
    // The rows the download sends, copied when it starts.
    TelegramTables burnTables;
    QLabel *progressLabel = nullptr;
    QProgressBar *progressBar = nullptr;

    // The port list follows the devices while the port is closed.
    QString extraPortPaths;
    QList<PortEntry> listedPorts;
    QStringList networkPorts; // added with "Network port…", listed after the devices

    // Notes a mode or serial-setting command left unanswered.
    QTimer *noAnswerTimer = nullptr;
    QLabel *noAnswerLabel = nullptr;

    // The protocol capture, while one runs.
    QFile *captureFile = nullptr;
    ProtocolCapture *capture = nullptr;
    QLabel *captureLabel = nullptr;
    GroupAddressBook groupAddressBook; // imported from an ETS export
};
