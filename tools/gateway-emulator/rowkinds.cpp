#include "rowkinds.h"

const std::array<StoredCell<Tele485ToKnxW>, 6> RowKind<Tele485ToKnxW>::cells = {{
    {&Tele485ToKnxW::ntype, "type", CellForm::Text},
    {&Tele485ToKnxW::addr, "addr", CellForm::Text},
    {&Tele485ToKnxW::length, "length", CellForm::Text},
    {&Tele485ToKnxW::value, "value", CellForm::Value},
    {&Tele485ToKnxW::telegram, "telegram", CellForm::Bytes},
    {&Tele485ToKnxW::ack, "ack", CellForm::Bytes},
}};

const std::array<StoredCell<Tele1Byte>, 9> RowKind<Tele1Byte>::cells = {{
    {&Tele1Byte::addr, "addr", CellForm::Text},
    {&Tele1Byte::length, "length", CellForm::Text},
    {&Tele1Byte::min, "min", CellForm::Text},
    {&Tele1Byte::max, "max", CellForm::Text},
    {&Tele1Byte::interval, "interval", CellForm::Text},
    {&Tele1Byte::telegram_p, "telegram(+)", CellForm::Bytes},
    {&Tele1Byte::telegram_n, "telegram(-)", CellForm::Bytes},
    {&Tele1Byte::ack_p, "ack(+)", CellForm::Bytes},
    {&Tele1Byte::ack_n, "ack(-)", CellForm::Bytes},
}};

const std::array<StoredCell<TeleKnxTo485W>, 6> RowKind<TeleKnxTo485W>::cells = {{
    {&TeleKnxTo485W::ntype, "type", CellForm::Text},
    {&TeleKnxTo485W::addr, "addr", CellForm::Text},
    {&TeleKnxTo485W::length, "length", CellForm::Text},
    {&TeleKnxTo485W::value, "value", CellForm::Value},
    {&TeleKnxTo485W::baudrate, "baud rate", CellForm::Text},
    {&TeleKnxTo485W::telegram, "telegram", CellForm::Bytes},
}};
