#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

#include "astro/time/skytime.h"
#include "site/siteclock.h"

class QLabel;
class QLineEdit;

// "시간 설정": the shown instant as a local calendar date and time of day and, kept in step
// on every keystroke, as a Julian date. OK accepts only when every field holds a number;
// the caller then sets the application's shown instant to Shown().
class CTimeSetDlg : public QDialog {
    Q_OBJECT

public:
    using Clock = std::function<SkyTime()>;

    // shownLocal: the application's shown local instant. now: the computer's clock as local
    // civil time for the "지금" button (defaults to NowLocal).
    explicit CTimeSetDlg(const SkyTime& shownLocal, QWidget* parent = nullptr, Clock now = {});

    // The instant being edited.
    const SkyTime& Shown() const { return shown; }
    // The site's zone (hours ahead of UT), for the read-only "JD (UT)" line: the true Julian
    // date of the instant, beside the local one of the "JD" field.
    void SetZone(double zoneHours);
    // The site's clock: the "JD (UT)" line and the zone line under it use the offset in force
    // at the instant being edited ("시간대 Asia/Seoul, UTC+10:00").
    void SetSiteClock(const SiteClock& clock);
    // The zone line as shown.
    QString ZoneText() const;
    // The explanation shown under the fields ("" when none).
    QString FieldMessage() const;

    // The field values as last read from or written to the controls.
    uint32_t Year() const { return year; }
    uint32_t Month() const { return month; }
    uint32_t Day() const { return day; }
    uint32_t Hour() const { return hour; }
    uint32_t Minute() const { return minute; }
    uint32_t Second() const { return second; }
    double JulianDate() const { return julianDate; }

    // Text of the Julian date as the dialog shows it (up to 15 significant digits).
    static QString FormatJulianDate(double jd);

    // Button "지금": the computer's clock into every field.
    void OnNow();
    // Button "확인".
    void OnOk();

private:
    void ExplainField(QLineEdit* field, const QString& text);
    enum Field { kYear, kMonth, kDay, kHour, kMinute, kSecond, kFieldCount };

    void InstantToFields();
    void OnFieldEdited(int field);
    void OnJulianDateEdited();
    void WriteFields();
    // Reads every control; on a bad field shows its message, restores its text and returns false.
    bool ReadFields(bool requireComplete);

    SkyTime shown;
    uint32_t year = 0;
    uint32_t second = 0;
    uint32_t month = 0;
    uint32_t minute = 0;
    uint32_t hour = 0;
    uint32_t day = 0;
    double julianDate = 0.0;

    Clock now;
    std::array<QLineEdit*, kFieldCount> fieldEdits{};
    QLineEdit* julianDateEdit = nullptr;
    QLineEdit* julianDateUTEdit = nullptr;
    QLabel* fieldMessage = nullptr;    // the explanation of a refused keystroke
    QLineEdit* markedField = nullptr;  // the field it was typed into
    double zone = 0.0;
    SiteClock siteClock{std::string(), 0.0};
    QLabel* zoneLabel = nullptr;
};
