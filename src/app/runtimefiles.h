#pragma once

#include <QString>

// Where the program's run-time folders data/, images/ and home/ are looked up, given the
// full path of the running executable:
// - beside the executable when a data/ folder is there (the build folder, an unpacked copy);
// - else in ../share/kosmira relative to the executable's folder when that folder exists
//   (an installed program: /usr/bin/kosmira reads /usr/share/kosmira);
// - else beside the executable, where the catalog loader then reports the first missing file.
QString FindModuleDirectory(const QString& executablePath);

// Icon of the desktop launcher: the icon file kosmira.png in moduleDirectory when it is
// there (the build folder), else the name of the icon installed in the desktop's icon theme.
QString LauncherIcon(const QString& moduleDirectory);

// The application's freedesktop id: name of its installed .desktop, metainfo and icon files.
inline constexpr const char* kDesktopId = "org.kosmira.Kosmira";
