#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <optional>

namespace glimtex {

class Program;

// The notice when no plain-text editor can be started.
extern const QString kNoTextEditorMessage;

// A program to start, with its arguments.
struct EditorCommand {
    QString program;
    QStringList arguments;
    bool operator==(const EditorCommand&) const = default;
};

// The desktop's plain-text editor: the default application for text/plain as the
// desktop's mimeapps.list files name it (a desktop entry that does not ask for a
// terminal), else the first common desktop text editor found on PATH.
std::optional<EditorCommand> FindTextEditor(const QProcessEnvironment& environment);

// "Notepadの起動": starts the editor without waiting for it and without a file;
// when none can be started, a notice says so and the program goes on.
void StartTextEditor(Program& program, const QProcessEnvironment& environment =
                                           QProcessEnvironment::systemEnvironment());

}  // namespace glimtex
