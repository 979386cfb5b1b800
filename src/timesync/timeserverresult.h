#pragma once

#include <cstdint>

#include "timesync/ntptimestamp.h"

// One request/reply exchange with a time server.
struct TimeServerResult {
    int32_t leapIndicator = 0;
    int32_t stratum = 0;
    NtpTimestamp T1;  // originate: our clock when the request left, echoed by the server
    NtpTimestamp T2;  // receive: server clock when the request arrived
    NtpTimestamp T3;  // transmit: server clock when the reply left
    NtpTimestamp T4;  // our clock when the reply became readable
    double delay = 0.0;   // round trip in seconds
    double offset = 0.0;  // server minus our clock, seconds
};
