#include "gui/BoardView.h"

#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "app/ConfirmationBoardState.h"
#include "gui/AccessibleNames.h"
#include "gui/Look.h"
#include "gui/Twips.h"

namespace glimtex::gui {

SummaryPicture::SummaryPicture(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

void SummaryPicture::SetLines(const QList<SummaryLine>& lines) {
    lines_ = lines;
    update();
    // A screen reader reads the printed lines as the picture's description.
    QStringList texts;
    for (const SummaryLine& line : lines) texts.append(line.text);
    setAccessibleDescription(texts.join(QLatin1Char('\n')));
}

// Lines follow each other at the font's own size, without the extra leading of the
// CJK fonts, as a plain line printer would; a summary too long for the
// picture area is printed smaller, so that every line stays readable.
int SummaryPicture::LinePitch() const {
    const int pitch = QFontInfo(font()).pixelSize() + 1;
    if (lines_.isEmpty() || pitch * lines_.size() <= height()) return pitch;
    return std::max(6, static_cast<int>(height() / lines_.size()));
}

QRect SummaryPicture::LineRect(int i) const {
    const int pitch = LinePitch();
    return {2, i * pitch, width() - 2, pitch};
}

void SummaryPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QFont printing = font();
    printing.setPixelSize(LinePitch() - 1);
    painter.setFont(printing);
    const QColor text = palette().color(QPalette::WindowText);
    for (int i = 0; i < lines_.size(); ++i) {
        const SummaryLine& line = lines_[i];
        painter.setPen(line.red ? QColor(255, 0, 0) : text);
        painter.drawText(LineRect(i), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         line.text);
    }
}

BoardView::BoardView(ConfirmationBoardState& state, QWidget* parent)
    : StateDialog(state, kToolWindowFlags, parent), state_(&state) {
    // Esc, "キャンセル" and the close box all close the window.
    OnReject([this] { state_->Cancel(); });
    SetUpFixedWindow(*this, QStringLiteral("DataBoardForm"), QStringLiteral("情報結果"), 4710,
                     6735);

    picture_ = new SummaryPicture(this);
    picture_->setObjectName(QStringLiteral("DataBoard"));
    picture_->setGeometry(TwipRect(0, 0, 4695, 6135));
    Describe(*picture_, QStringLiteral("作成する内容"));
    picture_->SetLines(state.PrintedLines());
    connect(&state, &ConfirmationBoardState::changed, this, [this] {
        if (state_) picture_->SetLines(state_->PrintedLines());
    });

    const QColor navy(0, 0, 128);
    auto* first = new QLabel(QStringLiteral("　Glimtexはこの情報を元"), this);
    first->setObjectName(QStringLiteral("StaticLabel_0"));
    first->setGeometry(TwipRect(0, 6240, 1935, 255));
    SetTextColor(*first, navy);
    FitFontToWidth(*first, first->text());
    auto* second = new QLabel(QStringLiteral("にHTMLを作成します。"), this);
    second->setObjectName(QStringLiteral("StaticLabel_1"));
    second->setGeometry(TwipRect(0, 6480, 1935, 255));
    SetTextColor(*second, navy);
    second->setFont(first->font());  // the two read as one sentence

    auto* ok = new QPushButton(QStringLiteral("完了"), this);
    ok->setObjectName(QStringLiteral("OK_Button"));
    ok->setGeometry(TwipRect(2040, 6240, 1335, 375));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (state_) state_->Confirm();
    });
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("Cancel_Button"));
    cancel->setGeometry(TwipRect(3360, 6240, 1335, 375));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &BoardView::reject);
    ok->setFocus();
}

}  // namespace glimtex::gui
