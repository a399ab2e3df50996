// Capture of the main window's controls into the settings, reset, the live copy of
// the text box and the two run commands.
#include <cmath>
#include <limits>

#include "app/ConfirmationBoard.h"
#include "app/MainWindowState.h"
#include "app/Program.h"
#include "core/StyleTexts.h"

namespace glimtex {

const QString kSizeTextMessage =
    QStringLiteral("文字サイズには -32768 から 32767 までの数値を入力してください");

std::optional<int16_t> ConvertSizeText(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);  // C notation, no group separators
    if (!ok || !std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);  // halves go to the even neighbour
    if (rounded < std::numeric_limits<int16_t>::min() ||
        rounded > std::numeric_limits<int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int16_t>(rounded);
}

bool MainWindowState::CaptureInto(DecorationSettings& s) const {
    const auto size = ConvertSizeText(c_.MojiSizeCombo.text);
    if (!size) return false;
    s.MainString = c_.EditBox;
    s.MojiSize = *size;
    for (size_t i = 0; i < s.SpGroup.size(); ++i) s.SpGroup[i] = c_.SpGroup_Check[i] ? 1 : 0;
    s.ColorStyle = c_.ColorStyleCombo.text;
    s.StringShape = c_.MojiShapeCombo.text;
    s.LinkData = c_.LinkDataEdit;
    s.LinkStyle = c_.LinkStyleCombo.text;
    s.FontFace = c_.FontSelectCombo.text;
    s.BackStyle = c_.BackStyleCombo.text;
    s.BackPicture = c_.BackPictureEdit;
    return true;
}

bool MainWindowState::DataCreate() {
    if (!ConvertSizeText(c_.MojiSizeCombo.text)) return false;
    ChangeBatch batch(*this);
    return CaptureInto(s_);
}

void MainWindowState::NewDataCreate() {
    ChangeBatch batch(*this);
    s_.ColorData[0] = {0, 0, 0};
    s_.ColorData[1] = {0, 0, 0};
    s_.BackColorData = {0, 0, 0};
    c_.ColorStyleCombo.text = StyleText::kSingleColour;
    ActiveColorStyle();
    c_.BackColorBox.color = PackColor(s_.BackColorData);
    s_.SpGroup.fill(0);
    c_.SpGroup_Check.fill(false);
    SetEditText(QString());
    c_.MojiSizeCombo.text = QStringLiteral("0");
    OptionGroup_Click(0);
    c_.MojiShapeCombo.text = StyleText::kStandard;
    SelectMojiShape();
    c_.LinkDataEdit.clear();
    s_.LinkData.clear();
    c_.LinkStyleCombo.text = StyleText::kNone;
    SelectLinkStyle();
    c_.FontSelectCombo.text = StyleText::kNoFace;
    c_.BackStyleCombo.text = StyleText::kNone;
    SelectBackStyle();
    c_.BackPictureEdit.clear();
    DataCreate();
}

// A size text that is no 16-bit number stops the run with a notice and leaves the
// settings as they were.
bool MainWindowState::CaptureForRun() {
    if (DataCreate()) return true;
    program_.UserFeedback().ShowNotice(kNoticeTitle, kSizeTextMessage);
    return false;
}

void MainWindowState::CodeCreate_Run_Click() {
    if (!CaptureForRun()) return;
    s_.HTMLString.clear();
    program_.ShowBoard();
}

void MainWindowState::CodePlus_Run_Click() {
    if (!CaptureForRun()) return;
    program_.ShowBoard();
}

}  // namespace glimtex
