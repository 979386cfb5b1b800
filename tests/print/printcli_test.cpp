// kosmira-almanac's PDF commands, run as the program a newsletter script would run.
#include "printtest.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kAlmanac = QStringLiteral(KOSMIRA_BINARY_DIR "/kosmira-almanac");

}  // namespace

TEST(AlmanacPdf, MonthAndChartWriteTheirPages)
{
    QTemporaryDir dir;
    const QString month = dir.filePath(QStringLiteral("달력.pdf"));
    const QString chart = dir.filePath(QStringLiteral("지도.pdf"));
    const struct {
        QStringList args;
        QString file;
        QStringList texts;
    } runs[] = {
        {{"month", "--year", "2026", "--month", "12", "--lat", "37.5665", "--lon", "126.978",
          "--zone", "9", "--site", "서울", "--printed", "2026-12-08", "--pdf", month},
         month,
         {"2026년 12월 천문 달력", "서울", "정밀 계산", "인쇄한 날: 2026-12-08"}},
        {{"chart", "--utc", "2026-01-15T14:00:00", "--lat", "37.5665", "--lon", "126.978",
          "--zone", "9", "--az-deg", "180", "--alt-deg", "30", "--fov-deg", "60", "--printed",
          "2026-12-08", "--pdf", chart},
         chart,
         {"천체 지도", "2026-01-15 23:00", "남 (180.0°)", "시리우스"}},
    };
    for (const auto& r : runs) {
        int status = -1;
        QString err;
        const QString out = RunProgram(kAlmanac, r.args, &status, &err);
        EXPECT_EQ(status, 0) << err.toStdString();
        EXPECT_TRUE(out.contains(QStringLiteral("\"pdf\""))) << out.toStdString();
        const QString text = PdfText(r.file);
        for (const QString& t : r.texts)
            EXPECT_TRUE(text.contains(t)) << r.args[0].toStdString() << ": " << t.toStdString();
    }
}

TEST(AlmanacPdf, BadCallsAndUnwritablePlaces)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("없음/달력.pdf"));
    const struct {
        QStringList args;
        int status;
        const char* message;
    } cases[] = {
        {{"month", "--year", "2026", "--month", "12", "--lat", "37.5", "--lon", "127", "--zone", "9",
          "--pdf", missing}, 1, "PDF 파일을 저장할 수 없습니다."},
        {{"month", "--year", "2026", "--month", "12", "--lat", "37.5", "--lon", "127", "--zone", "9",
          "--pdf", "/proc/달력.pdf"}, 1, "PDF 파일을 저장할 수 없습니다."},
        {{"month", "--year", "2026", "--month", "12", "--lat", "37.5", "--lon", "127", "--zone", "9",
          "--printed", "2026-13-01", "--pdf", dir.filePath("x.pdf")}, 2, "--printed"},
        {{"month", "--year", "2026", "--month", "12", "--lat", "37.5", "--lon", "127", "--zone", "9",
          "--site", "서울"}, 2, "--pdf"},
        {{"chart", "--utc", "2026-01-15T12:00:00", "--lat", "37.5", "--lon", "127", "--az-deg", "180",
          "--alt-deg", "30", "--fov-deg", "120", "--pdf", dir.filePath("x.pdf")}, 2, "--fov-deg"},
        {{"chart", "--utc", "2026-01-15T12:00:00", "--lat", "37.5", "--lon", "127", "--az-deg", "180",
          "--alt-deg", "30", "--fov-deg", "60"}, 2, "--pdf"},
    };
    for (const auto& c : cases) {
        int status = -1;
        QString err;
        RunProgram(kAlmanac, c.args, &status, &err);
        EXPECT_EQ(status, c.status) << c.args.join(' ').toStdString();
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.message))) << err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(AlmanacPdf, OtherCommandsNeedNoDisplay)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(env);
    process.start(kAlmanac, {"positions", "--utc", "2026-01-15T12:00:00", "--lat", "37.5", "--lon", "127"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(process.readAllStandardOutput().contains("\"bodies\""));
}
