#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Never the real desktop or settings: everything under a throw-away home.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    qputenv("XDG_CACHE_HOME", (home.path() + "/cache").toUtf8());
#ifdef KOSMIRA_TEST_SCALE_FACTOR
    qputenv("QT_SCALE_FACTOR", KOSMIRA_TEST_SCALE_FACTOR);
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Kosmira"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
