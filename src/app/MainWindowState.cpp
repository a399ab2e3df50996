#include "app/MainWindowState.h"

#include "app/Program.h"
#include "core/StyleTexts.h"

namespace glimtex {

MainWindowState::ChangeBatch::~ChangeBatch() {
    if (--w_.batchDepth_ == 0) emit w_.changed();
}

MainWindowState::MainWindowState(Program& program, DecorationSettings& settings)
    : program_(program), s_(settings) {}

int MainWindowState::VisiblePanel() const {
    int visible = -1;
    for (size_t i = 0; i < c_.CodeFrameVisible.size(); ++i) {
        if (!c_.CodeFrameVisible[i]) continue;
        if (visible >= 0) return -1;
        visible = static_cast<int>(i);
    }
    return visible;
}

void MainWindowState::Load() {
    ChangeBatch batch(*this);
    c_.FrontWindowFlag = 0;
    for (int i = 0; i <= 7; ++i) c_.MojiSizeCombo.items.append(QString::number(i));
    c_.FontSelectCombo.items.append(StyleText::kNoFace);
    s_.ColorEditTarget = 0;
    c_.ColorStyleCombo.items << StyleText::kSingleColour << StyleText::kGradation;
    ActiveColorStyle();
    c_.BackStyleCombo.items << StyleText::kNone << StyleText::kSingleColour << StyleText::kPicture;
    SelectBackStyle();
    s_.ColorData[0] = {0, 0, 0};
    s_.ColorData[1] = {0, 0, 0};
    s_.BackColorData = {0, 0, 0};
    c_.MojiShapeCombo.items << StyleText::kStandard << StyleText::kFallRight << StyleText::kFallLeft
                            << StyleText::kLens << StyleText::kScrap;
    SelectMojiShape();
    c_.LinkStyleCombo.items << StyleText::kNone << StyleText::kLinkSet;
    SelectLinkStyle();
    HideCodeFrames();
    c_.CodeFrameVisible[0] = true;
}

void MainWindowState::HideCodeFrames() {
    ChangeBatch batch(*this);
    c_.CodeFrameVisible.fill(false);
}

void MainWindowState::CommandButton_Click(int index) {
    if (index < 0 || index >= static_cast<int>(c_.CodeFrameVisible.size())) return;
    ChangeBatch batch(*this);
    HideCodeFrames();
    c_.CodeFrameVisible[static_cast<size_t>(index)] = true;
}

void MainWindowState::FrontWindow_Set_Click() {
    ChangeBatch batch(*this);
    c_.FrontWindowFlag = c_.FrontWindowFlag == 0 ? 1 : 0;
}

void MainWindowState::ChooseOutputFormat(FragmentFormat format) {
    ChangeBatch batch(*this);
    s_.OutputFormat = format;
}

void MainWindowState::SetEditText(const QString& text) {
    ChangeBatch batch(*this);
    c_.EditBox = text;
    s_.MainString = text;
}

void MainWindowState::SetMojiSizeText(const QString& text) {
    ChangeBatch batch(*this);
    c_.MojiSizeCombo.text = text;
}

void MainWindowState::SetFontText(const QString& text) {
    ChangeBatch batch(*this);
    c_.FontSelectCombo.text = text;
}

void MainWindowState::AddFontEntry(const QString& text) {
    ChangeBatch batch(*this);
    c_.FontSelectCombo.items.append(text);
}

void MainWindowState::SetColorStyleText(const QString& text) {
    ChangeBatch batch(*this);
    c_.ColorStyleCombo.text = text;
}

void MainWindowState::SetShapeText(const QString& text) {
    ChangeBatch batch(*this);
    c_.MojiShapeCombo.text = text;
}

void MainWindowState::SetBackStyleText(const QString& text) {
    ChangeBatch batch(*this);
    c_.BackStyleCombo.text = text;
}

void MainWindowState::SetLinkStyleText(const QString& text) {
    ChangeBatch batch(*this);
    c_.LinkStyleCombo.text = text;
}

void MainWindowState::SetBackPictureText(const QString& text) {
    ChangeBatch batch(*this);
    c_.BackPictureEdit = text;
}

void MainWindowState::SetLinkDataText(const QString& text) {
    ChangeBatch batch(*this);
    c_.LinkDataEdit = text;
}

void MainWindowState::SetSpGroupCheck(int index, bool checked) {
    if (index < 0 || index >= static_cast<int>(c_.SpGroup_Check.size())) return;
    ChangeBatch batch(*this);
    c_.SpGroup_Check[static_cast<size_t>(index)] = checked;
}

void MainWindowState::SetColorBoxColor(int index, PaintedColor color) {
    if (index < 0 || index >= static_cast<int>(c_.ColorBox.size())) return;
    ChangeBatch batch(*this);
    c_.ColorBox[static_cast<size_t>(index)].color = color;
}

void MainWindowState::SetBackColorBoxColor(PaintedColor color) {
    ChangeBatch batch(*this);
    c_.BackColorBox.color = color;
}

void MainWindowState::PaintColorBoxFromSettings(int index) {
    c_.ColorBox[static_cast<size_t>(index)].color =
        PackColor(s_.ColorData[static_cast<size_t>(index)]);
}

}  // namespace glimtex
