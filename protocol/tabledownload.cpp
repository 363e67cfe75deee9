#include "tabledownload.h"

#include "serialsettingstexts.h"
#include "tabletitles.h"

namespace {
QString rowOf(TelegramTable table, int row)
{
    return QStringLiteral("%1 row %2").arg(tableTitle(table, TitleLanguage::English)).arg(row);
}
} // namespace

TableDownload::TableDownload(FrameExchange &exchange, const TelegramTables &tables)
    : GatewayTask(exchange)
    , tables(tables)
{}

void TableDownload::start()
{
    burnflag = BurnFlag::start(tables);
    answeredFrames = 0;
    downloadStep();
}

// Each row counter holds the 1-based number of the row awaiting its answer.
QString TableDownload::awaited() const
{
    switch (mode) {
    case E_FUNC_MODE_BURN_485TOKNX_W:
        return rowOf(TelegramTable::Tele485ToKnxW, burnflag.current_485_w_num);
    case E_FUNC_MODE_BURN_1BYTETOKNX:
        return rowOf(TelegramTable::Tele1Byte, burnflag.current_1byte_num);
    case E_FUNC_MODE_BURN_KNXTO485_W:
        return rowOf(TelegramTable::TeleKnxTo485W, burnflag.current_knx_w_num);
    default:
        return QStringLiteral("the table-size frame");
    }
}

// A gateway in working mode refuses the table sizes, as one listening at
// other line settings hears nothing.
QString TableDownload::remedyOfSilence() const
{
    return QStringLiteral("a gateway takes a download only in debug mode (--commission, or "
                          "\"rs485ctl mode debug\" first) and at its own line settings, here %1 "
                          "(--scan finds them)")
        .arg(describeSerialSettings(exchange.lineSettings()));
}

void TableDownload::downloadStep()
{
    const std::optional<DownloadFrame> next = takeNextDownloadFrame(burnflag, tables);
    if (!next) {
        succeed(QStringLiteral("%1 + %2 + %3 rows downloaded")
                    .arg(tables.rows485ToKnxW.size())
                    .arg(tables.rows1Byte.size())
                    .arg(tables.rowsKnxTo485W.size()));
        return;
    }
    mode = next->mode;
    send(next->frame, next->answerLength, [this](const std::optional<QByteArray> &answer) {
        if (!answer) {
            failUnanswered(mode == E_FUNC_MODE_BURN_NUM ? remedyOfSilence() : QString());
            return;
        }
        ++answeredFrames;
        downloadStep();
    });
}
