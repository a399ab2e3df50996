#pragma once

#include <QObject>
#include <QString>

namespace glimtex {

class Program;

// The output window "HTMLソース": its text box and the clipboard copy.
//
// After a run the box shows the whole collection. The state takes it as a shared
// reference, not a copy, and lets go of it just before the next run appends to the
// collection, so that a docking costs only what the fragment adds, however long the
// collection has grown and whether or not the window is open. A create command that
// empties the collection without a successful run leaves the box as it was.
//
// The view reads the box's text when textChanged() arrives: once per turn of the
// event loop at most, however many runs that turn made (a macro that docks thousands
// of fragments refreshes the view once). A view should read the text when it
// refreshes and not keep a copy of it, which would make the next docking copy the
// whole collection.
class OutputWindowState : public QObject {
    Q_OBJECT
  public:
    explicit OutputWindowState(Program& program);

    // The box's current text: the collection as the last run left it, or the user's
    // edit since.
    const QString& HTMLStringBox() const { return text_; }
    // The user's own edit, as the view reports it. The view shows it already, so it
    // is not told again.
    void SetText(const QString& text);

    // A successful run: the box shows the whole collection, replacing any edit.
    void ShowCollection(const QString& collected);
    // True when the box holds this very text, not merely an equal one: after a run,
    // the collection itself.
    bool SharesText(const QString& text) const {
        return text_.constData() == text.constData() && text_.size() == text.size();
    }
    // Lets go of the box's text while a run adds to the collection, so that the
    // collection grows in place; the run then shows it again, or gives it back with
    // SetText when it stops.
    void ReleaseText() { text_ = QString(); }

    // True from a run until textChanged() has been delivered, for a view that polls.
    bool RefreshPending() const { return refreshPending_; }

    // "クリップボード": asks, and on Yes puts the box's current text on the clipboard.
    void ClipboardButton_Click();
    // "キャンセル": closes the window.
    void CancelButton_Click();

  signals:
    // The box's text was replaced by a run; sent from the event loop, once per turn.
    void textChanged();

  private:
    void DeliverTextChanged();

    Program& program_;
    QString text_;
    bool refreshPending_ = false;
};

}  // namespace glimtex
