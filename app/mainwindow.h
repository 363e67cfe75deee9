#pragma once

#include <QMainWindow>

class QLabel;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private slots:
    void on_actionChinese_C_triggered();
    void on_actionEnglish_E_triggered();
    void on_actionQuit_Q_triggered();

private:
    void setupStatusBar();
    void updateStatusBar();
    void setupLanguageMenu();
    void chooseLanguage(int language);
    void askRestart();

    Ui::MainWindow *ui;
    QLabel *statusLabel = nullptr;
    QLabel *siteLabel = nullptr;
    bool portOpen = false;
    qint64 rxCount = 0;
    qint64 txCount = 0;
};
