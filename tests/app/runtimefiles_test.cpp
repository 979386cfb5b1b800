// Where the program looks for data/, images/ and home/: beside the executable (build folder),
// else ../share/kosmira (installed), else beside the executable again.

#include "app/runtimefiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct LayoutCase {
    const char* what;
    QStringList folders;     // created under the temporary root
    const char* executable;  // path of the executable under the root
    const char* expected;    // module directory under the root
};

class RuntimeFilesTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(RuntimeFilesTest, ModuleDirectoryFollowsTheLayout)
{
    const LayoutCase& c = GetParam();
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    for (const QString& folder : c.folders)
        ASSERT_TRUE(QDir().mkpath(root.filePath(folder)));
    const QString executable = root.filePath(QString::fromUtf8(c.executable));
    EXPECT_EQ(FindModuleDirectory(executable),
              QDir::cleanPath(root.filePath(QString::fromUtf8(c.expected))))
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, RuntimeFilesTest,
    ::testing::Values(
        LayoutCase{"build folder", {"build/data", "build/images"}, "build/kosmira", "build"},
        LayoutCase{"installed under a prefix",
                   {"usr/bin", "usr/share/kosmira/data", "usr/share/kosmira/images"},
                   "usr/bin/kosmira", "usr/share/kosmira"},
        LayoutCase{"data beside the executable wins over the installed folder",
                   {"usr/bin/data", "usr/share/kosmira/data"}, "usr/bin/kosmira", "usr/bin"},
        LayoutCase{"installed folder without its data: the loader reports what is missing",
                   {"usr/bin", "usr/share/kosmira/images"}, "usr/bin/kosmira",
                   "usr/share/kosmira"},
        LayoutCase{"nothing anywhere: beside the executable", {"opt/k"}, "opt/k/kosmira",
                   "opt/k"},
        LayoutCase{"Korean folder names", {"사용자/bin", "사용자/share/kosmira/data"},
                   "사용자/bin/kosmira", "사용자/share/kosmira"}));

TEST(RuntimeFiles, AFileNamedDataBesideTheExecutableIsIgnored)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("bin"))));
    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("share/kosmira/data"))));
    QFile file(root.filePath(QStringLiteral("bin/data")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(FindModuleDirectory(root.filePath(QStringLiteral("bin/kosmira"))),
              root.filePath(QStringLiteral("share/kosmira")));
}

TEST(RuntimeFiles, LauncherIconIsTheBuiltFileElseTheThemeName)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    EXPECT_EQ(LauncherIcon(root.path()), QStringLiteral("org.kosmira.Kosmira"));
    QFile icon(root.filePath(QStringLiteral("kosmira.png")));
    ASSERT_TRUE(icon.open(QIODevice::WriteOnly));
    icon.close();
    EXPECT_EQ(LauncherIcon(root.path()), root.filePath(QStringLiteral("kosmira.png")));
}

}  // namespace
