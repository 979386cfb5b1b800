#include "app/runtimefiles.h"

#include <QDir>
#include <QFileInfo>

QString FindModuleDirectory(const QString& executablePath)
{
    const QDir beside = QFileInfo(executablePath).absoluteDir();
    if (QFileInfo(beside.filePath(QStringLiteral("data"))).isDir())
        return beside.absolutePath();
    const QString shared =
        QDir::cleanPath(beside.filePath(QStringLiteral("../share/kosmira")));
    if (QFileInfo(shared).isDir())
        return shared;
    return beside.absolutePath();
}

QString LauncherIcon(const QString& moduleDirectory)
{
    const QString file = QDir(moduleDirectory).filePath(QStringLiteral("kosmira.png"));
    if (QFileInfo(file).isFile())
        return file;
    return QString::fromLatin1(kDesktopId);
}
