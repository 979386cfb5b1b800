// GUI tests of the application shell: one CKosmiraApp for the whole run, with HOME and the
// XDG folders in a temporary directory so that no test touches the user's real desktop.

#include "app/ckosmiraapp.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>
#include <string>

int main(int argc, char** argv)
{
    char pattern[] = "/tmp/kosmira-app-tests-XXXXXX";
    const char* home = mkdtemp(pattern);
    if (!home)
        return 2;
    const std::string base(home);
    setenv("HOME", home, 1);
    setenv("XDG_CONFIG_HOME", (base + "/.config").c_str(), 1);
    setenv("XDG_DATA_HOME", (base + "/.local/share").c_str(), 1);
    setenv("XDG_CACHE_HOME", (base + "/.cache").c_str(), 1);
    const std::string runtime = base + "/runtime";
    mkdir(runtime.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    unsetenv("XDG_DESKTOP_DIR");
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "xcb", 1);

    ::testing::InitGoogleTest(&argc, argv);
    CKosmiraApp::PrepareProcess();
    CKosmiraApp app(argc, argv);
    const int result = RUN_ALL_TESTS();
    QDir(QString::fromStdString(base)).removeRecursively();
    return result;
}
