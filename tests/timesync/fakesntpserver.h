#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "timesync/ntptimestamp.h"

// A time server on 127.0.0.1 at a port the system picks. Each request is handed to the
// answer function; an empty reply means staying silent.
class FakeSntpServer {
public:
    using Packet = std::vector<unsigned char>;
    using Answer = std::function<Packet(const Packet& request)>;
    // Several datagrams sent in turn for one request (empty ones are skipped).
    using Answers = std::function<std::vector<Packet>(const Packet& request)>;

    explicit FakeSntpServer(Answer answer);
    explicit FakeSntpServer(Answers answers);
    ~FakeSntpServer();

    uint16_t Port() const { return port; }
    int RequestCount() const { return requests.load(); }
    Packet LastRequest() const;

    // A well-formed server reply echoing the request's transmit timestamp.
    static Packet Reply(const Packet& request, NtpTimestamp received, NtpTimestamp transmitted);

private:
    void Serve();

    Answers answers;
    int handle = -1;
    uint16_t port = 0;
    std::atomic<bool> stopping{false};
    std::atomic<int> requests{0};
    mutable std::mutex lastMutex;
    Packet last;
    std::thread worker;
};

// A clock for the client that returns the given timestamps in turn (the last one repeats).
std::function<NtpTimestamp()> SequenceClock(std::vector<NtpTimestamp> stamps);

// Timestamp of a UTC date and time given to the millisecond.
NtpTimestamp Stamp(int year, int month, int day, int hour, int minute, int second, int milliseconds);
