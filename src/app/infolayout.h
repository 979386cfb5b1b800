#pragma once

#include <initializer_list>
#include <vector>

class QDialog;
class QString;

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
