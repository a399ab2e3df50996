#include "gui/MainWindowView.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <tuple>

#include <QSignalBlocker>
#include "app/MainWindowState.h"
#include "app/Program.h"
#include "app/TextEditorLauncher.h"
#include "gui/AccessibleNames.h"
#include "gui/ColorStrip.h"
#include "gui/ColorSwatch.h"
#include "gui/EditableCombo.h"
#include "gui/Look.h"
#include "gui/PreviewLetterView.h"
#include "gui/Twips.h"
#include "gui/WidgetSync.h"
#include "gui/WindowSystemLimits.h"

namespace glimtex::gui {

namespace {

// The window is 6750 x 5250 twips from edge to edge; what lies inside the frame,
// the caption and the menu bar is this client area.
constexpr int kClientWidth = 6630;
constexpr int kClientHeight = 4560;

const QColor kDarkGreen(0, 64, 0);
const QColor kDarkBlue(0, 0, 128);

// The six panels: the caption of each panel button and frame, and what the panel sets
// (written at the top of the panel, and told by screen readers of its button).
const char* const kPanelCaptions[6] = {"文字", "修飾", "色", "形状", "背景", "リンク"};
const char* const kPanelPurposes[6] = {"文字自体を設定します",   "文字の外観を設定します",
                                       "文字の色を設定します",   "文字の形状を設定します",
                                       "文字の背景を設定します", "文字にリンクを設定します"};

QString Indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    return label;
}

QLineEdit* MakeLineEdit(QWidget* parent, const QString& name, const QRect& place) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(place);
    return edit;
}

}  // namespace

QSize MainWindowView::ClientSize() { return TwipSize(kClientWidth, kClientHeight); }

MainWindowView::MainWindowView(Program& program, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      program_(program),
      state_(program.MainWindow()) {
    SetUpWindow(*this, QStringLiteral("MainForm"), QStringLiteral("Glimtex"));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("MainClient"));
    client->setFixedSize(ClientSize());
    setCentralWidget(client);
    BuildControls(client);
    BuildMenus();
    FitToWindowSystem(QGuiApplication::platformName());
    // The layout is laid out once; the window keeps this size whatever is dragged.
    adjustSize();
    setFixedSize(sizeHint());
    connect(&state_, &MainWindowState::changed, this, [this] { refresh_.Request(); });
    Refresh();
}

void MainWindowView::BuildControls(QWidget* client) {
    auto* line0 = MakeLabel(
        client, Indexed("StaticLabel", 0),
        QStringLiteral("　このツールを使用すればHTMLによるさまざまな文字表現ができます！"),
        TwipRect(120, 120, 6375, 255));
    auto* line1 = MakeLabel(client, Indexed("StaticLabel", 1),
                            QStringLiteral("Glimtexをたくさん使ってやってくださいね"),
                            TwipRect(120, 360, 6375, 255));
    SetTextColor(*line0, kDarkGreen);
    SetTextColor(*line1, kDarkGreen);

    // Alt+E comes back to the line from anywhere in the window.
    auto* staticFrame = new QGroupBox(QStringLiteral("対象の文字列(&E)"), client);
    staticFrame->setObjectName(QStringLiteral("StaticFrame"));
    staticFrame->setGeometry(TwipRect(120, 840, 6375, 975));
    StyleAsFrame(*staticFrame);
    editBox_ = MakeLineEdit(staticFrame, QStringLiteral("EditBox"), TwipRect(240, 360, 5895, 345));
    editBox_->setFont(UiFont(12));
    Describe(*editBox_, QStringLiteral("対象の文字列"), QStringLiteral("HTMLで装飾する文字列"));
    connect(editBox_, &QLineEdit::textChanged, this,
            [this](const QString& text) { state_.Form().SetText(text); });

    for (int i = 0; i < 6; ++i) {
        auto* button = new QPushButton(QString::fromUtf8(kPanelCaptions[i]), client);
        button->setObjectName(Indexed("CommandButton", i));
        Describe(*button, button->text(), QString::fromUtf8(kPanelPurposes[i]));
        button->setGeometry(TwipRect(120 + 1080 * i, 2040, 975, 255));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] { state_.ShowPanel(i); });
    }
    BuildPanels(client);
}

void MainWindowView::BuildPanels(QWidget* client) {
    for (int i = 0; i < 6; ++i) {
        auto* frame = new QGroupBox(QString::fromUtf8(kPanelCaptions[i]), client);
        frame->setObjectName(Indexed("CodeFrame", i));
        frame->setGeometry(TwipRect(120, 2520, 6375, i == 3 ? 1935 : 1815));
        StyleAsFrame(*frame);
        auto* purpose =
            MakeLabel(frame, Indexed("DataLabel", i), QString::fromUtf8(kPanelPurposes[i]),
                      TwipRect(240, 240, 3855, 255));
        SetTextColor(*purpose, kDarkBlue);
        codeFrames_[static_cast<size_t>(i)] = frame;
    }
    BuildTextPanel(codeFrames_[0]);
    BuildDecorationPanel(codeFrames_[1]);
    BuildColorPanel(codeFrames_[2]);
    BuildShapePanel(codeFrames_[3]);
    BuildBackPanel(codeFrames_[4]);
    BuildLinkPanel(codeFrames_[5]);
}

QComboBox* MainWindowView::MakeCombo(QWidget* parent, const QString& name, const QRect& place,
                                     const std::function<void(const QString&)>& setText,
                                     const std::function<void()>& select) {
    QComboBox* combo = new EditableCombo(parent, name);
    combo->setGeometry(place);
    connect(combo, &QComboBox::editTextChanged, this, setText);
    // A pick from the list runs the style's selector.
    connect(combo, &QComboBox::activated, this, [combo, setText, select](int index) {
        setText(combo->itemText(index));
        if (select) select();
    });
    return combo;
}

void MainWindowView::BuildTextPanel(QGroupBox* frame) {
    auto* sizeLabel = MakeLabel(frame, QStringLiteral("Moji_Label"),
                                QStringLiteral("基本文字サイズ"), TwipRect(240, 600, 1335, 255));
    sizeCombo_ = MakeCombo(
        frame, QStringLiteral("MojiSizeCombo"), TwipRect(1680, 600, 615, 300),
        [this](const QString& text) { state_.Form().SetSizeText(text); }, nullptr);
    LabelFor(*sizeLabel, *sizeCombo_, QStringLiteral("1から7、0は指定なし"));
    auto* fontLabel = MakeLabel(frame, QStringLiteral("FontSelect_Label"),
                                QStringLiteral("使用フォント"), TwipRect(2520, 600, 1095, 255));
    fontSelectCombo_ = MakeCombo(
        frame, QStringLiteral("FontSelectCombo"), TwipRect(3720, 600, 2415, 315),
        [this](const QString& text) { state_.Form().SetFaceText(text); }, nullptr);
    LabelFor(*fontLabel, *fontSelectCombo_, QStringLiteral("NULLは指定なし"));
    static const char* const kPositions[3] = {"標準", "上付文字", "下付文字"};
    auto* group = new QButtonGroup(frame);
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(kPositions[i]), frame);
        option->setObjectName(Indexed("OptionGroup", i));
        option->setGeometry(TwipRect(240, 960 + 240 * i, 2055, 255));
        group->addButton(option, i);
        connect(option, &QRadioButton::clicked, this,
                [this, i] { state_.Form().ChoosePosition(i); });
        optionGroup_[static_cast<size_t>(i)] = option;
    }
}

void MainWindowView::BuildDecorationPanel(QGroupBox* frame) {
    static const char* const kCaptions[4] = {"太字", "斜体", "アンダーライン", "削除線"};
    for (int i = 0; i < 4; ++i) {
        auto* check = new QCheckBox(QString::fromUtf8(kCaptions[i]), frame);
        check->setObjectName(Indexed("SpGroup_Check", i));
        check->setGeometry(TwipRect(240, 600 + 240 * i, i == 2 ? 1575 : 1335, 255));
        connect(check, &QCheckBox::toggled, this,
                [this, i](bool checked) { state_.Form().SetEmphasisChecked(i, checked); });
        spGroupCheck_[static_cast<size_t>(i)] = check;
    }
}

void MainWindowView::BuildColorPanel(QGroupBox* frame) {
    auto* styleLabel = MakeLabel(frame, QStringLiteral("ColorStyle_Label"),
                                 QStringLiteral("色スタイル"), TwipRect(240, 600, 975, 255));
    // Wide enough for its longest entry, "グラデーション", with the swatches beside it.
    colorStyleCombo_ = MakeCombo(
        frame, QStringLiteral("ColorStyleCombo"), TwipRect(1320, 600, 1695, 300),
        [this](const QString& text) { state_.Form().SetColorStyleText(text); },
        [this] { state_.Form().ApplyColorStyle(); });
    LabelFor(*styleLabel, *colorStyleCombo_);
    static const char* const kSwatchNames[2] = {"1番目の色", "2番目の色"};
    for (int i = 0; i < 2; ++i) {
        auto* swatch = new ColorSwatch(frame);
        swatch->setObjectName(Indexed("ColorBox", i));
        swatch->setGeometry(TwipRect(3240 + 360 * i, 600, 255, 255));
        Describe(*swatch, QString::fromUtf8(kSwatchNames[i]));
        connect(swatch, &ColorSwatch::clicked, this, [this, i] { emit colorBoxClicked(i); });
        colorBox_[static_cast<size_t>(i)] = swatch;
    }
    changeButton_ = new QPushButton(QStringLiteral("←→"), frame);
    changeButton_->setObjectName(QStringLiteral("ChangeButton"));
    changeButton_->setGeometry(TwipRect(3240, 960, 615, 225));
    changeButton_->setToolTip(QStringLiteral("色を入れ替える"));
    Describe(*changeButton_, changeButton_->toolTip());
    changeButton_->setAutoDefault(false);
    connect(changeButton_, &QPushButton::clicked, this, [this] { state_.Form().SwapColors(); });
    gradientDetailsButton_ = new QPushButton(QStringLiteral("…"), frame);
    gradientDetailsButton_->setObjectName(QStringLiteral("GradientDetailsButton"));
    gradientDetailsButton_->setToolTip(QStringLiteral("グラデーションの詳細"));
    Describe(*gradientDetailsButton_, gradientDetailsButton_->toolTip());
    gradientDetailsButton_->setGeometry(TwipRect(3960, 600, 375, 255));
    gradientDetailsButton_->setAutoDefault(false);
    connect(gradientDetailsButton_, &QPushButton::clicked, this,
            [this] { state_.EditGradientDetails(); });
    colorMap_ = new ColorStrip(frame);
    colorMap_->setObjectName(QStringLiteral("ColorMap"));
    colorMap_->setGeometry(TwipRect(240, 1320, 3495, 375));
    Describe(*colorMap_, QStringLiteral("グラデーションの見本"));
    // Tab runs as the controls stand: the swatches, "…" right of them, then "←→" below.
    setTabOrder(colorBox_[1], gradientDetailsButton_);
    setTabOrder(gradientDetailsButton_, changeButton_);
}

void MainWindowView::BuildShapePanel(QGroupBox* frame) {
    auto* shapeLabel = MakeLabel(frame, QStringLiteral("Shape_Label"), QStringLiteral("文字の形状"),
                                 TwipRect(240, 720, 975, 255));
    shapeCombo_ = MakeCombo(
        frame, QStringLiteral("MojiShapeCombo"), TwipRect(1320, 720, 1935, 300),
        [this](const QString& text) { state_.Form().SetShapeText(text); },
        [this] { state_.Form().ApplyShape(); });
    LabelFor(*shapeLabel, *shapeCombo_, QStringLiteral("文字ごとの大きさの並び"));
    static const char* const kLetters[7] = {"G", "L", "I", "M", "T", "E", "X"};
    for (int i = 0; i < 7; ++i) {
        auto* letter = new PreviewLetterView(QString::fromUtf8(kLetters[i]), frame);
        letter->setObjectName(Indexed("TestLabel", i));
        letter->setGeometry(TwipRect(240 + 360 * i, 1200, 375, 495));
        testLabel_[static_cast<size_t>(i)] = letter;
    }
}

void MainWindowView::BuildBackPanel(QGroupBox* frame) {
    auto* styleLabel = MakeLabel(frame, QStringLiteral("BackStyle_Label"),
                                 QStringLiteral("背景スタイル"), TwipRect(240, 600, 1215, 255));
    backStyleCombo_ = MakeCombo(
        frame, QStringLiteral("BackStyleCombo"), TwipRect(1560, 600, 1455, 300),
        [this](const QString& text) { state_.Form().SetBackgroundStyleText(text); },
        [this] { state_.Form().ApplyBackgroundStyle(); });
    LabelFor(*styleLabel, *backStyleCombo_);
    backColorBox_ = new ColorSwatch(frame);
    backColorBox_->setObjectName(QStringLiteral("BackColorBox"));
    backColorBox_->setGeometry(TwipRect(3360, 600, 255, 255));
    Describe(*backColorBox_, QStringLiteral("背景色"));
    connect(backColorBox_, &ColorSwatch::clicked, this, [this] { emit backColorBoxClicked(); });
    backPictureLabel_ = MakeLabel(frame, QStringLiteral("BackPicture_Label"),
                                  QStringLiteral("画像情報"), TwipRect(240, 1080, 855, 255));
    backPictureEdit_ =
        MakeLineEdit(frame, QStringLiteral("BackPictureEdit"), TwipRect(1200, 1080, 4935, 315));
    backPictureEdit_->setFont(MonospacedFont(9.75));
    LabelFor(*backPictureLabel_, *backPictureEdit_, QStringLiteral("背景にする画像のアドレス"));
    connect(backPictureEdit_, &QLineEdit::textChanged, this,
            [this](const QString& text) { state_.Form().SetBackgroundPictureText(text); });
}

void MainWindowView::BuildLinkPanel(QGroupBox* frame) {
    auto* styleLabel = MakeLabel(frame, QStringLiteral("LinkStyle_Label"),
                                 QStringLiteral("設定情報"), TwipRect(240, 600, 1215, 255));
    linkStyleCombo_ = MakeCombo(
        frame, QStringLiteral("LinkStyleCombo"), TwipRect(1560, 600, 1455, 300),
        [this](const QString& text) { state_.Form().SetLinkStyleText(text); },
        [this] { state_.Form().ApplyLinkStyle(); });
    LabelFor(*styleLabel, *linkStyleCombo_, QStringLiteral("リンクを付けるかどうか"));
    linkDataLabel_ = MakeLabel(frame, QStringLiteral("LinkData_Label"), QStringLiteral("リンク先"),
                               TwipRect(240, 1200, 855, 255));
    linkDataEdit_ =
        MakeLineEdit(frame, QStringLiteral("LinkDataEdit"), TwipRect(1200, 1200, 4935, 315));
    linkDataEdit_->setFont(MonospacedFont(9.75));
    LabelFor(*linkDataLabel_, *linkDataEdit_, QStringLiteral("リンク先のアドレス"));
    connect(linkDataEdit_, &QLineEdit::textChanged, this,
            [this](const QString& text) { state_.Form().SetLinkAddressText(text); });
}

void MainWindowView::BuildMenus() {
    auto addMenu = [this](const QString& name, const QString& title) {
        QMenu* menu = menuBar()->addMenu(title);
        menu->setObjectName(name);
        return menu;
    };
    auto addItem = [this](QMenu* menu, const QString& name, const QString& text, auto handler) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu* file = addMenu(QStringLiteral("File_Menu"), QStringLiteral("ファイル(&F)"));
    addItem(file, QStringLiteral("NewData_File"), QStringLiteral("新規作成"),
            [this] { state_.Form().Reset(); });
    addItem(file, QStringLiteral("End_File"), QStringLiteral("終了"), [this] { close(); });

    QMenu* tool = addMenu(QStringLiteral("Tool_Menu"), QStringLiteral("ツール(&T)"));
    addItem(tool, QStringLiteral("Macro_Tool"), QStringLiteral("マクロ入力"),
            [this] { emit macroPickerRequested(); });
    addItem(tool, QStringLiteral("Preview_Tool"), QStringLiteral("プレビュー"),
            [this] { emit previewRequested(); });

    QMenu* run = addMenu(QStringLiteral("RunMenu"), QStringLiteral("実行(&R)"));
    addItem(run, QStringLiteral("CodeCreate_Run"), QStringLiteral("ソースの作成"),
            [this] { state_.CreateSource(); });
    addItem(run, QStringLiteral("CodePlus_Run"), QStringLiteral("ドッキング"),
            [this] { state_.Dock(); });
    run->addSeparator()->setObjectName(QStringLiteral("Static_Run"));
    addItem(run, QStringLiteral("NotepadShow_Run"), QStringLiteral("Notepadの起動"),
            [this] { StartTextEditor(program_); });

    QMenu* set = addMenu(QStringLiteral("SetMenu"), QStringLiteral("設定(&S)"));
    frontWindowAction_ =
        addItem(set, QStringLiteral("FrontWindow_Set"), QStringLiteral("常に手前にする"),
                [this] { state_.ToggleKeepOnTop(); });
    frontWindowAction_->setCheckable(true);
    // An item the window system cannot carry out says why in its tooltip.
    set->setToolTipsVisible(true);

    // The kind of markup the runs write: one of four, as radio items of a submenu.
    QMenu* format = set->addMenu(QStringLiteral("出力形式"));
    format->setObjectName(QStringLiteral("OutputFormat_Set"));
    auto* formats = new QActionGroup(format);
    formats->setExclusive(true);
    const std::array<std::tuple<const char*, QString, FragmentFormat>, 4> items{
        std::tuple{"HtmlFormat_Set", QStringLiteral("HTML"), FragmentFormat::Html},
        std::tuple{"LegacyFormat_Set", QStringLiteral("HTML（旧形式）"), FragmentFormat::Legacy},
        std::tuple{"CssFormat_Set", QStringLiteral("CSS"), FragmentFormat::Css},
        std::tuple{"BbcodeFormat_Set", QStringLiteral("BBCode"), FragmentFormat::Bbcode}};
    for (const auto& [name, label, chosen] : items) {
        QAction* action = addItem(format, QString::fromLatin1(name), label,
                                  [this, picked = chosen] { state_.ChooseOutputFormat(picked); });
        action->setCheckable(true);
        action->setChecked(chosen == FragmentFormat::Html);
        formats->addAction(action);
        formatActions_.emplace_back(action, chosen);
    }
}

void MainWindowView::FitToWindowSystem(const QString& platformName) {
    const QString reason = KeepOnTopUnavailableReason(platformName);
    frontWindowAction_->setEnabled(reason.isEmpty());
    frontWindowAction_->setToolTip(reason);
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    emit closing();
    event->accept();
}

void MainWindowView::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    emit moved();
}

// ---- Drawing the state ----
namespace {

void SyncLetter(PreviewLetterView* label, const PreviewLetter& letter) {
    const QFont font = UiFont(letter.fontSize);
    if (label->font() != font) label->setFont(font);
    const int top = TwipsToPixels(letter.top);
    if (label->y() != top) label->move(label->x(), top);
}

}  // namespace

void MainWindowView::Refresh() {
    const FormControls& c = state_.Controls();
    Sync(editBox_, c.EditBox);
    Sync(sizeCombo_, c.MojiSizeCombo);
    Sync(fontSelectCombo_, c.FontSelectCombo);
    for (size_t i = 0; i < optionGroup_.size(); ++i) SyncChecked(optionGroup_[i], c.OptionGroup[i]);
    for (size_t i = 0; i < spGroupCheck_.size(); ++i) {
        SyncChecked(spGroupCheck_[i], c.SpGroup_Check[i]);
    }
    Sync(colorStyleCombo_, c.ColorStyleCombo);
    for (size_t i = 0; i < colorBox_.size(); ++i) {
        colorBox_[i]->SetColor(c.ColorBox[i].color);
        SyncVisible(colorBox_[i], c.ColorBox[i].visible);
    }
    SyncVisible(changeButton_, c.ChangeButtonVisible);
    SyncVisible(gradientDetailsButton_, state_.CanEditGradientDetails());
    colorMap_->SetRectangles(c.ColorMap);
    Sync(shapeCombo_, c.MojiShapeCombo);
    for (size_t i = 0; i < testLabel_.size(); ++i) SyncLetter(testLabel_[i], c.TestLabel[i]);
    Sync(backStyleCombo_, c.BackStyleCombo);
    backColorBox_->SetColor(c.BackColorBox.color);
    SyncVisible(backColorBox_, c.BackColorBox.visible);
    SyncVisible(backPictureLabel_, c.BackPictureVisible);
    SyncVisible(backPictureEdit_, c.BackPictureVisible);
    Sync(backPictureEdit_, c.BackPictureEdit);
    Sync(linkStyleCombo_, c.LinkStyleCombo);
    SyncVisible(linkDataLabel_, c.LinkDataVisible);
    SyncVisible(linkDataEdit_, c.LinkDataVisible);
    Sync(linkDataEdit_, c.LinkDataEdit);
    for (size_t i = 0; i < codeFrames_.size(); ++i) {
        SyncVisible(codeFrames_[i], state_.PanelsVisible()[i]);
    }
    RefreshStacking();
    for (const auto& [action, format] : formatActions_) {
        SyncChecked(action, state_.OutputFormat() == format);
    }
}

void MainWindowView::RefreshStacking() {
    const bool onTop = state_.KeepsOnTop();
    SyncChecked(frontWindowAction_, onTop);
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
    // Changing the hint recreates the native window: show it again where it was.
    const bool wasVisible = isVisible();
    const QPoint where = pos();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible) {
        move(where);
        show();
    }
}

}  // namespace glimtex::gui
