#include "app/ctimesetdlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/dialogbuttons.h"
#include "app/fieldparsers.h"
#include "astro/time/hours.h"
#include "astro/time/juliandate.h"
#include "astro/time/timescales.h"

namespace {

const char* const kFieldCaptions[] = {"년", "월", "일", "시", "분", "초"};
const char* const kFieldNames[] = {"yearEdit", "monthEdit", "dayEdit", "hourEdit", "minuteEdit", "secondEdit"};

FieldReading ReadUnsigned(const QString& text, uint32_t& value)
{
    return ReadTimeField(text.trimmed().toStdString(), value);
}

FieldReading ReadJulianDate(const QString& text, double& value)
{
    return ReadJulianDateField(text.trimmed().toStdString(), value);
}

QString FieldRangeMessage(int field)
{
    return QStringLiteral("'%1' 칸에는 0에서 %2 사이의 정수를 입력하십시오.")
        .arg(QString::fromUtf8(kFieldCaptions[field]))
        .arg(kMaxTimeField);
}

QString JulianDateRangeMessage()
{
    return QStringLiteral("'JD' 칸에는 -1000000000보다 크고 1000000000보다 작은 숫자를 입력하십시오.");
}

QString UnrepresentableMessage()
{
    return QStringLiteral("이 날짜와 시간은 나타낼 수 없습니다. 율리우스일이 -1000000000보다 크고 "
                          "1000000000보다 작은 날짜를 입력하십시오.");
}

void ShowFieldMessage(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, QStringLiteral("Kosmira"), text);
}

void SetTextKeepingCursor(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

}  // namespace

CTimeSetDlg::CTimeSetDlg(const SkyTime& shownLocal, QWidget* parent, Clock clock)
    : QDialog(parent), shown(shownLocal), now(clock ? std::move(clock) : Clock([] { return NowLocal(); }))
{
    setWindowTitle(QStringLiteral("시간 설정"));
    setFont(QFont(QStringLiteral("굴림"), 9));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("날짜")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("시간")), 1, 0);
    for (int f = 0; f < kFieldCount; ++f) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QString::fromLatin1(kFieldNames[f]));
        edit->setAlignment(Qt::AlignRight);
        edit->setMaximumWidth(f == kYear ? 70 : 50);
        fieldEdits[f] = edit;
        const int row = f / 3;
        const int column = 1 + (f % 3) * 2;
        grid->addWidget(edit, row, column);
        grid->addWidget(new QLabel(QString::fromUtf8(kFieldCaptions[f])), row, column + 1);
        connect(edit, &QLineEdit::textEdited, this, [this, f] { OnFieldEdited(f); });
    }
    grid->addWidget(new QLabel(QStringLiteral("JD")), 2, 0);
    julianDateEdit = new QLineEdit;
    julianDateEdit->setObjectName(QStringLiteral("julianDateEdit"));
    julianDateEdit->setAlignment(Qt::AlignRight);
    grid->addWidget(julianDateEdit, 2, 1, 1, 6);
    connect(julianDateEdit, &QLineEdit::textEdited, this, &CTimeSetDlg::OnJulianDateEdited);
    grid->addWidget(new QLabel(QStringLiteral("JD (UT)")), 3, 0);
    julianDateUTEdit = new QLineEdit;
    julianDateUTEdit->setObjectName(QStringLiteral("julianDateUTEdit"));
    julianDateUTEdit->setAlignment(Qt::AlignRight);
    julianDateUTEdit->setReadOnly(true);
    julianDateUTEdit->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(julianDateUTEdit, 3, 1, 1, 6);
    zoneLabel = new QLabel;
    zoneLabel->setObjectName(QStringLiteral("zoneLabel"));
    grid->addWidget(zoneLabel, 4, 0, 1, 7);

    auto* nowButton = new QPushButton(QStringLiteral("지금"));
    nowButton->setObjectName(QStringLiteral("nowButton"));
    nowButton->setAutoDefault(false);
    const DialogButtons buttons = MakeOkCancelRow(nowButton);

    fieldMessage = new QLabel;
    fieldMessage->setObjectName(QStringLiteral("fieldMessage"));
    fieldMessage->setWordWrap(true);
    fieldMessage->setStyleSheet(QStringLiteral("QLabel { color: #c00000; }"));
    fieldMessage->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(fieldMessage);
    layout->addLayout(buttons.row);

    connect(nowButton, &QPushButton::clicked, this, &CTimeSetDlg::OnNow);
    connect(buttons.ok, &QPushButton::clicked, this, &CTimeSetDlg::OnOk);
    connect(buttons.cancel, &QPushButton::clicked, this, &CTimeSetDlg::reject);

    InstantToFields();
    julianDate = shown.JD();
    WriteFields();
}

QString CTimeSetDlg::FormatJulianDate(double jd)
{
    return QString::number(jd, 'g', 15);
}

void CTimeSetDlg::InstantToFields()
{
    const CalendarDate date = CalendarFromJulianDate(shown.date.jd);
    year = static_cast<uint32_t>(date.year);
    month = static_cast<uint32_t>(date.month);
    day = static_cast<uint32_t>(date.day);
    const HMS hms = HoursToHMS(shown.Hours());
    hour = static_cast<uint32_t>(hms.hour);
    minute = static_cast<uint32_t>(hms.minute);
    second = static_cast<uint32_t>(hms.second);
}

bool CTimeSetDlg::ReadFields(bool requireComplete)
{
    uint32_t* const targets[kFieldCount] = {&year, &month, &day, &hour, &minute, &second};
    uint32_t values[kFieldCount];
    for (int f = 0; f < kFieldCount; ++f) {
        const FieldReading r = ReadUnsigned(fieldEdits[f]->text(), values[f]);
        if (r == FieldReading::Valid)
            continue;
        if (r == FieldReading::Invalid || requireComplete) {
            ShowFieldMessage(this, FieldRangeMessage(f));
            if (r == FieldReading::Invalid)
                fieldEdits[f]->setText(QString::number(*targets[f]));
            fieldEdits[f]->setFocus();
        }
        return false;
    }
    double jd = julianDate;
    const FieldReading r = ReadJulianDate(julianDateEdit->text(), jd);
    if (r != FieldReading::Valid) {
        if (r == FieldReading::Invalid || requireComplete) {
            ShowFieldMessage(this, JulianDateRangeMessage());
            if (r == FieldReading::Invalid)
                julianDateEdit->setText(FormatJulianDate(julianDate));
            julianDateEdit->setFocus();
        }
        return false;
    }
    double date = 0.0;
    double hours = 0.0;
    if (!InstantFromTimeFields(values, date, hours)) {
        ShowFieldMessage(this, UnrepresentableMessage());
        fieldEdits[kYear]->setFocus();
        return false;
    }
    for (int f = 0; f < kFieldCount; ++f)
        *targets[f] = values[f];
    julianDate = jd;
    return true;
}

void CTimeSetDlg::OnFieldEdited(int field)
{
    uint32_t* const targets[kFieldCount] = {&year, &month, &day, &hour, &minute, &second};
    uint32_t values[kFieldCount];
    for (int f = 0; f < kFieldCount; ++f) {
        const FieldReading r = ReadUnsigned(fieldEdits[f]->text(), values[f]);
        if (r == FieldReading::Invalid && f == field) {
            ExplainField(fieldEdits[f], FieldRangeMessage(f));
            fieldEdits[f]->setText(QString::number(*targets[f]));
            return;
        }
        if (r != FieldReading::Valid)
            return;  // a field still being typed: wait until the form can be read whole
    }
    // Checked before any arithmetic: a date the dialog cannot represent is refused.
    double date = 0.0;
    double hours = 0.0;
    if (!InstantFromTimeFields(values, date, hours)) {
        ExplainField(fieldEdits[field], UnrepresentableMessage());
        fieldEdits[field]->setText(QString::number(*targets[field]));
        return;
    }
    ExplainField(nullptr, QString());
    for (int f = 0; f < kFieldCount; ++f)
        *targets[f] = values[f];

    shown.date = SkyDate(date);
    shown.time.hours = hours;
    julianDate = shown.Hours() / 24.0 + shown.date.jd;
    WriteFields();
}

void CTimeSetDlg::OnJulianDateEdited()
{
    double jd = 0.0;
    const FieldReading r = ReadJulianDate(julianDateEdit->text(), jd);
    if (r == FieldReading::Incomplete)
        return;
    if (r == FieldReading::Invalid) {
        ExplainField(julianDateEdit, JulianDateRangeMessage());
        julianDateEdit->setText(FormatJulianDate(julianDate));
        return;
    }
    ExplainField(nullptr, QString());
    julianDate = jd;
    shown = SkyTime(julianDate);
    InstantToFields();
    WriteFields();
}

QString CTimeSetDlg::FieldMessage() const
{
    return fieldMessage->isVisibleTo(this) ? fieldMessage->text() : QString();
}

void CTimeSetDlg::ExplainField(QLineEdit* field, const QString& text)
{
    // While typing, a refused character is explained here, once, instead of a message box at
    // every keystroke; the field it was typed into is marked until the next accepted edit.
    if (markedField && markedField != field)
        markedField->setStyleSheet(QString());
    markedField = field;
    if (field)
        field->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #c00000; }"));
    fieldMessage->setText(text);
    fieldMessage->setVisible(!text.isEmpty());
}

void CTimeSetDlg::WriteFields()
{
    const uint32_t values[kFieldCount] = {year, month, day, hour, minute, second};
    for (int f = 0; f < kFieldCount; ++f)
        SetTextKeepingCursor(fieldEdits[f], QString::number(values[f]));
    // The Julian date being typed keeps its own text ("2452676.50" stays as typed).
    double typed = 0.0;
    if (!(ReadJulianDate(julianDateEdit->text(), typed) == FieldReading::Valid && typed == julianDate))
        SetTextKeepingCursor(julianDateEdit, FormatJulianDate(julianDate));
    zone = siteClock.OffsetAtLocal(julianDate);
    julianDateUTEdit->setText(FormatJulianDate(julianDate - zone / 24.0));
    const QString offset = QString::fromStdString(OffsetText(zone));
    zoneLabel->setText(siteClock.Known()
                           ? QStringLiteral("시간대 %1, %2")
                                 .arg(QString::fromStdString(siteClock.ZoneName()), offset)
                           : QStringLiteral("고정 시차 %1").arg(offset));
}

void CTimeSetDlg::SetZone(double zoneHours)
{
    SetSiteClock(SiteClock(std::string(), std::isfinite(zoneHours) ? zoneHours : 0.0));
}

void CTimeSetDlg::SetSiteClock(const SiteClock& clock)
{
    siteClock = clock;
    WriteFields();
}

QString CTimeSetDlg::ZoneText() const
{
    return zoneLabel->text();
}

void CTimeSetDlg::OnNow()
{
    shown = now();
    InstantToFields();
    julianDate = shown.JD();
    WriteFields();
}

void CTimeSetDlg::OnOk()
{
    if (!ReadFields(true))
        return;
    accept();
}
