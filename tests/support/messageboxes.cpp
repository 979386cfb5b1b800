#include "messageboxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>

MessageBoxAnswerer::MessageBoxAnswerer(std::deque<QMessageBox::StandardButton> prepared) : answers(std::move(prepared))
{
    timer.setInterval(10);
    connect(&timer, &QTimer::timeout, this, &MessageBoxAnswerer::Check);
    timer.start();
}

void MessageBoxAnswerer::Check()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible() || box->property("answered").toBool())
        return;
    box->setProperty("answered", true);
    texts.append(box->text());
    icons.append(box->icon());
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    QAbstractButton* button = box->button(answer);
    if (button == nullptr)
        button = box->defaultButton();
    if (button != nullptr)
        button->click();
    else
        box->done(answer);
}

MessageBoxLog::MessageBoxLog()
{
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, this, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box->property("seen").toBool())
            return;
        box->setProperty("seen", true);
        texts.append(box->text());
        box->accept();
    });
    timer.start();
}

MessageBoxCatcher::MessageBoxCatcher(qint64 stuckModalMs) : stuckModalMs_(stuckModalMs)
{
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
}

void MessageBoxCatcher::Poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
        stuckSince_.invalidate();
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        Seen seen;
        seen.text = box->text();
        seen.parent = box->parentWidget();
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        seen.hadOkButton = ok != nullptr && box->buttons().size() == 1;
        seen.dialogVisible = dialog_ && dialog_->isVisible();
        seen_.push_back(seen);
        if (ok)
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            box->reject();
        return;
    }
    if (!stuckSince_.isValid())
        stuckSince_.start();
    if (stuckSince_.elapsed() > stuckModalMs_) {
        stuckClosed_ = true;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }
}
