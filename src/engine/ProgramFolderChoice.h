#pragma once

#include <QString>

namespace glimtex {

// The places the choice of the program folder looks at.
struct ProgramFolderPlaces {
    QString given;          // --program-dir, or empty
    QString executableDir;  // the folder of the running program
    QString bundledDir;     // the installed Default, Include/ and Macro/ (PREFIX/share/glimtex)
    QString userDir;        // the user's own folder ($XDG_DATA_HOME/glimtex)

    // The places of this process: its executable, the share folder beside its bin
    // folder, and the user's data folder.
    static ProgramFolderPlaces ForThisProcess(const QString& given);
};

// Where the program folder was found.
enum class ProgramFolderSource {
    Given,     // named with --program-dir
    Portable,  // the executable's folder, which holds Default and can be written
    User,      // the user's own folder, filled from the installed files
};

// The program folder, decided once at start and the same way by glimtex and
// glimtex-render: the folder given with --program-dir; else the executable's folder
// when it holds Default and can be written (a portable folder, or the build tree);
// else the user's own folder, made private to the user and filled on first use with
// copies of the installed Default, Include/ and Macro/. Bundled files the user's
// folder has never had are added on every start; a file it has had is never copied
// again, so the user's changes (and deletions) stay.
class ProgramFolderChoice {
  public:
    enum class Problem {
        None,
        CannotMake,
        CannotWrite,
        NoHome,          // neither HOME nor XDG_DATA_HOME says where the user's folder is
        RecordUnsafe,    // the record .bundled is a link or not a plain file
        RecordTooLarge,  // the record .bundled is larger than any record can grow
        Busy,            // another run kept the folder for the whole wait
    };

    // Decides, touching nothing.
    explicit ProgramFolderChoice(const ProgramFolderPlaces& places);

    const QString& Path() const { return path_; }
    ProgramFolderSource Source() const { return source_; }

    // Makes the user's folder and adds the bundled files it has never had; nothing
    // to do for the other two. The files are added while this process owns the
    // folder's run lock, so that runs starting together fill it once. False when the
    // folder cannot be made or written, or its record of bundled files is unsafe.
    bool Prepare();
    Problem Failure() const { return problem_; }
    // The failure as one line naming the folder: in English for the console, in
    // Japanese for a notice of the windows.
    QString Error() const;
    QString Notice() const;

    // Which folder is used and why, for the usage text.
    QString Description() const;

  private:
    bool Fail(Problem problem);
    bool AddBundledFiles();
    // Adds one bundled file unless something already stands at its place; a link on
    // the way (a folder of the user's that is a link) is never written through.
    bool AddBundledFile(const QString& name) const;

    ProgramFolderPlaces places_;
    QString path_;
    ProgramFolderSource source_ = ProgramFolderSource::Given;
    Problem problem_ = Problem::None;
};

}  // namespace glimtex
