// What a screen reader is told: every control a person operates, in every window, has
// a name.
#include <QAccessible>
#include <QComboBox>
#include <QLabel>

#include "GuiFixture.h"
#include "app/ConfirmationBoardState.h"
#include "app/MacroPickerState.h"
#include "app/MainWindowState.h"
#include "app/PreviewState.h"
#include "gui/TitleView.h"

namespace glimtex::testing {
namespace {

// What a person operates: these roles, and any other control that takes the focus (a
// bar only then: those of a text box are part of it).
bool Operated(QAccessibleInterface& control) {
    static const QList<QAccessible::Role> kOperated{
        QAccessible::Button,   QAccessible::CheckBox,     QAccessible::RadioButton,
        QAccessible::ComboBox, QAccessible::EditableText, QAccessible::SpinBox,
        QAccessible::Slider,   QAccessible::List,         QAccessible::Table,
        QAccessible::Tree,     QAccessible::PageTab,      QAccessible::PageTabList};
    return kOperated.contains(control.role()) || control.state().focusable;
}

// On Linux Qt names a combo box by the text it shows, which says what was chosen, not
// what is chosen there; screen readers take its name from the label it is told of.
QString SpokenName(QAccessibleInterface& control) {
    QString name = control.text(QAccessible::Name);
    auto* combo = qobject_cast<QComboBox*>(control.object());
    if (!combo || name != combo->currentText()) return name;
    for (const auto& [label, relation] : control.relations(QAccessible::Label)) {
        if (qobject_cast<QLabel*>(label->object())) return label->text(QAccessible::Name);
    }
    return {};
}

// The object names from the window down to the control, to find it by.
QString Where(QAccessibleInterface* control) {
    QStringList names;
    for (QAccessibleInterface* at = control; at; at = at->parent()) {
        if (at->object() && !at->object()->objectName().isEmpty()) {
            names.prepend(at->object()->objectName());
        }
    }
    return names.join(QLatin1Char('/')) +
           QStringLiteral(" (role 0x%1)").arg(control->role(), 0, 16);
}

void CollectNameless(QAccessibleInterface* control, QSet<QString>& nameless) {
    if (!control || control->state().invisible) return;
    if (Operated(*control) && SpokenName(*control).isEmpty()) nameless.insert(Where(control));
    for (int i = 0; i < control->childCount(); ++i) CollectNameless(control->child(i), nameless);
}

class AccessibilityTest : public GuiFixture {
  protected:
    QSet<QString> nameless;

    void Look(QWidget* window) {
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        CollectNameless(QAccessible::queryAccessibleInterface(window), nameless);
    }
};

TEST_F(AccessibilityTest, EveryControlOfEveryWindowHasAName) {
    Start({QStringLiteral("Set.ColorStyle = \"グラデーション\""),
           QStringLiteral("Set.BackStyle = \"単色\""),
           QStringLiteral("Set.LinkStyle = \"リンク設定\"")});
    auto& main = ShowMain();
    MainWindowState& state = program->MainWindow();
    for (int i = 0; i < 6; ++i) {
        state.ShowPanel(i);
        DeliverPostedCalls();
        Look(&main);
    }
    state.Form().SetBackgroundStyleText(QStringLiteral("画像"));
    state.Form().ApplyBackgroundStyle();
    DeliverPostedCalls();
    Look(&main);

    state.EditColor(0);
    Look(views->ColorMixer());
    Look(views->ColorPalette());
    // A palette swatch is named by its colour.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(
                  Find<QWidget>(*views->ColorPalette(), "ColorCodeBox_2"))
                  ->text(QAccessible::Name),
              QStringLiteral("赤 (255, 0, 0)"));
    state.EditGradientDetails();
    Look(views->GradientDetails());
    program->Show<MacroPickerState>();
    Look(views->MacroPicker());
    program->Show<PreviewState>();
    Look(views->Preview());
    state.CreateSource();
    ASSERT_TRUE(WaitUntil([this] { return views->Board() != nullptr; }));
    Look(views->Board());
    program->Find<ConfirmationBoardState>()->Confirm();
    ASSERT_TRUE(WaitUntil([this] { return views->Output() != nullptr; }));
    Look(views->Output());
    gui::TitleView title(QStringLiteral("0000"));
    title.show();
    Look(&title);

    EXPECT_TRUE(nameless.isEmpty()) << nameless.values().join(QStringLiteral(", ")).toStdString();
    // A swatch of the main window is a button named by what it stands for.
    QAccessibleInterface* swatch =
        QAccessible::queryAccessibleInterface(Find<QWidget>(main, "ColorBox_0"));
    EXPECT_EQ(swatch->role(), QAccessible::Button);
    EXPECT_EQ(swatch->text(QAccessible::Name), QStringLiteral("1番目の色"));
}

}  // namespace
}  // namespace glimtex::testing
