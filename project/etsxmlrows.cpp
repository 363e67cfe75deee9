#include "etsaddressrows.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

namespace {
QString attribute(const QXmlStreamReader &xml, const char *name)
{
    return xml.attributes().value(QLatin1String(name)).trimmed().toString();
}

// Of "DPST-1-1,DPST-1-6" the address's own type, which comes last.
QString ownDatapointType(const QXmlStreamReader &xml)
{
    return attribute(xml, "DPTs").section(',', -1).trimmed();
}

EtsAddressRows broken(const QXmlStreamReader &xml)
{
    return {{},
            QCoreApplication::translate("MainWindow", "The XML file is broken at line %1: %2")
                .arg(xml.lineNumber())
                .arg(xml.errorString())};
}
} // namespace

EtsAddressRows etsXmlRows(const QByteArray &bytes)
{
    QXmlStreamReader xml(bytes);
    if (!xml.readNextStartElement())
        return broken(xml);
    if (xml.name() != u"GroupAddress-Export")
        return {{},
                QCoreApplication::translate("MainWindow", "The XML file is no ETS group address "
                                                          "export: its root element is \"%1\".")
                    .arg(xml.name())};
    EtsAddressRows result;
    QStringList ranges; // the names of the ranges around the element
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"GroupRange") {
            ranges << attribute(xml, "Name");
        } else if (xml.isEndElement() && xml.name() == u"GroupRange" && !ranges.isEmpty()) {
            ranges.removeLast();
        } else if (xml.isStartElement() && xml.name() == u"GroupAddress") {
            result.rows << EtsAddressRow{int(xml.lineNumber()),
                                         attribute(xml, "Address"),
                                         attribute(xml, "Name"),
                                         ranges.value(0),
                                         ranges.value(1),
                                         ownDatapointType(xml),
                                         attribute(xml, "Description")};
        }
    }
    if (xml.hasError())
        return broken(xml);
    return result;
}
