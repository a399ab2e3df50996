#include "app/MainWindowPlace.h"

#include <QSettings>
#include <algorithm>

namespace glimtex {

namespace {

const QString kPlaceKey = QStringLiteral("MainWindow/position");

// The user's own settings, not a program folder's: where a window stands belongs to
// the desktop, the same whichever folder the program runs on.
const QString kSettingsName = QStringLiteral("glimtex");

// The window moved onto the screen; one larger than the screen keeps its top left
// corner on it, where its caption is.
QRect Within(QRect window, const QRect& screen) {
    window.moveRight(std::min(window.right(), screen.right()));
    window.moveBottom(std::min(window.bottom(), screen.bottom()));
    window.moveLeft(std::max(window.left(), screen.left()));
    window.moveTop(std::max(window.top(), screen.top()));
    return window;
}

qint64 Area(const QRect& rect) {
    return rect.isEmpty() ? 0 : static_cast<qint64>(rect.width()) * rect.height();
}

// The window moved whole onto the screen that holds most of it; none when it lies on
// no screen at all.
std::optional<QPoint> OnAScreen(const QRect& window, const QList<QRect>& screens) {
    const QRect* most = nullptr;
    qint64 mostArea = 0;
    for (const QRect& screen : screens) {
        const qint64 area = Area(screen.intersected(window));
        if (area > mostArea) {
            most = &screen;
            mostArea = area;
        }
    }
    if (!most) return std::nullopt;
    return Within(window, *most).topLeft();
}

}  // namespace

QPoint MainWindowPlace(std::optional<QPoint> saved, QSize frame, const QList<QRect>& screens,
                       const QRect& home) {
    if (saved) {
        if (const auto at = OnAScreen(QRect(*saved, frame), screens)) return *at;
    }
    QRect centred(QPoint(), frame);
    centred.moveCenter(home.center());
    return OnAScreen(centred, screens).value_or(centred.topLeft());
}

std::optional<QPoint> SavedMainWindowPlace() {
    const QSettings settings(kSettingsName, kSettingsName);
    const QVariant value = settings.value(kPlaceKey);
    if (value.typeId() != QMetaType::QPoint) return std::nullopt;
    return value.toPoint();
}

void SaveMainWindowPlace(QPoint place) {
    QSettings settings(kSettingsName, kSettingsName);
    settings.setValue(kPlaceKey, place);
}

}  // namespace glimtex
