#pragma once

#include <QPointer>
#include <QWidget>

#include "app/OncePerTurn.h"

class QLabel;
class QTextBrowser;
class QTextDocument;

namespace glimtex {
class PreviewState;
}

namespace glimtex::gui {

// A read-only page that shows built documents: each new document replaces the last.
// A line under it warns when what it shows goes on into the text after it.
class RenderedPage : public QWidget {
    Q_OBJECT
  public:
    explicit RenderedPage(QWidget* parent = nullptr);
    // Takes the document over and shows it; the warning shows when leaks is true.
    void Show(QTextDocument* document, bool leaks);
    // The note that the page shows the generated fragments, not the user's edit.
    void ShowEditedNote(bool shown);
    QTextDocument* Document() const;
    QTextBrowser* Browser() const { return browser_; }

  private:
    QTextBrowser* browser_ = nullptr;
    QLabel* leakNote_ = nullptr;
    QLabel* editedNote_ = nullptr;
};

// The warning under a page whose fragments, in the old format, leave tags open.
extern const QString kLeakNote;
// The note on the output window's page while its source box holds the user's edit.
extern const QString kEditedNote;

// The live preview "プレビュー", not modal: the fragment the main window's inputs make,
// as a browser shows it, or in red why none can be made. It is redrawn at most once
// per turn of the event loop, however many changes came in.
class PreviewView : public QWidget {
    Q_OBJECT
  public:
    explicit PreviewView(PreviewState& state, QWidget* parent = nullptr);

    // Redraws now when a change is waiting (the event loop does this by itself).
    void RefreshNow();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Redraw();

    QPointer<PreviewState> state_;
    RenderedPage* page_ = nullptr;
    OncePerTurn refresh_{this, [this] { Redraw(); }};
};

}  // namespace glimtex::gui
