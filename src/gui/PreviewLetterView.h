#pragma once

#include <QWidget>

namespace glimtex::gui {

// One preview letter of the shape panel. A label box is small for its big font, so
// the letter is drawn with its capital height from the top of the box, where a
// Latin font would put it, instead of below the font's tall CJK ascent.
class PreviewLetterView : public QWidget {
    Q_OBJECT
  public:
    explicit PreviewLetterView(QString letter, QWidget* parent = nullptr);
    const QString& Letter() const { return letter_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString letter_;
};

}  // namespace glimtex::gui
