#include "rowdecoding.h"

#include "downloadframes.h"
#include "itemtexts.h"

namespace {
constexpr char TelegramFiller = 0x55;
constexpr char KnxTelegramFiller = 0x00;
constexpr int NoSum = -1;

// A block of telegram or acknowledgement bytes: the count, then the slots.
template <typename Record> struct BlockLayout
{
    QString Record::*field;
    const char *name;
    int countOffset;
    int slotCount;
    char filler;
    int sumOffset; // of the telegram sum, or NoSum
};

constexpr BlockLayout<Tele485ToKnxW> Blocks485ToKnxW[] = {
    {&Tele485ToKnxW::telegram, "telegram", 14, TelegramSlots, TelegramFiller, 6},
    {&Tele485ToKnxW::ack, "acknowledgement", 79, AckSlots, TelegramFiller, NoSum},
};

constexpr BlockLayout<Tele1Byte> Blocks1Byte[] = {
    {&Tele1Byte::telegram_p, "plus telegram", 16, TelegramSlots, TelegramFiller, 6},
    {&Tele1Byte::telegram_n, "minus telegram", 81, TelegramSlots, TelegramFiller, 8},
    {&Tele1Byte::ack_p, "plus acknowledgement", 146, AckSlots, TelegramFiller, NoSum},
    {&Tele1Byte::ack_n, "minus acknowledgement", 179, AckSlots, TelegramFiller, NoSum},
};

constexpr BlockLayout<TeleKnxTo485W> BlocksKnxTo485W[] = {
    {&TeleKnxTo485W::telegram, "telegram", 13, TelegramSlots, KnxTelegramFiller, NoSum},
};

QString hexByte(quint8 byte)
{
    return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

QString hexWord(quint16 word)
{
    return QStringLiteral("%1").arg(word, 4, 16, QLatin1Char('0')).toUpper();
}

// A frame whose size has been checked, read at frame offsets.
class FrameReader
{
public:
    explicit FrameReader(const QByteArray &frame)
        : frame(frame)
    {}

    quint8 byte(int offset) const { return quint8(frame.at(offset)); }
    quint16 word(int offset) const { return quint16(byte(offset) << 8 | byte(offset + 1)); }

    QString groupAddress(int offset) const
    {
        const quint8 high = byte(offset);
        return QStringLiteral("%1/%2/%3").arg(high >> 3).arg(high & 0x07).arg(byte(offset + 1));
    }

    // The text of an item index: the item, or "#" and the number outside the list.
    QString itemText(int offset, const QStringList &items) const
    {
        const quint8 index = byte(offset);
        return index < items.size() ? items.at(index) : QStringLiteral("#%1").arg(index);
    }

    // The value cell of a row with a type byte: empty in a read row, which
    // carries 0.
    bool readValue(int typeOffset, int valueOffset, QString *text, QString *error) const
    {
        const quint16 value = word(valueOffset);
        if (byte(typeOffset) != ReadTypeIndex) {
            *text = QString::number(value);
            return true;
        }
        if (value != 0) {
            *error = QStringLiteral("read row with value %1").arg(value);
            return false;
        }
        text->clear();
        return true;
    }

    template <typename Record>
    bool readBlock(const BlockLayout<Record> &block, DecodedRow<Record> *row, QString *error) const
    {
        const int count = byte(block.countOffset);
        if (count > block.slotCount) {
            *error = QStringLiteral("%1 count %2 above %3 slots")
                         .arg(QLatin1String(block.name))
                         .arg(count)
                         .arg(block.slotCount);
            return false;
        }
        const int first = block.countOffset + 1;
        for (int slot = count; slot < block.slotCount; ++slot) {
            if (frame.at(first + slot) != block.filler) {
                *error = QStringLiteral("%1 slot %2 holds %3, filler %4 expected")
                             .arg(QLatin1String(block.name))
                             .arg(slot)
                             .arg(hexByte(byte(first + slot)), hexByte(quint8(block.filler)));
                return false;
            }
        }
        const QByteArray bytes = frame.mid(first, count);
        if (block.sumOffset != NoSum) {
            const quint16 carried = word(block.sumOffset);
            if (carried != byteSum(bytes)) {
                *error =
                    QStringLiteral("%1 sum %2, its bytes sum to %3")
                        .arg(QLatin1String(block.name), hexWord(carried), hexWord(byteSum(bytes)));
                return false;
            }
            row->telegramSums.append(carried);
        }
        row->record.*block.field = QString::fromLatin1(bytes.toHex(' ').toUpper());
        return true;
    }

    template <typename Record, size_t N>
    bool readBlocks(const BlockLayout<Record> (&blocks)[N], DecodedRow<Record> *row,
                    QString *error) const
    {
        for (const BlockLayout<Record> &block : blocks) {
            if (!readBlock(block, row, error))
                return false;
        }
        return true;
    }

private:
    const QByteArray &frame;
};

// Size and framing of a row frame of one kind.
bool isFramedAs(const QByteArray &frame, quint8 command, int size, QString *error)
{
    if (frame.size() != size) {
        *error = QStringLiteral("%1 bytes, %2 expected").arg(frame.size()).arg(size);
        return false;
    }
    if (quint8(frame.at(0)) != FrameStart0 || quint8(frame.at(1)) != FrameStart1 ||
        quint8(frame.at(2)) != size - 4 || quint8(frame.at(3)) != command ||
        quint8(frame.back()) != FrameEnd) {
        *error = QStringLiteral("not framed as a command %1 row").arg(hexByte(command));
        return false;
    }
    return true;
}
} // namespace

std::optional<DecodedRow<Tele485ToKnxW>> decodeRow485ToKnxW(const QByteArray &frame, QString *error)
{
    if (!isFramedAs(frame, CMD_ROW_485_TO_KNX_W, Row485ToKnxWFrameSize, error))
        return std::nullopt;
    const FrameReader reader(frame);
    DecodedRow<Tele485ToKnxW> row;
    Tele485ToKnxW &record = row.record;
    row.row = reader.word(4);
    record.ntype = reader.itemText(8, type485ToKnxTexts());
    record.addr = reader.groupAddress(9);
    record.length = reader.itemText(11, lengthTexts());
    if (!reader.readValue(8, 12, &record.value, error) ||
        !reader.readBlocks(Blocks485ToKnxW, &row, error))
        return std::nullopt;
    return row;
}

std::optional<DecodedRow<Tele1Byte>> decodeRow1Byte(const QByteArray &frame, QString *error)
{
    if (!isFramedAs(frame, CMD_ROW_1BYTE, Row1ByteFrameSize, error))
        return std::nullopt;
    const FrameReader reader(frame);
    if (reader.byte(4) != 0) {
        *error = QStringLiteral("byte 4 is %1, 00 expected").arg(hexByte(reader.byte(4)));
        return std::nullopt;
    }
    DecodedRow<Tele1Byte> row;
    Tele1Byte &record = row.record;
    row.row = reader.byte(5);
    record.addr = reader.groupAddress(10);
    record.length = reader.itemText(12, lengthTexts());
    record.min = QString::number(reader.byte(13));
    record.max = QString::number(reader.byte(14));
    record.interval = QString::number(reader.byte(15));
    if (!reader.readBlocks(Blocks1Byte, &row, error))
        return std::nullopt;
    return row;
}

std::optional<DecodedRow<TeleKnxTo485W>> decodeRowKnxTo485W(const QByteArray &frame, QString *error)
{
    if (!isFramedAs(frame, CMD_ROW_KNX_TO_485_W, RowKnxTo485WFrameSize, error))
        return std::nullopt;
    const FrameReader reader(frame);
    DecodedRow<TeleKnxTo485W> row;
    TeleKnxTo485W &record = row.record;
    row.row = reader.word(4);
    record.ntype = reader.itemText(6, typeKnxTo485Texts());
    record.addr = reader.groupAddress(7);
    record.length = reader.itemText(9, lengthTexts());
    record.baudrate = reader.itemText(12, baudRateTexts());
    if (!reader.readValue(6, 10, &record.value, error) ||
        !reader.readBlocks(BlocksKnxTo485W, &row, error))
        return std::nullopt;
    return row;
}

namespace {
template <typename Row>
std::optional<AnyDecodedRow> anyRow(std::optional<Row> (*decode)(const QByteArray &, QString *),
                                    const QByteArray &frame, QString *error)
{
    if (std::optional<Row> row = decode(frame, error))
        return AnyDecodedRow(std::move(*row));
    return std::nullopt;
}
} // namespace

std::optional<AnyDecodedRow> decodeRowFrame(const QByteArray &frame, QString *error)
{
    switch (frame.size() > 3 ? quint8(frame.at(3)) : 0) {
    case CMD_ROW_485_TO_KNX_W:
        return anyRow(decodeRow485ToKnxW, frame, error);
    case CMD_ROW_1BYTE:
        return anyRow(decodeRow1Byte, frame, error);
    case CMD_ROW_KNX_TO_485_W:
        return anyRow(decodeRowKnxTo485W, frame, error);
    default:
        *error = QStringLiteral("not a row frame");
        return std::nullopt;
    }
}
