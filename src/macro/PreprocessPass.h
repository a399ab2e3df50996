#pragma once

#include <QString>
#include <QStringList>

#include "core/Feedback.h"
#include "core/ProgramFolder.h"
#include "macro/DefineTable.h"
#include "macro/IncludeFiles.h"
#include "macro/MacroList.h"
#include "macro/PreprocessLimits.h"
#include "macro/SafeFile.h"

namespace glimtex {

enum class PassOutcome {
    Done,             // the file was rewritten
    WorkFileMissing,  // the work file could not be read; nothing changed
    Stopped,          // a bound was reached or the file could not be written; nothing changed
    TooLong,          // the work file itself holds more characters than a pass may write;
                      // nothing changed
    FileTooLarge,     // a file to read (the work file, Define.df, an include) is over the
                      // bound and was not read; nothing changed
};

// How a pass ended, and whether its cycle must be followed by another: true when this
// pass or an earlier one of the cycle defined or included something.
struct PassResult {
    PassOutcome outcome = PassOutcome::Done;
    bool again = false;
};

// One preprocessing pass over one file: normalising, dropping empty lines and
// expanding, with the file replaced once at the end. Used once and thrown away.
class PreprocessPass {
  public:
    // again: whether an earlier pass of this cycle defined or included something, so
    // that #IFDEF and #IF lines are kept for a later cycle instead of decided now.
    PreprocessPass(const ProgramFolder& folder, Feedback& feedback, const PreprocessLimits& limits,
                   bool again);

    PassResult Run(const QString& fileName);

  private:
    PassOutcome Rewrite(const QString& fileName);
    static QStringList NormaliseLines(const QStringList& lines);
    void Expand(const QStringList& lines);
    qsizetype Block(const QStringList& lines, qsizetype next, bool taken, QStringView elseWord,
                    QStringView endWord);
    void Define(const QString& rest);
    void Include(const QString& rest);
    void AddItem(const QString& rest);
    void FlushDefines();
    void FlushFiles();
    bool NumericCondition(const QString& rest);
    const DefineTable& Table();
    void Emit(const QString& line);
    SafeFile::ReadResult ReadWorkingFile(const QString& path) const;

    const ProgramFolder& folder_;
    Feedback& feedback_;
    const PreprocessLimits& limits_;

    QStringList out_;
    qsizetype outChars_ = 0;
    DefineTable table_;
    bool tableLoaded_ = false;
    // Definitions made but not yet in Define.df; written before anything reads a
    // file and at the end of the pass, so the file always reads as if each had been
    // appended as it came.
    QString pendingDefines_;
    IncludeFiles includes_;
    // The macros registered by this pass, written at the latest when the pass ends.
    MacroList macroList_;
    bool stopped_ = false;
    bool fileTooLarge_ = false;  // why it stopped: a file over the bound
    bool again_;
};

}  // namespace glimtex
