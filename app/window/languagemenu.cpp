#include "languagemenu.h"

#include "detachedstart.h"
#include "languagesetting.h"
#include "settingsnotice.h"
#include "windowtext.h"

#include <QAction>
#include <QMessageBox>

LanguageMenu::LanguageMenu(QAction *chinese, QAction *english, QWidget *window,
                           std::function<bool()> mayQuit)
    : QObject(window)
    , window(window)
    , mayQuit(std::move(mayQuit))
{
    const bool inChinese = readLanguageSetting() == LanguageChinese;
    chinese->setEnabled(!inChinese);
    english->setEnabled(inChinese);
}

// A restart would change nothing when the choice could not be kept.
void LanguageMenu::choose(int language)
{
    if (noteSettingsWritten(writeLanguageSetting(language), window))
        askRestart();
}

void LanguageMenu::askRestart()
{
    const auto answer =
        QMessageBox::information(window, WindowText::tr("Restart"), WindowText::tr("Restart now?"),
                                 QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok || !mayQuit())
        return;
    QCoreApplication::exit(0);
    startDetached(QCoreApplication::applicationFilePath());
}
