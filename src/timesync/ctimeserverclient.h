#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "timesync/ntptimestamp.h"
#include "timesync/timeserverresult.h"

// A time server's address as typed: 1 to 253 bytes (the longest DNS name), none of them a
// space or a control character.
constexpr size_t kMaxServerAddressBytes = 253;
bool IsServerAddress(const std::string& host);

// What became of one exchange.
enum class QueryStatus {
    Ok,           // a reply passed every check; the result is filled
    Failed,       // socket, lookup or send failure, or no valid reply within the limit
    Denied,       // the server refused us for good (kiss code "DENY" or "RSTR")
    RateLimited,  // the server asks us to ask less often (kiss code "RATE")
};

// What a received datagram means to the waiting client.
enum class ReplyVerdict { Accepted, Ignored, Denied, RateLimited };

// Checks one datagram received for the request whose transmit timestamp was `sent`, read
// at `arrived` (T4), by the rules for SNTP clients (RFC 4330, section 5). Accepted fills
// `result`; a kiss-o'-death reply (stratum 0) that answers our request gives Denied for
// "DENY" and "RSTR", RateLimited for "RATE" and Ignored for any other code, with the code's
// four bytes in *kissCode. Ignored for everything else that fails: fewer than 48 bytes, not
// server mode, version other than 3 or 4, originate not our transmit timestamp, leap
// indicator 3 (server not synchronised), stratum above 15, no transmit timestamp, root delay
// or root dispersion outside [0, 1 s), transmit before receive, negative round trip.
ReplyVerdict CheckReply(const unsigned char* reply, size_t size, NtpTimestamp sent,
                        NtpTimestamp arrived, TimeServerResult& result,
                        std::string* kissCode = nullptr);

// One SNTP version 3 client exchange over UDP.
class CTimeServerClient {
public:
    using Clock = std::function<NtpTimestamp()>;

    static constexpr int kDefaultTimeoutMilliseconds = 5000;
    static constexpr uint16_t kNtpPort = 123;
    static constexpr size_t kPacketSize = 48;

    // clock: read for the request's transmit timestamp and for T4 (defaults to the UTC clock).
    explicit CTimeServerClient(Clock clock = {}, int timeoutMilliseconds = kDefaultTimeoutMilliseconds);

    // Sends one request to host (dotted IPv4 or a name) and waits for a reply that passes
    // CheckReply; datagrams that fail it are dropped and the wait goes on until the time
    // limit. Ok fills result; any other status leaves it alone. A refusal's kiss code goes
    // to *kissCode.
    QueryStatus Query(const std::string& host, TimeServerResult& result, uint16_t port = kNtpPort,
                      std::string* kissCode = nullptr) const;
    // Query() == QueryStatus::Ok.
    bool QueryTimeServer(const std::string& host, TimeServerResult& result, uint16_t port = kNtpPort) const;

    NtpTimestamp Now() const { return clock(); }
    int TimeoutMilliseconds() const { return timeoutMilliseconds; }

private:
    Clock clock;
    int timeoutMilliseconds;
};
