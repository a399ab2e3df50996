#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <optional>

#include "app/OncePerTurn.h"
#include "app/WindowKind.h"
#include "html/FragmentModel.h"

namespace glimtex {

class Program;

// The output window "HTMLソース": its text box, the rendered fragments and the
// clipboard copy.
//
// After a run the box shows the engine's collection itself, not a copy, so that a
// docking costs only what the fragment adds, however long the collection has grown.
// When a create empties the collection, the box keeps the fragments it showed (their
// text and models are shared, not copied) until a run succeeds; when the user edits
// the box, the edit is what the box holds and what the clipboard gets, while the
// tab "表示" goes on showing the generated fragments and says so.
//
// The view reads the box's text when textChanged() arrives: once per turn of the
// event loop at most, however many runs that turn made.
class OutputWindowState : public QObject {
    Q_OBJECT
  public:
    static constexpr WindowKind kKind = WindowKind::Output;

    explicit OutputWindowState(Program& program);

    // The box's current text: the collection as the last run left it, or the user's
    // edit since.
    const QString& Text() const;
    // The generated fragments the box showed last, as models of what a browser shows.
    const QList<FragmentModel>& ShownFragments() const;
    // True when the box holds the user's own edit rather than the generated fragments.
    bool Edited() const { return edit_.has_value(); }
    // The user's own edit, as the view reports it. The view shows it already, so it
    // is not told again.
    void SetText(const QString& text);

    // A successful run: the box shows the whole collection, replacing any edit.
    void ShowCollection();

    // True from a run until textChanged() has been delivered, for a view that polls.
    bool RefreshPending() const { return refresh_.Pending(); }

    // "クリップボード": asks, and on Yes puts the box's current text on the clipboard,
    // as source text and as HTML (BBCode as text only).
    void Copy();
    // "キャンセル": closes the window.
    void Cancel();

  signals:
    // The box's text was replaced by a run; sent from the event loop, once per turn.
    void textChanged();

  private:
    // The collection starts again: the box keeps what it shows.
    void KeepShownFragments();

    Program& program_;
    bool followsCollection_ = false;
    QString keptText_;
    QList<FragmentModel> keptFragments_;
    std::optional<QString> edit_;
    OncePerTurn refresh_;
};

}  // namespace glimtex
