#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>

#include "timesync/csystemclocksetter.h"
#include "timesync/ctimeserverclient.h"
#include "timesync/timeserverresult.h"

class QLabel;
class QLineEdit;
class QPushButton;

// "시간 맞추기": fetches a time server's clock and sets the computer's clock from it.
class CClockSyncDlg : public QDialog {
public:
    CClockSyncDlg(const QString& serverHost, CSystemClockSetter& setter,
                  CTimeServerClient client = CTimeServerClient(),
                  uint16_t port = CTimeServerClient::kNtpPort, QWidget* parent = nullptr);

    // Button "가져오기": one exchange with the server in the address field.
    void OnFetch();
    // Button "설정": the current clock corrected by the last fetched offset. Before any
    // fetch the offset is 0; after a failed fetch nothing is set and a message says so.
    void SetClock();
    // Button "확인": SetClock, then close.
    void OnOk();

    const TimeServerResult& Result() const { return serverResult; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QueryStatus RunQuery(const std::string& host, TimeServerResult& fetched, std::string& kissCode);
    static QString FetchFailureMessage(const std::string& host, QueryStatus status,
                                       const std::string& kissCode);
    void WriteTexts();

    CTimeServerClient client;
    TimeServerResult serverResult;
    QString serverAddress;
    QString delayText;
    QString offsetText;
    QString t1Text;
    QString t2Text;
    QString t3Text;
    QString t4Text;

    CSystemClockSetter& setter;
    uint16_t port;
    bool busy = false;
    bool fetchedOnce = false;     // "가져오기" has been pressed
    bool replyIsCurrent = false;  // the last fetch brought a valid reply

    QLineEdit* addressEdit = nullptr;
    QLabel* delayLabel = nullptr;
    QLabel* offsetLabel = nullptr;
    QLabel* t1Label = nullptr;
    QLabel* t2Label = nullptr;
    QLabel* t3Label = nullptr;
    QLabel* t4Label = nullptr;
};
