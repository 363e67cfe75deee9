#pragma once

#include "project.h"

#include <QDialog>

class QLineEdit;

// Asks for the site details the commissioning report shows: site, customer,
// gateway location and installer, free texts, filled in with the details given.
class SiteDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SiteDialog(const SiteDetails &details, QWidget *parent = nullptr);

    // The texts as entered, without leading and trailing spaces.
    SiteDetails details() const;

private:
    QLineEdit *siteEdit;
    QLineEdit *customerEdit;
    QLineEdit *locationEdit;
    QLineEdit *installerEdit;
};
