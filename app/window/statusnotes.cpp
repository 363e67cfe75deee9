#include "statusnotes.h"

#include "windowtext.h"

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>

StatusNotes::StatusNotes(QStatusBar *bar)
    : QObject(bar)
    , statusLabel(new QLabel(bar))
    , knxLabel(new QLabel(bar))
    , siteLabel(new QLabel(bar))
    , progressLabel(new QLabel(bar))
    , progressBar(new QProgressBar(bar))
{
    statusLabel->setObjectName("statusLabel");
    statusLabel->setTextFormat(Qt::PlainText);
    statusLabel->setMinimumSize(150, 20);
    statusLabel->setFrameShape(QFrame::Panel);
    statusLabel->setFrameShadow(QFrame::Sunken);

    knxLabel->setObjectName("knxStatusLabel");
    knxLabel->setTextFormat(Qt::PlainText);
    knxLabel->setMinimumWidth(1);
    knxLabel->setFrameShape(QFrame::Panel);
    knxLabel->setFrameShadow(QFrame::Sunken);
    knxLabel->hide(); // until a KNX connection is tried

    siteLabel->setObjectName("siteLabel");
    siteLabel->setMinimumWidth(1); // gives way first where the bar is short of room
    siteLabel->setFrameShape(QFrame::Panel);
    siteLabel->setFrameShadow(QFrame::Sunken);
    siteLabel->setOpenExternalLinks(true);
    const QString site = WindowText::tr("Site:<a href=\"%1\">%1</a>").arg(RS485CONFIG_SITE_URL);
    siteLabel->setText(site);
    siteLabel->setToolTip(site);
    siteLabel->setStatusTip(WindowText::tr("The rs485config developers"));

    bar->addPermanentWidget(statusLabel, 1);
    bar->addPermanentWidget(knxLabel, 0);
    bar->addPermanentWidget(siteLabel, 0);

    progressLabel->setObjectName("progressLabel");
    progressLabel->setTextFormat(Qt::PlainText);
    progressLabel->setMinimumWidth(1);
    progressBar->setObjectName("progressBar");
    progressBar->setMaximumWidth(160);
    bar->addWidget(progressLabel);
    bar->addWidget(progressBar);
    hideProgress();

    noAnswerLabel = addNote(bar, "noAnswerLabel", WindowText::tr("No answer from the gateway"));
    captureLabel = addNote(bar, "captureLabel", QString());
    downloadEndedLabel = addNote(bar, "downloadEndedLabel", QString());
    inputFaultLabel = addNote(bar, "inputFaultLabel", QString());
}

// A note left of the permanent labels, hidden until it applies.
QLabel *StatusNotes::addNote(QStatusBar *bar, const char *name, const QString &text)
{
    auto *note = new QLabel(text, bar);
    note->setObjectName(name);
    note->setTextFormat(Qt::PlainText);
    note->setMinimumWidth(1);
    bar->addWidget(note);
    note->hide();
    return note;
}

void StatusNotes::showLine(const QString &text)
{
    statusLabel->setText(text);
    statusLabel->setToolTip(text);
}

void StatusNotes::showKnx(const QString &text)
{
    knxLabel->setText(text);
    knxLabel->setToolTip(text);
    knxLabel->show();
}

void StatusNotes::showProgress(const QString &what, int value, int maximum, const QString &format)
{
    progressLabel->setText(what);
    progressLabel->setToolTip(what);
    progressBar->setRange(0, maximum);
    progressBar->setValue(value);
    progressBar->setFormat(format);
    progressLabel->show();
    progressBar->show();
}

void StatusNotes::hideProgress()
{
    progressLabel->hide();
    progressBar->hide();
}

void StatusNotes::showNoAnswer(bool shown)
{
    noAnswerLabel->setVisible(shown);
}

void StatusNotes::showCapture(const QString &fileName)
{
    captureLabel->setText(WindowText::tr("Capturing to %1").arg(fileName));
    captureLabel->setToolTip(captureLabel->text());
    captureLabel->setVisible(!fileName.isEmpty());
}

void StatusNotes::showInputFault(const QString &text)
{
    inputFaultLabel->setText(text);
    inputFaultLabel->setToolTip(text);
    inputFaultLabel->setVisible(!text.isEmpty());
}

void StatusNotes::showDownloadEnded(const QString &text)
{
    downloadEndedLabel->setText(text);
    downloadEndedLabel->setToolTip(text);
    downloadEndedLabel->setVisible(!text.isEmpty());
}
