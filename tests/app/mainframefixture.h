#pragma once

// The state the application would own around a shown main frame, for the tests of the
// windows it opens: a site in Seoul, a shown local time, its sky, the display colours, the
// label font and the application's commands.
#include <QApplication>
#include <QFont>
#include <QMdiArea>
#include <memory>

#include <gtest/gtest.h>

#include "app/ckosmiraframe.h"
#include "app/commandmap.h"
#include "astro/math/angles.h"
#include "astro/sky/shownsky.h"
#include "astro/time/juliandate.h"
#include "render/displaycolors.h"

class MainFrameFixture : public ::testing::Test {
protected:
    // Seoul (country or province region) at 21:00 local time of the given day in model,
    // and the main frame shown at 1200 x 900 with appCommands; the caller processes the
    // events once it has wired what it needs.
    void OpenMainFrame(const char* region, int year, int month, int day, Model model)
    {
        site = Observer(region, "서울", static_cast<float>(126.98 * kDegToRad),
                        static_cast<float>(37.57 * kDegToRad), 9.0f);
        shownLocal = SkyTime(JulianDateFromCalendar(year, month, day), 21.0);
        sky = ComputeShownSky(shownLocal, site, model);
        labelFont = QFont(QStringLiteral("Arial"));
        labelFont.setPixelSize(14);
        mainFrame = std::make_unique<CKosmiraFrame>(&appCommands);
        mainFrame->resize(1200, 900);
        mainFrame->show();
    }

    void TearDown() override
    {
        // Close the children and hide the frame while it is whole: deleting a shown main
        // frame with open children re-enters its activation handler mid-destruction.
        mainFrame->MdiArea()->closeAllSubWindows();
        mainFrame->hide();
        QApplication::processEvents();
        mainFrame.reset();
    }

    Observer site;
    SkyTime shownLocal;
    ShownSky sky;
    DisplayColors colours;
    QFont labelFont;
    CommandMap appCommands;
    std::unique_ptr<CKosmiraFrame> mainFrame;
};
