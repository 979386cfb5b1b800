#include <QAbstractButton>
#include <cmath>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/ctimesetdlg.h"
#include "astro/time/juliandate.h"
#include "apptestsupport.h"

namespace {

constexpr double kToleranceDays = 1e-9;

QLineEdit* Edit(QWidget& dlg, const char* name)
{
    auto* edit = dlg.findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(edit, nullptr) << name;
    return edit;
}

QString TextOf(QWidget& dlg, const char* name)
{
    QLineEdit* edit = Edit(dlg, name);
    return edit ? edit->text() : QString();
}

// Replaces the field's text by typing it, one keystroke at a time.
void Retype(QWidget& dlg, const char* name, const QString& text)
{
    QLineEdit* edit = Edit(dlg, name);
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

struct Opened {
    explicit Opened(const SkyTime& t, CTimeSetDlg::Clock now = {}) : dlg(t, nullptr, std::move(now))
    {
        dlg.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    }
    CTimeSetDlg dlg;
};

// 2003-02-06 13:30:15 local civil time.
const SkyTime kFeb6Afternoon(JulianDateFromCalendar(2003, 2, 6), 13.5 + 15.0 / 3600.0);

}  // namespace

TEST(TimeSetDlg, OpensWithTheShownInstant)
{
    Opened o(kFeb6Afternoon);
    EXPECT_EQ(o.dlg.windowTitle(), QStringLiteral("시간 설정"));
    EXPECT_EQ(TextOf(o.dlg, "yearEdit"), QStringLiteral("2003"));
    EXPECT_EQ(TextOf(o.dlg, "monthEdit"), QStringLiteral("2"));
    EXPECT_EQ(TextOf(o.dlg, "dayEdit"), QStringLiteral("6"));
    EXPECT_EQ(TextOf(o.dlg, "hourEdit"), QStringLiteral("13"));
    EXPECT_EQ(TextOf(o.dlg, "minuteEdit"), QStringLiteral("30"));
    EXPECT_EQ(TextOf(o.dlg, "secondEdit"), QStringLiteral("15"));
    const double jd = TextOf(o.dlg, "julianDateEdit").toDouble();
    EXPECT_NEAR(jd, 2452676.5 + (13.5 + 15.0 / 3600.0) / 24.0, 1e-8);
    EXPECT_EQ(o.dlg.Shown().date.jd, 2452676.5);
}

TEST(TimeSetDlg, JulianDateShowsUpToFifteenSignificantDigits)
{
    EXPECT_EQ(CTimeSetDlg::FormatJulianDate(2452676.5), QStringLiteral("2452676.5"));
    EXPECT_EQ(CTimeSetDlg::FormatJulianDate(2452676.5625), QStringLiteral("2452676.5625"));
    EXPECT_EQ(CTimeSetDlg::FormatJulianDate(2451545.0 + 1.0 / 3.0), QStringLiteral("2451545.33333333"));
}

TEST(TimeSetDlg, TypingTheDateUpdatesTheJulianDateOnEveryKeystroke)
{
    Opened o(SkyTime(JulianDateFromCalendar(1999, 12, 31), 0.0));
    QLineEdit* year = Edit(o.dlg, "yearEdit");
    ASSERT_NE(year, nullptr);
    year->setFocus();
    year->selectAll();
    QTest::keyClick(year, Qt::Key_2);  // year 2
    EXPECT_DOUBLE_EQ(o.dlg.JulianDate(), JulianDateFromCalendar(2, 12, 31).jd);
    QTest::keyClicks(year, QStringLiteral("003"));
    EXPECT_DOUBLE_EQ(o.dlg.JulianDate(), JulianDateFromCalendar(2003, 12, 31).jd);
    Retype(o.dlg, "monthEdit", QStringLiteral("2"));
    EXPECT_DOUBLE_EQ(o.dlg.JulianDate(), JulianDateFromCalendar(2003, 2, 31).jd);
    Retype(o.dlg, "dayEdit", QStringLiteral("6"));
    EXPECT_DOUBLE_EQ(o.dlg.JulianDate(), 2452676.5);
    EXPECT_EQ(TextOf(o.dlg, "julianDateEdit"), QStringLiteral("2452676.5"));
}

TEST(TimeSetDlg, TypedJulianDateFillsTheFields)
{
    Opened o(kFeb6Afternoon);
    Retype(o.dlg, "julianDateEdit", QStringLiteral("2452676.5"));
    EXPECT_EQ(TextOf(o.dlg, "yearEdit"), QStringLiteral("2003"));
    EXPECT_EQ(TextOf(o.dlg, "monthEdit"), QStringLiteral("2"));
    EXPECT_EQ(TextOf(o.dlg, "dayEdit"), QStringLiteral("6"));
    EXPECT_EQ(TextOf(o.dlg, "hourEdit"), QStringLiteral("0"));
    EXPECT_EQ(TextOf(o.dlg, "minuteEdit"), QStringLiteral("0"));
    EXPECT_EQ(TextOf(o.dlg, "secondEdit"), QStringLiteral("0"));
    EXPECT_EQ(TextOf(o.dlg, "julianDateEdit"), QStringLiteral("2452676.5"));
    EXPECT_EQ(o.dlg.Shown().date.jd, 2452676.5);
    EXPECT_EQ(o.dlg.Shown().Hours(), 0.0);
}

TEST(TimeSetDlg, JulianDateRoundTripsThroughTheFields)
{
    Opened o(kFeb6Afternoon);
    Retype(o.dlg, "julianDateEdit", QStringLiteral("2452677.0625"));  // 13:30 local
    EXPECT_EQ(TextOf(o.dlg, "hourEdit"), QStringLiteral("13"));
    EXPECT_EQ(TextOf(o.dlg, "minuteEdit"), QStringLiteral("30"));
    Retype(o.dlg, "secondEdit", QStringLiteral("0"));
    EXPECT_NEAR(o.dlg.JulianDate(), 2452677.0625, kToleranceDays);
}

TEST(TimeSetDlg, EarlyJulianDateShowsZeroDate)
{
    Opened o(kFeb6Afternoon);
    Retype(o.dlg, "julianDateEdit", QStringLiteral("2299159.5"));
    EXPECT_EQ(TextOf(o.dlg, "yearEdit"), QStringLiteral("0"));
    EXPECT_EQ(TextOf(o.dlg, "monthEdit"), QStringLiteral("0"));
    EXPECT_EQ(TextOf(o.dlg, "dayEdit"), QStringLiteral("0"));
    Retype(o.dlg, "julianDateEdit", QStringLiteral("2299160.5"));
    EXPECT_EQ(TextOf(o.dlg, "yearEdit"), QStringLiteral("1582"));
    EXPECT_EQ(TextOf(o.dlg, "monthEdit"), QStringLiteral("10"));
    EXPECT_EQ(TextOf(o.dlg, "dayEdit"), QStringLiteral("15"));
}

TEST(TimeSetDlg, NinetyMinutesAddAnHourAndAHalf)
{
    Opened o(SkyTime(JulianDateFromCalendar(2003, 2, 6), 0.0));
    Retype(o.dlg, "minuteEdit", QStringLiteral("90"));
    EXPECT_NEAR(o.dlg.JulianDate(), 2452676.5 + 1.5 / 24.0, kToleranceDays);
    EXPECT_EQ(TextOf(o.dlg, "minuteEdit"), QStringLiteral("90"));
    EXPECT_EQ(TextOf(o.dlg, "hourEdit"), QStringLiteral("0"));
}

TEST(TimeSetDlg, OutOfRangeMonthIsComputedNotRejected)
{
    Opened o(SkyTime(JulianDateFromCalendar(2003, 2, 6), 0.0));
    Retype(o.dlg, "monthEdit", QStringLiteral("13"));
    EXPECT_EQ(TextOf(o.dlg, "monthEdit"), QStringLiteral("13"));
    EXPECT_DOUBLE_EQ(o.dlg.JulianDate(), JulianDateFromCalendar(2004, 1, 6).jd);
}

// A character that is not a digit is explained inside the dialog (no message box at the
// keystroke) and the field keeps its previous value; the next accepted edit clears it.
TEST(TimeSetDlg, NonNumberIsExplainedInTheDialogAndKeepsThePreviousValue)
{
    Opened o(kFeb6Afternoon);
    const double before = o.dlg.JulianDate();
    MessageBoxLog log;
    QLineEdit* day = Edit(o.dlg, "dayEdit");
    ASSERT_NE(day, nullptr);
    day->setFocus();
    day->end(false);
    QTest::keyClick(day, Qt::Key_X);
    EXPECT_TRUE(log.texts.isEmpty());
    EXPECT_TRUE(o.dlg.FieldMessage().contains(QStringLiteral("'일'")))
        << o.dlg.FieldMessage().toStdString();
    EXPECT_EQ(day->text(), QStringLiteral("6"));
    EXPECT_EQ(o.dlg.JulianDate(), before);

    QLineEdit* jd = Edit(o.dlg, "julianDateEdit");
    ASSERT_NE(jd, nullptr);
    const QString jdText = jd->text();
    jd->setFocus();
    jd->end(false);
    QTest::keyClick(jd, Qt::Key_X);
    EXPECT_TRUE(log.texts.isEmpty());
    EXPECT_EQ(jd->text(), jdText);
    EXPECT_TRUE(o.dlg.FieldMessage().contains(QStringLiteral("'JD'")));
    EXPECT_EQ(o.dlg.JulianDate(), before);
    EXPECT_EQ(TextOf(o.dlg, "dayEdit"), QStringLiteral("6"));

    // An accepted edit clears the explanation.
    day->setFocus();
    day->selectAll();
    QTest::keyClicks(day, QStringLiteral("7"));
    EXPECT_TRUE(o.dlg.FieldMessage().isEmpty());
}

TEST(TimeSetDlg, EmptyFieldWaitsAndOkRefusesIt)
{
    Opened o(kFeb6Afternoon);
    const SkyTime before = o.dlg.Shown();
    MessageBoxLog log;
    QLineEdit* hour = Edit(o.dlg, "hourEdit");
    ASSERT_NE(hour, nullptr);
    hour->setFocus();
    hour->selectAll();
    QTest::keyClick(hour, Qt::Key_Backspace);
    EXPECT_TRUE(log.texts.isEmpty());  // a field being retyped is not an error yet
    EXPECT_EQ(o.dlg.Shown().JD(), before.JD());

    QTest::mouseClick(o.dlg.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    EXPECT_EQ(log.texts.size(), 1);
    EXPECT_TRUE(o.dlg.isVisible());
    EXPECT_EQ(o.dlg.result(), 0);
}

TEST(TimeSetDlg, HugeJulianDateIsRefused)
{
    Opened o(kFeb6Afternoon);
    const double before = o.dlg.JulianDate();
    const QString beforeText = TextOf(o.dlg, "julianDateEdit");
    MessageBoxLog log;
    QLineEdit* jd = Edit(o.dlg, "julianDateEdit");
    ASSERT_NE(jd, nullptr);
    jd->setFocus();
    jd->end(false);
    QTest::keyClicks(jd, QStringLiteral("e3"));  // "...e" waits, "...e3" is past the limit
    EXPECT_TRUE(log.texts.isEmpty());  // explained in the dialog, no box at a keystroke
    EXPECT_TRUE(o.dlg.FieldMessage().contains(QStringLiteral("'JD'")));
    QTest::keyClicks(jd, QStringLiteral("00"));
    // The two zeros typed after the refusal append to the restored text: the same date.
    EXPECT_NEAR(o.dlg.JulianDate(), before, 1e-8);
    EXPECT_TRUE(jd->text().startsWith(beforeText));
    EXPECT_EQ(TextOf(o.dlg, "yearEdit"), QStringLiteral("2003"));
}

TEST(TimeSetDlg, NowPutsTheClockIntoTheFields)
{
    const SkyTime clock(JulianDateFromCalendar(2026, 12, 8), 14.0 + 5.0 / 60.0 + 30.0 / 3600.0);
    Opened o(kFeb6Afternoon, [clock] { return clock; });
    QTest::mouseClick(o.dlg.findChild<QPushButton*>(QStringLiteral("nowButton")), Qt::LeftButton);
    EXPECT_EQ(TextOf(o.dlg, "yearEdit"), QStringLiteral("2026"));
    EXPECT_EQ(TextOf(o.dlg, "monthEdit"), QStringLiteral("12"));
    EXPECT_EQ(TextOf(o.dlg, "dayEdit"), QStringLiteral("8"));
    EXPECT_EQ(TextOf(o.dlg, "hourEdit"), QStringLiteral("14"));
    EXPECT_EQ(TextOf(o.dlg, "minuteEdit"), QStringLiteral("5"));
    EXPECT_EQ(TextOf(o.dlg, "secondEdit"), QStringLiteral("30"));
    EXPECT_NEAR(o.dlg.Shown().JD(), clock.JD(), kToleranceDays);
    EXPECT_NEAR(TextOf(o.dlg, "julianDateEdit").toDouble(), clock.JD(), 1e-8);
}

TEST(TimeSetDlg, OkAcceptsTheEditedInstant)
{
    Opened o(kFeb6Afternoon);
    Retype(o.dlg, "hourEdit", QStringLiteral("21"));
    QTest::mouseClick(o.dlg.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    EXPECT_EQ(o.dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(o.dlg.isVisible());
    EXPECT_EQ(o.dlg.Shown().date.jd, 2452676.5);
    EXPECT_NEAR(o.dlg.Shown().Hours(), 21.5 + 15.0 / 3600.0, 1e-12);
}

TEST(TimeSetDlg, CancelRejects)
{
    Opened o(kFeb6Afternoon);
    QTest::mouseClick(o.dlg.findChild<QPushButton*>(QStringLiteral("cancelButton")), Qt::LeftButton);
    EXPECT_EQ(o.dlg.result(), QDialog::Rejected);
}

TEST(TimeSetDlg, UnrepresentableDateIsRefusedBeforeAnyArithmetic)
{
    struct Case {
        const char* field;
        const char* typed;
        int refusals;  // keystrokes refused (each explained in the dialog, no box)
        const char* kept;  // the field's text afterwards
        const char* message;
    };
    const QString unrepresentable = QStringLiteral(
        "이 날짜와 시간은 나타낼 수 없습니다. 율리우스일이 -1000000000보다 크고 1000000000보다 작은 날짜를 입력하십시오.");
    const Case cases[] = {
        // The eighth digit takes the month past any Julian date below 1e9.
        {"monthEdit", "99999999", 1, "9999999", nullptr},
        // Every keystroke past it is refused again.
        {"monthEdit", "4294967295", 3, "4294967", nullptr},
        {"yearEdit", "100000000", 2, "1000000", nullptr},
        // Seconds never leave the Julian date's range, but the field has its own cap.
        {"secondEdit", "1000000000", 1, "100000000", "'초' 칸에는 0에서 999999999 사이의 정수를 입력하십시오."},
    };
    for (const Case& c : cases) {
        Opened o(kFeb6Afternoon);
        MessageBoxLog log;
        Retype(o.dlg, c.field, QString::fromLatin1(c.typed));
        EXPECT_TRUE(log.texts.isEmpty()) << c.field << " " << c.typed;
        ASSERT_GT(c.refusals, 0);
        EXPECT_EQ(o.dlg.FieldMessage(),
                  c.message ? QString::fromUtf8(c.message) : unrepresentable) << c.typed;
        EXPECT_EQ(TextOf(o.dlg, c.field), QString::fromLatin1(c.kept)) << c.typed;
        EXPECT_LT(std::fabs(o.dlg.JulianDate()), 1e9) << c.typed;
        EXPECT_EQ(QString::number(o.dlg.JulianDate(), 'g', 15), TextOf(o.dlg, "julianDateEdit")) << c.typed;
    }
}

TEST(TimeSetDlg, OkRefusesFieldsItCannotRepresent)
{
    Opened o(kFeb6Afternoon);
    // Set without typing, as a paste that bypasses the keystroke handler would.
    QLineEdit* month = Edit(o.dlg, "monthEdit");
    ASSERT_NE(month, nullptr);
    month->setText(QStringLiteral("999999999"));
    MessageBoxLog log;
    QTest::mouseClick(o.dlg.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    ASSERT_EQ(log.texts.size(), 1);
    EXPECT_TRUE(log.texts[0].startsWith(QStringLiteral("이 날짜와 시간은 나타낼 수 없습니다.")));
    EXPECT_TRUE(o.dlg.isVisible());
    EXPECT_EQ(o.dlg.result(), 0);
    EXPECT_EQ(o.dlg.Month(), 2u);
}

namespace {

// Beside the local "JD" field, a read-only line holds the instant's true Julian date: 01:00
// local at +9 on 2000-01-01 is 16:00 UT on 1999-12-31, JD 2451544.1666667.
TEST(TimeSetDlg, ReadOnlyUniversalJulianDateFollowsTheFields)
{
    CTimeSetDlg dlg(SkyTime(SkyDate(2451544.5), 1.0));
    dlg.SetZone(9.0);
    auto* ut = dlg.findChild<QLineEdit*>(QStringLiteral("julianDateUTEdit"));
    ASSERT_NE(ut, nullptr);
    EXPECT_TRUE(ut->isReadOnly());
    constexpr double kToleranceDays = 1e-7;
    EXPECT_NEAR(ut->text().toDouble(), 2451544.1666667, kToleranceDays);
    auto* hour = dlg.findChild<QLineEdit*>(QStringLiteral("hourEdit"));
    ASSERT_NE(hour, nullptr);
    hour->selectAll();
    QTest::keyClicks(hour, QStringLiteral("13"));
    EXPECT_NEAR(ut->text().toDouble(), 2451544.6666667, kToleranceDays);
}

}  // namespace
