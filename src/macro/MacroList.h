#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include "core/Feedback.h"
#include "core/ProgramFolder.h"

namespace glimtex {

// MacroList.df while a pass registers macros: one registered macro per line,
// "file","title","description". The list is read once, the first time a macro is
// registered, kept in memory with a set of the files it names, and written back
// whole by Flush, so that a run of many #ADDITEM lines costs what its entries add.
// It never grows past the size the list can be read back at.
class MacroList {
  public:
    MacroList(const ProgramFolder& folder, Feedback& feedback, qint64 maxMacroBytes);
    ~MacroList();
    MacroList(const MacroList&) = delete;
    MacroList& operator=(const MacroList&) = delete;

    // Registers the macro file `name` (resolved in the Macro folder) unless the list
    // already names it: one entry for every line of the file that holds "#HEAD", its
    // title and description taken from that line. Beeps once for every entry of the
    // list without a file field, for every missing title or description, when the
    // list or the macro file cannot be read (the list then counts as empty, the macro
    // adds nothing; so does a macro file larger than the bound), and for every entry
    // that would take the list past its bound (which is then left out).
    void AddItem(const QString& name);

    // Writes the entries added since the last write; a list that cannot be written
    // beeps.
    void Flush();

  private:
    void Load();

    const ProgramFolder& folder_;
    Feedback& feedback_;
    qint64 maxMacroBytes_;
    bool loaded_ = false;
    bool readable_ = true;
    bool dirty_ = false;
    bool boundTold_ = false;
    QStringList entries_;
    QSet<QString> files_;
    int entriesWithoutFile_ = 0;
    qint64 bytes_ = 0;  // the list's size in its file: code page 932 with CR LF
};

}  // namespace glimtex
