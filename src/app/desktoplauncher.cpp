#include "app/desktoplauncher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// A value of the Exec key: quoted, with the characters the format reserves inside quotes
// escaped, then '\' escaped once more as every string value requires.
QString ExecArgument(const QString& path)
{
    QString quoted;
    for (QChar c : path) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    return quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
}

// A string value: no line breaks, '\' escaped.
QString StringValue(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    text.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return text;
}

}  // namespace

QString LauncherText(const QString& executablePath, const QString& iconPath)
{
    QString text = QStringLiteral(
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Version=1.0\n"
        "Name=Kosmira\n"
        "Comment=천체 관측을 위한 플라네타리움과 천문 달력\n");
    text += QStringLiteral("Exec=") + ExecArgument(executablePath) + QLatin1Char('\n');
    text += QStringLiteral("Path=") + StringValue(QFileInfo(executablePath).absolutePath()) +
            QLatin1Char('\n');
    if (!iconPath.isEmpty())
        text += QStringLiteral("Icon=") + StringValue(iconPath) + QLatin1Char('\n');
    text += QStringLiteral("Terminal=false\n"
                           "Categories=Education;Science;Astronomy;\n");
    return text;
}

QString DesktopDirectory()
{
    const QString fromEnvironment = qEnvironmentVariable("XDG_DESKTOP_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

bool WriteDesktopLauncher(const QString& executablePath, const QString& iconPath)
{
    const QString directory = DesktopDirectory();
    if (directory.isEmpty() || !QFileInfo(directory).isDir())
        return false;
    QSaveFile file(QDir(directory).filePath(QStringLiteral("Kosmira.desktop")));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(LauncherText(executablePath, iconPath).toUtf8());
    if (!file.commit())
        return false;
    // Desktops start only launchers marked executable.
    QFile::setPermissions(file.fileName(), QFile::permissions(file.fileName()) |
                                               QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return true;
}
