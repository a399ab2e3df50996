#include "gui/ColorSwatch.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "app/ColorNames.h"
#include "gui/Look.h"

namespace glimtex::gui {

namespace {

// A swatch as accessibility tools see it: a button that can be pressed, or, for a
// preview, a picture; its description is its colour unless the view gave one.
class SwatchAccessible : public QAccessibleWidget {
  public:
    explicit SwatchAccessible(ColorSwatch* swatch) : QAccessibleWidget(swatch) {}

    QAccessible::Role role() const override {
        return Swatch()->Pressable() ? QAccessible::Button : QAccessible::Graphic;
    }
    QString text(QAccessible::Text t) const override {
        QString said = QAccessibleWidget::text(t);
        if (t == QAccessible::Description && said.isEmpty()) said = Swatch()->SpokenColor();
        return said;
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (Swatch()->Pressable()) names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            Swatch()->Press();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

  private:
    ColorSwatch* Swatch() const { return static_cast<ColorSwatch*>(widget()); }
};

QAccessibleInterface* MakeSwatchAccessible(const QString&, QObject* object) {
    auto* swatch = qobject_cast<ColorSwatch*>(object);
    return swatch ? new SwatchAccessible(swatch) : nullptr;
}

}  // namespace

ColorSwatch::ColorSwatch(QWidget* parent) : QWidget(parent) {
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(&MakeSwatchAccessible);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
    SetPressable(true);
}

void ColorSwatch::SetPressable(bool pressable) {
    pressable_ = pressable;
    setCursor(pressable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    setFocusPolicy(pressable ? Qt::StrongFocus : Qt::NoFocus);
}

void ColorSwatch::SetColor(std::optional<uint32_t> packed) {
    if (packed == color_) return;
    color_ = packed;
    update();
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

QString ColorSwatch::SpokenColor() const {
    if (!color_) return {};
    const QColor color = FromPacked(*color_);
    return glimtex::SpokenColor({static_cast<int16_t>(color.red()),
                                 static_cast<int16_t>(color.green()),
                                 static_cast<int16_t>(color.blue())});
}

void ColorSwatch::Press() {
    if (pressable_) emit clicked();
}

void ColorSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), PaintedOrButtonFace(color_));
    // A sunken border, as a picture box has.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.drawLine(0, 0, 0, height() - 1);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Press();
    }
}

void ColorSwatch::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool presses = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (pressable_ && presses && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        Press();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace glimtex::gui
