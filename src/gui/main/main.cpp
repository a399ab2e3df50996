// glimtex: the windowed program.

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstring>

#include "app/Program.h"
#include "core/Version.h"
#include "engine/MacroRunLock.h"
#include "engine/ProgramFolderChoice.h"
#include "engine/Startup.h"
#include "gui/DisplayCheck.h"
#include "gui/GuiFeedback.h"
#include "gui/LockWaitWindow.h"
#include "gui/Look.h"
#include "gui/SystemClipboard.h"
#include "gui/TitleView.h"
#include "gui/Views.h"

using namespace glimtex;
using namespace glimtex::gui;

namespace {

// The folder named with --program-dir DIR, or empty.
QString GivenProgramDir(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--program-dir"));
    if (at >= 0 && at + 1 < arguments.size()) return QDir(arguments[at + 1]).absolutePath();
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    // --version needs no display: it is answered before Qt or any window starts.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("glimtex %s\n", kVersionText);
            return 0;
        }
    }
    if (!CanShowWindows()) {
        std::fputs(
            "glimtex: no display to open windows on (DISPLAY and WAYLAND_DISPLAY are not set); "
            "glimtex-render runs the macros and prints the HTML without windows.\n",
            stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("glimtex"));
    // The name of the menu entry: a Wayland compositor finds the entry, and the icon
    // for the windows, by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.glimtex.Glimtex"));
    QApplication::setFont(UiFont(9));

    // Waiting for another run on the folder shows a window that can give up.
    LockWaitWindow lockWait;
    MacroRunLock::SetWaiter(&lockWait);
    GuiFeedback feedback;
    SystemClipboard clipboard;
    // The program folder: --program-dir, a portable folder, or the user's own.
    ProgramFolderChoice folder(
        ProgramFolderPlaces::ForThisProcess(GivenProgramDir(QCoreApplication::arguments())));
    if (!folder.Prepare()) {
        feedback.ShowNotice(kNoticeTitle, folder.Notice());
        // With no folder at all there is nowhere to keep the working files.
        if (folder.Path().isEmpty()) return 2;
    }
    Program program(folder.Path(), feedback, clipboard);
    Views views(program);
    QObject::connect(&views, &Views::lastWindowGone, &app, &QCoreApplication::quit);

    // The title window's load: the start-up runs before the title window shows;
    // its notices and the windows its macro opens come first.
    Startup startup(program.Core());
    startup.Run();
    TitleView title(startup.CodeLabel());
    QObject::connect(&title, &TitleView::closed, &views,
                     [&views, &title] { views.ShowMainWindow(&title); });
    title.show();
    return QApplication::exec();
}
