#pragma once

#include "frame.h"
#include "telegramtables.h"

#include <optional>

// The frames of a download, built from the cell texts of the tables. Any text
// gives a frame of the fixed size of its kind: an item text found in no list
// is sent as index -1 cut to its field, a telegram holds at most 64 bytes and
// an acknowledgement at most 32 (further bytes of an imported cell are not
// sent, and the counts and sums cover exactly the bytes sent).

constexpr int TableSizesFrameSize = 13;
constexpr int Row485ToKnxWFrameSize = 115;
constexpr int Row1ByteFrameSize = 215;
constexpr int RowKnxTo485WFrameSize = 81;
constexpr int TelegramSlots = 64;
constexpr int AckSlots = 32;

QByteArray tableSizesFrame(quint16 rows485ToKnxW, quint16 rows1Byte, quint16 rowsKnxTo485W);
QByteArray row485ToKnxWFrame(quint16 row, const Tele485ToKnxW &record);
QByteArray row1ByteFrame(quint16 row, const Tele1Byte &record);
QByteArray rowKnxTo485WFrame(quint16 row, const TeleKnxTo485W &record);

// The frames a download of the tables sends: the table-size frame and one per row.
int downloadFrameCount(const TelegramTables &tables);

// How far a download has come: the table-size frame, then the rows of each
// table in turn. Each counter is raised as its frame is sent, so while an
// answer is awaited it holds the 1-based number of that row.
struct BurnFlag
{
    bool num_pending = false;
    quint16 current_485_w_num = 0;
    quint16 total_485_w_num = 0;
    quint16 current_1byte_num = 0;
    quint16 total_1byte_num = 0;
    quint16 current_knx_w_num = 0;
    quint16 total_knx_w_num = 0;

    // A download of the tables from its start.
    static BurnFlag start(const TelegramTables &tables);
    int framesSent() const;
};

struct DownloadFrame
{
    WorkMode mode;
    int answerLength;
    QByteArray frame;
};

// The next frame of the download, with the flag advanced past it; nothing
// when every frame has been sent.
std::optional<DownloadFrame> takeNextDownloadFrame(BurnFlag &flag, const TelegramTables &tables);
