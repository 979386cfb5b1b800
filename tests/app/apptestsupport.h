#pragma once

#include "app/cchildframe.h"
#include "messageboxes.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <vector>

// A temporary module directory holding a copy of the shipped data/ and images/ folders,
// less the data files named in omit.
class ModuleCopy {
public:
    explicit ModuleCopy(const QStringList& omit = {});
    QString Path() const { return dir.path(); }
    QString File(const QString& relative) const { return dir.filePath(relative); }
    bool IsValid() const { return valid; }

private:
    QTemporaryDir dir;
    bool valid = false;
};

// One line of a tab-separated catalog file, cut at the tabs (the file's own bytes).
QStringList CatalogLine(const QString& path, int lineIndex);

// A child frame whose view and frame commands are set by the test.
class TestChildFrame : public CChildFrame {
public:
    explicit TestChildFrame(MenuSet menus = MenuSet::Main, bool withView = true);

    using CChildFrame::FrameCommands;
    using CChildFrame::ViewCommands;
    int refreshCount = 0;
    void RefreshView() override { ++refreshCount; CChildFrame::RefreshView(); }
};

