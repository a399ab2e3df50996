#include "app/OutputWindowState.h"

#include <algorithm>

#include "app/Program.h"

namespace glimtex {

OutputWindowState::OutputWindowState(Program& program)
    : program_(program),
      keptText_(QStringLiteral("HTMLソースはここに表現されます。\r\n")),
      refresh_(this, [this] { emit textChanged(); }) {
    connect(&program.Core(), &Engine::collectionRestarting, this,
            &OutputWindowState::KeepShownFragments);
}

const QString& OutputWindowState::Text() const {
    if (edit_) return *edit_;
    return followsCollection_ ? program_.Core().Collected().Text() : keptText_;
}

const QList<FragmentModel>& OutputWindowState::ShownFragments() const {
    return followsCollection_ ? program_.Core().Collected().Models() : keptFragments_;
}

void OutputWindowState::SetText(const QString& text) { edit_ = text; }

void OutputWindowState::ShowCollection() {
    followsCollection_ = true;
    keptText_ = QString();
    keptFragments_ = QList<FragmentModel>();
    edit_.reset();
    refresh_.Request();
}

void OutputWindowState::KeepShownFragments() {
    if (!followsCollection_) return;
    const Collection& collected = program_.Core().Collected();
    keptText_ = collected.Text();
    keptFragments_ = collected.Models();
    followsCollection_ = false;
}

void OutputWindowState::Copy() {
    if (!program_.UserFeedback().AskYesNo(
            kNoticeTitle, QStringLiteral("本当にクリップボードにコピーしてもいいですか？"))) {
        return;
    }
    // What the box holds is HTML: it goes as its source and as HTML, for a rich-text
    // editor to paste decorated. Forum markup is no HTML: it goes as text only.
    const QList<FragmentModel>& shown = ShownFragments();
    const bool forumMarkup = std::any_of(shown.begin(), shown.end(), [](const FragmentModel& f) {
        return f.style.format == FragmentFormat::Bbcode;
    });
    if (forumMarkup) {
        program_.SystemClipboard().SetText(Text());
    } else {
        program_.SystemClipboard().SetTextAndHtml(Text(), Text());
    }
}

void OutputWindowState::Cancel() {
    if (program_.Find<OutputWindowState>() == this) program_.Close<OutputWindowState>();
}

}  // namespace glimtex
