#pragma once

#include <QFont>
#include <QLabel>
#include <QSize>
#include <QUrl>

#include <functional>

// A web link shown as its own text: blue, underlined in a copy of the parent's font, at the
// top left of the control. The pointer is a hand only over the text box, and a left click
// inside that box opens the target address.
class HyperlinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit HyperlinkLabel(const QString& text, QWidget* parent = nullptr);

    void SetTarget(const QUrl& url) { target = url; }
    QUrl Target() const { return target; }
    // How the address is opened; QDesktopServices::openUrl unless replaced (tests).
    void SetOpener(std::function<void(const QUrl&)> open) { opener = std::move(open); }

    // The measured text box: (0, 0) to this size.
    QSize TextBox();
    bool InTextBox(const QPoint& point);

signals:
    void linkOpened(const QUrl& url);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    void BuildFont();

    QUrl target;
    std::function<void(const QUrl&)> opener;
    QFont linkFont;
    QSize textBox;
    bool fontBuilt = false;
};
