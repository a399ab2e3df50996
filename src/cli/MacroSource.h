#pragma once

#include <QString>
#include <QTemporaryDir>

#include "cli/RenderOptions.h"

namespace glimtex::cli {

// The macro named on the command line, made ready for the run: a file in code page
// 932 that the run copies to its work file. A code-page-932 file is used where it
// lies; standard input and UTF-8 macros are written to a scratch copy first.
class MacroSource {
  public:
    // False, with Error(), when the macro cannot be read or must not be used.
    bool Prepare(const RenderOptions& options, const QString& programDir);
    const QString& Path() const { return path_; }
    const QString& Error() const { return error_; }

  private:
    bool Fail(const QString& error);
    bool WriteScratchCopy(const QByteArray& bytes, TextEncoding encoding);

    QTemporaryDir scratch_;
    QString path_;
    QString error_;
};

}  // namespace glimtex::cli
