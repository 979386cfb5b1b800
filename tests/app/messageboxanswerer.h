#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <deque>

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
