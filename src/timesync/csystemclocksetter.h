#pragma once

#include "timesync/ntptimestamp.h"

// Sets the computer's UTC clock. Needs CAP_SYS_TIME; tests derive a fake from it so that
// they never touch the machine's clock.
class CSystemClockSetter {
public:
    virtual ~CSystemClockSetter() = default;

    // True when the clock now reads t (converted with SystemTimeFromTimestamp).
    virtual bool SetSystemClock(NtpTimestamp t);
};
