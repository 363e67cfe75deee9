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
    const QSettings settings(settingsFileForReading(), QSettings::IniFormat);
    return settings.value(languageKey, LanguageEnglish).toInt();
}

SettingsWritten writeLanguageSetting(int language)
{
    return writeSettings(
        [language](QSettings &settings) { settings.setValue(languageKey, language); });
}

void installLanguage(QTranslator &translator)
{
    if (readLanguageSetting() != LanguageChinese)
        return;
    if (!translator.load(chineseCatalogue))
        qWarning("Cannot load the catalogue %s", chineseCatalogue);
    QCoreApplication::installTranslator(&translator);
}
