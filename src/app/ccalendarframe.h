#pragma once

#include "app/cchildframe.h"

class CCalendarView;
class CKosmiraApp;
class Observer;
class QScrollArea;
class SkyTime;
enum class Model;

// Child window "Kosmira" holding one astronomical calendar: the month of the shown instant
// when the window opens, for the site as it is at every repaint. No commands of its own.
class CCalendarFrame : public CChildFrame {
    Q_OBJECT

public:
    explicit CCalendarFrame(const CKosmiraApp& app, QWidget* parent = nullptr);
    CCalendarFrame(const SkyTime& shownLocalTime, const Observer& site, QWidget* parent = nullptr);
    // The model is read at every paint, like the site.
    CCalendarFrame(const SkyTime& shownLocalTime, const Observer& site, const Model& model,
                   QWidget* parent = nullptr);

    CCalendarView* CalendarView() const { return calendar; }
    QScrollArea* ScrollArea() const { return scrollArea; }

    // Repaints the page (the scroll area alone would not reach it).
    void RefreshView() override;

    // The month shown, on one page.
    bool CanPrint() const override { return calendar != nullptr; }
    std::unique_ptr<PrintJob> MakePrintJob() const override;

private:
    static const Model& ClassicModel();
    void UpdateTitle();

    const Observer* site_ = nullptr;
    QScrollArea* scrollArea = nullptr;
    CCalendarView* calendar = nullptr;
};
