// The main of the GUI and GL test programs below the application: a QApplication in a
// throw-away home, the application's display name and the font stand-ins it installs.
// KOSMIRA_TEST_SCALE_FACTOR, when defined, fixes the device pixel ratio before the
// application exists.
#include "temporaryhome.h"

#include <QApplication>
#include <QFont>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    TemporaryHome home;
    if (!home.IsValid())
        return 2;
#ifdef KOSMIRA_TEST_SCALE_FACTOR
    qputenv("QT_SCALE_FACTOR", KOSMIRA_TEST_SCALE_FACTOR);
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Kosmira"));
    // The application maps the Windows face names the views ask for to installed fonts.
    QFont::insertSubstitution(QStringLiteral("굴림"), QStringLiteral("NanumGothic"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
