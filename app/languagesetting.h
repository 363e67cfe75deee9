#pragma once

#include "settingsfile.h"

class QTranslator;

// The interface language, kept under "GeneralSettings/language" in the
// settings file (settingsfile.h).
enum Language { LanguageChinese = 0, LanguageEnglish = 1 };

// The stored value, or LanguageEnglish when the file or key is missing. A text
// that is not a number reads as 0 (Chinese); any other number means English.
// Reading never creates the file.
int readLanguageSetting();

// Writes the value and flushes the file before returning.
SettingsWritten writeLanguageSetting(int language);

// Loads the Chinese catalogue into the translator and installs it in the
// application when the setting chooses Chinese; does nothing otherwise. The
// translator is installed even when the catalogue cannot be loaded.
void installLanguage(QTranslator &translator);
