#pragma once

#include <QDialog>
#include <QImage>

namespace glimtex::gui {

// The title picture, 400 x 200 pixels: the word "Glimtex" as Glimtex itself
// decorates it (a gradation and the lens pattern), laid out by Qt's rich text.
QImage DrawTitlePicture();

// The title window: the picture, "製造識別番号 ：" with the build identifier and
// "開始". Closing it in any way reports closed(), on which the main window shows.
class TitleView : public QDialog {
    Q_OBJECT
  public:
    explicit TitleView(const QString& codeLabel, QWidget* parent = nullptr);

  signals:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

  private:
    void ReportClosed();
    bool closedReported_ = false;
};

}  // namespace glimtex::gui
