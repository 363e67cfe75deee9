#include "addressmarks.h"

#include "addresssearch.h"
#include "datapointtypes.h"

#include <QCoreApplication>

AddressHint addressHint(const GroupAddressBook &book, const QString &address, const QString &length)
{
    if (book.isEmpty())
        return {};
    const GroupAddressEntry *entry = book.find(address);
    if (!entry)
        return {QCoreApplication::translate("MainWindow", "Not in the imported group addresses"),
                true};
    const QString fixedLength = lengthOfDatapointType(entry->datapointType);
    if (fixedLength.isEmpty() || fixedLength == length)
        return {entryTitle(*entry), false};
    return {entryTitle(*entry) + '\n' +
                QCoreApplication::translate("MainWindow", "Its datapoint type needs the length %1.")
                    .arg(fixedLength),
            true};
}
