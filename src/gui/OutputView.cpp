#include "gui/OutputView.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <algorithm>

#include "app/OutputWindowState.h"
#include "gui/AccessibleNames.h"
#include "gui/FragmentDocument.h"
#include "gui/Look.h"
#include "gui/PreviewView.h"
#include "gui/SourceBox.h"
#include "gui/Twips.h"
#include "html/ShownCharacters.h"

namespace glimtex::gui {

OutputView::OutputView(OutputWindowState& state, QWidget* parent)
    : StateDialog(state, kToolWindowFlags, parent), state_(&state) {
    // Esc, "キャンセル" and the close box all close the window.
    OnReject([this] { state_->Cancel(); });
    SetUpFixedWindow(*this, QStringLiteral("HTMLStringForm"), QStringLiteral("HTMLソース"), 6855,
                     2970);

    // The source box and the rendered view share the box's place, one tab each.
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("HTMLStringTabs"));
    tabs_->setGeometry(TwipRect(120, 120, 6615, 2295));
    tabs_->setDocumentMode(true);
    box_ = new SourceBox;
    box_->setObjectName(QStringLiteral("HTMLStringBox"));
    tabs_->addTab(box_, QStringLiteral("ソース"));
    rendered_ = new RenderedPage;
    rendered_->setObjectName(QStringLiteral("HTMLStringView"));
    rendered_->Browser()->setObjectName(QStringLiteral("HTMLStringViewBox"));
    tabs_->addTab(rendered_, QStringLiteral("表示"));
    Describe(*tabs_, QStringLiteral("HTMLソース"));
    Describe(*tabs_->tabBar(), QStringLiteral("表示の切り替え"));
    Describe(*box_, QStringLiteral("ソース"),
             QStringLiteral("作成したHTML。編集したものがコピーされます"));
    Describe(*rendered_->Browser(), QStringLiteral("表示"), QStringLiteral("ブラウザでの見え方"));
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { RefreshRendered(); });
    box_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab goes on to the buttons, as everywhere else, rather than into the HTML, where a
    // tab character means nothing to a browser.
    box_->setTabChangesFocus(true);
    box_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetButtonFaceBase(*box_);
    connect(box_, &QPlainTextEdit::textChanged, this, [this] { userEdited_ = true; });

    auto* copy = new QPushButton(QStringLiteral("クリップボード"), this);
    copy->setObjectName(QStringLiteral("ClipboardButton"));
    copy->setGeometry(TwipRect(3720, 2520, 1455, 375));
    copy->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this, [this] {
        if (!state_) return;
        // The user's edits are what is copied.
        if (userEdited_) {
            state_->SetText(BoxText());
            userEdited_ = false;
        }
        state_->Copy();
    });
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setGeometry(TwipRect(5280, 2520, 1455, 375));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &OutputView::reject);

    connect(&state, &OutputWindowState::textChanged, this, &OutputView::Refresh);
    Refresh();
}

QString OutputView::BoxText() const {
    QString text = box_->toPlainText();
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

void OutputView::RefreshRendered() {
    // Built when it is looked at: a macro that docks many fragments builds it once.
    if (!state_ || tabs_->currentWidget() != rendered_) return;
    rendered_->ShowEditedNote(userEdited_ || state_->Edited());
    if (!renderedStale_) return;
    renderedStale_ = false;
    auto* document = new QTextDocument;
    const QList<FragmentModel>& fragments = state_->ShownFragments();
    FillDocument(*document, fragments);
    rendered_->Show(document,
                    std::any_of(fragments.begin(), fragments.end(),
                                [](const FragmentModel& f) { return DecorationLeaks(f); }));
}

// Each run's collection is shown once, however many runs a macro made in one turn
// of the event loop; no copy of it is kept here, so the next docking appends in place.
void OutputView::Refresh() {
    if (!state_) return;
    {
        const QSignalBlocker block(box_);
        box_->setPlainText(state_->Text());
    }
    userEdited_ = false;
    renderedStale_ = true;
    RefreshRendered();
}

}  // namespace glimtex::gui
