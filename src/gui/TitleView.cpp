#include "gui/TitleView.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextDocument>

#include "core/StyleNames.h"
#include "gui/AccessibleNames.h"
#include "gui/AppIcon.h"
#include "gui/Look.h"
#include "gui/Twips.h"
#include "html/HtmlGenerator.h"

namespace glimtex::gui {

namespace {

// The fragment Glimtex itself writes for its name.
QString TitleFragment() {
    DecorationSettings s;
    s.text = QStringLiteral("Glimtex");
    s.size = 7;
    s.emphasis.bold = true;
    s.emphasis.italic = true;
    s.colorStyle = ColorStyle::Gradation;
    s.colors = {ColorTriple{230, 0, 40}, ColorTriple{40, 60, 255}};
    s.shape = SizeShape::Lens;
    s.background = Background::None;
    s.link = LinkStyle::None;
    s.face = StyleNames::kNoFace;
    HtmlGenerator generator;
    generator.Build(s);
    return generator.Fragment();
}

}  // namespace

QImage DrawTitlePicture() {
    QImage image(400, 200, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 200);
    sky.setColorAt(0, QColor(255, 253, 245));
    sky.setColorAt(1, QColor(226, 234, 250));
    painter.fillRect(image.rect(), sky);

    QTextDocument word;
    word.setDefaultFont(UiFont(20));
    word.setHtml(TitleFragment());
    word.setTextWidth(-1);
    const QSizeF size = word.size();
    const qreal scale = std::min(330.0 / size.width(), 120.0 / size.height());
    painter.save();
    painter.translate((400 - size.width() * scale) / 2, 18);
    painter.scale(scale, scale);
    word.drawContents(&painter);
    painter.restore();

    painter.setPen(QColor(60, 60, 90));
    painter.setFont(UiFont(11));
    painter.drawText(QRect(0, 150, 400, 24), Qt::AlignCenter,
                     QStringLiteral("HTMLによる文字表現ツール"));
    painter.drawImage(QPoint(360, 160), DrawAppIcon(32));
    return image;
}

TitleView::TitleView(const QString& codeLabel, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    // No caption text: an empty title would make the desktop show the program's name.
    SetUpFixedWindow(*this, QStringLiteral("TitleForm"), QStringLiteral(" "), 6015, 3570);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("TitlePicture"));
    picture->setPixmap(QPixmap::fromImage(DrawTitlePicture()));
    picture->setGeometry(0, 0, 400, 200);
    Describe(*picture, QStringLiteral("Glimtex　HTMLによる文字表現ツール"));

    auto* ok = new QPushButton(QStringLiteral("開始"), this);
    ok->setObjectName(QStringLiteral("OK_Button"));
    ok->setGeometry(TwipRect(4200, 3120, 1695, 375));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* label = new QLabel(QStringLiteral("製造識別番号 ："), this);
    label->setObjectName(QStringLiteral("StaticLabel"));
    label->setGeometry(TwipRect(120, 3120, 1335, 255));
    auto* code = new QLabel(codeLabel, this);
    code->setObjectName(QStringLiteral("CodeLabel"));
    code->setGeometry(TwipRect(1560, 3120, 2535, 255));
    ok->setFocus();
}

// The main window is shown before the title window goes, so that the program
// never stands without a window.
void TitleView::ReportClosed() {
    if (closedReported_) return;
    closedReported_ = true;
    emit closed();
}

void TitleView::done(int result) {
    ReportClosed();
    QDialog::done(result);
}

void TitleView::closeEvent(QCloseEvent* event) {
    ReportClosed();
    QDialog::closeEvent(event);
}

}  // namespace glimtex::gui
