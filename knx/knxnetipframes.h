#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// KNXnet/IP frames over UDP: the header (06 10, service type, total length),
// then the body of the service. Decoders take any bytes and return nothing
// for a frame that is not well formed; a decoded frame encodes to the same
// bytes, but for reserved bytes and what follows a refusal.

namespace KnxNetIp {
constexpr quint16 DefaultPort = 3671;
constexpr quint32 RoutingGroup = 0xE000170C; // 224.0.23.12

enum class Service : quint16 {
    SearchRequest = 0x0201,
    SearchResponse = 0x0202,
    ConnectRequest = 0x0205,
    ConnectResponse = 0x0206,
    ConnectionStateRequest = 0x0207,
    ConnectionStateResponse = 0x0208,
    DisconnectRequest = 0x0209,
    DisconnectResponse = 0x020A,
    TunnellingRequest = 0x0420,
    TunnellingAck = 0x0421,
    RoutingIndication = 0x0530,
    RoutingLostMessage = 0x0531,
    RoutingBusy = 0x0532,
};

// The status codes of responses and acknowledgements.
enum Status : quint8 {
    NoError = 0x00,
    ConnectionIdError = 0x21,
    ConnectionTypeError = 0x22,
    ConnectionOptionError = 0x23,
    NoMoreConnections = 0x24,
    KnxConnectionError = 0x27,
    TunnellingLayerError = 0x29,
};
} // namespace KnxNetIp

struct KnxNetIpFrame
{
    KnxNetIp::Service service = KnxNetIp::Service::SearchRequest;
    QByteArray body;
};
QByteArray encodeKnxNetIpFrame(const KnxNetIpFrame &frame);
// A frame whose total length is the datagram's; the service type may be any.
std::optional<KnxNetIpFrame> decodeKnxNetIpFrame(const QByteArray &datagram);

// A host protocol address information (HPAI) for UDP. 0.0.0.0:0 asks the
// other side to answer where the datagram came from (behind NAT).
struct Endpoint
{
    quint32 address = 0;
    quint16 port = 0;
    friend bool operator==(Endpoint a, Endpoint b)
    {
        return a.address == b.address && a.port == b.port;
    }
};

// SEARCH_REQUEST: where the answers go.
QByteArray searchRequestBody(Endpoint discovery);

// CONNECT_REQUEST for a tunnel on the link layer.
QByteArray connectRequestBody(Endpoint control, Endpoint data);

// CONNECT_RESPONSE: with NoError also the data endpoint and the individual
// address the tunnel gives the client.
struct ConnectResponse
{
    quint8 channel = 0;
    quint8 status = KnxNetIp::NoError;
    Endpoint data;
    quint16 address = 0;
};
QByteArray encodeConnectResponse(const ConnectResponse &response);
std::optional<ConnectResponse> decodeConnectResponse(const QByteArray &body);

// CONNECTIONSTATE_REQUEST and DISCONNECT_REQUEST: channel and the sender's
// control endpoint.
struct ChannelRequest
{
    quint8 channel = 0;
    Endpoint control;
};
QByteArray encodeChannelRequest(const ChannelRequest &request);
std::optional<ChannelRequest> decodeChannelRequest(const QByteArray &body);

// CONNECTIONSTATE_RESPONSE and DISCONNECT_RESPONSE.
struct ChannelStatus
{
    quint8 channel = 0;
    quint8 status = KnxNetIp::NoError;
};
QByteArray encodeChannelStatus(const ChannelStatus &response);
std::optional<ChannelStatus> decodeChannelStatus(const QByteArray &body);

// TUNNELLING_REQUEST (a cEMI frame after the connection header, status 0) and
// TUNNELLING_ACK (the header alone).
struct TunnellingFrame
{
    quint8 channel = 0;
    quint8 sequence = 0;
    quint8 status = KnxNetIp::NoError;
    QByteArray cemi;
};
QByteArray encodeTunnellingFrame(const TunnellingFrame &frame);
std::optional<TunnellingFrame> decodeTunnellingFrame(const QByteArray &body);

// SEARCH_RESPONSE: the control endpoint and the device-information and
// supported-service-families descriptions.
struct SearchResponse
{
    Endpoint control;
    QString name;
    quint16 individualAddress = 0;
    bool tunnelling = false;
    bool routing = false;
};
std::optional<SearchResponse> decodeSearchResponse(const QByteArray &body);
