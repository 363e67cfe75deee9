#pragma once

#include "settingsfile.h"

class QWidget;

// Tells where a setting went when it could not go into config.ini of the
// working directory: into the user's file (said once a run), or nowhere.
// True when the setting was kept.
bool noteSettingsWritten(SettingsWritten written, QWidget *window);
