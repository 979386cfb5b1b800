#pragma once

#include <QWidget>
#include <string>

#include "astro/almanac/phenomena.h"

#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

// The list of one year's phenomena (Moon phases, solar terms, lunar apsides, eclipses,
// planet events) for an observing site, in time order and local time of the site's zone,
// always computed on the precise model. A year selector and a filter by kind sit above the
// list; double-clicking an event emits eventActivated with its instant. A notice bar with a
// button offers to switch the precise model on, shown while ShowPreciseOffer(true).
class CPhenomenaView : public QWidget {
    Q_OBJECT
public:
    // The list of year for a site (longitude, latitude in radians, east and north positive)
    // whose civil time is zoneHours ahead of UT.
    CPhenomenaView(int year, double longitude, double latitude, double zoneHours,
                   QWidget* parent = nullptr);

    int Year() const { return year_; }
    // Recomputes the list for another year (1000..3000) or site.
    void SetYear(int year);
    void SetSite(double longitude, double latitude, double zoneHours);
    // The site's IANA zone: each event is then shown at the offset in force at its instant
    // (zoneHours stays the fixed offset where the zone is empty or unknown).
    void SetZoneName(const std::string& zoneName);
    // Every event of the year, and those the filter lets through, in the order shown.
    const std::vector<Phenomenon>& Events() const { return events_; }
    std::vector<const Phenomenon*> ShownEvents() const;
    // -1: every kind; otherwise a PhenomenonKind value shown alone.
    void SetKindFilter(int kind);

    void ShowPreciseOffer(bool show);
    bool PreciseOfferShown() const;

    QTableWidget* Table() const { return table_; }
    QSpinBox* YearBox() const { return yearBox_; }
    QComboBox* KindBox() const { return kindBox_; }
    QPushButton* PreciseButton() const { return preciseButton_; }

signals:
    // The user chose an event: its instant as a UT Julian date.
    void eventActivated(double jdUT);
    // The user accepted the offer to switch the precise model on.
    void preciseRequested();

private:
    void Recompute();
    void Fill();

    int year_;
    double longitude_;
    double latitude_;
    double zone_;
    std::string zoneName_;
    int kindFilter_ = -1;
    std::vector<Phenomenon> events_;
    std::vector<const Phenomenon*> shown_;

    QWidget* offerBar_ = nullptr;
    QPushButton* preciseButton_ = nullptr;
    QSpinBox* yearBox_ = nullptr;
    QComboBox* kindBox_ = nullptr;
    QTableWidget* table_ = nullptr;
};
