// Build step: writes Kosmira's icon into a hicolor icon theme folder,
// OUTDIR/<n>x<n>/apps/NAME.png for each size n given.

#include "app/kosmiraicon.h"

#include <QDir>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: kosmira_themeicons OUTDIR NAME SIZE...\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        char* end = nullptr;
        const long size = std::strtol(argv[i], &end, 10);
        if (end == argv[i] || *end != '\0' || size < 8 || size > 1024) {
            std::fprintf(stderr, "kosmira_themeicons: bad size '%s'\n", argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
        if (!QDir().mkpath(folder) ||
            !PaintKosmiraIcon(int(size)).save(folder + QLatin1Char('/') + name + QStringLiteral(".png"), "PNG")) {
            std::fprintf(stderr, "kosmira_themeicons: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
