#pragma once

#include <QObject>

#include <functional>

class QAction;
class QWidget;

// The Language menu: the action of the language in use is greyed out; a
// choice is written to config.ini and offers to restart the tool, in which
// the new language takes effect; the restart asks mayQuit() first.
class LanguageMenu : public QObject
{
    Q_OBJECT

public:
    LanguageMenu(QAction *chinese, QAction *english, QWidget *window,
                 std::function<bool()> mayQuit);

    void choose(int language);

private:
    void askRestart();

    QWidget *window;
    const std::function<bool()> mayQuit;
};
