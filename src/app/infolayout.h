#pragma once

#include <QString>
#include <initializer_list>
#include <vector>

class QDialog;
struct BodyState;
struct RiseSetResult;

// One row of an information dialog: caption, object name of the value label, its text.
struct InfoField {
    const char* caption;     // UTF-8
    const char* objectName;  // Latin-1
    const QString* text;
};

// Lays out an information dialog: the value fields as selectable labels beside their
// captions, then "확인" and "취소" at the bottom right. topSpacing (pixels) leaves room
// above the fields for a picture the dialog paints itself.
void BuildInfoLayout(QDialog* dialog, std::initializer_list<InfoField> fields, int topSpacing = 0);
// The same for fields known only at run time.
void BuildInfoLayout(QDialog* dialog, const std::vector<InfoField>& fields, int topSpacing = 0);

// The value texts the Sun's and the Moon's information dialogs both show.
struct BodyInfoTexts {
    QString rightAscension;
    QString declination;
    QString distance;
    QString diameter;
    QString rising;
    QString setting;
};

// Fills the right ascension, declination, apparent diameter (a sphere of radiusKm) and the
// rising and setting of the local day (day) of a body; returns its distance in km. The
// distance text is the caller's, as each dialog words it its own way.
double DescribeBodyPosition(const BodyState& body, double radiusKm, const RiseSetResult& day,
                            BodyInfoTexts& texts);

// Titles the Sun's or the Moon's information dialog, sets its font and lays out its fields:
// first, then right ascension, declination, distance and diameter, then beforeEvents, then
// rising and setting.
void BuildBodyInfoLayout(QDialog* dialog, const char* title, const BodyInfoTexts& texts,
                         std::initializer_list<InfoField> first,
                         std::initializer_list<InfoField> beforeEvents, int topSpacing = 0);

// A rise (begin) or set of a local day as local "HH:MM:SS"; times that fall on the day
// before or after are wrapped and marked, days without the event say why.
QString FormatDayEvent(const RiseSetResult& result, bool rise);
