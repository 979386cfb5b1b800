#pragma once

class QHBoxLayout;
class QPushButton;

// The bottom row of the program's settings dialogs.
struct DialogButtons {
    QPushButton* ok;
    QPushButton* cancel;
    QHBoxLayout* row;
};

// "확인" (the default button) and "취소" at the right end of a row; leading, if given, sits
// at the left end. The caller connects the buttons.
DialogButtons MakeOkCancelRow(QPushButton* leading = nullptr);
