#pragma once

#include <QObject>
#include <memory>

#include "core/DecorationSettings.h"
#include "core/Feedback.h"
#include "core/ProgramFolder.h"
#include "engine/DecorationForm.h"
#include "engine/NoticeBudget.h"
#include "html/Collection.h"
#include "html/HtmlGenerator.h"

namespace glimtex {

enum class RunKind {
    Create,  // "ソースの作成": the collection starts again with this fragment
    Dock,    // "ドッキング": the fragment is added to the collection
};

// The program without its windows: the settings record, the decoration form, the
// program folder, the way to the user and the collected fragments, and the one
// operation that generates. The windows observe it through its signals; macros and
// glimtex-render drive it directly.
class Engine : public QObject {
    Q_OBJECT
  public:
    Engine(const QString& programFolder, Feedback& feedback);
    ~Engine() override;

    DecorationSettings& Settings() { return settings_; }
    const ProgramFolder& Folder() const { return folder_; }
    // The way to the user, with its budget of notices for each macro run.
    NoticeBudget& UserFeedback() { return feedback_; }

    // The decoration form, loaded the first time anything touches it.
    DecorationForm& Form();
    bool FormLoaded() const { return form_ != nullptr; }

    // The fragments generated so far, with their models.
    const Collection& Collected() const { return collection_; }
    Collection& Collected() { return collection_; }
    // Sends the fragments elsewhere instead of the collection, as glimtex-render
    // does: the sink must outlive the engine's runs. Null goes back to the collection.
    void SendFragmentsTo(FragmentSink* sink);

    // A run up to its confirmation: captures the form (a notice and false when the
    // size text cannot be captured); a create then empties the collection. Then
    // runPrepared() asks for the confirmation.
    bool PrepareRun(RunKind kind);
    // The generation itself: checks the settings and builds the fragment onto the
    // collection. A refused run shows its notice and changes nothing.
    RunOutcome Generate();
    // Both at once, as a macro's Object.CreateData and Object.PlusCreate do. A form
    // that cannot be captured counts as refused.
    RunOutcome Run(RunKind kind);
    // What Generate would make of these settings, built into a scratch collection of
    // its own: nothing is shown and nothing is kept but the fragment's model, given
    // back when the run would be done.
    static RunOutcome Sketch(const DecorationSettings& s, FragmentModel& model);

    // The kind of HTML the next runs write. A format given on the command line holds
    // for the whole run: the statement Set.OutputFormat then leaves it as it is.
    void ChooseOutputFormat(FragmentFormat format);
    void PinOutputFormat(FragmentFormat format);
    bool OutputFormatPinned() const { return outputFormatPinned_; }

  signals:
    // A run was prepared and waits for "完了": the confirmation board shows.
    void runPrepared();
    // The collection is about to start again: whoever shows it keeps what it shows.
    void collectionRestarting();
    // A generation ended.
    void generated(RunOutcome outcome);
    // The output format changed.
    void outputFormatChanged();

  private:
    DecorationSettings settings_;
    ProgramFolder folder_;
    NoticeBudget feedback_;
    std::unique_ptr<DecorationForm> form_;
    Collection collection_;
    FragmentSink* sink_ = &collection_;
    HtmlGenerator generator_;
    bool outputFormatPinned_ = false;
};

// The notice a refused or failed run shows.
QString RunNotice(RunOutcome outcome);

}  // namespace glimtex
