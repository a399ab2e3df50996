#include "engine/MacroInterpreter.h"

#include <iterator>

#include "engine/Engine.h"
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
    void (DecorationForm::*setText)(const QString&);
    void (DecorationForm::*apply)();
};

constexpr TextStatement kSetTextStatements[] = {
    {u".FontDefault", &DecorationForm::SetFaceText, nullptr},
    {u".ColorStyle", &DecorationForm::SetColorStyleText, &DecorationForm::ApplyColorStyle},
    {u".StringShape", &DecorationForm::SetShapeText, &DecorationForm::ApplyShape},
    {u".BackPicture", &DecorationForm::SetBackgroundPictureText, nullptr},
    {u".LinkStyle", &DecorationForm::SetLinkStyleText, &DecorationForm::ApplyLinkStyle},
    {u".LinkData", &DecorationForm::SetLinkAddressText, nullptr},
    {u".BackStyle", &DecorationForm::SetBackgroundStyleText, &DecorationForm::ApplyBackgroundStyle},
    {u".MainString", &DecorationForm::SetText, nullptr},
};

constexpr int kPositionCount = 3;  // OptionGroup(0..2)

// Select.SpGroup: the check box of each index and the emphasis it sets.
constexpr bool Emphasis::*kEmphasisChecks[] = {&Emphasis::bold, &Emphasis::italic,
                                               &Emphasis::underline, &Emphasis::strikeThrough};
constexpr int kEmphasisCount = static_cast<int>(std::size(kEmphasisChecks));  // SpGroup_Check(0..3)

ColorTriple Triple(const QList<int16_t>& numbers, qsizetype first) {
    return {numbers[first], numbers[first + 1], numbers[first + 2]};
}

}  // namespace

MacroInterpreter::MacroInterpreter(Engine& engine) : engine_(engine) {}

void MacroInterpreter::RunFile(const QString& fileName) {
    const auto lines = TextFile::ReadLines(engine_.Folder().File(fileName));
    if (!lines) {
        // The work file is gone or unreadable: nothing to run.
        engine_.UserFeedback().Beep();
        return;
    }
    for (const QString& line : *lines) {
        if (line.contains(kSpace)) {
            const QString head = TextBefore(line, kSpace);
            RunStatement(head, WithoutFirst(line, head));
        } else {
            RunStatement(line, QString());
        }
    }
}

void MacroInterpreter::RunStatement(const QString& head, const QString& rest) {
    const QString verb = TextBefore(head, kDot);
    if (verb.isEmpty()) return;  // no "." at all, or nothing before it
    const QString property = WithoutFirst(head, verb);
    if (verb == u"Object") {
        RunObject(property, rest);
    } else if (verb == u"Add") {
        RunAdd(property, rest);
    } else if (verb == u"Set") {
        RunSet(property, rest);
    } else if (verb == u"Select") {
        RunSelect(property, rest);
    } else if (verb == u"Clear") {
        // Clear.ColorStops: the gradation goes back to its two colors.
        if (property == u".ColorStops") engine_.Form().ClearColorStops();
    }
}

void MacroInterpreter::RunObject(const QString& property, const QString& rest) {
    const QString value = StatementValue::ValueText(rest);
    Feedback& feedback = engine_.UserFeedback();
    if (property == u".NewDataCreate") {
        const auto flag = StatementValue::Integer(value, feedback);
        if (flag == 1) engine_.Form().Reset();
    } else if (property == u".CreateData") {
        engine_.Run(RunKind::Create);
    } else if (property == u".PlusCreate") {
        engine_.Run(RunKind::Dock);
    }
}

void MacroInterpreter::RunAdd(const QString& property, const QString& rest) {
    const QString value = StatementValue::ValueText(rest);
    if (property == u".FontData") {
        const QString face = StatementValue::QuotedText(value, engine_.UserFeedback());
        engine_.Form().AddFace(face);
    } else if (property == u".ColorStop") {
        // R, G, B: a stop after the last; a gradation holds no more than its limit.
        const auto numbers = StatementValue::IntegerList(value, 3, engine_.UserFeedback());
        if (!numbers) return;
        if (!engine_.Form().AddColorStop(Triple(*numbers, 0))) engine_.UserFeedback().Beep();
    }
}

void MacroInterpreter::RunSet(const QString& property, const QString& rest) {
    const QString value = StatementValue::ValueText(rest);
    Feedback& feedback = engine_.UserFeedback();
    for (const TextStatement& statement : kSetTextStatements) {
        if (property != statement.property) continue;
        const QString text = StatementValue::QuotedText(value, feedback);
        DecorationForm& form = engine_.Form();
        (form.*statement.setText)(text);
        if (statement.apply != nullptr) (form.*statement.apply)();
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
        if (!engine_.OutputFormatPinned()) engine_.ChooseOutputFormat(*format);
        return;
    }
    if (property == u".ColorSpace") {
        const QString text = StatementValue::QuotedText(value, feedback);
        const std::optional<GradientSpace> space = StyleNames::GradientSpaceNamed(text);
        if (!space) {
            if (!text.isEmpty()) feedback.Beep();  // an empty text has beeped already
            return;
        }
        engine_.Form().SetGradientSpace(*space);
        return;
    }
    if (property == u".ColorData") {
        // index, R, G, B: all four are read before anything is stored.
        const auto numbers = StatementValue::IntegerList(value, 4, feedback);
        if (!numbers) return;
        DecorationForm& form = engine_.Form();
        const int16_t index = (*numbers)[0];
        if (index == 0 || index == 1) form.StoreColor(index, Triple(*numbers, 1));
        form.ApplyColorStyle();
    } else if (property == u".BackColorData") {
        const auto numbers = StatementValue::IntegerList(value, 3, feedback);
        if (!numbers) return;
        DecorationForm& form = engine_.Form();
        form.StoreColor(kBackColorSlot, Triple(*numbers, 0));
        form.ApplyColorStyle();
    }
}

void MacroInterpreter::RunSelect(const QString& property, const QString& rest) {
    const QString value = StatementValue::ValueText(rest);
    Feedback& feedback = engine_.UserFeedback();
    if (property == u".MojiSize") {
        const auto size = StatementValue::Integer(value, feedback);
        if (size) engine_.Form().SetSizeText(QString::number(*size));
    } else if (property == u".MojiStyle") {
        const auto index = StatementValue::Integer(value, feedback);
        if (!index) return;
        if (*index < 0 || *index >= kPositionCount) {
            feedback.Beep();  // there is no such option button
            return;
        }
        engine_.Form().ChoosePosition(*index);
    } else if (property == u".SpGroup") {
        const auto index = StatementValue::Integer(value, feedback);
        if (!index) return;
        if (*index < 0 || *index >= kEmphasisCount) {
            feedback.Beep();  // there is no such check box
            return;
        }
        engine_.Form().SetEmphasisChecked(*index, true);
        engine_.Settings().emphasis.*kEmphasisChecks[*index] = true;
    }
}

}  // namespace glimtex
