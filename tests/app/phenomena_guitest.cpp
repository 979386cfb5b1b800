// The list of phenomena (opened from the menus in startup_guitest.cpp): its filter and year, a double-click that
// moves the shown instant, and the offer to switch the precise model on.

#include "app/ckosmiraapp.h"
#include "app/cphenomenaframe.h"
#include "astro/math/angles.h"
#include "astro/time/juliandate.h"
#include "views/cphenomenaview.h"

#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>


namespace {

constexpr double kToleranceDays = 1e-6;  // 0.09 s

struct PhenomenaWindowTest : ::testing::Test {
    void SetUp() override
    {
        app = CKosmiraApp::Instance();
        ASSERT_NE(app, nullptr);
        savedSite = app->GetObserver();
        savedTime = app->GetShownLocalTime();
        savedModel = app->GetModel();
        app->SetObserver(Observer("", "서울", static_cast<float>(126.978 * kDegToRad),
                                  static_cast<float>(37.5665 * kDegToRad), 9.0f));
        app->SetShownTime(SkyTime(JulianDateFromCalendar(2024, 6, 15).jd + 0.5));
    }
    void TearDown() override
    {
        app->SetModel(savedModel);
        app->SetObserver(savedSite);
        app->SetShownTime(savedTime);
    }
    CKosmiraApp* app = nullptr;
    Observer savedSite;
    SkyTime savedTime;
    Model savedModel = Model::Precise;
};

TEST_F(PhenomenaWindowTest, DoubleClickMovesTheShownInstantToTheEvent)
{
    app->SetModel(Model::Precise);
    CPhenomenaFrame frame(*app);
    frame.resize(900, 600);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    CPhenomenaView* view = frame.PhenomenaView();
    EXPECT_EQ(view->Year(), 2024);
    EXPECT_FALSE(view->PreciseOfferShown());

    // Only the solar eclipses: 8 April (total) and 2 October (annular).
    view->KindBox()->setCurrentIndex(view->KindBox()->findData(static_cast<int>(PhenomenonKind::SolarEclipse)));
    QTableWidget* table = view->Table();
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("개기일식"));
    EXPECT_EQ(table->item(1, 1)->text(), QStringLiteral("금환일식"));
    // Korean time: 9 April 03:17.
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("2024-04-09 03:17"));

    const double jdUT = view->ShownEvents()[0]->when.jdUT;
    const QRect cell = table->visualItemRect(table->item(0, 1));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    EXPECT_NEAR(app->GetShownUT().JD(), jdUT, kToleranceDays);
    EXPECT_NEAR(app->GetShownLocalTime().JD(), jdUT + 9.0 / 24.0, kToleranceDays);
}

TEST_F(PhenomenaWindowTest, YearSelectorAndFilters)
{
    app->SetModel(Model::Precise);
    CPhenomenaFrame frame(*app);
    CPhenomenaView* view = frame.PhenomenaView();
    view->YearBox()->setValue(2027);
    EXPECT_EQ(view->Year(), 2027);
    view->SetKindFilter(static_cast<int>(PhenomenonKind::SolarTerm));
    QTableWidget* table = view->Table();
    ASSERT_EQ(table->rowCount(), 24);
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("소한"));
    EXPECT_EQ(table->item(23, 1)->text(), QStringLiteral("동지"));
    view->SetKindFilter(-1);
    EXPECT_EQ(table->rowCount(), static_cast<int>(view->Events().size()));
    // In time order.
    for (std::size_t i = 1; i < view->Events().size(); ++i)
        EXPECT_LE(view->Events()[i - 1].when.jdUT, view->Events()[i].when.jdUT);
}

TEST_F(PhenomenaWindowTest, ClassicModelOffersThePreciseOneOnce)
{
    app->SetModel(Model::Classic);
    CPhenomenaFrame frame(*app);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    CPhenomenaView* view = frame.PhenomenaView();
    EXPECT_TRUE(view->PreciseOfferShown());
    QTest::mouseClick(view->PreciseButton(), Qt::LeftButton);
    EXPECT_EQ(app->GetModel(), Model::Precise);
    EXPECT_FALSE(view->PreciseOfferShown());
    // Switched back to classic: no second offer from this window.
    app->SetModel(Model::Classic);
    EXPECT_FALSE(view->PreciseOfferShown());
}

}  // namespace
