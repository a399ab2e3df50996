#include "gui/GradientDetailsView.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/GradientDetailsState.h"
#include "core/StyleNames.h"
#include "gui/AccessibleNames.h"
#include "gui/ColorStrip.h"
#include "gui/Look.h"
#include "gui/Twips.h"
#include "gui/WidgetSync.h"

namespace glimtex::gui {

namespace {

// The columns of the list: the stop's number beside its swatch, then R, G and B.
constexpr int kColumnCount = 4;

// A small square of the stop's colour with a dark border, for the list's first column.
QIcon SwatchIcon(const ColorTriple& rgb, int side) {
    QPixmap picture(side, side);
    picture.fill(FromPacked(PackColor(rgb)));
    QPainter painter(&picture);
    painter.setPen(QColor(64, 64, 64));
    painter.drawRect(0, 0, side - 1, side - 1);
    return QIcon(picture);
}

QPushButton* MakeButton(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

GradientDetailsView::GradientDetailsView(GradientDetailsState& state, QWidget* parent)
    : StateDialog(state, kToolWindowFlags, parent), state_(&state) {
    OnAccept([this] { state_->Confirm(); });
    // Esc, "キャンセル" and the close box all leave everything as it was.
    OnReject([this] { state_->Cancel(); });
    SetUpWindow(*this, QStringLiteral("GradientDetailsForm"), GradientDetailsText::kCaption);

    strip_ = new ColorStrip(this);
    strip_->setObjectName(QStringLiteral("GradientStrip"));
    strip_->setFixedHeight(TwipsToPixels(375));
    Describe(*strip_, GradientDetailsText::kStripName);

    auto* ok = MakeButton(GradientDetailsText::kOk, QStringLiteral("OK_Button"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &GradientDetailsView::accept);
    auto* cancel = MakeButton(GradientDetailsText::kCancel, QStringLiteral("Cancel_Button"), this);
    connect(cancel, &QPushButton::clicked, this, &GradientDetailsView::reject);
    auto* answers = new QHBoxLayout;
    answers->addStretch();
    answers->addWidget(ok);
    answers->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildStops());
    layout->addWidget(BuildSpace());
    layout->addWidget(strip_);
    layout->addLayout(answers);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab runs from the list through its buttons, the space and the answers.
    QWidget* previous = list_;
    for (QWidget* next : std::initializer_list<QWidget*>{add_, remove_, moveUp_, moveDown_,
                                                         setColor_, rgb_, oklab_, ok, cancel}) {
        setTabOrder(previous, next);
        previous = next;
    }

    connect(&state, &GradientDetailsState::changed, this, &GradientDetailsView::Refresh);
    Refresh();
    list_->setFocus();
}

QWidget* GradientDetailsView::BuildStops() {
    // Alt+L moves to the list, Alt+M to the colour space.
    auto* frame = new QGroupBox(GradientDetailsText::kStops + QStringLiteral("(&L)"), this);
    frame->setObjectName(QStringLiteral("StopFrame"));

    list_ = new QTreeWidget(frame);
    list_->setObjectName(QStringLiteral("StopList"));
    Describe(*list_, GradientDetailsText::kStops, GradientDetailsText::kListPurpose);
    list_->setColumnCount(kColumnCount);
    list_->setHeaderLabels({GradientDetailsText::kColorColumn, QStringLiteral("R"),
                            QStringLiteral("G"), QStringLiteral("B")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setIconSize(QSize(TwipsToPixels(255), TwipsToPixels(255)));
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(QHeaderView::Fixed);
    list_->setColumnWidth(0, TwipsToPixels(900));
    for (int column = 1; column < kColumnCount; ++column) {
        list_->setColumnWidth(column, TwipsToPixels(600));
    }
    // Room for eight rows; a longer list scrolls.
    list_->setFixedSize(
        TwipsToPixels(900 + 3 * 600) + 2 * list_->frameWidth() + 20,
        list_->header()->sizeHint().height() + 8 * TwipsToPixels(300) + 2 * list_->frameWidth());
    list_->installEventFilter(this);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (state_ && item) state_->Select(list_->indexOfTopLevelItem(item));
    });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (!state_) return;
        state_->Select(list_->indexOfTopLevelItem(item));
        state_->EditSelectedColor();
    });

    add_ = MakeButton(GradientDetailsText::kAdd, QStringLiteral("AddStopButton"), frame);
    remove_ = MakeButton(GradientDetailsText::kRemove, QStringLiteral("RemoveStopButton"), frame);
    moveUp_ = MakeButton(GradientDetailsText::kMoveUp, QStringLiteral("MoveUpButton"), frame);
    moveDown_ = MakeButton(GradientDetailsText::kMoveDown, QStringLiteral("MoveDownButton"), frame);
    setColor_ = MakeButton(GradientDetailsText::kSetColor, QStringLiteral("SetColorButton"), frame);
    connect(add_, &QPushButton::clicked, this, [this] { state_->Add(); });
    connect(remove_, &QPushButton::clicked, this, [this] { state_->Remove(); });
    connect(moveUp_, &QPushButton::clicked, this, [this] { state_->MoveUp(); });
    connect(moveDown_, &QPushButton::clicked, this, [this] { state_->MoveDown(); });
    connect(setColor_, &QPushButton::clicked, this, [this] { state_->EditSelectedColor(); });

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {add_, remove_, moveUp_, moveDown_}) buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(setColor_);
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    return frame;
}

QWidget* GradientDetailsView::BuildSpace() {
    auto* frame = new QGroupBox(GradientDetailsText::kSpace + QStringLiteral("(&M)"), this);
    frame->setObjectName(QStringLiteral("SpaceFrame"));
    rgb_ = new QRadioButton(StyleNames::Of(GradientSpace::Rgb), frame);
    rgb_->setObjectName(QStringLiteral("RgbSpaceButton"));
    oklab_ = new QRadioButton(StyleNames::Of(GradientSpace::Oklab), frame);
    oklab_->setObjectName(QStringLiteral("OklabSpaceButton"));
    auto* group = new QButtonGroup(frame);
    group->addButton(rgb_);
    group->addButton(oklab_);
    connect(rgb_, &QRadioButton::clicked, this,
            [this] { state_->ChooseSpace(GradientSpace::Rgb); });
    connect(oklab_, &QRadioButton::clicked, this,
            [this] { state_->ChooseSpace(GradientSpace::Oklab); });
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(rgb_);
    layout->addWidget(oklab_);
    layout->addStretch();
    return frame;
}

bool GradientDetailsView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress && state_) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            state_->EditSelectedColor();
            return true;
        }
    }
    return StateDialog::eventFilter(watched, event);
}

void GradientDetailsView::Refresh() {
    if (!state_) return;
    RefreshRows();
    add_->setEnabled(state_->CanAdd());
    remove_->setEnabled(state_->CanRemove());
    moveUp_->setEnabled(state_->CanMoveUp());
    moveDown_->setEnabled(state_->CanMoveDown());
    SyncChecked(rgb_, state_->Space() == GradientSpace::Rgb);
    SyncChecked(oklab_, state_->Space() == GradientSpace::Oklab);
    ColorStrip::Rectangles rectangles{};
    const auto colors = state_->StripColors();
    for (size_t k = 0; k < colors.size(); ++k) rectangles[k] = PackColor(colors[k]);
    strip_->SetRectangles(rectangles);
}

void GradientDetailsView::RefreshRows() {
    const QSignalBlocker block(list_);
    while (list_->topLevelItemCount() > state_->StopCount()) {
        delete list_->takeTopLevelItem(list_->topLevelItemCount() - 1);
    }
    while (list_->topLevelItemCount() < state_->StopCount()) {
        auto* item = new QTreeWidgetItem(list_);
        for (int column = 1; column < kColumnCount; ++column) {
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    for (int row = 0; row < state_->StopCount(); ++row) {
        const ColorTriple rgb = state_->StopColor(row);
        QTreeWidgetItem* item = list_->topLevelItem(row);
        item->setIcon(0, SwatchIcon(rgb, list_->iconSize().height()));
        item->setText(0, QString::number(row + 1));
        for (int k = 0; k < 3; ++k) {
            item->setText(k + 1, QString::number(rgb[static_cast<size_t>(k)]));
        }
    }
    QTreeWidgetItem* selected = list_->topLevelItem(state_->Selected());
    list_->setCurrentItem(selected);
    list_->scrollToItem(selected);
}

}  // namespace glimtex::gui
