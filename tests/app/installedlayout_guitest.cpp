// Start-up of an installed program: run-time files found in ../share/kosmira, the launcher
// naming the theme icon, and a missing data folder reported with the catalog message.

#include "apptestsupport.h"

#include "app/ckosmiraapp.h"
#include "app/ckosmiraframe.h"
#include "app/runtimefiles.h"
#include "catalog/catalogset.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString LauncherKey(const QString& launcherPath, const QString& key)
{
    QFile file(launcherPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    }
    return {};
}

class InstalledLayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app = CKosmiraApp::Instance();
        ASSERT_NE(app, nullptr);
        desktop = home.filePath(QStringLiteral("Desktop"));
        ASSERT_TRUE(QDir().mkpath(desktop));
        qputenv("XDG_DESKTOP_DIR", desktop.toUtf8());
        app->SetMessageSink([this](const QString& text) { messages.append(text); });
    }

    void TearDown() override
    {
        app->SetMessageSink({});
        app->SetModuleDirectory(QFileInfo(app->ExecutablePath()).absolutePath());
        qunsetenv("XDG_DESKTOP_DIR");
        if (app->MainFrame())
            app->MainFrame()->hide();
    }

    CKosmiraApp* app = nullptr;
    QTemporaryDir home;
    QString desktop;
    QStringList messages;
};

TEST_F(InstalledLayoutTest, CatalogsAreReadFromShareKosmiraBesideBin)
{
    ModuleCopy module;
    ASSERT_TRUE(module.IsValid());
    // <root>/usr/bin/kosmira and <root>/usr/share/kosmira holding data/, images/, home/.
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("usr/bin"))));
    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("usr/share"))));
    ASSERT_TRUE(QFile::link(module.Path(), root.filePath(QStringLiteral("usr/share/kosmira"))));

    const QString found = FindModuleDirectory(root.filePath(QStringLiteral("usr/bin/kosmira")));
    EXPECT_EQ(found, root.filePath(QStringLiteral("usr/share/kosmira")));
    app->SetModuleDirectory(found);
    ASSERT_TRUE(app->InitInstance());

    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(app->Catalogs().stars.empty());
    EXPECT_FALSE(app->Catalogs().ngc.empty());
    EXPECT_FALSE(app->Catalogs().zones.empty());
    EXPECT_FALSE(app->GetObserver().name.empty());
    EXPECT_EQ(app->ModulePath(QStringLiteral("images/logo.bmp")),
              root.filePath(QStringLiteral("usr/share/kosmira/images/logo.bmp")));
    ASSERT_NE(app->MainFrame(), nullptr);
    EXPECT_TRUE(app->MainFrame()->isVisible());

    // No icon file among the installed run-time files: the launcher names the theme icon and
    // starts the running executable.
    const QString launcher = QDir(desktop).filePath(QStringLiteral("Kosmira.desktop"));
    EXPECT_EQ(LauncherKey(launcher, QStringLiteral("Icon")), QStringLiteral("org.kosmira.Kosmira"));
    EXPECT_EQ(LauncherKey(launcher, QStringLiteral("Exec")),
              QLatin1Char('"') + app->ExecutablePath() + QLatin1Char('"'));
}

TEST_F(InstalledLayoutTest, MissingDataFolderShowsTheCityMessageAndTheWindowStillOpens)
{
    ModuleCopy module;
    ASSERT_TRUE(module.IsValid());
    ASSERT_TRUE(QDir(module.File(QStringLiteral("data"))).removeRecursively());
    app->SetModuleDirectory(module.Path());
    ASSERT_TRUE(app->InitInstance());

    // The loader stops at the first catalog, the city list.
    EXPECT_EQ(messages, QStringList{QStringLiteral("도시 데이터를 읽을 수 없습니다.")});
    EXPECT_TRUE(app->Catalogs().cities.empty());
    EXPECT_TRUE(app->Catalogs().stars.empty());
    EXPECT_TRUE(app->GetObserver().name.empty());
    ASSERT_NE(app->MainFrame(), nullptr);
    EXPECT_TRUE(app->MainFrame()->isVisible());
}

}  // namespace
