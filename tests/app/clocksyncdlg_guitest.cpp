#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <algorithm>
#include <atomic>
#include <functional>
#include <vector>

#include "fakesntpserver.h"
#include "messageboxes.h"
#include "app/cclocksyncdlg.h"

namespace {

constexpr int kShortLimitMilliseconds = 200;
constexpr double kToleranceSeconds = 1e-6;

// Records what would have been written to the clock; never touches it.
class FakeClockSetter : public CSystemClockSetter {
public:
    explicit FakeClockSetter(bool succeed = true) : succeed(succeed) {}
    bool SetSystemClock(NtpTimestamp t) override
    {
        written.push_back(t);
        return succeed;
    }
    bool succeed;
    std::vector<NtpTimestamp> written;
};

const NtpTimestamp kT1 = Stamp(2003, 2, 6, 12, 34, 0, 0);
const NtpTimestamp kT4 = Stamp(2003, 2, 6, 12, 34, 0, 400);
const NtpTimestamp kNow = Stamp(2003, 2, 6, 12, 34, 1, 0);  // the clock when "설정" is pressed

// A server that receives at T1 + receiveOffset and replies 100 ms later (server clock).
FakeSntpServer::Answer ServerAhead(double aheadSeconds)
{
    return [aheadSeconds](const FakeSntpServer::Packet& request) {
        const NtpTimestamp t2 = AddSeconds(kT1, aheadSeconds + 0.15);
        const NtpTimestamp t3 = AddSeconds(t2, 0.1);
        return FakeSntpServer::Reply(request, t2, t3);
    };
}

QString Text(QWidget& dlg, const char* name)
{
    if (auto* label = dlg.findChild<QLabel*>(QString::fromLatin1(name)))
        return label->text();
    if (auto* edit = dlg.findChild<QLineEdit*>(QString::fromLatin1(name)))
        return edit->text();
    ADD_FAILURE() << "no control " << name;
    return {};
}

void Click(QWidget& dlg, const char* name)
{
    auto* button = dlg.findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

struct Fixture {
    explicit Fixture(FakeSntpServer::Answer answer, bool setterSucceeds = true)
        : server(std::move(answer)), setter(setterSucceeds),
          dlg(QStringLiteral("127.0.0.1"), setter,
              CTimeServerClient(SequenceClock({kT1, kT4, kNow}), kShortLimitMilliseconds), server.Port())
    {
        dlg.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    }
    FakeSntpServer server;
    FakeClockSetter setter;
    CClockSyncDlg dlg;
};

}  // namespace

TEST(ClockSyncDlg, OpensWithTheHostAndEmptyTexts)
{
    FakeClockSetter setter;
    CClockSyncDlg dlg(QStringLiteral("time.example.org"), setter);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("시간 맞추기"));
    EXPECT_EQ(Text(dlg, "serverAddress"), QStringLiteral("time.example.org"));
    for (const char* name : {"t1Text", "t2Text", "t3Text", "t4Text", "delayText", "offsetText"})
        EXPECT_TRUE(Text(dlg, name).isEmpty()) << name;
    EXPECT_EQ(dlg.Result().offset, 0.0);
    EXPECT_EQ(dlg.Result().delay, 0.0);
    EXPECT_EQ(dlg.Result().T1.Value(), 0u);
}

TEST(ClockSyncDlg, FetchShowsTheWorkedExample)
{
    Fixture f([](const FakeSntpServer::Packet& request) {
        return FakeSntpServer::Reply(request, Stamp(2003, 2, 6, 12, 34, 10, 500), Stamp(2003, 2, 6, 12, 34, 10, 600));
    });
    MessageBoxAnswerer answerer;
    Click(f.dlg, "fetchButton");
    EXPECT_TRUE(answerer.Texts().isEmpty());
    EXPECT_EQ(Text(f.dlg, "t1Text"), QStringLiteral("2003년 02월 06일 12시 34분 00.000초"));
    EXPECT_EQ(Text(f.dlg, "t2Text"), QStringLiteral("2003년 02월 06일 12시 34분 10.500초"));
    EXPECT_EQ(Text(f.dlg, "t3Text"), QStringLiteral("2003년 02월 06일 12시 34분 10.600초"));
    EXPECT_EQ(Text(f.dlg, "t4Text"), QStringLiteral("2003년 02월 06일 12시 34분 00.400초"));
    EXPECT_EQ(Text(f.dlg, "delayText"), QStringLiteral("0.300000"));
    EXPECT_EQ(Text(f.dlg, "offsetText"), QStringLiteral("10.350000"));
    EXPECT_EQ(f.setter.written.size(), 0u);
}

TEST(ClockSyncDlg, TheTypedAddressIsUsed)
{
    Fixture f(ServerAhead(5.0));
    auto* edit = f.dlg.findChild<QLineEdit*>(QStringLiteral("serverAddress"));
    ASSERT_NE(edit, nullptr);
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("localhost"));
    MessageBoxAnswerer answerer;
    Click(f.dlg, "fetchButton");
    EXPECT_TRUE(answerer.Texts().isEmpty());
    EXPECT_EQ(f.server.RequestCount(), 1);
    EXPECT_EQ(Text(f.dlg, "serverAddress"), QStringLiteral("localhost"));
}

TEST(ClockSyncDlg, SetWritesTheClockCorrectedByTheOffset)
{
    Fixture f(ServerAhead(5.0));
    Click(f.dlg, "fetchButton");
    const double offset = f.dlg.Result().offset;
    EXPECT_NEAR(offset, 5.0, kToleranceSeconds);
    MessageBoxAnswerer answerer;
    Click(f.dlg, "setButton");
    ASSERT_EQ(f.setter.written.size(), 1u);
    EXPECT_EQ(f.setter.written[0], AddSeconds(kNow, offset));
    ASSERT_EQ(answerer.Texts().size(), 1);
    EXPECT_EQ(answerer.Texts()[0], QStringLiteral("시간이 성공적으로 조정 되었습니다."));
    EXPECT_TRUE(f.dlg.isVisible());
}

TEST(ClockSyncDlg, TwoHoursAheadAsksAndNoLeavesTheClock)
{
    Fixture f(ServerAhead(7200.0));
    Click(f.dlg, "fetchButton");
    MessageBoxAnswerer answerer({QMessageBox::No});
    Click(f.dlg, "setButton");
    ASSERT_EQ(answerer.Texts().size(), 1);
    EXPECT_EQ(answerer.Texts()[0], QStringLiteral("서버와 PC 시간이 1시간 넘게 차이가 납니다.\n그래도 설정하시겠습니까?"));
    EXPECT_EQ(answerer.Icons()[0], QMessageBox::Critical);
    EXPECT_TRUE(f.setter.written.empty());
}

TEST(ClockSyncDlg, TwoHoursAheadYesSetsTheClock)
{
    Fixture f(ServerAhead(7200.0));
    Click(f.dlg, "fetchButton");
    MessageBoxAnswerer answerer({QMessageBox::Yes, QMessageBox::Ok});
    Click(f.dlg, "setButton");
    ASSERT_EQ(answerer.Texts().size(), 2);
    EXPECT_EQ(answerer.Texts()[1], QStringLiteral("시간이 성공적으로 조정 되었습니다."));
    ASSERT_EQ(f.setter.written.size(), 1u);
    EXPECT_NEAR(SecondsBetween(f.setter.written[0], kNow), 7200.0, kToleranceSeconds);
}

namespace {

// Server offsets for which T2 - T1 and T3 - T4 are exact: offset = ((T2-T1)+(T3-T4))/2.
FakeSntpServer::Answer ServerWithOffset(double offsetSeconds)
{
    return [offsetSeconds](const FakeSntpServer::Packet& request) {
        // With T2 = T1 + o + 0.2 and T3 = T2: ((o + 0.2) + (o + 0.2 - 0.4)) / 2 = o.
        const NtpTimestamp t2 = AddSeconds(kT1, offsetSeconds + 0.2);
        return FakeSntpServer::Reply(request, t2, t2);
    };
}

int QuestionsAskedWhenSetting(double offsetSeconds)
{
    Fixture f(ServerWithOffset(offsetSeconds));
    Click(f.dlg, "fetchButton");
    MessageBoxAnswerer answerer({QMessageBox::No, QMessageBox::Ok});
    Click(f.dlg, "setButton");
    int questions = 0;
    for (const QString& text : answerer.Texts())
        questions += text.contains(QStringLiteral("1시간 넘게")) ? 1 : 0;
    return questions;
}

}  // namespace

TEST(ClockSyncDlg, MinusOneHourAndAHalfSecondAsks)
{
    EXPECT_EQ(QuestionsAskedWhenSetting(-3600.5), 1);
}

TEST(ClockSyncDlg, MinusExactlyOneHourDoesNotAsk)
{
    EXPECT_EQ(QuestionsAskedWhenSetting(-3600.0), 0);
}

TEST(ClockSyncDlg, SilentServerFailsAndTheEarlierReplyIsNotUsed)
{
    std::atomic<bool> answer{true};
    Fixture f([&answer](const FakeSntpServer::Packet& request) {
        if (!answer)
            return FakeSntpServer::Packet();
        const NtpTimestamp t2 = AddSeconds(kT1, 30.2);
        return FakeSntpServer::Reply(request, t2, t2);
    });
    Click(f.dlg, "fetchButton");
    const double firstOffset = f.dlg.Result().offset;
    EXPECT_NEAR(firstOffset, 30.0, kToleranceSeconds);

    answer = false;
    {
        MessageBoxAnswerer answerer;
        Click(f.dlg, "fetchButton");
        ASSERT_EQ(answerer.Texts().size(), 1);
        EXPECT_EQ(answerer.Texts()[0], QStringLiteral("서버와의 접속에 실패했습니다."));
    }
    for (const char* name : {"t1Text", "t2Text", "t3Text", "t4Text", "delayText", "offsetText"})
        EXPECT_TRUE(Text(f.dlg, name).isEmpty()) << name;

    // The reply of the earlier fetch is older than the last fetch: the clock is not set.
    MessageBoxAnswerer answerer;
    Click(f.dlg, "setButton");
    EXPECT_TRUE(f.setter.written.empty());
    ASSERT_EQ(answerer.Texts().size(), 1);
    EXPECT_EQ(answerer.Texts()[0],
              QStringLiteral("가져온 서버 시각이 없습니다.\n'가져오기'로 서버 시각을 먼저 가져오십시오."));
}

namespace {

// A reply `aheadSeconds` off that the client must not take, spoiled by `spoil`.
FakeSntpServer::Answer SpoiledServer(double aheadSeconds, std::function<void(FakeSntpServer::Packet&)> spoil)
{
    return [aheadSeconds, spoil](const FakeSntpServer::Packet& request) {
        FakeSntpServer::Packet reply = ServerAhead(aheadSeconds)(request);
        spoil(reply);
        return reply;
    };
}

void Kiss(FakeSntpServer::Packet& r, const char* code)
{
    r[0] = 0xDC;
    r[1] = 0;
    std::copy(code, code + 4, r.begin() + 12);
}

struct DiscardedReply {
    const char* what;
    double aheadSeconds;
    std::function<void(FakeSntpServer::Packet&)> spoil;
    const char* message;
};

}  // namespace

TEST(ClockSyncDlg, DiscardedRepliesNeverSetTheClock)
{
    const DiscardedReply cases[] = {
        {"kiss DENY, 59 minutes off", 3540.0, [](FakeSntpServer::Packet& r) { Kiss(r, "DENY"); },
         "시간 서버가 이 컴퓨터의 요청을 거부했습니다(DENY).\n다른 서버 주소를 입력하십시오."},
        {"kiss RSTR, 2 hours off", 7200.0, [](FakeSntpServer::Packet& r) { Kiss(r, "RSTR"); },
         "시간 서버가 이 컴퓨터의 요청을 거부했습니다(RSTR).\n다른 서버 주소를 입력하십시오."},
        {"kiss RATE", 3540.0, [](FakeSntpServer::Packet& r) { Kiss(r, "RATE"); },
         "시간 서버가 요청이 너무 잦다고 알려 왔습니다(RATE).\n잠시 후에 다시 시도하십시오."},
        {"kiss of another code, 59 minutes off", 3540.0, [](FakeSntpServer::Packet& r) { Kiss(r, "ACST"); },
         "서버와의 접속에 실패했습니다."},
        {"unsynchronised server, 2 hours off", 7200.0, [](FakeSntpServer::Packet& r) { r[0] = 0xDC; },
         "서버와의 접속에 실패했습니다."},
        {"stratum 16", 60.0, [](FakeSntpServer::Packet& r) { r[1] = 16; }, "서버와의 접속에 실패했습니다."},
        {"version 7", 60.0, [](FakeSntpServer::Packet& r) { r[0] = 0x3C; }, "서버와의 접속에 실패했습니다."},
    };
    for (const DiscardedReply& c : cases) {
        Fixture f(SpoiledServer(c.aheadSeconds, c.spoil));
        {
            MessageBoxAnswerer answerer;
            Click(f.dlg, "fetchButton");
            ASSERT_EQ(answerer.Texts().size(), 1) << c.what;
            EXPECT_EQ(answerer.Texts()[0], QString::fromUtf8(c.message)) << c.what;
        }
        EXPECT_TRUE(Text(f.dlg, "offsetText").isEmpty()) << c.what;
        MessageBoxAnswerer answerer({QMessageBox::Yes, QMessageBox::Ok});
        Click(f.dlg, "setButton");
        EXPECT_TRUE(f.setter.written.empty()) << c.what;
        ASSERT_EQ(answerer.Texts().size(), 1) << c.what;
        EXPECT_FALSE(answerer.Texts()[0].contains(QStringLiteral("1시간 넘게"))) << c.what;
    }
}

TEST(ClockSyncDlg, UnusableAddressIsRefusedWithoutAnExchange)
{
    Fixture f(ServerAhead(0.0));
    auto* edit = f.dlg.findChild<QLineEdit*>(QStringLiteral("serverAddress"));
    ASSERT_NE(edit, nullptr);
    edit->setText(QStringLiteral("two words"));
    MessageBoxAnswerer answerer;
    Click(f.dlg, "fetchButton");
    ASSERT_EQ(answerer.Texts().size(), 1);
    EXPECT_TRUE(answerer.Texts()[0].startsWith(QStringLiteral("서버 주소가 올바르지 않습니다."))) << answerer.Texts()[0].toStdString();
    EXPECT_EQ(f.server.RequestCount(), 0);
}

TEST(ClockSyncDlg, SpoofedReplyFailsTheExchange)
{
    Fixture f([](const FakeSntpServer::Packet& request) {
        FakeSntpServer::Packet reply = FakeSntpServer::Reply(request, kT1, kT1);
        reply[24] ^= 0x80;  // originate no longer echoes our request
        return reply;
    });
    MessageBoxAnswerer answerer;
    Click(f.dlg, "fetchButton");
    ASSERT_EQ(answerer.Texts().size(), 1);
    EXPECT_EQ(answerer.Texts()[0], QStringLiteral("서버와의 접속에 실패했습니다."));
    EXPECT_TRUE(Text(f.dlg, "offsetText").isEmpty());
    EXPECT_EQ(f.dlg.Result().offset, 0.0);
}

TEST(ClockSyncDlg, RefusedSettingShowsThePrivilegeMessage)
{
    Fixture f(ServerAhead(1.0), false);
    Click(f.dlg, "fetchButton");
    MessageBoxAnswerer answerer;
    Click(f.dlg, "setButton");
    ASSERT_EQ(answerer.Texts().size(), 1);
    EXPECT_EQ(answerer.Texts()[0], QStringLiteral("시간을 설정하는데 실패했습니다.\n권한이 있는지 확인하십시오."));
}

TEST(ClockSyncDlg, OkSetsThenCloses)
{
    Fixture f(ServerAhead(2.0));
    Click(f.dlg, "fetchButton");
    QSignalSpy accepted(&f.dlg, &QDialog::accepted);
    MessageBoxAnswerer answerer;
    Click(f.dlg, "okButton");
    EXPECT_EQ(f.setter.written.size(), 1u);
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_FALSE(f.dlg.isVisible());
    EXPECT_EQ(f.dlg.result(), QDialog::Accepted);
}

// Enter in the dialog fetches (the default button) and never sets the clock; "확인" without a
// reply fetched in this dialog only closes it.
TEST(ClockSyncDlg, EnterFetchesAndOkWithoutAReplyOnlyCloses)
{
    Fixture f(ServerAhead(2.0));
    MessageBoxAnswerer answerer;
    QTest::keyClick(&f.dlg, Qt::Key_Return);
    EXPECT_TRUE(f.setter.written.empty());
    EXPECT_TRUE(f.dlg.isVisible());
    EXPECT_FALSE(f.dlg.findChild<QLabel*>(QStringLiteral("offsetText"))->text().isEmpty());

    Fixture g(ServerAhead(2.0));
    Click(g.dlg, "okButton");
    EXPECT_TRUE(g.setter.written.empty());
    EXPECT_FALSE(g.dlg.isVisible());
    EXPECT_TRUE(answerer.Texts().empty());
}

TEST(ClockSyncDlg, OkAsksTooAndNoStillCloses)
{
    Fixture f(ServerAhead(-7200.0));
    Click(f.dlg, "fetchButton");
    MessageBoxAnswerer answerer({QMessageBox::No});
    Click(f.dlg, "okButton");
    EXPECT_EQ(answerer.Texts().size(), 1);
    EXPECT_TRUE(f.setter.written.empty());
    EXPECT_FALSE(f.dlg.isVisible());
}

TEST(ClockSyncDlg, CancelNeverSets)
{
    Fixture f(ServerAhead(2.0));
    Click(f.dlg, "fetchButton");
    Click(f.dlg, "cancelButton");
    EXPECT_TRUE(f.setter.written.empty());
    EXPECT_FALSE(f.dlg.isVisible());
    EXPECT_EQ(f.dlg.result(), QDialog::Rejected);
}

TEST(ClockSyncDlg, SetBeforeAnyFetchWritesTheCurrentTimeBack)
{
    FakeClockSetter setter;
    CClockSyncDlg dlg(QStringLiteral("127.0.0.1"), setter, CTimeServerClient(SequenceClock({kNow})));
    dlg.show();
    MessageBoxAnswerer answerer;
    Click(dlg, "setButton");
    ASSERT_EQ(setter.written.size(), 1u);
    EXPECT_EQ(setter.written[0], kNow);
}
