#pragma once

#include <QByteArray>
#include <QString>

#include "cli/RenderOptions.h"

namespace glimtex::cli {

// The macro named on the command line, read before the run starts: its bytes in
// code page 932, which the run puts into its work file. Reading is bounded before it
// starts (standard input stops at the bound), so a device, a FIFO or a huge file
// cannot hold the run up, and nothing is copied from a macro that is refused.
class MacroSource {
  public:
    // False, with Error(), when the macro cannot be read or must not be used.
    bool Prepare(const RenderOptions& options, const QString& programDir);
    const QByteArray& Bytes() const { return bytes_; }
    const QString& Error() const { return error_; }

  private:
    bool Fail(const QString& error);
    bool Take(QByteArray bytes, TextEncoding encoding);

    QByteArray bytes_;
    QString error_;
};

}  // namespace glimtex::cli
