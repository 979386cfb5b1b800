#include "timesync/cudpsocket.h"

#include <cerrno>
#include <chrono>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

CUdpSocket::~CUdpSocket()
{
    Close();
}

bool CUdpSocket::Create()
{
    Close();
    handle = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    return handle >= 0;
}

void CUdpSocket::Close()
{
    if (handle >= 0) {
        ::close(handle);
        handle = -1;
    }
}

bool CUdpSocket::Connect(const sockaddr_in& peer)
{
    return handle >= 0 && ::connect(handle, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) == 0;
}

bool CUdpSocket::Send(const unsigned char* data, size_t size)
{
    if (handle < 0)
        return false;
    ssize_t sent;
    do {
        sent = ::send(handle, data, size, MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    return sent == static_cast<ssize_t>(size);
}

bool CUdpSocket::WaitReadable(int timeoutMilliseconds)
{
    if (handle < 0)
        return false;
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd entry{handle, POLLIN, 0};
        const int ready = ::poll(&entry, 1, left > 0 ? static_cast<int>(left) : 0);
        if (ready > 0)
            return true;
        if (ready == 0)
            return false;
        if (errno != EINTR)
            return false;
    }
}

ssize_t CUdpSocket::Receive(unsigned char* buffer, size_t capacity)
{
    if (handle < 0)
        return -1;
    ssize_t got;
    do {
        got = ::recv(handle, buffer, capacity, 0);
    } while (got < 0 && errno == EINTR);
    return got;
}
