#include "app/MacroPickerState.h"

#include <QDir>
#include <QFile>

#include "app/ProgramFixture.h"
#include "engine/RegisteredMacros.h"
#include "macro/TextFile.h"

namespace glimtex::testing {
namespace {

QString Entry(const QString& file, const QString& title, const QString& description) {
    return QStringLiteral("\"%1\",\"%2\",\"%3\"").arg(file, title, description);
}

class MacroPicker : public ProgramFixture {
  protected:
    void SetUp() override { ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Macro"))); }

    void Write(const QString& name, const QStringList& lines) {
        ASSERT_TRUE(TextFile::WriteLines(dir.filePath(name), lines));
    }
    QStringList Lines(const QString& name) {
        return TextFile::ReadLines(dir.filePath(name)).value_or(QStringList{"<none>"});
    }
    MacroPickerState& Open() { return program->Show<MacroPickerState>(); }
    // Picks the title from the list as the user does.
    MacroPickerState& OpenAndPick(const QString& title) {
        MacroPickerState& picker = Open();
        const qsizetype index = picker.Combo().items.indexOf(title);
        EXPECT_GE(index, 0) << title.toStdString();
        picker.PickListEntry(static_cast<int>(index));
        return picker;
    }
    QStringList NoticeTexts() {
        QStringList texts;
        for (const auto& notice : feedback.notices) {
            EXPECT_EQ(notice.title, QStringLiteral("お知らせ"));
            texts.append(notice.text);
        }
        return texts;
    }
};

TEST_F(MacroPicker, AListTooLargeToReadIsSaidNotShownEmpty) {
    QFile list(dir.filePath(QStringLiteral("MacroList.df")));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    ASSERT_TRUE(list.resize(TextFile::kMaxFileBytes + 1));
    list.close();
    Open();
    EXPECT_EQ(NoticeTexts(), QStringList{kMacroListTooLargeMessage});
}

TEST_F(MacroPicker, ListsTheTitlesInFileOrderWithDuplicatesAndEmptyTitles) {
    Write("MacroList.df", {Entry("A", "見出し", "first"), Entry("B", "", "no title"),
                           Entry("C", "見出し", "second")});
    MacroPickerState& picker = Open();
    EXPECT_EQ(picker.Combo().items, (QStringList{"見出し", "", "見出し"}));
    EXPECT_EQ(picker.Combo().text, QStringLiteral("NULL"));
    EXPECT_EQ(picker.Description(), QStringLiteral("何も設定されていません\r\n"));
    EXPECT_TRUE(picker.PickedFile().isEmpty());
}

TEST_F(MacroPicker, EmptyOrMissingListReportsNothingPicked) {
    for (bool fileExists : {false, true}) {
        if (fileExists) Write("MacroList.df", {});
        MacroPickerState& picker = Open();
        EXPECT_TRUE(picker.Combo().items.isEmpty());
        picker.Confirm();
        program->Close<MacroPickerState>();
    }
    EXPECT_EQ(NoticeTexts(), (QStringList{"何も設定されておりません", "何も設定されておりません"}));
    EXPECT_TRUE(feedback.questions.isEmpty());
}

TEST_F(MacroPicker, DuplicateTitlesShowAndApplyTheFirstEntry) {
    Write("MacroList.df", {Entry("A", "同じ", "first"), Entry("B", "同じ", "second")});
    Write("Macro/A", {"Set.MainString = \"from A\""});
    Write("Macro/B", {"Set.MainString = \"from B\""});
    MacroPickerState& picker = Open();
    picker.PickListEntry(1);
    EXPECT_EQ(picker.Description(), QStringLiteral("first"));
    EXPECT_EQ(picker.PickedFile(), QStringLiteral("A"));
    picker.Confirm();
    EXPECT_EQ(Settings().text, QStringLiteral("from A"));
}

TEST_F(MacroPicker, NoKeepsThePickerOpenAndYesClosesItAndRunsTheMacro) {
    Write("MacroList.df", {Entry("Title", "見出し", "about")});
    Write("Macro/Title", {"Set.MainString = \"picked\"", "Object.CreateData"});
    int closed = 0;
    QObject::connect(program.get(), &Program::closed,
                     [&](WindowKind kind) { closed += kind == WindowKind::MacroPicker ? 1 : 0; });
    MacroPickerState& picker = OpenAndPick("見出し");
    feedback.answer = false;
    picker.Confirm();
    EXPECT_EQ(program->Find<MacroPickerState>(), &picker);
    EXPECT_FALSE(QFile::exists(dir.filePath("Buf.df")));
    feedback.answer = true;
    picker.Confirm();
    ASSERT_EQ(feedback.questions.size(), 2);
    EXPECT_EQ(feedback.questions[0].title, QStringLiteral("マクロ適用"));
    EXPECT_EQ(feedback.questions[0].text,
              QStringLiteral("本当にこのマクロを適用してもいいですか？"));
    EXPECT_EQ(program->Find<MacroPickerState>(), nullptr);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(Collected(), QStringLiteral("<Font Color=#000000>picked</Font>"));
    EXPECT_NE(program->Find<OutputWindowState>(), nullptr);
    EXPECT_EQ(Lines("MacroList.df"), QStringList{Entry("Title", "見出し", "about")});
}

TEST_F(MacroPicker, TypingAfterAPickStillAppliesThePickedMacro) {
    Write("MacroList.df", {Entry("Title", "見出し", "about")});
    Write("Macro/Title", {"Set.MainString = \"picked\""});
    MacroPickerState& picker = OpenAndPick("見出し");
    picker.SetComboText(QStringLiteral("something else"));
    EXPECT_EQ(picker.PickedFile(), QStringLiteral("Title"));
    picker.Confirm();
    EXPECT_EQ(Settings().text, QStringLiteral("picked"));
}

TEST_F(MacroPicker, TypedTitleWithoutAPickFindsNoMacroFile) {
    Write("MacroList.df", {Entry("Title", "見出し", "about")});
    MacroPickerState& picker = Open();
    picker.SetComboText(QStringLiteral("見出し"));
    picker.Confirm();
    EXPECT_EQ(NoticeTexts(), QStringList{"マクロファイルが見つかりません"});
    EXPECT_EQ(program->Find<MacroPickerState>(), &picker);
}

TEST_F(MacroPicker, DefineTableHoldsOnlyTheAppliedMacrosDefinitions) {
    Write("Define.df", {"_OLD earlier"});
    Write("MacroList.df", {Entry("Title", "見出し", "about")});
    Write("Macro/Title", {"#DEFINE _T __新しい", "#IFDEF _OLD", "Set.MainString = \"old\"",
                          "#ELSEDEF", "Set.MainString = \"_T\"", "#ENDDEF"});
    OpenAndPick("見出し").Confirm();
    EXPECT_EQ(Lines("Define.df"), QStringList{"_T 新しい"});
    EXPECT_EQ(Settings().text, QStringLiteral("新しい"));
}

TEST_F(MacroPicker, MissingFileIsNamedAndNothingRuns) {
    Write("MacroList.df", {Entry("Gone", "見出し", "about")});
    Write("Buf.df", {"Set.MainString = \"previous\""});
    MacroPickerState& picker = OpenAndPick("見出し");
    picker.Confirm();
    ASSERT_EQ(feedback.notices.size(), 1);
    EXPECT_EQ(feedback.notices[0].text, MissingMacroFileMessage("Gone"));
    EXPECT_TRUE(feedback.questions.isEmpty());
    EXPECT_EQ(program->Find<MacroPickerState>(), &picker);  // open for another pick
    EXPECT_TRUE(Settings().text.isEmpty());
    EXPECT_FALSE(program->MainWindowLoaded());
}

TEST_F(MacroPicker, FileNamesLeavingTheMacroFolderCountAsMissing) {
    // Each of these names a readable file with statements, but outside Macro/.
    Write("Outside", {"Set.MainString = \"escaped\""});
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Macro/sub")));
    Write("Macro/sub/Inner", {"Set.MainString = \"escaped\""});
    const QStringList names{"../Outside", dir.filePath("Outside"), "sub/Inner", "sub\\Inner", ".."};
    for (const QString& name : names) {
        Write("MacroList.df", {Entry(name, "T", "about")});
        OpenAndPick("T").Confirm();
        program->Close<MacroPickerState>();
        EXPECT_FALSE(RegisteredMacroPath(program->Folder(), name).has_value())
            << name.toStdString();
    }
    EXPECT_EQ(feedback.notices.size(), names.size());
    EXPECT_TRUE(feedback.questions.isEmpty());
    EXPECT_TRUE(Settings().text.isEmpty());
}

TEST_F(MacroPicker, EachOpeningReadsTheListAfreshAndForgetsThePick) {
    Write("MacroList.df", {Entry("Title", "見出し", "about")});
    Write("Macro/Title", {"#ADDITEM \"Next\""});
    Write("Macro/Next", {"#HEAD \"次\",\"added\""});
    OpenAndPick("見出し").Confirm();
    MacroPickerState& picker = Open();
    EXPECT_EQ(picker.Combo().items, (QStringList{"見出し", "次"}));
    EXPECT_TRUE(picker.PickedFile().isEmpty());
    EXPECT_EQ(picker.Description(), QStringLiteral("何も設定されていません\r\n"));
}

}  // namespace
}  // namespace glimtex::testing
