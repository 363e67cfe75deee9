#pragma once

#include <QByteArray>

// Command frames to the gateway and the framing of its answers.
//
// A command frame is 55 0C LEN CMD payload SUM_HI SUM_LO 0D, where LEN counts
// the bytes from 0C to the last payload byte (payload size + 3) and SUM is the
// byte sum of everything before it, modulo 65536, high byte first. Nothing is
// escaped. An answer begins 0C 55 and ends 0D; nothing else of it is examined
// apart from the scan answer's three settings.

// Command codes.
enum Command : quint8 {
    CMD_READ_SERIAL_PARAMETERS = 0x00,
    CMD_SET_OPERATING_MODE = 0x01,
    CMD_SET_SERIAL_PARAMETERS = 0x02,
    CMD_ROW_485_TO_KNX_W = 0x03,
    CMD_ROW_1BYTE = 0x04,
    CMD_ROW_KNX_TO_485_W = 0x05,
    CMD_TABLE_SIZES = 0x0A,
};

// The command whose answer is awaited; decides what an answer means.
enum WorkMode : qint32 {
    E_FUNC_MODE_NONE = 0,
    E_FUNC_MODE_SCAN = 1,
    E_FUNC_MODE_DEBUGMODE = 2,
    E_FUNC_MODE_WORKMODE = 3,
    E_FUNC_MODE_SERIAL_SETTING = 4,
    E_FUNC_MODE_BURN_NUM = 5,
    E_FUNC_MODE_BURN_485TOKNX_W = 6,
    E_FUNC_MODE_BURN_1BYTETOKNX = 7,
    E_FUNC_MODE_BURN_KNXTO485_W = 8,
};

// The gateway's operating modes, as the mode byte of CMD_SET_OPERATING_MODE.
enum OperatingMode : quint8 { DebugMode = 0x01, WorkingMode = 0x02 };

// The serial-parameter lists whose item indexes the protocol carries.
constexpr int BaudRateItems = 9; // 0 "2400" ... 8 "115200"
constexpr int StopBitItems = 3;  // 0 "1", 1 "1.5", 2 "2"
constexpr int ParityItems = 3;   // 0 "None", 1 "ODD", 2 "EVEN"

// Lengths of the answers.
constexpr int ScanAnswerLength = 10;
constexpr int CommandAnswerLength = 8; // operating mode, serial parameters, table sizes
constexpr int RowAnswerLength = 10;    // each download row

constexpr quint8 FrameStart0 = 0x55;
constexpr quint8 FrameStart1 = 0x0C;
constexpr quint8 FrameEnd = 0x0D;
constexpr int FrameOverhead = 7; // start bytes, LEN, command, checksum, end byte

// The frame of a command; the payload holds at most 252 bytes.
QByteArray buildFrame(quint8 command, const QByteArray &payload);

// An answer laid out like a command with the two start bytes swapped, as the
// virtual gateway answers: 0C 55 LEN CMD data SUM_HI SUM_LO 0D.
QByteArray buildAnswer(quint8 command, const QByteArray &data);

// Byte sum of the data, modulo 65536.
quint16 byteSum(const QByteArray &data);

QByteArray scanProbePayload();
QByteArray operatingModePayload(OperatingMode mode);
// The item indexes of baud rate, stop bits and parity, a byte each.
QByteArray serialParametersPayload(int baudIndex, int stopBitIndex, int parityIndex);

// Whether a received block is framed as an answer: 0C 55 ... 0D.
bool isAnswerFrame(const QByteArray &block);

// The serial settings a scan answer reports at offsets 4, 5 and 6, each as an
// item index; an index out of its list gives 38400 baud, 1 stop bit or no
// parity. The block must be a whole scan answer.
struct SerialSettings
{
    int baudIndex = 0;
    int stopBitIndex = 0;
    int parityIndex = 0;
};
SerialSettings scanAnswerSettings(const QByteArray &answer);
