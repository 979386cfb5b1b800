// The print commands of the windows, driven through the main frame as the menus and the
// toolbar drive them; the PDF is read back with poppler-utils.
#include "astro/sky/shownsky.h"
#include <gtest/gtest.h>
#include "astro/math/angles.h"

#include <QApplication>
#include <QMdiArea>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>

#include "app/ccalendarframe.h"
#include "app/ckosmiraframe.h"
#include "app/commandids.h"
#include "app/cplanet3dframe.h"
#include "app/cplaneteclframe.h"
#include "mainframefixture.h"
#include "astro/time/juliandate.h"
#include "render/displaycolors.h"
#include "print/printtest.h"
#include "views/ccalendarview.h"

namespace {

class PrintFramesTest : public MainFrameFixture {
protected:
    void SetUp() override
    {
        OpenMainFrame("서울특별시", 2026, 12, 8, Model::Precise);
        // The file dialog and the date are the test's: the PDF goes to its folder.
        mainFrame->Printing().SetFileChooser([this](QWidget*, const QString& proposed) {
            proposedPaths.append(proposed);
            return chosenPath;
        });
        mainFrame->Printing().SetDateSource([] { return QDate(2026, 12, 8); });
        mainFrame->Printing().SetErrorReporter(
            [this](QWidget*, const QString& message) { errors.append(message); });
        QApplication::processEvents();
    }

    QString SaveActive(const QString& name)
    {
        chosenPath = folder.filePath(name);
        EXPECT_TRUE(mainFrame->RouteCommand(CommandId::FileSavePdf));
        return chosenPath;
    }

    QTemporaryDir folder;
    QString chosenPath;
    QStringList proposedPaths;
    QStringList errors;
};

}  // namespace

TEST_F(PrintFramesTest, BothFileMenusOpenWithThePrintItemsAndCtrlPPrints)
{
    QAction* print = mainFrame->Action(CommandId::FilePrint);
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_TRUE(mainFrame->ToolBar()->actions().contains(print));
    const QStringList expected = {QStringLiteral("인쇄…"), QStringLiteral("인쇄 미리 보기…"),
                                  QStringLiteral("PDF로 저장…")};
    QMenu* file = mainFrame->menuBar()->actions().first()->menu();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->title(), QStringLiteral("파일"));
    QStringList first;
    for (QAction* a : file->actions().mid(0, 3))
        first.append(a->text());
    EXPECT_EQ(first, expected);
    EXPECT_EQ(mainFrame->MenuCommandIds().mid(0, 3),
              (QList<int>{CommandId::FilePrint, CommandId::FilePrintPreview, CommandId::FileSavePdf}));
}

TEST_F(PrintFramesTest, NothingToPrintWithoutAWindowThenEachWindowPrints)
{
    for (int id : {CommandId::FilePrint, CommandId::FilePrintPreview, CommandId::FileSavePdf})
        EXPECT_FALSE(mainFrame->QueryCommand(id).enabled) << id;

    mainFrame->AddChild(new CCalendarFrame(shownLocal, site, sky.model));
    QApplication::processEvents();
    for (int id : {CommandId::FilePrint, CommandId::FilePrintPreview, CommandId::FileSavePdf})
        EXPECT_TRUE(mainFrame->QueryCommand(id).enabled) << id;
    EXPECT_TRUE(mainFrame->Action(CommandId::FilePrint)->isEnabled());
}

TEST_F(PrintFramesTest, CalendarWindowSavesItsMonthAsPdf)
{
    auto* frame = new CCalendarFrame(shownLocal, site, sky.model);
    mainFrame->AddChild(frame);
    QApplication::processEvents();
    const QString path = SaveActive(QStringLiteral("달력.pdf"));
    ASSERT_EQ(proposedPaths.size(), 1);
    EXPECT_TRUE(proposedPaths[0].endsWith(QStringLiteral("/천문달력-2026-12-서울.pdf")))
        << proposedPaths[0].toStdString();
    EXPECT_TRUE(errors.isEmpty());
    const QString text = PdfText(path);
    EXPECT_TRUE(text.contains(QStringLiteral("2026년 12월 천문 달력")));
    EXPECT_TRUE(text.contains(QStringLiteral("인쇄한 날: 2026-12-08")));
    // The window's own sunrise of 1 December is on the page.
    const std::string sunrise = frame->CalendarView()->MonthDays()[0].cells[2][0].text;
    EXPECT_TRUE(text.contains(QString::fromStdString(sunrise))) << sunrise;
}

TEST_F(PrintFramesTest, EclipticAndSolarSystemWindowsPrintToo)
{
    mainFrame->AddChild(new CPlanetEclFrame(sky, colours, labelFont));
    QApplication::processEvents();
    const QString ecliptic = SaveActive(QStringLiteral("황도.pdf"));
    EXPECT_TRUE(PdfText(ecliptic).contains(QStringLiteral("행성 시운동")));
    EXPECT_TRUE(PdfPageSize(ecliptic).contains(QStringLiteral("842 x 595 pts")))
        << PdfPageSize(ecliptic).toStdString();

    mainFrame->AddChild(new CPlanet3dFrame(sky, colours));
    QApplication::processEvents();
    const QString solar = SaveActive(QStringLiteral("태양계.pdf"));
    EXPECT_TRUE(PdfText(solar).contains(QStringLiteral("태양계 3차원 보기")));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(PrintFramesTest, AnUnwritableChoiceIsReportedInKorean)
{
    mainFrame->AddChild(new CCalendarFrame(shownLocal, site, sky.model));
    QApplication::processEvents();
    const QString path = SaveActive(QStringLiteral("없는 폴더/달력.pdf"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("PDF 파일을 저장할 수 없습니다.")));
    EXPECT_FALSE(QFileInfo::exists(path));
}
