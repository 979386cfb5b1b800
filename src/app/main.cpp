#include "app/ckosmiraapp.h"

int main(int argc, char** argv)
{
    CKosmiraApp::PrepareProcess();
    CKosmiraApp app(argc, argv);
    if (!app.InitInstance())
        return 1;
    return app.exec();
}
