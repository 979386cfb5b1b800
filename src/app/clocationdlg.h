#pragma once

#include <QDialog>
#include <QImage>
#include <QRect>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "astro/sky/observer.h"
#include "catalog/catalogset.h"

class QComboBox;
class QLabel;
class QLineEdit;

// "위치 설정": the observing site from the city list (by region and city), from a click on
// the equirectangular world map, or typed as degrees, minutes and seconds. OK accepts only
// when every number field holds a valid value; the caller then makes Site() the observer.
class CLocationDlg : public QDialog {
    Q_OBJECT

public:
    // observer: the current site. cities: the city list in file order. mapPath: the world
    // map bitmap (360 x 180, one pixel per degree); a missing file leaves the map blank.
    CLocationDlg(const Observer& observer, const CatalogList<Observer>& cities, const QString& mapPath,
                 QWidget* parent = nullptr);

    // The working copy of the site.
    const Observer& Site() const { return site; }
    const QStringList& RegionNames() const { return regionNames; }
    QRect MapRect() const { return mapRect; }
    bool HasMap() const { return !map.isNull(); }

    // The map cross of a site: pixel of its longitude and latitude in dialog coordinates.
    QPoint MarkerPosition() const;

    // Shows a site in the number fields and the three sign lists, and makes it the site.
    // Puts "(사용자 지정)" at the top of the city list and selects it.
    void MarkCustomSite();
    void SetSiteFields(double longitude, double latitude, double zoneHours);

    // Button "확인".
    void OnOk();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    enum NumberField { kLonDegrees, kLonMinutes, kLonSeconds, kLatDegrees, kLatMinutes, kLatSeconds, kZone, kNumberCount };

    void BuildRegionList();
    void SelectInitialSite();
    void OnRegionChosen();
    void FillCities(int regionIndex);
    void OnCityChosen();
    void OnMapClick(const QPoint& point);
    void OnCoordinateEdited(int field);
    const Observer* NearestCityTo(double longitude, double latitude) const;
    void ShowZoneName();
    // Reads the number fields and the sign lists; true when they hold a site, which is
    // stored when store is set. A bad field shows its message and gets its previous text
    // back; an empty one counts as bad only when requireComplete is set.
    bool ReadCoordinates(bool requireComplete, int editedField, bool store);
    void WriteNumberFields();

    Observer site;
    QStringList regionNames;
    std::vector<size_t> regionRunStart;  // position in the city list where each region entry's run begins
    QImage map;
    QRect mapRect{10, 10, 360, 180};  // left 10, top 10, right 370, bottom 190 (exclusive)
    QComboBox* eastWest = nullptr;
    QComboBox* northSouth = nullptr;
    QComboBox* aheadBehind = nullptr;
    QComboBox* citiesBox = nullptr;
    QComboBox* regions = nullptr;
    float zoneHours = 0.0f;
    uint32_t latDegrees = 0;
    uint32_t latMinutes = 0;
    uint32_t lonDegrees = 0;
    uint32_t lonMinutes = 0;
    uint32_t latSeconds = 0;
    uint32_t lonSeconds = 0;

    const CatalogList<Observer>& cities;
    std::vector<size_t> shownCities;  // city-list position of each item of citiesBox
    QLineEdit* numberEdits[kNumberCount] = {};
    QLabel* zoneLabel = nullptr;
};
