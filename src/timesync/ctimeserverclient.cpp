#include "timesync/ctimeserverclient.h"

#include <arpa/inet.h>
#include <chrono>
#include <cstring>
#include <netdb.h>
#include <sys/socket.h>

#include "timesync/cudpsocket.h"

namespace {

constexpr unsigned char kClientVersion3 = 0x1B;  // LI 0, version 3, mode 3 (client)
constexpr int kModeServer = 4;
constexpr size_t kReceiveCapacity = 68;
constexpr size_t kRootDelayOffset = 4;
constexpr size_t kRootDispersionOffset = 8;
constexpr size_t kReferenceIdOffset = 12;
constexpr int kLeapUnsynchronised = 3;
constexpr int kMaxStratum = 15;
constexpr int32_t kOneSecondFixed = 0x10000;  // 1 s in 16.16 fixed point
constexpr size_t kPacketSize = CTimeServerClient::kPacketSize;

uint32_t ReadWord(const unsigned char* p)
{
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}
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

bool IsServerAddress(const std::string& host)
{
    if (host.empty() || host.size() > kMaxServerAddressBytes)
        return false;
    for (const char c : host) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7f)
            return false;
    }
    return true;
}

bool CTimeServerClient::QueryTimeServer(const std::string& host, TimeServerResult& result, uint16_t port) const
{
    return Query(host, result, port) == QueryStatus::Ok;
}

QueryStatus CTimeServerClient::Query(const std::string& host, TimeServerResult& result, uint16_t port,
                                     std::string* kissCode) const
{
    if (!IsServerAddress(host))
        return QueryStatus::Failed;
    CUdpSocket socket;
    if (!socket.Create())
        return QueryStatus::Failed;

    sockaddr_in server{};
    if (!ResolveIpv4(host, port, server) || !socket.Connect(server))
        return QueryStatus::Failed;

    unsigned char request[kPacketSize] = {};
    request[0] = kClientVersion3;
    const NtpTimestamp sent = clock();
    sent.ToWire(request + kTransmitOffset);
    if (!socket.Send(request, sizeof request))
        return QueryStatus::Failed;

    // Datagrams that fail the checks are dropped; the limit counts from the request.
    using Steady = std::chrono::steady_clock;
    const Steady::time_point deadline = Steady::now() + std::chrono::milliseconds(timeoutMilliseconds);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Steady::now());
        if (left.count() < 0 || !socket.WaitReadable(static_cast<int>(left.count())))
            return QueryStatus::Failed;
        const NtpTimestamp arrived = clock();
        unsigned char reply[kReceiveCapacity] = {};
        const ssize_t got = socket.Receive(reply, sizeof reply);
        if (got < 0)
            return QueryStatus::Failed;  // e.g. the port is closed (ICMP refusal)
        TimeServerResult r;
        switch (CheckReply(reply, static_cast<size_t>(got), sent, arrived, r, kissCode)) {
        case ReplyVerdict::Accepted:
            result = r;
            return QueryStatus::Ok;
        case ReplyVerdict::Denied:
            return QueryStatus::Denied;
        case ReplyVerdict::RateLimited:
            return QueryStatus::RateLimited;
        case ReplyVerdict::Ignored:
            break;
        }
    }
}

ReplyVerdict CheckReply(const unsigned char* reply, size_t size, NtpTimestamp sent,
                        NtpTimestamp arrived, TimeServerResult& result, std::string* kissCode)
{
    if (size < kPacketSize)
        return ReplyVerdict::Ignored;
    const int leap = reply[0] >> 6;
    const int version = (reply[0] >> 3) & 0x07;
    const int mode = reply[0] & 0x07;
    const int stratum = reply[1];
    // Anything but a server's answer to this very request could set the clock to a forged time.
    if (mode != kModeServer || (version != 3 && version != 4))
        return ReplyVerdict::Ignored;
    const NtpTimestamp t1 = NtpTimestamp::FromWire(reply + kOriginateOffset);
    if (t1 != sent)
        return ReplyVerdict::Ignored;
    if (stratum == 0) {
        // Kiss-o'-death: the reference identifier holds four ASCII letters.
        const std::string code(reinterpret_cast<const char*>(reply + kReferenceIdOffset), 4);
        if (kissCode)
            *kissCode = code;
        if (code == "DENY" || code == "RSTR")
            return ReplyVerdict::Denied;
        if (code == "RATE")
            return ReplyVerdict::RateLimited;
        return ReplyVerdict::Ignored;
    }
    if (leap == kLeapUnsynchronised || stratum > kMaxStratum)
        return ReplyVerdict::Ignored;
    // Root delay is signed, root dispersion unsigned, both 16.16 fixed-point seconds.
    const int32_t rootDelay = static_cast<int32_t>(ReadWord(reply + kRootDelayOffset));
    const uint32_t rootDispersion = ReadWord(reply + kRootDispersionOffset);
    if (rootDelay < 0 || rootDelay >= kOneSecondFixed || rootDispersion >= uint32_t{kOneSecondFixed})
        return ReplyVerdict::Ignored;

    TimeServerResult r;
    r.leapIndicator = leap;
    r.stratum = stratum;
    r.T1 = t1;
    r.T2 = NtpTimestamp::FromWire(reply + kReceiveOffset);
    r.T3 = NtpTimestamp::FromWire(reply + kTransmitOffset);
    r.T4 = arrived;
    if (r.T3.Value() == 0 || r.T3.Value() < r.T2.Value())
        return ReplyVerdict::Ignored;
    r.delay = SecondsBetween(r.T4, r.T1) - SecondsBetween(r.T3, r.T2);
    r.offset = (SecondsBetween(r.T2, r.T1) + SecondsBetween(r.T3, r.T4)) / 2;
    if (!(r.delay >= 0.0))
        return ReplyVerdict::Ignored;
    result = r;
    return ReplyVerdict::Accepted;
}
