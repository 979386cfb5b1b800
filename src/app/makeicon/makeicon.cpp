// Build step: writes the program icon as a PNG beside the executable, for the desktop
// launcher (launchers name their icon by file).

#include "app/kosmiraicon.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kosmira_makeicon OUTPUT.png\n");
        return 2;
    }
    return PaintKosmiraIcon(256).save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
