// The about box and its web-link label.

#include "app/caboutdlg.h"
#include "app/ckosmiraapp.h"
#include "app/commandids.h"
#include "app/hyperlinklabel.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QUrl kAddress(QStringLiteral("file:///opt/kosmira/home/index.html"));

void MoveMouse(QWidget* widget, QPoint point)
{
    QMouseEvent move(QEvent::MouseMove, point, widget->mapToGlobal(point), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

TEST(AboutBox, TitleTextsAndButtons)
{
    CAboutDlg dialog(kAddress);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Kosmira 정보"));
    QStringList texts;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        texts.append(label->text());
    EXPECT_TRUE(texts.contains(QStringLiteral("Kosmira 버전 1.0")));
    EXPECT_EQ(dialog.OkButton()->text(), QStringLiteral("확인"));
    EXPECT_EQ(dialog.CancelButton()->text(), QStringLiteral("취소"));
    EXPECT_EQ(dialog.Link()->Target(), kAddress);
}

TEST(AboutBox, OkAcceptsAndCancelRejects)
{
    CAboutDlg ok(kAddress);
    ok.show();
    QTest::mouseClick(ok.OkButton(), Qt::LeftButton);
    EXPECT_EQ(ok.result(), QDialog::Accepted);
    CAboutDlg cancel(kAddress);
    cancel.show();
    QTest::mouseClick(cancel.CancelButton(), Qt::LeftButton);
    EXPECT_EQ(cancel.result(), QDialog::Rejected);
}

TEST(HyperlinkLabel, HandCursorOnlyOverTheTextBox)
{
    QWidget parent;
    auto* link = new HyperlinkLabel(QStringLiteral("http://example.invalid/kosmira"), &parent);
    link->setGeometry(10, 10, 400, 60);  // wider and taller than the text
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    const QSize box = link->TextBox();
    ASSERT_GT(box.width(), 0);
    ASSERT_LT(box.width(), 400);
    ASSERT_LT(box.height(), 60);

    MoveMouse(link, QPoint(box.width() / 2, box.height() / 2));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    MoveMouse(link, QPoint(box.width() + 5, box.height() / 2));
    EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor);
    MoveMouse(link, QPoint(box.width() - 1, box.height() - 1));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    MoveMouse(link, QPoint(box.width() / 2, box.height()));
    EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor);

    MoveMouse(link, QPoint(1, 1));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor);
}

TEST(HyperlinkLabel, ClickInsideTheTextOpensTheTarget)
{
    QWidget parent;
    auto* link = new HyperlinkLabel(QStringLiteral("Kosmira"), &parent);
    link->setGeometry(0, 0, 300, 40);
    link->SetTarget(kAddress);
    QList<QUrl> opened;
    link->SetOpener([&](const QUrl& url) { opened.append(url); });
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    const QSize box = link->TextBox();

    QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(box.width() + 20, 5));
    EXPECT_TRUE(opened.isEmpty());
    QTest::mouseClick(link, Qt::RightButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_TRUE(opened.isEmpty());
    QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_EQ(opened, QList<QUrl>{kAddress});
}

TEST(HyperlinkLabel, DrawsBlueUnderlinedTextAtTheTopLeft)
{
    QWidget parent;
    parent.setStyleSheet(QStringLiteral("background: white"));
    auto* link = new HyperlinkLabel(QStringLiteral("WWWWWW"), &parent);
    link->setGeometry(0, 0, 300, 40);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    const QImage image = link->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = image.devicePixelRatio();
    const QSize box = link->TextBox();
    int blue = 0, blueBelowBox = 0, other = 0;
    int underlineRow = -1, underlineRun = 0;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool isBlue = c.blue() > 200 && c.red() < 80 && c.green() < 80;
            if (isBlue) {
                ++blue;
                ++run;
                if (y >= box.height() * ratio)
                    ++blueBelowBox;
            } else if (c.blue() < c.red() - 30 || c.blue() < c.green() - 30) {
                ++other;  // a tint other than blue on white
            }
        }
        if (run > underlineRun) {
            underlineRun = run;
            underlineRow = y;
        }
    }
    EXPECT_GT(blue, 0);
    EXPECT_EQ(blueBelowBox, 0);
    EXPECT_EQ(other, 0);
    // The underline is one unbroken blue row about as long as the text.
    EXPECT_GE(underlineRun, int(box.width() * ratio * 0.9));
    EXPECT_GT(underlineRow, 0);
}

TEST(AboutBox, CommandOpensItModallyFromTheApplicationTable)
{
    CKosmiraApp* app = CKosmiraApp::Instance();
    ASSERT_NE(app, nullptr);
    ASSERT_TRUE(app->Commands().Contains(CommandId::AppAbout));
    QString seenTitle;
    QUrl seenTarget;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seenTitle = dialog->windowTitle();
        seenTarget = dialog->Link()->Target();
        dialog->accept();
    });
    EXPECT_TRUE(app->Commands().Run(CommandId::AppAbout));
    EXPECT_EQ(seenTitle, QStringLiteral("Kosmira 정보"));
    EXPECT_EQ(seenTarget, app->HomeUrl());
}

// The bundled guide is shown by name, and its link opens a Kosmira browser window.
TEST(AboutBox, TheGuideLinkOpensABrowserWindow)
{
    CKosmiraApp* app = CKosmiraApp::Instance();
    ASSERT_NE(app, nullptr);
    CAboutDlg local(QUrl::fromLocalFile(QStringLiteral("/usr/share/kosmira/home/index.html")));
    EXPECT_EQ(local.Link()->text(), QStringLiteral("Kosmira 사용 안내서"));
    bool opened = false;
    app->Commands().Add(CommandId::NewBrowser, [&] { opened = true; });
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget())) {
            dialog->show();
            QTest::mouseClick(dialog->Link(), Qt::LeftButton, {}, QPoint(3, 3));
        }
    });
    EXPECT_TRUE(app->Commands().Run(CommandId::AppAbout));
    EXPECT_TRUE(opened);
}

}  // namespace
