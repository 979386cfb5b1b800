#include "apptestsupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>

namespace {

bool CopyFolder(const QString& from, const QString& to, const QStringList& omit)
{
    if (!QDir().mkpath(to))
        return false;
    const QFileInfoList entries = QDir(from).entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (omit.contains(entry.fileName()))
            continue;
        if (!QFile::copy(entry.filePath(), QDir(to).filePath(entry.fileName())))
            return false;
    }
    return true;
}

}  // namespace

ModuleCopy::ModuleCopy(const QStringList& omit)
{
    const QString source = QStringLiteral(KOSMIRA_SOURCE_DIR);
    valid = dir.isValid() &&
            CopyFolder(source + QStringLiteral("/data"), dir.filePath(QStringLiteral("data")), omit) &&
            CopyFolder(source + QStringLiteral("/images"), dir.filePath(QStringLiteral("images")), {}) &&
            CopyFolder(source + QStringLiteral("/home"), dir.filePath(QStringLiteral("home")), {});
}

QStringList CatalogLine(const QString& path, int lineIndex)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> lines = file.readAll().split('\n');
    if (lineIndex >= lines.size())
        return {};
    QByteArray line = lines[lineIndex];
    if (line.endsWith('\r'))
        line.chop(1);
    QStringList fields;
    for (const QByteArray& field : line.split('\t'))
        fields.append(QString::fromUtf8(field));
    return fields;
}

TestChildFrame::TestChildFrame(MenuSet menus, bool withView) : CChildFrame(menus)
{
    if (withView)
        SetView(new QLineEdit(this));
}
