#include "app/cclocksyncdlg.h"
#include "app/dialogbuttons.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <future>

namespace {

constexpr double kConfirmAboveSeconds = 3600.0;
const char* const kMessageTitle = "Kosmira";

QString TimestampText(NtpTimestamp t)
{
    return QString::fromStdString(FormatSystemTime(SystemTimeFromTimestamp(t)));
}

QString SecondsText(double seconds)
{
    char text[64];
    std::snprintf(text, sizeof text, "%f", seconds);
    return QString::fromLatin1(text);
}

QLabel* ValueLabel(const char* objectName, Qt::Alignment alignment)
{
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(objectName));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setMinimumWidth(220);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

CClockSyncDlg::CClockSyncDlg(const QString& serverHost, CSystemClockSetter& clockSetter,
                             CTimeServerClient timeClient, uint16_t serverPort, QWidget* parent)
    : QDialog(parent), client(std::move(timeClient)), serverAddress(serverHost), setter(clockSetter), port(serverPort)
{
    setWindowTitle(QStringLiteral("시간 맞추기"));
    setFont(QFont(QStringLiteral("굴림"), 9));

    auto* addressRow = new QHBoxLayout;
    addressRow->addWidget(new QLabel(QStringLiteral("서버 주소")));
    addressEdit = new QLineEdit(serverAddress);
    addressEdit->setObjectName(QStringLiteral("serverAddress"));
    addressRow->addWidget(addressEdit, 1);
    auto* fetchButton = new QPushButton(QStringLiteral("가져오기"));
    fetchButton->setObjectName(QStringLiteral("fetchButton"));
    fetchButton->setDefault(true);
    addressRow->addWidget(fetchButton);

    auto* group = new QGroupBox(QStringLiteral("가져온 정보"));
    auto* grid = new QGridLayout(group);
    t1Label = ValueLabel("t1Text", Qt::AlignLeft);
    t2Label = ValueLabel("t2Text", Qt::AlignLeft);
    t3Label = ValueLabel("t3Text", Qt::AlignLeft);
    t4Label = ValueLabel("t4Text", Qt::AlignLeft);
    int row = 0;
    const std::pair<const char*, QLabel*> stamps[] = {
        {"PC 출발 시각", t1Label}, {"서버 도착 시각", t2Label}, {"서버 출발 시각", t3Label}, {"PC 도착 시각", t4Label}};
    for (const auto& [caption, label] : stamps) {
        grid->addWidget(new QLabel(QString::fromUtf8(caption)), row, 0);
        grid->addWidget(label, row, 1, 1, 2);
        ++row;
    }
    delayLabel = ValueLabel("delayText", Qt::AlignRight);
    grid->addWidget(new QLabel(QStringLiteral("서버와의 통신에 걸린 전체 시간")), row, 0);
    grid->addWidget(delayLabel, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("초")), row, 2);
    ++row;
    grid->addWidget(new QLabel(QStringLiteral("(PC 도착 - PC 출발) - (서버 출발 - 서버 도착)")), row, 0, 1, 3);
    ++row;
    offsetLabel = ValueLabel("offsetText", Qt::AlignRight);
    grid->addWidget(new QLabel(QStringLiteral("PC 시각과 서버 시각의 차이")), row, 0);
    grid->addWidget(offsetLabel, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("초")), row, 2);

    auto* setButton = new QPushButton(QStringLiteral("설정"));
    setButton->setObjectName(QStringLiteral("setButton"));
    setButton->setAutoDefault(false);
    const DialogButtons buttons = MakeOkCancelRow();
    // Enter fetches; it never sets the computer's clock.
    buttons.ok->setDefault(false);
    buttons.ok->setAutoDefault(false);
    buttons.row->insertWidget(1, setButton);  // after the stretch, before "확인"

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(addressRow);
    layout->addWidget(group);
    layout->addWidget(new QLabel(QStringLiteral("서버에서 가져온 시각을 PC 시각으로 설정하시겠습니까?")));
    layout->addLayout(buttons.row);

    connect(fetchButton, &QPushButton::clicked, this, &CClockSyncDlg::OnFetch);
    connect(setButton, &QPushButton::clicked, this, &CClockSyncDlg::SetClock);
    connect(buttons.ok, &QPushButton::clicked, this, &CClockSyncDlg::OnOk);
    connect(buttons.cancel, &QPushButton::clicked, this, &CClockSyncDlg::reject);

    WriteTexts();
}

QueryStatus CClockSyncDlg::RunQuery(const std::string& host, TimeServerResult& fetched, std::string& kissCode)
{
    // The exchange runs beside the event loop so the window keeps repainting; user input
    // is held back until it ends.
    busy = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::future<QueryStatus> exchange = std::async(std::launch::async, [this, host, &fetched, &kissCode] {
        return client.Query(host, fetched, port, &kissCode);
    });
    while (exchange.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    QApplication::restoreOverrideCursor();
    busy = false;
    return exchange.get();
}

void CClockSyncDlg::OnFetch()
{
    if (busy)
        return;
    serverAddress = addressEdit->text();
    const std::string host = serverAddress.trimmed().toStdString();
    QueryStatus status = QueryStatus::Failed;
    TimeServerResult fetched = serverResult;
    std::string kissCode;
    if (IsServerAddress(host))
        status = RunQuery(host, fetched, kissCode);
    // Whatever happens, an earlier reply is never used again.
    replyIsCurrent = status == QueryStatus::Ok;
    if (replyIsCurrent) {
        serverResult = fetched;
        t1Text = TimestampText(serverResult.T1);
        t2Text = TimestampText(serverResult.T2);
        t3Text = TimestampText(serverResult.T3);
        t4Text = TimestampText(serverResult.T4);
        delayText = SecondsText(serverResult.delay);
        offsetText = SecondsText(serverResult.offset);
    } else {
        t1Text.clear();
        t2Text.clear();
        t3Text.clear();
        t4Text.clear();
        delayText.clear();
        offsetText.clear();
        QMessageBox::information(this, QString::fromLatin1(kMessageTitle),
                                 FetchFailureMessage(host, status, kissCode));
    }
    fetchedOnce = true;
    WriteTexts();
}

QString CClockSyncDlg::FetchFailureMessage(const std::string& host, QueryStatus status,
                                           const std::string& kissCode)
{
    if (!IsServerAddress(host))
        return QStringLiteral("서버 주소가 올바르지 않습니다. 빈칸이나 제어 문자가 없는 %1자 이하의 주소를 입력하십시오.")
            .arg(kMaxServerAddressBytes);
    switch (status) {
    case QueryStatus::Denied:
        return QStringLiteral("시간 서버가 이 컴퓨터의 요청을 거부했습니다(%1).\n다른 서버 주소를 입력하십시오.")
            .arg(QString::fromLatin1(kissCode.c_str()));
    case QueryStatus::RateLimited:
        return QStringLiteral("시간 서버가 요청이 너무 잦다고 알려 왔습니다(RATE).\n잠시 후에 다시 시도하십시오.");
    default:
        return QStringLiteral("서버와의 접속에 실패했습니다.");
    }
}

void CClockSyncDlg::SetClock()
{
    if (busy)
        return;
    // After a failed fetch the earlier reply is stale: nothing is set from it.
    if (fetchedOnce && !replyIsCurrent) {
        QMessageBox::information(this, QString::fromLatin1(kMessageTitle),
                                 QStringLiteral("가져온 서버 시각이 없습니다.\n'가져오기'로 서버 시각을 먼저 가져오십시오."));
        return;
    }
    if (std::fabs(serverResult.offset) > kConfirmAboveSeconds) {
        QMessageBox confirm(QMessageBox::Critical, QString::fromLatin1(kMessageTitle),
                            QStringLiteral("서버와 PC 시간이 1시간 넘게 차이가 납니다.\n그래도 설정하시겠습니까?"),
                            QMessageBox::Yes | QMessageBox::No, this);
        confirm.setDefaultButton(QMessageBox::No);
        if (confirm.exec() != QMessageBox::Yes)
            return;
    }
    const NtpTimestamp corrected = AddSeconds(client.Now(), serverResult.offset);
    if (setter.SetSystemClock(corrected))
        QMessageBox::information(this, QString::fromLatin1(kMessageTitle), QStringLiteral("시간이 성공적으로 조정 되었습니다."));
    else
        QMessageBox::information(this, QString::fromLatin1(kMessageTitle),
                                 QStringLiteral("시간을 설정하는데 실패했습니다.\n권한이 있는지 확인하십시오."));
}

void CClockSyncDlg::OnOk()
{
    if (busy)
        return;
    // Only a reply fetched while this dialog is open, and still current, sets the clock;
    // otherwise "확인" just closes.
    if (replyIsCurrent)
        SetClock();
    accept();
}

void CClockSyncDlg::closeEvent(QCloseEvent* event)
{
    if (busy)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void CClockSyncDlg::reject()
{
    if (!busy)
        QDialog::reject();
}

void CClockSyncDlg::WriteTexts()
{
    addressEdit->setText(serverAddress);
    t1Label->setText(t1Text);
    t2Label->setText(t2Text);
    t3Label->setText(t3Text);
    t4Label->setText(t4Text);
    delayLabel->setText(delayText);
    offsetLabel->setText(offsetText);
}
