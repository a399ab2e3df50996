#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <utility>
#include <vector>
#include "core/FragmentFormat.h"

#include "app/OncePerTurn.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace glimtex {
class Program;
class MainWindowState;
}  // namespace glimtex

namespace glimtex::gui {

class ColorStrip;
class ColorSwatch;
class PreviewLetterView;

// The main window "Glimtex": draws the main window's state and forwards what the
// user does to it. Every control carries its fixed object name (EditBox, ColorBox_1…),
// which tests and macros rely on.
class MainWindowView : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindowView(Program& program, QWidget* parent = nullptr);

    // The client area below the menu bar, in pixels.
    static QSize ClientSize();

    // Disables what the window system that Qt names platformName cannot do, each with
    // a tooltip that says why. The window fits itself to the running system when it
    // is made.
    void FitToWindowSystem(const QString& platformName);

  signals:
    void macroPickerRequested();
    void previewRequested();
    void colorBoxClicked(int index);
    void backColorBoxClicked();
    void closing();
    void moved();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    void BuildControls(QWidget* client);
    void BuildPanels(QWidget* client);
    void BuildTextPanel(QGroupBox* frame);
    void BuildDecorationPanel(QGroupBox* frame);
    void BuildColorPanel(QGroupBox* frame);
    void BuildShapePanel(QGroupBox* frame);
    void BuildBackPanel(QGroupBox* frame);
    void BuildLinkPanel(QGroupBox* frame);
    void BuildMenus();
    QComboBox* MakeCombo(QWidget* parent, const QString& name, const QRect& place,
                         const std::function<void(const QString&)>& setText,
                         const std::function<void()>& select);

    void Refresh();
    void RefreshStacking();

    Program& program_;
    MainWindowState& state_;
    // Many changes in one event-loop turn (a macro, a reset) are drawn once.
    OncePerTurn refresh_{this, [this] { Refresh(); }};

    QLineEdit* editBox_ = nullptr;
    std::array<QGroupBox*, 6> codeFrames_{};
    QComboBox* sizeCombo_ = nullptr;
    QComboBox* fontSelectCombo_ = nullptr;
    std::array<QRadioButton*, 3> optionGroup_{};
    std::array<QCheckBox*, 4> spGroupCheck_{};
    QComboBox* colorStyleCombo_ = nullptr;
    std::array<ColorSwatch*, 2> colorBox_{};
    QPushButton* changeButton_ = nullptr;
    QPushButton* gradientDetailsButton_ = nullptr;
    ColorStrip* colorMap_ = nullptr;
    QComboBox* shapeCombo_ = nullptr;
    std::array<PreviewLetterView*, 7> testLabel_{};
    QComboBox* backStyleCombo_ = nullptr;
    ColorSwatch* backColorBox_ = nullptr;
    QLabel* backPictureLabel_ = nullptr;
    QLineEdit* backPictureEdit_ = nullptr;
    QComboBox* linkStyleCombo_ = nullptr;
    QLabel* linkDataLabel_ = nullptr;
    QLineEdit* linkDataEdit_ = nullptr;
    QAction* frontWindowAction_ = nullptr;
    // The radio items of "出力形式", with the format each one chooses.
    std::vector<std::pair<QAction*, FragmentFormat>> formatActions_;
};

}  // namespace glimtex::gui
