#pragma once

#include <QDate>
#include <QRectF>
#include <QString>

class QPainter;

// One page Kosmira can print or save as PDF. Paint draws it on a painter whose unit is the
// typographic point (1/72 inch) into the page's printable rectangle, so the same code serves
// the printer, the preview and the PDF writer.
class PrintJob {
public:
    virtual ~PrintJob() = default;

    // The file name the "PDF로 저장…" dialog proposes, "천문달력-2026-12-서울.pdf".
    virtual QString SuggestedFileName() const = 0;
    // Whether the page reads better across (the 3D view and the ecliptic chart) than down.
    virtual bool Landscape() const { return false; }
    // Draws the page into rect (points) on a white sheet.
    virtual void Paint(QPainter& painter, const QRectF& rect) const = 0;

    // The date in the footer; the application gives today's, tests a fixed one.
    void SetPrintedDate(const QDate& date) { printed_ = date; }
    QDate PrintedDate() const { return printed_; }

protected:
    // The footer line at the bottom of rect: the program's name left, "인쇄한 날: ..." right.
    // Returns its height in points.
    double PaintFooter(QPainter& painter, const QRectF& rect) const;

private:
    QDate printed_;
};

// The font of printed texts ("굴림", mapped to an installed Korean font) at size points, for
// a painter whose unit is the point (whatever its device's resolution).
class QFont;
QFont PrintFont(const QPainter& painter, double points, bool bold = false);

// Text drawn word by word: the words are placed where one run would put them, but the
// spaces are left as gaps, since the PDF writer maps the space glyph to no character and
// text extractors would join the words. The rectangle form aligns the line within rect
// (left, right or centred; top, bottom or centred).
class QPointF;
void PrintText(QPainter& painter, const QPointF& baseline, const QString& text);
void PrintText(QPainter& painter, const QRectF& rect, int flags, const QString& text);

// Fragment of a file name: characters a file system or a shell could stumble on become "_".
QString FileNamePart(const QString& text);

// Maps the Windows faces Kosmira names ("Arial", "굴림") to the installed stand-ins
// (Liberation Sans, NanumGothic); the application and kosmira-almanac call it at start-up.
void InstallFontSubstitutes();
