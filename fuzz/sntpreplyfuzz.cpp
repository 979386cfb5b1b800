#include "fuzz/sntpreplyfuzz.h"

#include "timesync/ctimeserverclient.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Our request left at 2003-02-06 12:34:00 UTC; the reply arrived 0.4 s later.
const NtpTimestamp kSent = NtpTimestamp::FromValue((uint64_t{3253437240u} << 32));
const NtpTimestamp kArrived = NtpTimestamp::FromValue((uint64_t{3253437240u} << 32) + 0x66666666u);

bool Check(const std::vector<unsigned char>& datagram)
{
    TimeServerResult result;
    result.offset = 12345.0;
    std::string kiss;
    const ReplyVerdict verdict =
        CheckReply(datagram.data(), datagram.size(), kSent, kArrived, result, &kiss);
    if (verdict != ReplyVerdict::Accepted) {
        if (result.offset != 12345.0)  // a refused reply leaves the result alone
            std::abort();
        if ((verdict == ReplyVerdict::Denied && kiss != "DENY" && kiss != "RSTR") ||
            (verdict == ReplyVerdict::RateLimited && kiss != "RATE"))
            std::abort();
        return false;
    }
    const int version = (datagram[0] >> 3) & 7;
    if (datagram.size() < 48 || (datagram[0] & 7) != 4 || (version != 3 && version != 4) ||
        result.leapIndicator == 3 || result.stratum < 1 || result.stratum > 15 ||
        result.T1 != kSent || result.T4 != kArrived || result.T3.Value() < result.T2.Value() ||
        !std::isfinite(result.delay) || !std::isfinite(result.offset) || result.delay < 0.0)
        std::abort();
    return true;
}

}  // namespace

std::size_t FuzzSntpReplies(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::vector<unsigned char>> datagrams(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (i + 2 < size && data[i] == 0xFF && data[i + 1] == 0x00 && data[i + 2] == 0xFF) {
            datagrams.emplace_back();
            i += 2;
            continue;
        }
        datagrams.back().push_back(data[i]);
    }
    std::size_t accepted = 0;
    for (std::vector<unsigned char>& datagram : datagrams) {
        accepted += Check(datagram) ? 1 : 0;
        if (datagram.size() >= 48) {
            kSent.ToWire(datagram.data() + 24);
            accepted += Check(datagram) ? 1 : 0;
        }
    }
    return accepted;
}
