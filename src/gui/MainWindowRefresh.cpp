// Drawing the main window's state.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "app/MainWindowState.h"
#include "gui/ColorStrip.h"
#include "gui/ColorSwatch.h"
#include "gui/Look.h"
#include "gui/MainWindowView.h"
#include "gui/PreviewLetterView.h"
#include "gui/Twips.h"
#include "gui/WidgetSync.h"

namespace glimtex::gui {

namespace {

void SyncLetter(PreviewLetterView* label, const PreviewLetter& letter) {
    const QFont font = UiFont(letter.fontSize);
    if (label->font() != font) label->setFont(font);
    const int top = TwipsToPixels(letter.top);
    if (label->y() != top) label->move(label->x(), top);
}

}  // namespace

void MainWindowView::Refresh() {
    const FormControls& c = state_.Controls();
    Sync(editBox_, c.EditBox);
    Sync(mojiSizeCombo_, c.MojiSizeCombo);
    Sync(fontSelectCombo_, c.FontSelectCombo);
    for (size_t i = 0; i < optionGroup_.size(); ++i) SyncChecked(optionGroup_[i], c.OptionGroup[i]);
    for (size_t i = 0; i < spGroupCheck_.size(); ++i) {
        SyncChecked(spGroupCheck_[i], c.SpGroup_Check[i]);
    }
    Sync(colorStyleCombo_, c.ColorStyleCombo);
    for (size_t i = 0; i < colorBox_.size(); ++i) {
        colorBox_[i]->SetColor(c.ColorBox[i].color);
        SyncVisible(colorBox_[i], c.ColorBox[i].visible);
    }
    SyncVisible(changeButton_, c.ChangeButtonVisible);
    colorMap_->SetRectangles(c.ColorMap);
    Sync(mojiShapeCombo_, c.MojiShapeCombo);
    for (size_t i = 0; i < testLabel_.size(); ++i) SyncLetter(testLabel_[i], c.TestLabel[i]);
    Sync(backStyleCombo_, c.BackStyleCombo);
    backColorBox_->SetColor(c.BackColorBox.color);
    SyncVisible(backColorBox_, c.BackColorBox.visible);
    SyncVisible(backPictureLabel_, c.BackPictureVisible);
    SyncVisible(backPictureEdit_, c.BackPictureVisible);
    Sync(backPictureEdit_, c.BackPictureEdit);
    Sync(linkStyleCombo_, c.LinkStyleCombo);
    SyncVisible(linkDataLabel_, c.LinkDataVisible);
    SyncVisible(linkDataEdit_, c.LinkDataVisible);
    Sync(linkDataEdit_, c.LinkDataEdit);
    for (size_t i = 0; i < codeFrames_.size(); ++i) {
        SyncVisible(codeFrames_[i], state_.PanelsVisible()[i]);
    }
    RefreshStacking();
    const bool legacy = state_.OutputFormat() == FragmentFormat::Legacy;
    SyncChecked(legacyFormatAction_, legacy);
    SyncChecked(htmlFormatAction_, !legacy);
}

void MainWindowView::RefreshStacking() {
    const bool onTop = state_.KeepsOnTop();
    SyncChecked(frontWindowAction_, onTop);
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
    // Changing the hint recreates the native window: show it again where it was.
    const bool wasVisible = isVisible();
    const QPoint where = pos();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible) {
        move(where);
        show();
    }
}

}  // namespace glimtex::gui
