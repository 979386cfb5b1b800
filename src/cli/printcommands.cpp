#include "cli/printcommands.h"

#include "astro/math/angles.h"
#include "astro/sky/shownsky.h"
#include "catalog/loadcatalogs.h"
#include "image/messagesink.h"
#include "cli/jsonwriter.h"
#include "print/calendarprint.h"
#include "print/pdfexport.h"
#include "print/skychart.h"
#include "views/calendarmonth.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <memory>

#include <unistd.h>

namespace {

std::unique_ptr<QGuiApplication>& OwnApplication()
{
    static std::unique_ptr<QGuiApplication> app;
    return app;
}

void EnsureGui()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt wants a private runtime folder; without a desktop session it makes one in the
    // temporary folder, as here, but warns about it on standard error.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir::temp().filePath(QStringLiteral("runtime-%1").arg(getuid()));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    }
    static int argc = 1;
    static char name[] = "kosmira-almanac";
    static char* argv[] = {name, nullptr};
    OwnApplication() = std::make_unique<QGuiApplication>(argc, argv);
    InstallFontSubstitutes();
}

QDate PrintedDate(const std::string& printed)
{
    if (printed.empty())
        return QDate::currentDate();
    return QDate::fromString(QString::fromStdString(printed), QStringLiteral("yyyy-MM-dd"));
}

int Write(PrintJob& job, const std::string& printed, const std::string& path, std::string& out,
          std::string& err)
{
    job.SetPrintedDate(PrintedDate(printed));
    QString error;
    if (!WritePdf(job, QString::fromStdString(path), &error)) {
        err = error.toStdString() + "\n";
        return 1;
    }
    JsonWriter j;
    j.BeginObject();
    j.Key("pdf").String(path);
    j.EndObject();
    out = j.Text() + "\n";
    return 0;
}

// The directory of the running program (data/ lies beside it).
std::string ModuleDirectory()
{
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath().toStdString();
}

}  // namespace

bool ValidPrintedDate(const std::string& text)
{
    return text.size() == 10 &&
           QDate::fromString(QString::fromStdString(text), QStringLiteral("yyyy-MM-dd")).isValid();
}

int WriteMonthPdf(int year, int month, const Observer& site, Model model,
                  const std::string& printed, const std::string& path, std::string& out,
                  std::string& err)
{
    EnsureGui();
    const CalendarMonth calendar(year, month);
    CalendarPrintJob job(calendar, calendar.Compute(site, model), site, model);
    return Write(job, printed, path, out, err);
}

int WriteChartPdf(const ShownSky& sky, double azimuthDeg, double altitudeDeg, double fovDeg,
                  const std::string& printed, const std::string& path, std::string& out,
                  std::string& err)
{
    EnsureGui();
    CatalogSet catalogs;
    TextMessageSink sink;
    if (!LoadCatalogs(catalogs, ModuleDirectory(), sink)) {
        err = "별 목록을 읽을 수 없습니다.\n" + sink.text;
        return 1;
    }
    SkyChartView view;
    view.centre = SphericalCoord(azimuthDeg * kDegToRad, altitudeDeg * kDegToRad);
    view.fieldOfViewRad = fovDeg * kDegToRad;
    SkyChartPrintJob job(sky, catalogs, view, DisplayColors{});
    return Write(job, printed, path, out, err);
}

void EndPrintSupport()
{
    OwnApplication().reset();
}
