#pragma once

#include <QElapsedTimer>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <vector>

// The message boxes a test meets, watched from a timer while the test waits in an event loop.

// Answers the modal message boxes that appear while it lives, in order, and records their
// texts. A box beyond the prepared answers is closed with its default answer.
class MessageBoxAnswerer : public QObject {
public:
    explicit MessageBoxAnswerer(std::deque<QMessageBox::StandardButton> answers = {});

    const QStringList& Texts() const { return texts; }
    const QList<QMessageBox::Icon>& Icons() const { return icons; }

private:
    void Check();

    std::deque<QMessageBox::StandardButton> answers;
    QStringList texts;
    QList<QMessageBox::Icon> icons;
    QTimer timer;
};

// Closes each message box that opens while it lives with accept() (no button clicked) and
// keeps its text.
class MessageBoxLog : public QObject {
public:
    MessageBoxLog();
    QStringList texts;
    QTimer timer;
};

// Answers every message box that opens (modal, so it sits on top of the modal stack) by
// clicking its OK button, and records its text, its parent and what was visible then. A
// modal dialog left open by a test that went wrong is rejected after stuckModalMs, so no
// test hangs.
class MessageBoxCatcher {
public:
    struct Seen {
        QString text;
        QWidget* parent = nullptr;
        bool hadOkButton = false;
        bool dialogVisible = false;  // the watched dialog, when one is set
    };

    explicit MessageBoxCatcher(qint64 stuckModalMs = 10000);

    void WatchDialog(QWidget* dialog) { dialog_ = dialog; }
    const std::vector<Seen>& Boxes() const { return seen_; }
    bool StuckModalClosed() const { return stuckClosed_; }

private:
    void Poll();

    QTimer timer_;
    std::vector<Seen> seen_;
    QWidget* dialog_ = nullptr;
    QElapsedTimer stuckSince_;
    qint64 stuckModalMs_;
    bool stuckClosed_ = false;
};
