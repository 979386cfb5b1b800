#include "messageboxanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>

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
