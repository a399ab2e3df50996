#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>

namespace glimtex::gui {

// A picture box filled with one colour (or the button face); a click on it is
// reported. Used for the main window's swatches and the mixer's preview.
class ColorSwatch : public QWidget {
    Q_OBJECT
  public:
    explicit ColorSwatch(QWidget* parent = nullptr);
    void SetColor(std::optional<uint32_t> packed);
    std::optional<uint32_t> Color() const { return color_; }

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::optional<uint32_t> color_ = 0;
};

}  // namespace glimtex::gui
