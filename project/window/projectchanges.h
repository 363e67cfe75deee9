#pragma once

#include "project.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace Ui {
class MainWindow;
}

// Whether the project the window shows differs from the one last read or
// written (at the start, and after Close project, from what the window showed
// then). Every change of the tables or the "Serial Options", and any change
// noted, is compared once the events of the change have run.
class ProjectChanges : public QObject
{
    Q_OBJECT

public:
    ProjectChanges(Ui::MainWindow &ui, std::function<Project()> shown, QObject *parent);

    bool isModified() const { return modified; }
    // The project shown now is the file's.
    void markSaved();
    void noteChange() { compareTimer.start(); }

signals:
    void modifiedChanged(bool modified);

private:
    void compare();

    const std::function<Project()> shown;
    Project saved;
    bool modified = false;
    QTimer compareTimer;
};
