#pragma once

#include <QSortFilterProxyModel>

// The monitor's rows whose group address begins with the text typed ("1.2"
// read as "1/2") or whose name holds it, case ignored; blanks around it ignored.
class GroupTelegramFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setText(const QString &text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QString wanted;
};
