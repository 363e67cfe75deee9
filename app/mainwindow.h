#pragma once

#include <QMainWindow>

class QLabel;
class QModelIndex;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private slots:
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
    void on_comboBox_485toknx_w_length_currentIndexChanged(int index);
    void on_comboBox_knxto485_w_length_currentIndexChanged(int index);
    void on_actionChinese_C_triggered();
    void on_actionEnglish_E_triggered();
    void on_actionQuit_Q_triggered();

private:
    void setupStatusBar();
    void updateStatusBar();
    void setupLanguageMenu();
    void chooseLanguage(int language);
    void askRestart();
    void setupInputValidators();
    void clearAllTables();

    Ui::MainWindow *ui;
    QLabel *statusLabel = nullptr;
    QLabel *siteLabel = nullptr;
    bool portOpen = false;
    qint64 rxCount = 0;
    qint64 txCount = 0;
};
