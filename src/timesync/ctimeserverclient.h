#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "timesync/ntptimestamp.h"
#include "timesync/timeserverresult.h"

// One SNTP version 3 client exchange over UDP.
class CTimeServerClient {
public:
    using Clock = std::function<NtpTimestamp()>;

    static constexpr int kDefaultTimeoutMilliseconds = 5000;
    static constexpr uint16_t kNtpPort = 123;
    static constexpr size_t kPacketSize = 48;

    // clock: read for the request's transmit timestamp and for T4 (defaults to the UTC clock).
    explicit CTimeServerClient(Clock clock = {}, int timeoutMilliseconds = kDefaultTimeoutMilliseconds);

    // Sends one request to host (dotted IPv4 or a name) and waits for the reply. On success
    // fills result and returns true; on any failure returns false and leaves result alone.
    // A reply must be at least 48 bytes, in server mode, carry a transmit timestamp and
    // echo our transmit timestamp as its originate timestamp.
    bool QueryTimeServer(const std::string& host, TimeServerResult& result, uint16_t port = kNtpPort) const;

    NtpTimestamp Now() const { return clock(); }
    int TimeoutMilliseconds() const { return timeoutMilliseconds; }

private:
    Clock clock;
    int timeoutMilliseconds;
};
