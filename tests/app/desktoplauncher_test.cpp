#include "app/desktoplauncher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Value of one key in launcher text.
QString Key(const QString& text, const QString& key)
{
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    }
    return {};
}

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override { qputenv("XDG_DESKTOP_DIR", dir.path().toUtf8()); }
    void TearDown() override { qunsetenv("XDG_DESKTOP_DIR"); }
    QTemporaryDir dir;
};

TEST(LauncherText, DesktopEntryForTheExecutable)
{
    const QString text = LauncherText(QStringLiteral("/opt/kosmira/kosmira"),
                                      QStringLiteral("/opt/kosmira/kosmira.png"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_EQ(Key(text, QStringLiteral("Type")), QStringLiteral("Application"));
    EXPECT_EQ(Key(text, QStringLiteral("Name")), QStringLiteral("Kosmira"));
    EXPECT_EQ(Key(text, QStringLiteral("Exec")), QStringLiteral("\"/opt/kosmira/kosmira\""));
    EXPECT_EQ(Key(text, QStringLiteral("Path")), QStringLiteral("/opt/kosmira"));
    EXPECT_EQ(Key(text, QStringLiteral("Icon")), QStringLiteral("/opt/kosmira/kosmira.png"));
    EXPECT_EQ(Key(text, QStringLiteral("Terminal")), QStringLiteral("false"));
}

TEST(LauncherText, ReservedCharactersInThePathAreEscaped)
{
    // Inside the quotes '"', '`', '$' and '\' take a backslash, which the string rules then
    // double; '%' is doubled as a field code.
    const QString text = LauncherText(QStringLiteral("/home/a b/$x`y\"z\\w%/kosmira"), QString());
    EXPECT_EQ(Key(text, QStringLiteral("Exec")),
              QStringLiteral("\"/home/a b/\\\\$x\\\\`y\\\\\"z\\\\\\\\w%%/kosmira\""));
    EXPECT_EQ(Key(text, QStringLiteral("Icon")), QString());
}

TEST(LauncherText, KoreanPathsStayReadable)
{
    const QString text = LauncherText(QStringLiteral("/home/사용자/kosmira"), QString());
    EXPECT_EQ(Key(text, QStringLiteral("Exec")), QStringLiteral("\"/home/사용자/kosmira\""));
}

TEST_F(LauncherTest, WritesAnExecutableLauncherAndOverwritesIt)
{
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Kosmira.desktop"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old contents that are longer than nothing\n");
    }
    EXPECT_TRUE(WriteDesktopLauncher(QStringLiteral("/opt/k/kosmira"), QString()));
    EXPECT_EQ(ReadAll(path), LauncherText(QStringLiteral("/opt/k/kosmira"), QString()));
    EXPECT_TRUE(QFileInfo(path).permissions() & QFileDevice::ExeOwner);
    EXPECT_TRUE(WriteDesktopLauncher(QStringLiteral("/opt/k2/kosmira"), QString()));
    EXPECT_EQ(ReadAll(path), LauncherText(QStringLiteral("/opt/k2/kosmira"), QString()));
}

TEST_F(LauncherTest, AbsentDesktopIsNotCreated)
{
    const QString absent = QDir(dir.path()).filePath(QStringLiteral("Desktop"));
    qputenv("XDG_DESKTOP_DIR", absent.toUtf8());
    EXPECT_FALSE(WriteDesktopLauncher(QStringLiteral("/opt/k/kosmira"), QString()));
    EXPECT_FALSE(QFileInfo::exists(absent));
}

TEST_F(LauncherTest, UnwritableDesktopFailsSilently)
{
    const QString locked = QDir(dir.path()).filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(locked));
    // A file where the launcher should go, as a directory, cannot be replaced.
    ASSERT_TRUE(QDir().mkpath(QDir(locked).filePath(QStringLiteral("Kosmira.desktop/x"))));
    qputenv("XDG_DESKTOP_DIR", locked.toUtf8());
    EXPECT_FALSE(WriteDesktopLauncher(QStringLiteral("/opt/k/kosmira"), QString()));
}

TEST(DesktopDirectory, UserDirsFileIsReadWhenTheVariableIsUnset)
{
    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DESKTOP_DIR");
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toUtf8());
    ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral(".config"))));
    ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral("바탕화면"))));
    {
        QFile dirs(home.filePath(QStringLiteral(".config/user-dirs.dirs")));
        ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_DESKTOP_DIR=\"$HOME/바탕화면\"\n");
    }
    EXPECT_EQ(DesktopDirectory(), home.filePath(QStringLiteral("바탕화면")));
    qputenv("HOME", savedHome);
    if (savedConfig.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", savedConfig);
}

}  // namespace
