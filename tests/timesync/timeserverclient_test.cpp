#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "fakesntpserver.h"
#include "timesync/ctimeserverclient.h"
#include "timesync/cudpsocket.h"

namespace {

constexpr int kShortLimitMilliseconds = 200;
constexpr double kToleranceSeconds = 1e-6;

std::string SixDecimals(double x)
{
    char text[64];
    std::snprintf(text, sizeof text, "%f", x);
    return text;
}

// T1..T4 of the worked example: 0.000, 10.500, 10.600 and 0.400 s past one minute.
struct Example {
    NtpTimestamp t1 = Stamp(2003, 2, 6, 12, 34, 0, 0);
    NtpTimestamp t2 = Stamp(2003, 2, 6, 12, 34, 10, 500);
    NtpTimestamp t3 = Stamp(2003, 2, 6, 12, 34, 10, 600);
    NtpTimestamp t4 = Stamp(2003, 2, 6, 12, 34, 0, 400);
};

// One exchange of the worked example with host. spoil, if given, changes the server's reply
// first; request, if given, receives the packet the server got.
bool ExchangeExample(const char* host, TimeServerResult& result,
                     const std::function<void(FakeSntpServer::Packet&)>& spoil = {},
                     FakeSntpServer::Packet* request = nullptr)
{
    const Example e;
    FakeSntpServer server([&](const FakeSntpServer::Packet& received) {
        FakeSntpServer::Packet reply = FakeSntpServer::Reply(received, e.t2, e.t3);
        if (spoil)
            spoil(reply);
        return reply;
    });
    const CTimeServerClient client(SequenceClock({e.t1, e.t4}), kShortLimitMilliseconds);
    const bool ok = client.QueryTimeServer(host, result, server.Port());
    if (request)
        *request = server.LastRequest();
    return ok;
}

}  // namespace

TEST(TimeServerClient, WorkedExampleDelayAndOffset)
{
    const Example e;
    TimeServerResult result;
    ASSERT_TRUE(ExchangeExample("127.0.0.1", result));
    EXPECT_EQ(result.T1, e.t1);
    EXPECT_EQ(result.T2, e.t2);
    EXPECT_EQ(result.T3, e.t3);
    EXPECT_EQ(result.T4, e.t4);
    EXPECT_EQ(SixDecimals(result.delay), "0.300000");
    EXPECT_EQ(SixDecimals(result.offset), "10.350000");
    EXPECT_NEAR(result.delay, 0.3, kToleranceSeconds);
    EXPECT_NEAR(result.offset, 10.35, kToleranceSeconds);
    EXPECT_EQ(result.stratum, 2);
    EXPECT_EQ(result.leapIndicator, 0);
}

TEST(TimeServerClient, RequestIsAVersion3ClientPacketCarryingT1)
{
    const Example e;
    TimeServerResult result;
    FakeSntpServer::Packet request;
    ASSERT_TRUE(ExchangeExample("127.0.0.1", result, {}, &request));
    ASSERT_EQ(request.size(), 48u);
    EXPECT_EQ(request[0], 0x1B);
    for (size_t i = 1; i < 40; ++i)
        EXPECT_EQ(request[i], 0) << i;
    EXPECT_EQ(NtpTimestamp::FromWire(request.data() + 40), e.t1);
}

TEST(TimeServerClient, ServerTwoHoursAhead)
{
    const NtpTimestamp t1 = Stamp(2003, 2, 6, 12, 0, 0, 0);
    const NtpTimestamp t4 = Stamp(2003, 2, 6, 12, 0, 0, 20);
    FakeSntpServer server([&](const FakeSntpServer::Packet& request) {
        return FakeSntpServer::Reply(request, Stamp(2003, 2, 6, 14, 0, 0, 10), Stamp(2003, 2, 6, 14, 0, 0, 10));
    });
    const CTimeServerClient client(SequenceClock({t1, t4}), kShortLimitMilliseconds);
    TimeServerResult result;
    ASSERT_TRUE(client.QueryTimeServer("127.0.0.1", result, server.Port()));
    EXPECT_NEAR(result.offset, 7200.0, kToleranceSeconds);
    EXPECT_NEAR(result.delay, 0.020, kToleranceSeconds);
}

TEST(TimeServerClient, HostNameIsLookedUp)
{
    TimeServerResult result;
    EXPECT_TRUE(ExchangeExample("localhost", result));
}

TEST(TimeServerClient, SilentServerFailsAfterTheLimitAndKeepsTheResult)
{
    FakeSntpServer server([](const FakeSntpServer::Packet&) { return FakeSntpServer::Packet(); });
    const CTimeServerClient client(SequenceClock({Stamp(2003, 2, 6, 0, 0, 0, 0)}), kShortLimitMilliseconds);
    TimeServerResult result;
    result.offset = 42.0;
    result.delay = 0.5;
    EXPECT_FALSE(client.QueryTimeServer("127.0.0.1", result, server.Port()));
    EXPECT_EQ(server.RequestCount(), 1);
    EXPECT_EQ(result.offset, 42.0);
    EXPECT_EQ(result.delay, 0.5);
}

TEST(TimeServerClient, DefaultLimitIsFiveSeconds)
{
    EXPECT_EQ(CTimeServerClient().TimeoutMilliseconds(), 5000);
}

TEST(TimeServerClient, ClosedPortFails)
{
    uint16_t unusedPort;
    {
        FakeSntpServer probe([](const FakeSntpServer::Packet&) { return FakeSntpServer::Packet(); });
        unusedPort = probe.Port();
    }
    const CTimeServerClient client(SequenceClock({Stamp(2003, 2, 6, 0, 0, 0, 0)}), kShortLimitMilliseconds);
    TimeServerResult result;
    EXPECT_FALSE(client.QueryTimeServer("127.0.0.1", result, unusedPort));
}

namespace {

// Runs one exchange against a server whose reply the function spoils.
bool ExchangeWithSpoiledReply(const std::function<void(FakeSntpServer::Packet&)>& spoil)
{
    TimeServerResult result;
    result.offset = 1.5;
    const bool ok = ExchangeExample("127.0.0.1", result, spoil);
    if (!ok) {
        EXPECT_EQ(result.offset, 1.5);
    }
    return ok;
}

}  // namespace

TEST(TimeServerClient, ShortReplyIsRefused)
{
    EXPECT_FALSE(ExchangeWithSpoiledReply([](FakeSntpServer::Packet& r) { r.resize(47); }));
    EXPECT_FALSE(ExchangeWithSpoiledReply([](FakeSntpServer::Packet& r) { r.resize(1); }));
}

TEST(TimeServerClient, LongerReplyWithExtensionIsAccepted)
{
    EXPECT_TRUE(ExchangeWithSpoiledReply([](FakeSntpServer::Packet& r) { r.resize(68, 0x5A); }));
    EXPECT_TRUE(ExchangeWithSpoiledReply([](FakeSntpServer::Packet& r) { r.resize(200, 0x5A); }));
}

TEST(TimeServerClient, ReplyNotInServerModeIsRefused)
{
    EXPECT_FALSE(ExchangeWithSpoiledReply([](FakeSntpServer::Packet& r) { r[0] = 0x1B; }));  // client mode
    EXPECT_FALSE(ExchangeWithSpoiledReply([](FakeSntpServer::Packet& r) { r[0] = 0x1D; }));  // broadcast
}

TEST(TimeServerClient, ReplyWithoutTransmitTimestampIsRefused)
{
    EXPECT_FALSE(ExchangeWithSpoiledReply([](FakeSntpServer::Packet& r) {
        std::fill(r.begin() + 40, r.begin() + 48, 0);
    }));
}

TEST(TimeServerClient, SpoofedOriginateTimestampIsRefused)
{
    EXPECT_FALSE(ExchangeWithSpoiledReply([](FakeSntpServer::Packet& r) { r[31] ^= 0x01; }));
    EXPECT_FALSE(ExchangeWithSpoiledReply([](FakeSntpServer::Packet& r) {
        std::fill(r.begin() + 24, r.begin() + 32, 0);
    }));
}

TEST(TimeServerClient, LeapIndicatorAndStratumAreRead)
{
    TimeServerResult result;
    ASSERT_TRUE(ExchangeExample("127.0.0.1", result, [](FakeSntpServer::Packet& reply) {
        reply[0] = 0x5C;  // LI 1, version 3, server
        reply[1] = 7;
    }));
    EXPECT_EQ(result.leapIndicator, 1);
    EXPECT_EQ(result.stratum, 7);
}

TEST(UdpSocket, ClosedSocketRefusesEverything)
{
    CUdpSocket socket;
    unsigned char byte = 0;
    EXPECT_FALSE(socket.IsOpen());
    EXPECT_FALSE(socket.Send(&byte, 1));
    EXPECT_FALSE(socket.WaitReadable(0));
    EXPECT_EQ(socket.Receive(&byte, 1), -1);
    ASSERT_TRUE(socket.Create());
    EXPECT_TRUE(socket.IsOpen());
    socket.Close();
    EXPECT_FALSE(socket.IsOpen());
}

// ----- Replies the SNTP rules say to discard (RFC 4330, section 5) -----

namespace {

using Packet = FakeSntpServer::Packet;

void PutWord(Packet& r, size_t at, uint32_t v)
{
    for (int k = 0; k < 4; ++k)
        r[at + k] = static_cast<unsigned char>(v >> (24 - 8 * k));
}

void Kiss(Packet& r, const char* code)
{
    r[0] = 0xDC;  // LI 3, version 3, server: how kiss-o'-death replies come
    r[1] = 0;
    std::copy(code, code + 4, r.begin() + 12);
}

struct ReplyCase {
    const char* what;
    std::function<void(Packet&)> spoil;
    ReplyVerdict verdict;
    std::string kiss;  // the kiss code handed back (empty when none was read)
};

const NtpTimestamp kSent = Stamp(2003, 2, 6, 12, 34, 0, 0);
const NtpTimestamp kArrived = Stamp(2003, 2, 6, 12, 34, 0, 400);

Packet GoodReply()
{
    Packet request(48, 0);
    kSent.ToWire(request.data() + 40);
    return FakeSntpServer::Reply(request, Stamp(2003, 2, 6, 12, 34, 10, 500), Stamp(2003, 2, 6, 12, 34, 10, 600));
}

}  // namespace

TEST(CheckReply, EveryRuleOfTheClient)
{
    const ReplyCase cases[] = {
        {"well-formed, version 3", [](Packet&) {}, ReplyVerdict::Accepted, ""},
        {"well-formed, version 4", [](Packet& r) { r[0] = 0x24; }, ReplyVerdict::Accepted, ""},
        {"leap indicator 2 is still synchronised", [](Packet& r) { r[0] = 0x9C; }, ReplyVerdict::Accepted, ""},
        {"stratum 15", [](Packet& r) { r[1] = 15; }, ReplyVerdict::Accepted, ""},
        {"root delay and dispersion just under 1 s",
         [](Packet& r) { PutWord(r, 4, 0xFFFF); PutWord(r, 8, 0xFFFF); }, ReplyVerdict::Accepted, ""},
        {"68 bytes with an extension", [](Packet& r) { r.resize(68, 0x5A); }, ReplyVerdict::Accepted, ""},
        {"kiss DENY", [](Packet& r) { Kiss(r, "DENY"); }, ReplyVerdict::Denied, "DENY"},
        {"kiss RSTR", [](Packet& r) { Kiss(r, "RSTR"); }, ReplyVerdict::Denied, "RSTR"},
        {"kiss RATE", [](Packet& r) { Kiss(r, "RATE"); }, ReplyVerdict::RateLimited, "RATE"},
        {"kiss of another code", [](Packet& r) { Kiss(r, "INIT"); }, ReplyVerdict::Ignored, "INIT"},
        {"stratum 0 with LI 0", [](Packet& r) { r[1] = 0; }, ReplyVerdict::Ignored, std::string(4, '\0')},
        {"kiss DENY not answering our request",
         [](Packet& r) { Kiss(r, "DENY"); r[31] ^= 1; }, ReplyVerdict::Ignored, ""},
        {"leap indicator 3", [](Packet& r) { r[0] = 0xDC; }, ReplyVerdict::Ignored, ""},
        {"stratum 16", [](Packet& r) { r[1] = 16; }, ReplyVerdict::Ignored, ""},
        {"stratum 255", [](Packet& r) { r[1] = 255; }, ReplyVerdict::Ignored, ""},
        {"version 2", [](Packet& r) { r[0] = 0x14; }, ReplyVerdict::Ignored, ""},
        {"version 5", [](Packet& r) { r[0] = 0x2C; }, ReplyVerdict::Ignored, ""},
        {"version 0", [](Packet& r) { r[0] = 0x04; }, ReplyVerdict::Ignored, ""},
        {"client mode", [](Packet& r) { r[0] = 0x1B; }, ReplyVerdict::Ignored, ""},
        {"negative root delay", [](Packet& r) { PutWord(r, 4, 0xFFFFFFFF); }, ReplyVerdict::Ignored, ""},
        {"root delay of 1 s", [](Packet& r) { PutWord(r, 4, 0x10000); }, ReplyVerdict::Ignored, ""},
        {"root dispersion of 1 s", [](Packet& r) { PutWord(r, 8, 0x10000); }, ReplyVerdict::Ignored, ""},
        {"root dispersion of 65535 s", [](Packet& r) { PutWord(r, 8, 0xFFFFFFFF); }, ReplyVerdict::Ignored, ""},
        {"transmit before receive",
         [](Packet& r) { Stamp(2003, 2, 6, 12, 34, 10, 499).ToWire(r.data() + 40); }, ReplyVerdict::Ignored, ""},
        {"negative round trip (server took longer than the whole exchange)",
         [](Packet& r) { Stamp(2003, 2, 6, 12, 34, 11, 0).ToWire(r.data() + 40); }, ReplyVerdict::Ignored, ""},
        {"no transmit timestamp", [](Packet& r) { std::fill(r.begin() + 32, r.begin() + 48, 0); },
         ReplyVerdict::Ignored, ""},
        {"originate not ours", [](Packet& r) { r[24] ^= 0x80; }, ReplyVerdict::Ignored, ""},
        {"47 bytes", [](Packet& r) { r.resize(47); }, ReplyVerdict::Ignored, ""},
        {"empty", [](Packet& r) { r.clear(); }, ReplyVerdict::Ignored, ""},
    };
    for (const ReplyCase& c : cases) {
        Packet reply = GoodReply();
        c.spoil(reply);
        TimeServerResult result;
        result.offset = 99.0;
        std::string kiss;
        EXPECT_EQ(CheckReply(reply.data(), reply.size(), kSent, kArrived, result, &kiss), c.verdict) << c.what;
        EXPECT_EQ(kiss, c.kiss) << c.what;
        if (c.verdict == ReplyVerdict::Accepted) {
            EXPECT_GE(result.delay, 0.0) << c.what;
            EXPECT_NE(result.offset, 99.0) << c.what;
        } else {
            EXPECT_EQ(result.offset, 99.0) << c.what;  // left alone
        }
    }
}

TEST(TimeServerClient, BadDatagramIsIgnoredAndTheRealReplyIsTaken)
{
    const Example e;
    FakeSntpServer server(FakeSntpServer::Answers([&](const Packet& request) {
        Packet forged = FakeSntpServer::Reply(request, e.t2, AddSeconds(e.t3, 3000.0));
        forged[1] = 0;  // a kiss-o'-death 50 minutes off with an unknown code
        std::copy_n("XXXX", 4, forged.begin() + 12);
        Packet unsynchronised = FakeSntpServer::Reply(request, e.t2, AddSeconds(e.t3, 7200.0));
        unsynchronised[0] = 0xDC;
        return std::vector<Packet>{forged, Packet(10, 0x55), unsynchronised,
                                   FakeSntpServer::Reply(request, e.t2, e.t3)};
    }));
    const CTimeServerClient client(SequenceClock({e.t1, e.t4}), 2000);
    TimeServerResult result;
    ASSERT_EQ(client.Query("127.0.0.1", result, server.Port()), QueryStatus::Ok);
    EXPECT_NEAR(result.offset, 10.35, kToleranceSeconds);
    EXPECT_EQ(result.stratum, 2);
}

TEST(TimeServerClient, OnlyBadDatagramsFailAtTheLimit)
{
    const Example e;
    FakeSntpServer server([&](const Packet& request) {
        Packet reply = FakeSntpServer::Reply(request, e.t2, e.t3);
        reply[1] = 16;
        return reply;
    });
    const CTimeServerClient client(SequenceClock({e.t1, e.t4}), kShortLimitMilliseconds);
    TimeServerResult result;
    result.offset = 1.5;
    EXPECT_EQ(client.Query("127.0.0.1", result, server.Port()), QueryStatus::Failed);
    EXPECT_EQ(result.offset, 1.5);
}

TEST(TimeServerClient, KissCodesEndTheExchange)
{
    struct Case {
        const char* code;
        QueryStatus status;
    };
    for (const Case c : {Case{"DENY", QueryStatus::Denied}, Case{"RSTR", QueryStatus::Denied},
                         Case{"RATE", QueryStatus::RateLimited}}) {
        const Example e;
        FakeSntpServer server([&](const Packet& request) {
            Packet reply = FakeSntpServer::Reply(request, e.t2, e.t3);
            Kiss(reply, c.code);
            return reply;
        });
        // A long limit: the refusal ends the wait at once.
        const CTimeServerClient client(SequenceClock({e.t1, e.t4}), 60000);
        TimeServerResult result;
        std::string kiss;
        const auto started = std::chrono::steady_clock::now();
        EXPECT_EQ(client.Query("127.0.0.1", result, server.Port(), &kiss), c.status) << c.code;
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30)) << c.code;
        EXPECT_EQ(kiss, c.code);
    }
}

TEST(ServerAddress, TypedAddressesAreChecked)
{
    struct Case {
        std::string host;
        bool accepted;
    };
    const Case cases[] = {{"pool.ntp.org", true},      {"127.0.0.1", true},
                          {"", false},                  {"has space", false},
                          {"tab\there", false},         {std::string("nul\0x", 5), false},
                          {std::string(253, 'a'), true}, {std::string(254, 'a'), false},
                          {"del\x7f", false}};
    for (const Case& c : cases)
        EXPECT_EQ(IsServerAddress(c.host), c.accepted) << c.host;
}
