#include "settingsnotice.h"

#include "plaintext.h"
#include "windowtext.h"

#include <QDir>

bool noteSettingsWritten(SettingsWritten written, QWidget *window)
{
    static bool userDirectoryTold = false;
    const QString here = QDir::toNativeSeparators(QDir::current().filePath(SettingsFileName));
    switch (written) {
    case SettingsWritten::InWorkingDirectory:
        return true;
    case SettingsWritten::InUserDirectory:
        if (!std::exchange(userDirectoryTold, true))
            showPlainBox(window, QMessageBox::Information, WindowText::tr("Settings"),
                         WindowText::tr("%1 cannot be written: the settings are kept in %2.")
                             .arg(here, QDir::toNativeSeparators(userSettingsFile())));
        return true;
    case SettingsWritten::Nowhere:
        break;
    }
    showPlainBox(window, QMessageBox::Critical, WindowText::tr("ERROR"),
                 WindowText::tr("The settings cannot be saved: neither %1 nor %2 can be written.")
                     .arg(here, QDir::toNativeSeparators(userSettingsFile())));
    return false;
}
