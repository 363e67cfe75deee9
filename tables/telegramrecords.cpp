#include "telegramrecords.h"

const std::array<QString Tele485ToKnxW::*, 7> Tele485ToKnxW::columns = {
    &Tele485ToKnxW::name, &Tele485ToKnxW::telegram, &Tele485ToKnxW::ack,  &Tele485ToKnxW::ntype,
    &Tele485ToKnxW::addr, &Tele485ToKnxW::length,   &Tele485ToKnxW::value};

const std::array<QString Tele1Byte::*, 10> Tele1Byte::columns = {
    &Tele1Byte::name,  &Tele1Byte::telegram_p, &Tele1Byte::ack_p,  &Tele1Byte::telegram_n,
    &Tele1Byte::ack_n, &Tele1Byte::addr,       &Tele1Byte::length, &Tele1Byte::min,
    &Tele1Byte::max,   &Tele1Byte::interval};

const std::array<QString TeleKnxTo485W::*, 7> TeleKnxTo485W::columns = {
    &TeleKnxTo485W::name,   &TeleKnxTo485W::ntype, &TeleKnxTo485W::baudrate, &TeleKnxTo485W::addr,
    &TeleKnxTo485W::length, &TeleKnxTo485W::value, &TeleKnxTo485W::telegram};
