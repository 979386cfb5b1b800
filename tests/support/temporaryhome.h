#pragma once

#include <QString>
#include <QTemporaryDir>

// A throw-away home for a test program: HOME, the XDG folders and a private runtime folder
// point into a fresh temporary directory while it lives, and no desktop folder is named,
// so that no test touches the user's real desktop, settings or caches. Removed with it.
class TemporaryHome {
public:
    TemporaryHome();
    bool IsValid() const { return dir_.isValid(); }
    QString Path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};
