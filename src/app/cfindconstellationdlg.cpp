#include "app/cfindconstellationdlg.h"
#include "astro/sky/shownsky.h"

#include "astro/sky/frames.h"
#include "astro/sky/observer.h"
#include "catalog/catalogset.h"
#include "image/displaytext.h"
#include "planetarium/cplanetariumview.h"
#include "planetarium/dialogunits.h"
#include "planetarium/findbody.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

const char* const CFindConstellationDlg::kNoSuchConstellationMessage = "그런 별자리는 없습니다.";

CFindConstellationDlg::CFindConstellationDlg(const SkyScene& scene, QWidget* parent)
    : QDialog(parent), scene_(scene)
{
    setWindowTitle(QStringLiteral("별자리 찾기"));
    QFont font(QStringLiteral("굴림"));
    font.setPointSize(9);
    setFont(font);
    const DialogUnits du(font);
    setFixedSize(du.Size(131, 65));

    auto* prompt = new QLabel(QStringLiteral("찾고자 하는 별자리를 선택하세요"), this);
    prompt->setGeometry(du.Rect(7, 7, 117, 9));

    nameBox_ = new QComboBox(this);
    nameBox_->setEditable(true);
    // The list keeps the catalog's order and its rows; typing neither adds a row nor
    // completes a name, so OK sees exactly what was typed.
    nameBox_->setInsertPolicy(QComboBox::NoInsert);
    nameBox_->setCompleter(nullptr);
    nameBox_->setGeometry(du.Rect(7, 19, 117, 12).adjusted(0, 0, 0, 4));
    for (const auto& constellation : scene_.catalogs.constellationNames)
        nameBox_->addItem(DisplayText(constellation.name));
    if (nameBox_->count() > 0)
        nameBox_->setCurrentIndex(0);

    okButton_ = new QPushButton(QStringLiteral("확인"), this);
    okButton_->setGeometry(du.Rect(14, 43, 50, 14));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(QStringLiteral("취소"), this);
    cancelButton_->setGeometry(du.Rect(68, 43, 50, 14));

    connect(okButton_, &QPushButton::clicked, this, &CFindConstellationDlg::OnOk);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    nameBox_->setFocus();
}

CFindConstellationDlg::~CFindConstellationDlg() = default;

void CFindConstellationDlg::OnOk()
{
    // Qt::MatchFixedString alone compares whole texts with letter case ignored.
    const int index = nameBox_->findText(nameBox_->currentText(), Qt::MatchFixedString);
    const auto& names = scene_.catalogs.constellationNames;
    if (index < 0 || index >= static_cast<int>(names.size())) {
        ShowFindMessage(this, QString::fromUtf8(kNoSuchConstellationMessage));
        return;
    }
    const ShownSky& sky = scene_.sky;
    const SphericalCoord ofDate = SphericalCoord::FromVector(
        sky.j2000ToDate.Apply(names[static_cast<std::size_t>(index)].position.ToVector()));
    const SphericalCoord horizontal =
        EquatorialToHorizontal(ofDate, sky.lst, double(sky.site.latitude));
    if (horizontal.lat < 0.0) {
        ShowFindMessage(this, QString::fromUtf8(kBelowHorizonMessage));
        return;
    }
    found_ = horizontal;
    accept();
}

bool CFindConstellationDlg::FindInView(CPlanetariumView& view)
{
    CFindConstellationDlg dialog(view.Scene(), &view);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    view.SetViewCentre(dialog.FoundPosition());
    return true;
}
