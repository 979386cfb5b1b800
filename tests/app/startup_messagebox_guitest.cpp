// Start-up as users see it: the catalogs load on a worker thread while the splash shows, and
// a catalog message comes up as a real modal message box over the splash; the loader waits
// until it is closed. No message sink replaces the box here.

#include "apptestsupport.h"

#include "app/ckosmiraapp.h"
#include "app/ckosmiraframe.h"
#include "app/csplashwnd.h"
#include "catalog/catalogset.h"
#include "catalog/loadcatalogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// What a message box looked like when it came up, read from the widget tree.
struct SeenBox {
    QString title;
    QString label;        // the text of the box's label widget
    bool splashShown;     // a splash window was visible beside it
    bool modal;           // the box was the application's modal widget
};

// Watches the top-level widgets; each message box that appears is read and closed with OK.
class BoxWatcher : public QObject {
public:
    BoxWatcher()
    {
        timer.setInterval(10);
        connect(&timer, &QTimer::timeout, this, [this] { Look(); });
        timer.start();
    }
    std::vector<SeenBox> boxes;

private:
    void Look()
    {
        bool splash = false;
        QMessageBox* box = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qobject_cast<CSplashWnd*>(w) && w->isVisible())
                splash = true;
            if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible() && !b->property("seen").toBool())
                box = b;
        }
        if (!box)
            return;
        box->setProperty("seen", true);
        SeenBox seen;
        seen.title = box->windowTitle();
        if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
            seen.label = label->text();
        seen.splashShown = splash;
        seen.modal = QApplication::activeModalWidget() == box;
        boxes.push_back(seen);
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->accept();
    }
    QTimer timer;
};

bool AppendLine(const QString& path, const QByteArray& line)
{
    QFile file(path);
    return file.open(QIODevice::Append) && file.write(line) == line.size();
}

}  // namespace

TEST(StartupMessageBox, BrokenCatalogShowsTheRealBoxOverTheSplash)
{
    CKosmiraApp* app = CKosmiraApp::Instance();
    ASSERT_NE(app, nullptr);
    QTemporaryDir home;
    const QString desktop = home.filePath(QStringLiteral("Desktop"));
    ASSERT_TRUE(QDir().mkpath(desktop));
    qputenv("XDG_DESKTOP_DIR", desktop.toUtf8());

    ModuleCopy module;
    ASSERT_TRUE(module.IsValid());
    // Two figure lines with numbers that are not numbers, and a Messier file that is gone.
    ASSERT_TRUE(AppendLine(module.File(QStringLiteral("data/conline.dat")),
                           "         nan  0.73879264  0.30426325  0.62169675\n"
                           "  0.54061225        -inf  0.30426325  0.62169675\n"));
    ASSERT_TRUE(QFile::remove(module.File(QStringLiteral("data/m.dat"))));

    app->SetMessageSink({});  // the real message box
    app->SetSplashEnabled(true);
    app->SetModuleDirectory(module.Path());
    const std::size_t shippedFigures = [&] {
        QFile file(QStringLiteral(KOSMIRA_SOURCE_DIR "/data/conline.dat"));
        return file.open(QIODevice::ReadOnly) ? static_cast<std::size_t>(file.readAll().count('\n')) : 0;
    }();

    BoxWatcher watcher;
    ASSERT_TRUE(app->InitInstance());

    ASSERT_EQ(watcher.boxes.size(), 2u);
    EXPECT_EQ(watcher.boxes[0].label,
              QString::fromStdString(SkippedLinesMessage("data/conline.dat", 2)));
    EXPECT_EQ(watcher.boxes[0].label,
              QStringLiteral("data/conline.dat 파일에서 잘못된 값이 든 줄 2개를 건너뛰었습니다."));
    EXPECT_EQ(watcher.boxes[1].label, QStringLiteral("메시에 데이터를 읽을 수 없습니다."));
    for (const SeenBox& b : watcher.boxes) {
        EXPECT_EQ(b.title, QStringLiteral("Kosmira"));
        EXPECT_TRUE(b.splashShown) << b.label.toStdString();
        EXPECT_TRUE(b.modal) << b.label.toStdString();
    }
    // The loader went on after the first box and stopped at the missing file.
    EXPECT_EQ(app->Catalogs().constellationLines.size(), shippedFigures);
    EXPECT_TRUE(app->Catalogs().messier.empty());
    EXPECT_TRUE(app->Catalogs().ngc.empty());
    // The splash is gone once the main window is up.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<CSplashWnd*>(w)) {
            EXPECT_FALSE(w->isVisible());
        }
    }

    app->SetModuleDirectory(QFileInfo(app->ExecutablePath()).absolutePath());
    qunsetenv("XDG_DESKTOP_DIR");
    if (app->MainFrame())
        app->MainFrame()->hide();
}
