#include "downloadframes.h"

#include "byteforms.h"
#include "itemtexts.h"

namespace {
constexpr char TelegramFiller = 0x55;
constexpr char KnxTelegramFiller = 0x00;
constexpr quint8 ReadType = ReadTypeIndex;
constexpr int TypeBits485ToKnxW = 0x01;
constexpr int TypeBitsKnxTo485W = 0x03;

void appendWord(QByteArray &bytes, quint16 word)
{
    bytes.append(char(word >> 8));
    bytes.append(char(word & 0xFF));
}

// The item index of a cell text, -1 when no item has exactly that text.
int itemIndex(const QStringList &items, const QString &text)
{
    return int(items.indexOf(text));
}

quint16 decimalWord(const QString &text)
{
    return quint16(text.trimmed().toInt());
}

quint8 decimalByte(const QString &text)
{
    return quint8(text.toInt());
}

// The bytes of a telegram cell that fit a block of `slotCount`.
QByteArray bytesSent(const QString &cellText, int slotCount)
{
    return telegramBytes(cellText).left(slotCount);
}

// The count, then the bytes in a block of `slotCount` filled up with `filler`.
void appendBlock(QByteArray &payload, const QByteArray &bytes, int slotCount, char filler)
{
    payload.append(char(bytes.size()));
    payload.append(bytes);
    payload.append(QByteArray(slotCount - bytes.size(), filler));
}
} // namespace

QByteArray tableSizesFrame(quint16 rows485ToKnxW, quint16 rows1Byte, quint16 rowsKnxTo485W)
{
    QByteArray payload;
    appendWord(payload, rows485ToKnxW);
    appendWord(payload, rows1Byte);
    appendWord(payload, rowsKnxTo485W);
    return buildFrame(CMD_TABLE_SIZES, payload);
}

QByteArray row485ToKnxWFrame(quint16 row, const Tele485ToKnxW &record)
{
    const QByteArray telegram = bytesSent(record.telegram, TelegramSlots);
    const QByteArray ack = bytesSent(record.ack, AckSlots);
    const quint8 type = quint8(itemIndex(type485ToKnxTexts(), record.ntype) & TypeBits485ToKnxW);

    QByteArray payload;
    appendWord(payload, row);
    appendWord(payload, byteSum(telegram));
    payload.append(char(type));
    payload.append(groupAddressBytes(record.addr));
    payload.append(char(itemIndex(lengthTexts(), record.length)));
    appendWord(payload, type == ReadType ? 0 : decimalWord(record.value));
    appendBlock(payload, telegram, TelegramSlots, TelegramFiller);
    appendBlock(payload, ack, AckSlots, TelegramFiller);
    return buildFrame(CMD_ROW_485_TO_KNX_W, payload);
}

QByteArray row1ByteFrame(quint16 row, const Tele1Byte &record)
{
    const QByteArray plus = bytesSent(record.telegram_p, TelegramSlots);
    const QByteArray minus = bytesSent(record.telegram_n, TelegramSlots);

    QByteArray payload;
    payload.append(char(0x00));
    payload.append(char(row & 0xFF));
    appendWord(payload, byteSum(plus));
    appendWord(payload, byteSum(minus));
    payload.append(groupAddressBytes(record.addr));
    payload.append(char(itemIndex(lengthTexts(), record.length)));
    payload.append(char(decimalByte(record.min)));
    payload.append(char(decimalByte(record.max)));
    payload.append(char(decimalByte(record.interval)));
    appendBlock(payload, plus, TelegramSlots, TelegramFiller);
    appendBlock(payload, minus, TelegramSlots, TelegramFiller);
    appendBlock(payload, bytesSent(record.ack_p, AckSlots), AckSlots, TelegramFiller);
    appendBlock(payload, bytesSent(record.ack_n, AckSlots), AckSlots, TelegramFiller);
    return buildFrame(CMD_ROW_1BYTE, payload);
}

QByteArray rowKnxTo485WFrame(quint16 row, const TeleKnxTo485W &record)
{
    const quint8 type = quint8(itemIndex(typeKnxTo485Texts(), record.ntype) & TypeBitsKnxTo485W);

    QByteArray payload;
    appendWord(payload, row);
    payload.append(char(type));
    payload.append(groupAddressBytes(record.addr));
    payload.append(char(itemIndex(lengthTexts(), record.length)));
    appendWord(payload, type == ReadType ? 0 : decimalWord(record.value));
    payload.append(char(itemIndex(baudRateTexts(), record.baudrate)));
    appendBlock(payload, bytesSent(record.telegram, TelegramSlots), TelegramSlots,
                KnxTelegramFiller);
    return buildFrame(CMD_ROW_KNX_TO_485_W, payload);
}

int downloadFrameCount(const TelegramTables &tables)
{
    return 1 +
           int(tables.rows485ToKnxW.size() + tables.rows1Byte.size() + tables.rowsKnxTo485W.size());
}

BurnFlag BurnFlag::start(const TelegramTables &tables)
{
    BurnFlag flag;
    flag.num_pending = true;
    flag.total_485_w_num = quint16(tables.rows485ToKnxW.size());
    flag.total_1byte_num = quint16(tables.rows1Byte.size());
    flag.total_knx_w_num = quint16(tables.rowsKnxTo485W.size());
    return flag;
}

int BurnFlag::framesSent() const
{
    return (num_pending ? 0 : 1) + current_485_w_num + current_1byte_num + current_knx_w_num;
}

std::optional<DownloadFrame> takeNextDownloadFrame(BurnFlag &flag, const TelegramTables &tables)
{
    if (flag.num_pending) {
        flag.num_pending = false;
        return DownloadFrame{
            E_FUNC_MODE_BURN_NUM, CommandAnswerLength,
            tableSizesFrame(flag.total_485_w_num, flag.total_1byte_num, flag.total_knx_w_num)};
    }
    if (flag.current_485_w_num < flag.total_485_w_num) {
        const quint16 row = flag.current_485_w_num++;
        return DownloadFrame{E_FUNC_MODE_BURN_485TOKNX_W, RowAnswerLength,
                             row485ToKnxWFrame(row, tables.rows485ToKnxW.at(row))};
    }
    if (flag.current_1byte_num < flag.total_1byte_num) {
        const quint16 row = flag.current_1byte_num++;
        return DownloadFrame{E_FUNC_MODE_BURN_1BYTETOKNX, RowAnswerLength,
                             row1ByteFrame(row, tables.rows1Byte.at(row))};
    }
    if (flag.current_knx_w_num >= flag.total_knx_w_num)
        return std::nullopt;
    const quint16 row = flag.current_knx_w_num++;
    return DownloadFrame{E_FUNC_MODE_BURN_KNXTO485_W, RowAnswerLength,
                         rowKnxTo485WFrame(row, tables.rowsKnxTo485W.at(row))};
}
