#include "app/MacroInterpreter.h"

#include "app/ConfirmationBoard.h"
#include "app/MainWindowState.h"
#include "app/Program.h"
#include "macro/StatementValue.h"
#include "macro/TextFile.h"
#include "macro/TextUtil.h"

namespace glimtex {

namespace {

const QString kSpace = QStringLiteral(" ");
const QString kDot = QStringLiteral(".");

// A Set statement that puts a quoted text into a control and, for the style
// combos, runs the matching selector afterwards.
struct TextStatement {
    QStringView property;
    void (MainWindowState::*setText)(const QString&);
    void (MainWindowState::*select)();
};

constexpr TextStatement kSetTextStatements[] = {
    {u".FontDefault", &MainWindowState::SetFontText, nullptr},
    {u".ColorStyle", &MainWindowState::SetColorStyleText, &MainWindowState::ActiveColorStyle},
    {u".StringShape", &MainWindowState::SetShapeText, &MainWindowState::SelectMojiShape},
    {u".BackPicture", &MainWindowState::SetBackPictureText, nullptr},
    {u".LinkStyle", &MainWindowState::SetLinkStyleText, &MainWindowState::SelectLinkStyle},
    {u".LinkData", &MainWindowState::SetLinkDataText, nullptr},
    {u".BackStyle", &MainWindowState::SetBackStyleText, &MainWindowState::SelectBackStyle},
    {u".MainString", &MainWindowState::SetEditText, nullptr},
};

constexpr int kMojiStyleCount = 3;  // OptionGroup(0..2)
constexpr int kSpGroupCount = 4;    // SpGroup_Check(0..3)

ColorTriple Triple(const QList<int16_t>& numbers, qsizetype first) {
    return {numbers[first], numbers[first + 1], numbers[first + 2]};
}

// Capture, then show the board and run the generator at once. A fresh collection
// empties HTMLString first; docking keeps it.
void CreateFragment(Program& program, bool freshCollection) {
    if (!program.MainWindow().CaptureForRun()) return;
    if (freshCollection) program.Settings().HTMLString.clear();
    // The board closes itself when the run succeeds, so it is not touched afterwards.
    program.ShowBoard().MainHTMLCreate();
}

}  // namespace

MacroInterpreter::MacroInterpreter(Program& program) : program_(program) {}

void MacroInterpreter::MacroRun(const QString& fileName) {
    const auto lines = TextFile::ReadLines(program_.Folder().File(fileName));
    if (!lines) {
        // The work file is gone or unreadable: nothing to run.
        program_.UserFeedback().Beep();
        return;
    }
    for (const QString& line : *lines) {
        if (line.contains(kSpace)) {
            const QString head = GetFrontString(line, kSpace);
            MacroCommand(head, CutString(line, head));
        } else {
            MacroCommand(line, QString());
        }
    }
}

void MacroInterpreter::MacroCommand(const QString& head, const QString& rest) {
    const QString verb = GetFrontString(head, kDot);
    if (verb.isEmpty()) return;  // no "." at all, or nothing before it
    const QString property = CutString(head, verb);
    if (verb == u"Object") {
        ObjectCommand(property, rest);
    } else if (verb == u"Add") {
        AddCommand(property, rest);
    } else if (verb == u"Set") {
        SetCommand(property, rest);
    } else if (verb == u"Select") {
        SelectCommand(property, rest);
    }
}

void MacroInterpreter::ObjectCommand(const QString& property, const QString& rest) {
    const QString value = StatementValue::ValueText(rest);
    Feedback& feedback = program_.UserFeedback();
    if (property == u".NewDataCreate") {
        const auto flag = StatementValue::Integer(value, feedback);
        if (flag == 1) program_.MainWindow().NewDataCreate();
    } else if (property == u".CreateData") {
        CreateFragment(program_, true);
    } else if (property == u".PlusCreate") {
        CreateFragment(program_, false);
    }
}

void MacroInterpreter::AddCommand(const QString& property, const QString& rest) {
    const QString value = StatementValue::ValueText(rest);
    if (property == u".FontData") {
        const QString face = StatementValue::QuotedText(value, program_.UserFeedback());
        program_.MainWindow().AddFontEntry(face);
    }
}

void MacroInterpreter::SetCommand(const QString& property, const QString& rest) {
    const QString value = StatementValue::ValueText(rest);
    Feedback& feedback = program_.UserFeedback();
    for (const TextStatement& statement : kSetTextStatements) {
        if (property != statement.property) continue;
        const QString text = StatementValue::QuotedText(value, feedback);
        MainWindowState& window = program_.MainWindow();
        (window.*statement.setText)(text);
        if (statement.select != nullptr) (window.*statement.select)();
        return;
    }
    if (property == u".OutputFormat") {
        const QString text = StatementValue::QuotedText(value, feedback);
        const std::optional<FragmentFormat> format = FormatNamed(text);
        if (!format) {
            if (!text.isEmpty()) feedback.Beep();  // an empty text has beeped already
            return;
        }
        // A format given on the command line outranks the macros of the run.
        if (!program_.OutputFormatPinned()) program_.MainWindow().ChooseOutputFormat(*format);
        return;
    }
    if (property == u".ColorData") {
        // index, R, G, B: all four are read before anything is stored.
        const auto numbers = StatementValue::IntegerList(value, 4, feedback);
        if (!numbers) return;
        MainWindowState& window = program_.MainWindow();
        const int16_t index = (*numbers)[0];
        if (index == 0 || index == 1) window.StoreColor(index, Triple(*numbers, 1));
        window.ActiveColorStyle();
    } else if (property == u".BackColorData") {
        const auto numbers = StatementValue::IntegerList(value, 3, feedback);
        if (!numbers) return;
        MainWindowState& window = program_.MainWindow();
        window.StoreColor(kBackColorSlot, Triple(*numbers, 0));
        window.ActiveColorStyle();
    }
}

void MacroInterpreter::SelectCommand(const QString& property, const QString& rest) {
    const QString value = StatementValue::ValueText(rest);
    Feedback& feedback = program_.UserFeedback();
    if (property == u".MojiSize") {
        const auto size = StatementValue::Integer(value, feedback);
        if (size) program_.MainWindow().SetMojiSizeText(QString::number(*size));
    } else if (property == u".MojiStyle") {
        const auto index = StatementValue::Integer(value, feedback);
        if (!index) return;
        if (*index < 0 || *index >= kMojiStyleCount) {
            feedback.Beep();  // there is no such option button
            return;
        }
        program_.MainWindow().OptionGroup_Click(*index);
    } else if (property == u".SpGroup") {
        const auto index = StatementValue::Integer(value, feedback);
        if (!index) return;
        if (*index < 0 || *index >= kSpGroupCount) {
            feedback.Beep();  // there is no such check box
            return;
        }
        program_.MainWindow().SetSpGroupCheck(*index, true);
        program_.Settings().SpGroup[*index] = 1;
    }
}

}  // namespace glimtex
