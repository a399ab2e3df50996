#pragma once

#include <QPointer>

#include "gui/StateDialog.h"

class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace glimtex {
class GradientDetailsState;
}

namespace glimtex::gui {

class ColorStrip;

// "グラデーションの詳細": the list of stops (a swatch and R, G, B on each row) with
// "追加", "削除", "上へ", "下へ" and "色の設定…" (also a double click or Enter on a
// row), the colour space "RGB" or "OKLab", the strip of the resulting gradation,
// "OK" and "キャンセル" (Esc, and the close box).
class GradientDetailsView : public StateDialog {
    Q_OBJECT
  public:
    explicit GradientDetailsView(GradientDetailsState& state, QWidget* parent = nullptr);

  protected:
    // Enter on the list sets the selected stop's colour rather than pressing "OK".
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* BuildStops();
    QWidget* BuildSpace();
    void Refresh();
    void RefreshRows();

    QPointer<GradientDetailsState> state_;
    QTreeWidget* list_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* moveUp_ = nullptr;
    QPushButton* moveDown_ = nullptr;
    QPushButton* setColor_ = nullptr;
    QRadioButton* rgb_ = nullptr;
    QRadioButton* oklab_ = nullptr;
    ColorStrip* strip_ = nullptr;
};

}  // namespace glimtex::gui
