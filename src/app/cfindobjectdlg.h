#pragma once

#include <QDialog>

class CPlanetariumView;
class QLineEdit;
class QListWidget;
class QPushButton;
class SkyIndex;

// "천체 검색" (find an object): one field and, under it, the objects whose names match what
// has been typed so far (search/skyindex.h: every name of every object; spaces, case and
// Greek spelling ignored; Korean initial consonants accepted), best first. Enter or a double
// click chooses the selected row (the first one unless the arrow keys moved): the view turns
// onto the object and marks it, as the find commands do; an object below the horizon is
// refused with their message and the dialog stays open.
class CFindObjectDlg : public QDialog {
    Q_OBJECT
public:
    CFindObjectDlg(CPlanetariumView& view, const SkyIndex& index, QWidget* parent = nullptr);
    ~CFindObjectDlg() override;

    // The command "찾기" -> "천체 검색…" (Ctrl+F) of a sky view: runs the dialog modally over
    // the view. True when the view was turned. Does nothing when the view has no index.
    static bool FindInView(CPlanetariumView& view);

    QLineEdit* Field() const { return field_; }
    QListWidget* Results() const { return results_; }
    QPushButton* FindButton() const { return findButton_; }

    // At most this many rows are listed.
    static constexpr int kMaxRows = 50;
    // "그런 이름의 천체가 없습니다." (no object has that name), UTF-8.
    static const char* const kNoSuchObjectMessage;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnTextEdited(const QString& text);
    void OnChoose();

    CPlanetariumView& view_;
    const SkyIndex& index_;
    QLineEdit* field_ = nullptr;
    QListWidget* results_ = nullptr;
    QPushButton* findButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};
