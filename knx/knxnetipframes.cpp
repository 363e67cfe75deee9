#include "knxnetipframes.h"

#include "framewords.h"

#include <QtEndian>

namespace {
constexpr quint8 HeaderSize = 6;
constexpr quint8 ProtocolVersion = 0x10;
constexpr quint8 EndpointSize = 8;
constexpr quint8 UdpProtocol = 0x01;
constexpr quint8 TunnelConnection = 0x04;
constexpr quint8 TunnelLinkLayer = 0x02;
constexpr quint8 ConnectionHeaderSize = 4;
constexpr quint8 DeviceInformation = 0x01;
constexpr quint8 DeviceInformationSize = 54;
constexpr quint8 ServiceFamilies = 0x02;
constexpr quint8 TunnellingFamily = 0x04;
constexpr quint8 RoutingFamily = 0x05;

quint8 byteAt(const QByteArray &bytes, qsizetype index)
{
    return quint8(bytes.at(index));
}

QByteArray endpointBytes(Endpoint endpoint)
{
    QByteArray bytes;
    bytes.append(char(EndpointSize)).append(char(UdpProtocol));
    char big[4];
    qToBigEndian(endpoint.address, big);
    bytes.append(big, 4);
    appendWord(bytes, endpoint.port);
    return bytes;
}

std::optional<Endpoint> endpointAt(const QByteArray &bytes, qsizetype index)
{
    if (bytes.size() < index + EndpointSize || byteAt(bytes, index) != EndpointSize ||
        byteAt(bytes, index + 1) != UdpProtocol)
        return std::nullopt;
    return Endpoint{qFromBigEndian<quint32>(bytes.constData() + index + 2),
                    wordAt(bytes, index + 6)};
}

// The friendly name: ISO 8859-1, up to the first NUL of its 30 bytes.
QString nameOf(const QByteArray &field)
{
    const qsizetype end = field.indexOf('\0');
    return QString::fromLatin1(end < 0 ? field : field.left(end));
}

void readFamilies(const QByteArray &dib, SearchResponse &response)
{
    for (qsizetype i = 2; i + 1 < dib.size(); i += 2) {
        response.tunnelling |= byteAt(dib, i) == TunnellingFamily;
        response.routing |= byteAt(dib, i) == RoutingFamily;
    }
}
} // namespace

QByteArray encodeKnxNetIpFrame(const KnxNetIpFrame &frame)
{
    QByteArray bytes;
    bytes.append(char(HeaderSize)).append(char(ProtocolVersion));
    appendWord(bytes, quint16(frame.service));
    appendWord(bytes, quint16(HeaderSize + frame.body.size()));
    return bytes + frame.body;
}

std::optional<KnxNetIpFrame> decodeKnxNetIpFrame(const QByteArray &datagram)
{
    if (datagram.size() < HeaderSize || byteAt(datagram, 0) != HeaderSize ||
        byteAt(datagram, 1) != ProtocolVersion || wordAt(datagram, 4) != datagram.size())
        return std::nullopt;
    return KnxNetIpFrame{KnxNetIp::Service(wordAt(datagram, 2)), datagram.mid(HeaderSize)};
}

QByteArray searchRequestBody(Endpoint discovery)
{
    return endpointBytes(discovery);
}

QByteArray connectRequestBody(Endpoint control, Endpoint data)
{
    return endpointBytes(control) + endpointBytes(data) + QByteArray("\x04") +
           char(TunnelConnection) + char(TunnelLinkLayer) + '\0';
}

QByteArray encodeConnectResponse(const ConnectResponse &response)
{
    QByteArray bytes;
    bytes.append(char(response.channel)).append(char(response.status));
    if (response.status != KnxNetIp::NoError)
        return bytes;
    bytes += endpointBytes(response.data);
    bytes.append(char(4)).append(char(TunnelConnection));
    appendWord(bytes, response.address);
    return bytes;
}

std::optional<ConnectResponse> decodeConnectResponse(const QByteArray &body)
{
    if (body.size() < 2)
        return std::nullopt;
    ConnectResponse response{byteAt(body, 0), byteAt(body, 1), {}, 0};
    if (response.status != KnxNetIp::NoError)
        return response;
    const std::optional<Endpoint> data = endpointAt(body, 2);
    constexpr qsizetype crd = 2 + EndpointSize;
    if (!data || body.size() != crd + 4 || byteAt(body, crd) != 4 ||
        byteAt(body, crd + 1) != TunnelConnection)
        return std::nullopt;
    response.data = *data;
    response.address = wordAt(body, crd + 2);
    return response;
}

QByteArray encodeChannelRequest(const ChannelRequest &request)
{
    return QByteArray(1, char(request.channel)) + '\0' + endpointBytes(request.control);
}

std::optional<ChannelRequest> decodeChannelRequest(const QByteArray &body)
{
    const std::optional<Endpoint> control = endpointAt(body, 2);
    if (!control || body.size() != 2 + EndpointSize)
        return std::nullopt;
    return ChannelRequest{byteAt(body, 0), *control};
}

QByteArray encodeChannelStatus(const ChannelStatus &response)
{
    return QByteArray(1, char(response.channel)) + char(response.status);
}

std::optional<ChannelStatus> decodeChannelStatus(const QByteArray &body)
{
    if (body.size() != 2)
        return std::nullopt;
    return ChannelStatus{byteAt(body, 0), byteAt(body, 1)};
}

QByteArray encodeTunnellingFrame(const TunnellingFrame &frame)
{
    QByteArray bytes;
    bytes.append(char(ConnectionHeaderSize)).append(char(frame.channel));
    bytes.append(char(frame.sequence)).append(char(frame.status));
    return bytes + frame.cemi;
}

std::optional<TunnellingFrame> decodeTunnellingFrame(const QByteArray &body)
{
    if (body.size() < ConnectionHeaderSize || byteAt(body, 0) != ConnectionHeaderSize)
        return std::nullopt;
    return TunnellingFrame{byteAt(body, 1), byteAt(body, 2), byteAt(body, 3),
                           body.mid(ConnectionHeaderSize)};
}

std::optional<SearchResponse> decodeSearchResponse(const QByteArray &body)
{
    const std::optional<Endpoint> control = endpointAt(body, 0);
    if (!control)
        return std::nullopt;
    SearchResponse response;
    response.control = *control;
    bool described = false;
    for (qsizetype at = EndpointSize; at < body.size();) {
        const quint8 size = byteAt(body, at);
        if (size < 2 || at + size > body.size())
            return std::nullopt;
        const QByteArray dib = body.mid(at, size);
        if (byteAt(dib, 1) == DeviceInformation && size == DeviceInformationSize) {
            response.individualAddress = wordAt(dib, 4);
            response.name = nameOf(dib.mid(24, 30));
            described = true;
        } else if (byteAt(dib, 1) == ServiceFamilies) {
            readFamilies(dib, response);
        }
        at += size;
    }
    if (!described)
        return std::nullopt;
    return response;
}
