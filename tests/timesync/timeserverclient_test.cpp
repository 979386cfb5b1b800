#include <gtest/gtest.h>

#include <cstdio>
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

}  // namespace

TEST(TimeServerClient, WorkedExampleDelayAndOffset)
{
    const Example e;
    FakeSntpServer server([&](const FakeSntpServer::Packet& request) {
        return FakeSntpServer::Reply(request, e.t2, e.t3);
    });
    const CTimeServerClient client(SequenceClock({e.t1, e.t4}), kShortLimitMilliseconds);
    TimeServerResult result;
    ASSERT_TRUE(client.QueryTimeServer("127.0.0.1", result, server.Port()));
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
    FakeSntpServer server([&](const FakeSntpServer::Packet& request) {
        return FakeSntpServer::Reply(request, e.t2, e.t3);
    });
    const CTimeServerClient client(SequenceClock({e.t1, e.t4}), kShortLimitMilliseconds);
    TimeServerResult result;
    ASSERT_TRUE(client.QueryTimeServer("127.0.0.1", result, server.Port()));
    const FakeSntpServer::Packet request = server.LastRequest();
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
    const Example e;
    FakeSntpServer server([&](const FakeSntpServer::Packet& request) {
        return FakeSntpServer::Reply(request, e.t2, e.t3);
    });
    const CTimeServerClient client(SequenceClock({e.t1, e.t4}), kShortLimitMilliseconds);
    TimeServerResult result;
    EXPECT_TRUE(client.QueryTimeServer("localhost", result, server.Port()));
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
    const Example e;
    FakeSntpServer server([&](const FakeSntpServer::Packet& request) {
        FakeSntpServer::Packet reply = FakeSntpServer::Reply(request, e.t2, e.t3);
        spoil(reply);
        return reply;
    });
    const CTimeServerClient client(SequenceClock({e.t1, e.t4}), kShortLimitMilliseconds);
    TimeServerResult result;
    result.offset = 1.5;
    const bool ok = client.QueryTimeServer("127.0.0.1", result, server.Port());
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
    const Example e;
    FakeSntpServer server([&](const FakeSntpServer::Packet& request) {
        FakeSntpServer::Packet reply = FakeSntpServer::Reply(request, e.t2, e.t3);
        reply[0] = 0x5C;  // LI 1, version 3, server
        reply[1] = 7;
        return reply;
    });
    const CTimeServerClient client(SequenceClock({e.t1, e.t4}), kShortLimitMilliseconds);
    TimeServerResult result;
    ASSERT_TRUE(client.QueryTimeServer("127.0.0.1", result, server.Port()));
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
