#pragma once

#include <QString>

// The freedesktop launcher "Kosmira.desktop" for the executable at executablePath, with
// iconPath as its icon (may be empty).
QString LauncherText(const QString& executablePath, const QString& iconPath);

// The user's desktop directory: $XDG_DESKTOP_DIR when set, else the desktop of the user
// directories file, else ~/Desktop.
QString DesktopDirectory();

// Writes (overwrites) "Kosmira.desktop" in the desktop directory and marks it executable.
// Nothing happens when the directory does not exist; it is never created. Every failure
// is silent; the result only tells whether the file was written.
bool WriteDesktopLauncher(const QString& executablePath, const QString& iconPath);
