#pragma once

#include <cstddef>
#include <cstdint>

// Hands the bytes as datagrams to the SNTP client's reply check, the way the client's
// receive loop does while it waits: the input is cut into datagrams at every 0xFF 0x00 0xFF
// triple; each datagram is checked once as received and once with its originate timestamp
// patched to the request's, so that the checks past the originate test are reached too.
// Aborts when an accepted reply breaks a rule of the check. Returns how many were accepted.
std::size_t FuzzSntpReplies(const std::uint8_t* data, std::size_t size);
