#pragma once

#include <QObject>
#include <QString>

#include "app/WindowKind.h"
#include "core/DecorationSettings.h"
#include "html/FragmentModel.h"

namespace glimtex {

class Program;

// What the preview shows: the fragment that "ソースの作成" would make from the main
// window's inputs as they stand, or why it would be refused.
struct PreviewContent {
    bool refused = false;
    QString reason;       // the notice the run would show, when refused
    FragmentModel model;  // when not refused
};

// The live preview "プレビュー": captures the main window's inputs into a copy of the
// settings (the real settings, the collection, the board and the output window
// stay untouched) and describes the fragment. It follows every change of the main window
// and of the colours; the content is worked out when asked for, once per change.
class PreviewState : public QObject {
    Q_OBJECT
  public:
    static constexpr WindowKind kKind = WindowKind::Preview;

    explicit PreviewState(Program& program);

    const PreviewContent& Content();
    // Marks the content out of date and says so.
    void Invalidate();

    // The close box.
    void Close();

  signals:
    void changed();

  private:
    void Compute();

    Program& program_;
    PreviewContent content_;
    bool stale_ = true;
};

}  // namespace glimtex
