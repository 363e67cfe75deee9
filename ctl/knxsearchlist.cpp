#include "knxsearchlist.h"

#include "commandline.h"
#include "consoleoutput.h"
#include "knxaddresses.h"
#include "knxsearch.h"
#include "terminationsignals.h"

#include <QCoreApplication>
#include <QHostInfo>

namespace {
constexpr int SearchMs = 3000;

QString foundLine(const FoundKnxInterface &found)
{
    QStringList services;
    if (found.tunnelling)
        services << QStringLiteral("tunnelling");
    if (found.routing)
        services << QStringLiteral("routing");
    return QStringLiteral("%1 %2 %3 \"%4\"\n")
        .arg(found.interface.text(), individualAddressText(found.individualAddress),
             services.isEmpty() ? QStringLiteral("-") : services.join(QLatin1Char(',')),
             visible(found.name));
}

// A tunnelling target named by its IPv4 address, which the search needs.
std::optional<KnxInterface> resolved(KnxInterface target)
{
    if (target.kind == KnxInterface::Kind::Routing)
        return target;
    const QHostInfo info = QHostInfo::fromName(target.host);
    for (const QHostAddress &address : info.addresses())
        if (address.protocol() == QAbstractSocket::IPv4Protocol) {
            target.host = address.toString();
            return target;
        }
    writeErr(QStringLiteral("rs485ctl: cannot find %1: %2\n")
                 .arg(visible(target.host), info.errorString()));
    return std::nullopt;
}
} // namespace

int runKnxSearch(const KnxInvocation &invocation)
{
    const std::optional<KnxInterface> target = resolved(invocation.interface);
    if (!target)
        return ExitUsage;
    KnxSearch search;
    TerminationSignals termination;
    QObject::connect(&search, &KnxSearch::interfaceFound,
                     [](const FoundKnxInterface &found) { writeOut(foundLine(found)); });
    QObject::connect(&search, &KnxSearch::finished, [&search](const QString &error) {
        if (!error.isEmpty())
            writeErr(QStringLiteral("rs485ctl: %1\n").arg(error));
        else if (search.found().isEmpty())
            writeErr(QStringLiteral("rs485ctl: no KNXnet/IP interface answered within %1 s\n")
                         .arg(SearchMs / 1000));
        QCoreApplication::exit(!error.isEmpty()           ? ExitUsage
                               : search.found().isEmpty() ? ExitFailed
                                                          : ExitSucceeded);
    });
    QObject::connect(&termination, &TerminationSignals::received,
                     [](int signalNumber) { QCoreApplication::exit(128 + signalNumber); });
    search.start(SearchMs, *target);
    return QCoreApplication::exec();
}
