#pragma once

#include <QObject>
#include <QString>

#include "app/WindowKind.h"
#include "core/DecorationSettings.h"
#include "html/FragmentModel.h"

namespace glimtex {

class Program;

// What the preview says under a refusal for a shape without a base size.
inline const QString kShapeSizeHint =
    QStringLiteral("「形状」を使うには「基本文字サイズ」を 1 以上にしてください");

// What the preview shows: the fragment that "ソースの作成" would make from the main
// window's inputs as they stand, or why it would be refused and what to do about it.
struct PreviewContent {
    bool refused = false;
    QString reason;       // the notice the run would show, when refused
    QString hint;         // what the user can change, when the preview knows
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
