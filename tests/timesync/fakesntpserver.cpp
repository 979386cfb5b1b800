#include "fakesntpserver.h"

#include <arpa/inet.h>
#include <memory>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

FakeSntpServer::FakeSntpServer(Answer a)
    : FakeSntpServer(Answers([a = std::move(a)](const Packet& request) { return std::vector<Packet>{a(request)}; }))
{
}

FakeSntpServer::FakeSntpServer(Answers a) : answers(std::move(a))
{
    handle = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ::bind(handle, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(handle, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    worker = std::thread([this] { Serve(); });
}

FakeSntpServer::~FakeSntpServer()
{
    stopping = true;
    worker.join();
    ::close(handle);
}

FakeSntpServer::Packet FakeSntpServer::LastRequest() const
{
    std::lock_guard<std::mutex> lock(lastMutex);
    return last;
}

void FakeSntpServer::Serve()
{
    while (!stopping) {
        pollfd entry{handle, POLLIN, 0};
        if (::poll(&entry, 1, 20) <= 0)
            continue;
        unsigned char buffer[512];
        sockaddr_in from{};
        socklen_t length = sizeof from;
        const ssize_t got = ::recvfrom(handle, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &length);
        if (got < 0)
            continue;
        Packet request(buffer, buffer + got);
        {
            std::lock_guard<std::mutex> lock(lastMutex);
            last = request;
        }
        ++requests;
        for (const Packet& reply : answers(request)) {
            if (!reply.empty())
                ::sendto(handle, reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&from), length);
        }
    }
}

FakeSntpServer::Packet FakeSntpServer::Reply(const Packet& request, NtpTimestamp received, NtpTimestamp transmitted)
{
    Packet reply(48, 0);
    reply[0] = 0x1C;  // LI 0, version 3, mode 4 (server)
    reply[1] = 2;     // stratum
    if (request.size() >= 48)
        std::copy(request.begin() + 40, request.begin() + 48, reply.begin() + 24);
    received.ToWire(reply.data() + 32);
    transmitted.ToWire(reply.data() + 40);
    return reply;
}

std::function<NtpTimestamp()> SequenceClock(std::vector<NtpTimestamp> stamps)
{
    auto state = std::make_shared<std::pair<std::vector<NtpTimestamp>, size_t>>(std::move(stamps), 0);
    return [state] {
        auto& [list, next] = *state;
        const NtpTimestamp t = list[next < list.size() ? next : list.size() - 1];
        ++next;
        return t;
    };
}

NtpTimestamp Stamp(int year, int month, int day, int hour, int minute, int second, int milliseconds)
{
    SystemTime t;
    t.year = year;
    t.month = month;
    t.day = day;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    t.milliseconds = milliseconds;
    return TimestampFromSystemTime(t);
}
