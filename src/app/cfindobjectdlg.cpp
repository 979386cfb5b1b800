#include "app/cfindobjectdlg.h"

#include "planetarium/cplanetariumview.h"
#include "planetarium/findbody.h"
#include "search/reporttext.h"
#include "search/skyindex.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

const char* const CFindObjectDlg::kNoSuchObjectMessage = "그런 이름의 천체가 없습니다.";

CFindObjectDlg::CFindObjectDlg(CPlanetariumView& view, const SkyIndex& index, QWidget* parent)
    : QDialog(parent), view_(view), index_(index)
{
    setWindowTitle(QStringLiteral("천체 검색"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("천체 이름을 입력하세요 (예: 베텔게우스, α Ori, M42, ㅂㅌㄱㅇㅅ)"), this));
    field_ = new QLineEdit(this);
    field_->setClearButtonEnabled(true);
    layout->addWidget(field_);
    results_ = new QListWidget(this);
    results_->setMinimumHeight(180);
    layout->addWidget(results_);
    auto* buttons = new QDialogButtonBox(this);
    findButton_ = buttons->addButton(QStringLiteral("찾기"), QDialogButtonBox::AcceptRole);
    closeButton_ = buttons->addButton(QStringLiteral("닫기"), QDialogButtonBox::RejectRole);
    findButton_->setDefault(true);
    layout->addWidget(buttons);
    resize(380, 320);

    connect(field_, &QLineEdit::textEdited, this, &CFindObjectDlg::OnTextEdited);
    connect(findButton_, &QPushButton::clicked, this, &CFindObjectDlg::OnChoose);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(results_, &QListWidget::itemActivated, this, [this] { OnChoose(); });
    field_->installEventFilter(this);
    field_->setFocus();
}

CFindObjectDlg::~CFindObjectDlg() = default;

bool CFindObjectDlg::eventFilter(QObject* watched, QEvent* event)
{
    // Up and down in the field move through the list, as in a completion pop-up.
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Down || key == Qt::Key_Up) && results_->count() > 0) {
            const int row = results_->currentRow() + (key == Qt::Key_Down ? 1 : -1);
            results_->setCurrentRow(std::max(0, std::min(results_->count() - 1, row)));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CFindObjectDlg::OnTextEdited(const QString& text)
{
    results_->clear();
    for (const SearchHit& hit : index_.Find(text.toStdString(), kMaxRows)) {
        auto* item = new QListWidgetItem(QString::fromStdString(HitText(index_, hit)), results_);
        item->setData(Qt::UserRole, static_cast<int>(hit.object));
    }
    if (results_->count() > 0)
        results_->setCurrentRow(0);
}

void CFindObjectDlg::OnChoose()
{
    if (results_->count() == 0)
        OnTextEdited(field_->text());  // text set without typing
    QListWidgetItem* item = results_->currentItem();
    if (!item) {
        ShowFindMessage(this, QString::fromUtf8(kNoSuchObjectMessage));
        return;
    }
    // Below the horizon: FindObject has said so; the dialog stays for another choice.
    if (view_.FindObject(item->data(Qt::UserRole).toInt()))
        accept();
}

bool CFindObjectDlg::FindInView(CPlanetariumView& view)
{
    if (!view.Scene().index)
        return false;
    CFindObjectDlg dialog(view, *view.Scene().index, &view);
    return dialog.exec() == QDialog::Accepted;
}
