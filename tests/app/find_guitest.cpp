#include "astro/sky/frames.h"
#include "astro/math/angles.h"
#include "catalog/constellationname.h"
#include "app/cfindconstellationdlg.h"
#include "planetarium/cplanetariumview.h"
#include "app/cconstellationinfodlg.h"
#include "messageboxes.h"
#include "testsky.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr double kHoursToRad = 0.2617993877991494;
// GL keeps its matrices in single precision: unprojected directions agree to about 1e-6.
constexpr double kUnprojectToleranceRad = 2e-5;

// The find-constellation dialog.

// Seoul at 21:00 local time on 2024-01-15: local sidereal time about 4.1 h, so Orion's label
// (5.5 h, +3 degrees) stands high in the south-east and the Southern Cross (12.4 h, -60
// degrees) never rises.
class FindConstellation : public testing::Test {
protected:
    void SetUp() override
    {
        Add("Andromeda", 0.8, 38.0);
        Add("Orion", 5.5, 3.0);
        Add("Crux", 12.4, -60.0);
        Add("오리온자리", 5.6, 5.0);
        Add("", 0.0, 0.0);
        Add("Aquila", 19.7, 3.0);  // after an unnamed entry, out of alphabetical order
    }

    void Add(const char* name, double raHours, double decDegrees)
    {
        sky.catalogs.constellationNames.push_back(ConstellationName(
            name, SphericalCoord(raHours * kHoursToRad, decDegrees * kDegToRad)));
    }

    SphericalCoord Horizontal(std::size_t index) const
    {
        // Label points are J2000; the sky is of date.
        const Vector3 ofDate = sky.shown.j2000ToDate.Apply(
            sky.catalogs.constellationNames[index].position.ToVector());
        return EquatorialToHorizontal(SphericalCoord::FromVector(ofDate), sky.lst,
                                      double(sky.observer.latitude));
    }

    // Opens the dialog (modal, as the command does) and types text over the edit field.
    std::unique_ptr<CFindConstellationDlg> Open()
    {
        auto dialog = std::make_unique<CFindConstellationDlg>(sky.scene);
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        catcher.WatchDialog(dialog.get());
        return dialog;
    }

    static void Type(CFindConstellationDlg& dialog, const QString& text)
    {
        QLineEdit* edit = dialog.NameBox()->lineEdit();
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        // QTest types only Latin-1 keys; Hangul goes in as an input method would put it.
        for (const QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(edit, c.toLatin1());
            else
                edit->insert(QString(c));
        }
        ASSERT_EQ(edit->text(), text);
    }

    TestSky sky;
    MessageBoxCatcher catcher;
};

TEST_F(FindConstellation, ListsEveryNameInCatalogOrderAndSelectsTheFirst)
{
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("별자리 찾기"));
    QComboBox* box = dialog->NameBox();
    EXPECT_TRUE(box->isEditable());
    ASSERT_EQ(box->count(), 6);
    const char* expected[] = {"Andromeda", "Orion", "Crux", "오리온자리", "", "Aquila"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(box->itemText(i), QString::fromUtf8(expected[i])) << i;
    EXPECT_EQ(box->currentIndex(), 0);
    EXPECT_EQ(box->currentText(), QStringLiteral("Andromeda"));
    EXPECT_EQ(dialog->OkButton()->text(), QStringLiteral("확인"));
    EXPECT_EQ(dialog->CancelButton()->text(), QStringLiteral("취소"));
}

TEST_F(FindConstellation, NameInAnotherLetterCaseIsFoundAndRemembered)
{
    ASSERT_GE(Horizontal(1).lat, 20.0 * kDegToRad);
    for (const char* typed : {"orion", "ORION", "oRiOn"}) {
        auto dialog = Open();
        Type(*dialog, QString::fromUtf8(typed));
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        EXPECT_TRUE(catcher.Boxes().empty()) << typed;
        EXPECT_FALSE(dialog->isVisible()) << typed;
        EXPECT_EQ(dialog->result(), QDialog::Accepted) << typed;
        EXPECT_EQ(dialog->FoundPosition().lon, Horizontal(1).lon) << typed;
        EXPECT_EQ(dialog->FoundPosition().lat, Horizontal(1).lat) << typed;
    }
    // Typing must not have added rows to the list.
    auto dialog = Open();
    EXPECT_EQ(dialog->NameBox()->count(), 6);
}

TEST_F(FindConstellation, TheReturnKeyActsAsOk)
{
    auto dialog = Open();
    Type(*dialog, QStringLiteral("오리온자리"));
    QTest::keyClick(dialog->NameBox()->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(catcher.Boxes().empty());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->FoundPosition().lon, Horizontal(3).lon);
    EXPECT_EQ(dialog->FoundPosition().lat, Horizontal(3).lat);
    EXPECT_EQ(dialog->NameBox()->count(), 6);
}

TEST_F(FindConstellation, UnknownOrPartialNameSaysSoAndKeepsTheDialogOpen)
{
    auto dialog = Open();
    for (const char* typed : {"Orio", "Orion ", "Pegasus", "오리온"}) {
        Type(*dialog, QString::fromUtf8(typed));
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        EXPECT_TRUE(dialog->isVisible()) << typed;
    }
    ASSERT_EQ(catcher.Boxes().size(), 4u);
    for (const auto& box : catcher.Boxes()) {
        EXPECT_EQ(box.text, QStringLiteral("그런 별자리는 없습니다."));
        EXPECT_EQ(box.parent, dialog.get());
        EXPECT_TRUE(box.dialogVisible);
        EXPECT_TRUE(box.hadOkButton);
    }
    EXPECT_EQ(dialog->FoundPosition().lon, 0.0);
    EXPECT_EQ(dialog->FoundPosition().lat, 0.0);

    // The dialog is still usable: a real name now closes it.
    Type(*dialog, QStringLiteral("Orion"));
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(catcher.Boxes().size(), 4u);
}

TEST_F(FindConstellation, BelowTheHorizonKeepsTheDialogOpenUntilAnotherIsChosen)
{
    ASSERT_LT(Horizontal(2).lat, 0.0);
    auto dialog = Open();
    dialog->NameBox()->setCurrentIndex(2);  // picked from the list
    ASSERT_EQ(dialog->NameBox()->currentText(), QStringLiteral("Crux"));
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog->isVisible());
    Type(*dialog, QStringLiteral("crux"));
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_EQ(catcher.Boxes().size(), 2u);
    for (const auto& box : catcher.Boxes()) {
        EXPECT_EQ(box.text, QStringLiteral("지평선 아래에 있습니다."));
        EXPECT_EQ(box.parent, dialog.get());
        EXPECT_TRUE(box.dialogVisible);
    }
    EXPECT_EQ(dialog->FoundPosition().lat, 0.0);

    dialog->NameBox()->setCurrentIndex(1);
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->FoundPosition().lon, Horizontal(1).lon);
    EXPECT_EQ(dialog->FoundPosition().lat, Horizontal(1).lat);
}

TEST_F(FindConstellation, CancelClosesAndRemembersNothing)
{
    auto dialog = Open();
    Type(*dialog, QStringLiteral("Orion"));
    QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(dialog->FoundPosition().lon, 0.0);
    EXPECT_EQ(dialog->FoundPosition().lat, 0.0);
    EXPECT_TRUE(catcher.Boxes().empty());
}

TEST_F(FindConstellation, LabelPointExactlyOnTheHorizonIsAccepted)
{
    // On the equator, a label point on the celestial equator a quarter turn east of the
    // meridian is on the horizon. Rounding rarely gives exactly zero, so try sidereal times
    // from 2 h in steps of 0.1 h and, for each, the doubles next to that quarter turn.
    sky.observer.latitude = 0.0f;
    sky.shown.j2000ToDate = Matrix3();  // the rule at the horizon, without precession
    double ra = 0.0;
    bool onHorizon = false;
    for (int k = 0; k < 40 && !onHorizon; ++k) {
        sky.lst = SkyTime(sky.lst.date, 2.0 + 0.1 * k);
        ra = sky.lst.Hours() * kHoursToRad + 1.5707963267948966;
        for (int step = 0; step < 32; ++step)
            ra = std::nextafter(ra, 0.0);
        for (int step = 0; step < 64 && !onHorizon; ++step) {
            ra = std::nextafter(ra, 10.0);
            onHorizon =
                EquatorialToHorizontal(SphericalCoord(ra, 0.0), sky.lst, 0.0).lat == 0.0;
        }
    }
    ASSERT_TRUE(onHorizon);
    sky.catalogs.constellationNames.push_back(
        ConstellationName("Horizon", SphericalCoord(ra, 0.0)));

    auto dialog = Open();
    Type(*dialog, QStringLiteral("horizon"));
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_TRUE(catcher.Boxes().empty());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->FoundPosition().lat, 0.0);
}

TEST_F(FindConstellation, TheCommandTurnsTheViewOnlyOnOk)
{
    CPlanetariumView view(sky.scene);
    view.resize(400, 300);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const double fieldBefore = view.FieldOfView();

    // The command runs the dialog modally; answer it from the event loop it runs.
    auto answer = [](const QString& text, bool ok) {
        QTimer::singleShot(0, [text, ok] {
            auto* dialog = qobject_cast<CFindConstellationDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            Type(*dialog, text);
            QTest::mouseClick(ok ? dialog->OkButton() : dialog->CancelButton(), Qt::LeftButton);
        });
    };

    answer(QStringLiteral("Orion"), false);
    const SphericalCoord before = view.ViewCentre();
    EXPECT_FALSE(CFindConstellationDlg::FindInView(view));
    EXPECT_EQ(view.ViewCentre().lon, before.lon);
    EXPECT_EQ(view.ViewCentre().lat, before.lat);

    answer(QStringLiteral("ORION"), true);
    EXPECT_TRUE(CFindConstellationDlg::FindInView(view));
    EXPECT_EQ(view.ViewCentre().lon, Horizontal(1).lon);
    EXPECT_EQ(view.ViewCentre().lat, Horizontal(1).lat);
    EXPECT_EQ(view.FieldOfView(), fieldBefore);
    EXPECT_TRUE(catcher.Boxes().empty());
    EXPECT_FALSE(catcher.StuckModalClosed());
}

}  // namespace

namespace {

// "별자리 정보" for Orion over Seoul on 2024-01-15 (the test sky): the IAU's Latin name and
// abbreviation, 594.12 square degrees (IAU), Betelgeuse and Rigel among its named stars, M42
// among its Messier objects. Its label point (RA 5.6 h) is on the meridian at 21:00 KST in
// February: on 15 February the local sidereal time at 21:00 in Seoul is 6.0 h, on 15
// January 4.0 h.
TEST(ConstellationInfo, OrionFromTheShippedTables)
{
    TestSky sky;
    ASSERT_TRUE(LoadShippedCatalogs(sky));
    int orion = -1;
    for (std::size_t i = 0; i < sky.catalogs.constellationNames.size(); ++i)
        if (sky.catalogs.constellationNames[i].abbreviation == "Ori")
            orion = static_cast<int>(i);
    ASSERT_GE(orion, 0);
    CConstellationInfoDlg dialog(sky.scene, orion);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("별자리 정보"));
    const CConstellationInfoDlg::Texts& t = dialog.Values();
    EXPECT_EQ(t.latin, QStringLiteral("Orion"));
    EXPECT_EQ(t.abbreviation, QStringLiteral("Ori"));
    constexpr double kAreaToleranceDeg2 = 594.12 * 0.01;  // 1 %
    EXPECT_NEAR(t.area.section(QLatin1Char(' '), 0, 0).toDouble(), 594.12, kAreaToleranceDeg2);
    EXPECT_TRUE(t.stars.contains(QStringLiteral("베텔게우스"))) << t.stars.toStdString();
    EXPECT_TRUE(t.stars.contains(QStringLiteral("리겔"))) << t.stars.toStdString();
    EXPECT_TRUE(t.messier.contains(QStringLiteral("M42"))) << t.messier.toStdString();
    EXPECT_EQ(t.month, QStringLiteral("2월"));
    EXPECT_TRUE(t.transit.contains(QStringLiteral("고도"))) << t.transit.toStdString();
    // Another constellation from the list replaces every value.
    auto* list = dialog.findChild<QComboBox*>(QStringLiteral("constellations"));
    ASSERT_NE(list, nullptr);
    list->setCurrentIndex(orion == 0 ? 1 : 0);
    EXPECT_NE(dialog.Values().abbreviation, QStringLiteral("Ori"));
}

}  // namespace
