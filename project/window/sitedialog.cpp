#include "sitedialog.h"
#include "windowtext.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace {
QLineEdit *lineEdit(const char *name, const QString &text, QWidget *parent)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 40);
    return edit;
}
} // namespace

SiteDialog::SiteDialog(const SiteDetails &details, QWidget *parent)
    : QDialog(parent)
    , siteEdit(lineEdit("lineEditSite", details.site, this))
    , customerEdit(lineEdit("lineEditCustomer", details.customer, this))
    , locationEdit(lineEdit("lineEditGatewayLocation", details.gatewayLocation, this))
    , installerEdit(lineEdit("lineEditInstaller", details.installer, this))
{
    setObjectName("siteDialog");
    setWindowTitle(WindowText::tr("Site details"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *form = new QFormLayout(this);
    form->addRow(WindowText::tr("Site:"), siteEdit);
    form->addRow(WindowText::tr("Customer:"), customerEdit);
    form->addRow(WindowText::tr("Gateway location:"), locationEdit);
    form->addRow(WindowText::tr("Installer:"), installerEdit);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

SiteDetails SiteDialog::details() const
{
    return {siteEdit->text().trimmed(), customerEdit->text().trimmed(),
            locationEdit->text().trimmed(), installerEdit->text().trimmed()};
}
