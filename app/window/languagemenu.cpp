#include "languagemenu.h"

#include "detachedstart.h"
#include "languagesetting.h"
#include "plaintext.h"
#include "windowtext.h"

#include <QAction>
#include <QDir>
#include <QMessageBox>

LanguageMenu::LanguageMenu(QAction *chinese, QAction *english, QWidget *window)
    : QObject(window)
    , window(window)
{
    const bool inChinese = readLanguageSetting() == LanguageChinese;
    chinese->setEnabled(!inChinese);
    english->setEnabled(inChinese);
}

// A restart would change nothing when the choice could not be kept.
void LanguageMenu::choose(int language)
{
    if (writeLanguageSetting(language)) {
        askRestart();
        return;
    }
    showPlainBox(window, QMessageBox::Critical, WindowText::tr("ERROR"),
                 WindowText::tr("The language setting could not be saved: config.ini in %1 cannot "
                                "be written.")
                     .arg(QDir::toNativeSeparators(QDir::currentPath())));
}

void LanguageMenu::askRestart()
{
    const auto answer =
        QMessageBox::information(window, WindowText::tr("Restart"), WindowText::tr("Restart now?"),
                                 QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok)
        return;
    QCoreApplication::exit(0);
    startDetached(QCoreApplication::applicationFilePath());
}
