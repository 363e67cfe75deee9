#include "languagesetting.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

namespace {
const char *const languageKey = "GeneralSettings/language";
const char *const chineseCatalogue = ":/tr_SC.qm";
} // namespace

int readLanguageSetting()
{
    QSettings settings(SettingsFileName, QSettings::IniFormat);
    return settings.value(languageKey, LanguageEnglish).toInt();
}

bool writeLanguageSetting(int language)
{
    QSettings settings(SettingsFileName, QSettings::IniFormat);
    settings.setValue(languageKey, language);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

void installLanguage(QTranslator &translator)
{
    if (readLanguageSetting() != LanguageChinese)
        return;
    if (!translator.load(chineseCatalogue))
        qWarning("Cannot load the catalogue %s", chineseCatalogue);
    QCoreApplication::installTranslator(&translator);
}
