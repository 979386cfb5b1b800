// GUI tests of the application shell: one CKosmiraApp for the whole run, in a throw-away
// home so that no test touches the user's real desktop.

#include "app/ckosmiraapp.h"
#include "temporaryhome.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    TemporaryHome home;
    if (!home.IsValid())
        return 2;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "xcb", 1);

    ::testing::InitGoogleTest(&argc, argv);
    CKosmiraApp::PrepareProcess();
    CKosmiraApp app(argc, argv);
    return RUN_ALL_TESTS();
}
