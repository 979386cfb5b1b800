#include "timesync/ctimeserverclient.h"

#include <arpa/inet.h>
#include <cstring>
#include <netdb.h>
#include <sys/socket.h>

#include "timesync/cudpsocket.h"

namespace {

constexpr unsigned char kClientVersion3 = 0x1B;  // LI 0, version 3, mode 3 (client)
constexpr int kModeServer = 4;
constexpr size_t kReceiveCapacity = 68;
constexpr size_t kOriginateOffset = 24;
constexpr size_t kReceiveOffset = 32;
constexpr size_t kTransmitOffset = 40;

bool ResolveIpv4(const std::string& host, uint16_t port, sockaddr_in& address)
{
    std::memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    if (inet_pton(AF_INET, host.c_str(), &address.sin_addr) == 1)
        return true;

    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr)
        return false;
    address.sin_addr = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr;
    freeaddrinfo(found);
    return true;
}

}  // namespace

CTimeServerClient::CTimeServerClient(Clock clockSource, int timeout)
    : clock(clockSource ? std::move(clockSource) : Clock([] { return TimestampFromSystemTime(); })),
      timeoutMilliseconds(timeout)
{
}

bool CTimeServerClient::QueryTimeServer(const std::string& host, TimeServerResult& result, uint16_t port) const
{
    CUdpSocket socket;
    if (!socket.Create())
        return false;

    sockaddr_in server{};
    if (!ResolveIpv4(host, port, server) || !socket.Connect(server))
        return false;

    unsigned char request[kPacketSize] = {};
    request[0] = kClientVersion3;
    const NtpTimestamp sent = clock();
    sent.ToWire(request + kTransmitOffset);
    if (!socket.Send(request, sizeof request))
        return false;

    if (!socket.WaitReadable(timeoutMilliseconds))
        return false;
    const NtpTimestamp arrived = clock();

    unsigned char reply[kReceiveCapacity] = {};
    const ssize_t got = socket.Receive(reply, sizeof reply);
    if (got < static_cast<ssize_t>(kPacketSize))
        return false;

    TimeServerResult r;
    r.leapIndicator = reply[0] >> 6;
    r.stratum = reply[1];
    r.T1 = NtpTimestamp::FromWire(reply + kOriginateOffset);
    r.T2 = NtpTimestamp::FromWire(reply + kReceiveOffset);
    r.T3 = NtpTimestamp::FromWire(reply + kTransmitOffset);
    r.T4 = arrived;
    // Anything but a server's answer to this very request could set the clock to a forged time.
    if ((reply[0] & 0x07) != kModeServer || r.T3.Value() == 0 || r.T1 != sent)
        return false;

    r.delay = SecondsBetween(r.T4, r.T1) - SecondsBetween(r.T3, r.T2);
    r.offset = (SecondsBetween(r.T2, r.T1) + SecondsBetween(r.T3, r.T4)) / 2;
    result = r;
    return true;
}
