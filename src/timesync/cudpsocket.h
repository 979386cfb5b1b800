#pragma once

#include <cstddef>
#include <cstdint>
#include <netinet/in.h>
#include <sys/types.h>

// An IPv4 datagram socket, closed by its destructor.
class CUdpSocket {
public:
    CUdpSocket() = default;
    ~CUdpSocket();
    CUdpSocket(const CUdpSocket&) = delete;
    CUdpSocket& operator=(const CUdpSocket&) = delete;

    bool Create();
    void Close();
    bool IsOpen() const { return handle >= 0; }

    // Fixes the peer so that Send and Receive talk to it only.
    bool Connect(const sockaddr_in& peer);
    bool Send(const unsigned char* data, size_t size);
    // True when a datagram (or an error) is waiting; false on timeout or a failed wait.
    bool WaitReadable(int timeoutMilliseconds);
    // Bytes received, or -1 on failure.
    ssize_t Receive(unsigned char* buffer, size_t capacity);

private:
    int handle = -1;
};
