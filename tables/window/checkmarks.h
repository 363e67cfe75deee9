#pragma once

#include "checkresults.h"

#include <QObject>
#include <QTimer>

namespace Ui {
class MainWindow;
}

// The commissioning check's marks in the tables: a check or a cross icon in
// a checked row's Name cell, the outcome and time in its tooltip. A row whose
// cells change, or that goes, loses its mark and its result.
class CheckMarks : public QObject
{
    Q_OBJECT

public:
    CheckMarks(Ui::MainWindow &ui, QObject *parent);

    // The results of rows that read as when they were checked.
    QList<RowCheckResult> results() const { return held; }
    void setResults(const QList<RowCheckResult> &results);
    void add(const RowCheckResult &result);

signals:
    // Results came, went, or were replaced.
    void changed();

private:
    void refresh();
    void mark(const RowCheckResult *result, TableRow where);

    Ui::MainWindow &ui;
    QList<RowCheckResult> held;
    QTimer refreshTimer; // after the events of a change of the tables
};
