#include "grouptelegramfilter.h"

#include "grouptelegramlog.h"

void GroupTelegramFilter::setText(const QString &text)
{
    QString trimmed = text.trimmed();
    if (!trimmed.isEmpty() && trimmed.at(0).isDigit())
        trimmed.replace(QLatin1Char('.'), QLatin1Char('/'));
    if (trimmed == wanted)
        return;
    wanted = trimmed;
    invalidateFilter();
}

bool GroupTelegramFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (wanted.isEmpty())
        return true;
    const auto cell = [&](int column) {
        return sourceModel()->index(sourceRow, column, sourceParent).data().toString();
    };
    return cell(GroupTelegramLog::Destination).startsWith(wanted) ||
           cell(GroupTelegramLog::Name).contains(wanted, Qt::CaseInsensitive);
}
