#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>

namespace glimtex::gui {

// A picture box filled with one colour (or the button face). A swatch is pressed as
// a button is: a click, or Space or Enter while it has the focus, which Tab gives
// it; a screen reader hears of it as a button, named by the view, with its colour as
// its description. The mixer's preview only shows a colour: SetPressable(false).
class ColorSwatch : public QWidget {
    Q_OBJECT
  public:
    explicit ColorSwatch(QWidget* parent = nullptr);
    void SetColor(std::optional<uint32_t> packed);
    std::optional<uint32_t> Color() const { return color_; }
    // The colour as a screen reader says it, "赤 (255, 0, 0)"; empty for the button face.
    QString SpokenColor() const;

    void SetPressable(bool pressable);
    bool Pressable() const { return pressable_; }
    // What a click does: reports it, when the swatch is pressable.
    void Press();

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::optional<uint32_t> color_ = 0;
    bool pressable_ = true;
};

}  // namespace glimtex::gui
