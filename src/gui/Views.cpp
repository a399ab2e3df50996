#include "gui/Views.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

#include "app/ColorMixerState.h"
#include "app/ColorPaletteState.h"
#include "app/ConfirmationBoardState.h"
#include "app/GradientDetailsState.h"
#include "app/MacroPickerState.h"
#include "app/MainWindowPlace.h"
#include "app/MainWindowState.h"
#include "app/OutputWindowState.h"
#include "app/PreviewState.h"
#include "app/Program.h"
#include "gui/BoardView.h"
#include "gui/MainWindowView.h"
#include "gui/OutputView.h"

namespace glimtex::gui {

void BringToFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

Views::Views(Program& program)
    : program_(program),
      boardTurn_(this, [this] { ShowBoardNow(); }),
      windowCheck_(this, [this] { CheckForWindowsLeft(); }) {
    QApplication::instance()->installEventFilter(this);
    connect(&program, &Program::shown, this, &Views::ShowWindow);
    connect(&program, &Program::closed, this, &Views::CloseWindow);
}

namespace {

// F6 on one of the colour tools brings up the other: the mixer and its palette stand
// side by side, and the keyboard moves between them as between two panes.
template <typename View>
void BringUpOnF6(QWidget& window, const QPointer<View>& other) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F6), &window);
    QObject::connect(key, &QShortcut::activated, &window, [&other] {
        if (other) BringToFront(*other);
    });
}

}  // namespace

void Views::ShowWindow(WindowKind kind) {
    // The window it is opened from gets the keyboard back when it goes.
    if (!openers_.contains(kind)) openers_[kind] = QApplication::activeWindow();
    switch (kind) {
        case WindowKind::Board:
            ShowBoard();
            break;
        case WindowKind::Output:
            Show(output_, [this] { return new OutputView(*program_.Find<OutputWindowState>()); });
            break;
        case WindowKind::ColorPalette:
            Show(palette_, [this] {
                auto* palette = new ColorPaletteView(program_, *program_.Find<ColorPaletteState>());
                BringUpOnF6(*palette, mixer_);
                return palette;
            });
            break;
        case WindowKind::ColorMixer: {
            const bool opening = !mixer_;
            Show(mixer_, [this] {
                auto* mixer = new ColorMixerView(*program_.Find<ColorMixerState>());
                BringUpOnF6(*mixer, palette_);
                return mixer;
            });
            if (opening) PlaceColorTools();
            break;
        }
        case WindowKind::MacroPicker:
            Show(picker_,
                 [this] { return new MacroPickerView(*program_.Find<MacroPickerState>()); });
            break;
        case WindowKind::Preview:
            Show(preview_, [this] { return new PreviewView(*program_.Find<PreviewState>()); });
            break;
        case WindowKind::GradientDetails: {
            const bool opening = !details_;
            Show(details_, [this] {
                return new GradientDetailsView(*program_.Find<GradientDetailsState>());
            });
            if (opening) PlaceGradientDetails();
            break;
        }
    }
}

void Views::CloseWindow(WindowKind kind) {
    const QPointer<QWidget> hadKeyboard = QApplication::activeWindow();
    const QPointer<QWidget> opener = openers_[kind];
    openers_.erase(kind);
    switch (kind) {
        case WindowKind::Board:
            Close(board_);
            break;
        case WindowKind::Output:
            Close(output_);
            break;
        case WindowKind::ColorPalette:
            Close(palette_);
            break;
        case WindowKind::ColorMixer:
            Close(mixer_);
            break;
        case WindowKind::MacroPicker:
            Close(picker_);
            break;
        case WindowKind::Preview:
            Close(preview_);
            break;
        case WindowKind::GradientDetails:
            Close(details_);
            break;
    }
    // A window that goes while it has the keyboard gives it back: the palette to its
    // mixer, any other window to the one it was opened from.
    if (hadKeyboard && !hadKeyboard->isVisible()) {
        QWidget* back = kind == WindowKind::ColorPalette && mixer_ ? mixer_.data() : opener.data();
        if (back && back->isVisible()) BringToFront(*back);
    }
}

Views::~Views() {
    delete picker_;
    delete palette_;
    delete mixer_;
    delete board_;
    delete output_;
    delete preview_;
    delete details_;
    delete main_;
}

MainWindowView& Views::ShowMainWindow(const QWidget* replacing) {
    if (!main_) {
        main_ = new MainWindowView(program_);
        PlaceMainWindow(replacing);
        MainWindowState& state = program_.MainWindow();
        connect(main_, &MainWindowView::moved, this, &Views::RememberMainWindowPlace);
        connect(main_, &MainWindowView::closing, this, &Views::RememberMainWindowPlace);
        connect(main_, &MainWindowView::closing, this, &Views::MainWindowClosing);
        connect(main_, &MainWindowView::colorBoxClicked, this,
                [&state](int index) { state.EditColor(index); });
        connect(main_, &MainWindowView::backColorBoxClicked, this,
                [&state] { state.EditBackgroundColor(); });
        connect(main_, &MainWindowView::macroPickerRequested, this,
                [this] { program_.Show<MacroPickerState>(); });
        // The preview shows the main window's inputs and goes with it.
        connect(main_, &MainWindowView::previewRequested, this,
                [this] { program_.Show<PreviewState>(); });
        connect(main_, &MainWindowView::closing, &program_, &Program::Close<PreviewState>);
    }
    BringToFront(*main_);
    return *main_;
}

// A macro shows and closes the board once for every fragment it makes: the board
// goes on screen only if it is still open when the event loop comes round, so a
// macro docking thousands of fragments builds no window for them.
void Views::ShowBoard() {
    if (board_) {
        BringToFront(*board_);
        return;
    }
    boardTurn_.Request();
}

void Views::ShowBoardNow() {
    if (ConfirmationBoardState* board = program_.Find<ConfirmationBoardState>()) {
        Show(board_, [board] { return new BoardView(*board); });
    }
}

template <typename View, typename Make>
void Views::Show(QPointer<View>& view, Make make) {
    if (!view) view = make();
    BringToFront(*view);
}

template <typename View>
void Views::Close(QPointer<View>& view) {
    if (!view) return;
    view->hide();
    view->deleteLater();
    view = nullptr;
}

bool Views::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
        ScheduleWindowCheck();
    }
    return false;
}

// Looked at once the turn is over: the run that closed a window may open another,
// and a window that is recreated is shown again within the same turn.
void Views::ScheduleWindowCheck() { windowCheck_.Request(); }

void Views::CheckForWindowsLeft() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    if (std::none_of(windows.begin(), windows.end(),
                     [](const QWidget* w) { return w->isVisible(); })) {
        emit lastWindowGone();
    }
}

namespace {

enum class Side { Left, Right, Below };

// Moves a window to stand on one side of another (or under it, its right edge in line),
// `gap` pixels away and kept on the other's screen. False when the screen had no room
// there, so that the window stands over the other.
bool PlaceBeside(QWidget& window, const QWidget& other, Side side, int gap = 8) {
    const QRect screen = other.screen()->availableGeometry();
    const QSize size = window.frameGeometry().size();
    const QRect frame = other.frameGeometry();
    QPoint at;
    switch (side) {
        case Side::Left:
            at = frame.topLeft() - QPoint(gap + size.width(), 0);
            break;
        case Side::Right:
            at = frame.topRight() + QPoint(gap, 0);
            break;
        case Side::Below:
            at = QPoint(frame.right() + 1 - size.width(), frame.bottom() + gap);
            break;
    }
    at.setX(std::max(screen.left(), std::min(at.x(), screen.right() - size.width())));
    at.setY(std::max(screen.top(), std::min(at.y(), screen.bottom() - size.height())));
    window.move(at);
    return !QRect(at, size).intersects(frame);
}

}  // namespace

// The mixer stands right of the main window and the palette right of the mixer, or
// under it when the screen has no room there, so that neither hides the other;
// "グラデーションの詳細", whose stops the mixer also colours, stands on the main
// window's other side.
void Views::PlaceColorTools() {
    if (!main_ || !mixer_) return;
    PlaceBeside(*mixer_, *main_, Side::Right);
    if (palette_ && !PlaceBeside(*palette_, *mixer_, Side::Right)) {
        // Windows just shown have no frame yet: the palette's caption, which the desktop
        // puts above it, as high as the main window's, must stay clear of the mixer.
        const int caption = std::max(0, main_->geometry().top() - main_->frameGeometry().top());
        PlaceBeside(*palette_, *mixer_, Side::Below, 8 + caption);
    }
}

void Views::PlaceGradientDetails() {
    if (main_ && details_) PlaceBeside(*details_, *main_, Side::Left);
}

void Views::PlaceMainWindow(const QWidget* replacing) {
    // The frame the desktop will put round the window, as it did round the one it
    // replaces: the place is worked out for the whole window, frame and all.
    QMargins frame;
    if (replacing) {
        const QRect outer = replacing->frameGeometry();
        const QRect inner = replacing->geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    const QPoint corner(frame.left(), frame.top());
    std::optional<QPoint> saved = SavedMainWindowPlace();
    if (saved) *saved -= corner;
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens << screen->availableGeometry();
    }
    const QRect home = replacing ? replacing->frameGeometry()
                                 : QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint place = MainWindowPlace(saved, main_->size().grownBy(frame), screens, home);
    // Placed and remembered by its client area, which the desktop puts exactly where
    // it is asked to; a window placed by its frame before it has one would be moved
    // again by the frame's height once the desktop says how large the frame is.
    main_->setGeometry(QRect(place + corner, main_->size()));
}

void Views::RememberMainWindowPlace() {
    if (main_ && main_->isVisible()) SaveMainWindowPlace(main_->geometry().topLeft());
}

void Views::MainWindowClosing() {
    // The colour tools and "グラデーションの詳細" go with the main window; the board, the
    // output window and the macro picker stay until they are closed themselves.
    if (program_.MainWindowLoaded()) program_.MainWindow().Unload();
}

}  // namespace glimtex::gui
