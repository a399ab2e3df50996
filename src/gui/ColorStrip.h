#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

namespace glimtex::gui {

// The gradation strip: 101 rectangles from left to right, rectangle k spanning
// k/100 to (k+1)/100 of the width, so the last lies beyond the right edge.
class ColorStrip : public QWidget {
    Q_OBJECT
  public:
    using Rectangles = std::array<std::optional<uint32_t>, 101>;
    explicit ColorStrip(QWidget* parent = nullptr);
    void SetRectangles(const Rectangles& rectangles);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Rectangles rectangles_{};
};

}  // namespace glimtex::gui
