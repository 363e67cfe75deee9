// A datagram from the network decoded as a KNXnet/IP frame, its body as each
// service's body, and the datagram and the body's cEMI part as a cEMI frame.
// Nothing reads out of range; what decodes encodes to the same bytes (but for
// a reserved byte and what follows a refusal), and a group telegram goes into
// a frame and comes out the same.

#include "cemiframes.h"
#include "fuzzchecks.h"
#include "knxnetipframes.h"

namespace {
void checkCemi(const QByteArray &bytes)
{
    const std::optional<CemiFrame> frame = decodeCemiFrame(bytes);
    if (!frame)
        return;
    FUZZ_REQUIRE(encodeCemiFrame(*frame) == bytes);
    const std::optional<GroupTelegram> telegram = groupTelegramOf(*frame);
    if (!telegram)
        return;
    FUZZ_REQUIRE(telegram->shortData
                     ? telegram->data.size() == 1 && quint8(telegram->data.at(0)) <= 0x3F
                     : telegram->service == GroupService::Read ||
                           telegram->data.size() == frame->tpdu.size() - 2);
    const QByteArray carried = encodeCemiFrame(cemiFrameOf(*telegram, Cemi::LDataInd));
    FUZZ_REQUIRE(groupTelegramOf(*decodeCemiFrame(carried)) == telegram);
}

void checkBodies(const QByteArray &body)
{
    if (const auto response = decodeConnectResponse(body)) {
        const QByteArray encoded = encodeConnectResponse(*response);
        FUZZ_REQUIRE(response->status != KnxNetIp::NoError ? encoded == body.left(2)
                                                           : encoded == body);
    }
    if (const auto request = decodeChannelRequest(body))
        FUZZ_REQUIRE(encodeChannelRequest(*request) == body.left(1) + '\0' + body.mid(2));
    if (const auto status = decodeChannelStatus(body))
        FUZZ_REQUIRE(encodeChannelStatus(*status) == body);
    if (const auto tunnelling = decodeTunnellingFrame(body)) {
        FUZZ_REQUIRE(encodeTunnellingFrame(*tunnelling) == body);
        checkCemi(tunnelling->cemi);
    }
    if (const auto search = decodeSearchResponse(body))
        FUZZ_REQUIRE(search->name.size() <= 30);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray datagram(reinterpret_cast<const char *>(data), qsizetype(size));
    checkCemi(datagram);
    const std::optional<KnxNetIpFrame> frame = decodeKnxNetIpFrame(datagram);
    if (!frame)
        return 0;
    FUZZ_REQUIRE(encodeKnxNetIpFrame(*frame) == datagram);
    checkBodies(frame->body);
    checkCemi(frame->body);
    return 0;
}
