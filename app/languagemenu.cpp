#include "detachedstart.h"
#include "languagesetting.h"
#include "mainwindow.h"
#include "plaintext.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QMessageBox>

void MainWindow::setupLanguageMenu()
{
    const bool chinese = readLanguageSetting() == LanguageChinese;
    ui->actionChinese_C->setEnabled(!chinese);
    ui->actionEnglish_E->setEnabled(chinese);
}

void MainWindow::on_actionChinese_C_triggered()
{
    chooseLanguage(LanguageChinese);
}

void MainWindow::on_actionEnglish_E_triggered()
{
    chooseLanguage(LanguageEnglish);
}

void MainWindow::on_actionQuit_Q_triggered()
{
    QCoreApplication::quit();
}

// The new language takes effect at the next start; a restart would change
// nothing when it could not be kept.
void MainWindow::chooseLanguage(int language)
{
    if (writeLanguageSetting(language)) {
        askRestart();
        return;
    }
    showPlainBox(this, QMessageBox::Critical, tr("ERROR"),
                 tr("The language setting could not be saved: config.ini in %1 cannot "
                    "be written.")
                     .arg(QDir::toNativeSeparators(QDir::currentPath())));
}

void MainWindow::askRestart()
{
    const auto answer = QMessageBox::information(this, tr("Restart"), tr("Restart now?"),
                                                 QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok)
        return;
    QCoreApplication::exit(0);
    startDetached(QCoreApplication::applicationFilePath());
}
