#include "gui/PreviewView.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include "app/PreviewState.h"
#include "gui/AccessibleNames.h"
#include "gui/FragmentDocument.h"
#include "gui/Look.h"
#include "gui/Twips.h"
#include "html/ShownCharacters.h"

namespace glimtex::gui {

const QString kLeakNote = QStringLiteral("旧形式のため、装飾がページのこの後の文章にも続きます");
const QString kEditedNote =
    QStringLiteral("「ソース」での編集は反映されていません。作成したHTMLを表示しています");

RenderedPage::RenderedPage(QWidget* parent) : QWidget(parent) {
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(false);
    browser_->setFrameShape(QFrame::StyledPanel);
    QPalette palette = browser_->palette();
    palette.setColor(QPalette::Base, kPageBackground);
    palette.setColor(QPalette::Text, kPageText);
    browser_->setPalette(palette);
    leakNote_ = new QLabel(kLeakNote, this);
    leakNote_->setObjectName(QStringLiteral("LeakNote"));
    leakNote_->setWordWrap(true);
    leakNote_->hide();
    editedNote_ = new QLabel(kEditedNote, this);
    editedNote_->setObjectName(QStringLiteral("EditedNote"));
    editedNote_->setWordWrap(true);
    editedNote_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    layout->addWidget(leakNote_);
    layout->addWidget(editedNote_);
}

void RenderedPage::ShowEditedNote(bool shown) { editedNote_->setVisible(shown); }

void RenderedPage::Show(QTextDocument* document, bool leaks) {
    // The browser owns the documents it is the parent of and deletes the last one
    // when it is given the next.
    document->setParent(browser_);
    browser_->setDocument(document);
    leakNote_->setVisible(leaks);
}

QTextDocument* RenderedPage::Document() const { return browser_->document(); }

PreviewView::PreviewView(PreviewState& state, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(&state) {
    SetUpWindow(*this, QStringLiteral("PreviewForm"), QStringLiteral("プレビュー"));
    page_ = new RenderedPage(this);
    page_->setObjectName(QStringLiteral("PreviewPage"));
    page_->Browser()->setObjectName(QStringLiteral("PreviewBox"));
    Describe(*page_->Browser(), QStringLiteral("プレビュー"), QStringLiteral("ブラウザでの見え方"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(TwipsToPixels(120), TwipsToPixels(120), TwipsToPixels(120),
                               TwipsToPixels(120));
    layout->addWidget(page_);
    resize(TwipSize(6750, 2400));
    // Typing, a macro or a colour change may send many changes in one turn.
    connect(&state, &PreviewState::changed, this, [this] { refresh_.Request(); });
    refresh_.Request();
    RefreshNow();
}

void PreviewView::RefreshNow() { refresh_.RunNow(); }

void PreviewView::Redraw() {
    if (!state_) return;
    const PreviewContent& content = state_->Content();
    auto* document = new QTextDocument;
    if (content.refused) {
        document->setDocumentMargin(8);
        QTextCursor cursor(document);
        AppendRefusal(cursor, content.reason, content.hint);
    } else {
        FillDocument(*document, std::span(&content.model, 1));
    }
    page_->Show(document, !content.refused && DecorationLeaks(content.model));
}

void PreviewView::closeEvent(QCloseEvent* event) {
    event->accept();
    if (state_) state_->Close();
}

}  // namespace glimtex::gui
