#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <array>

#include "app/WindowKind.h"
#include "core/DecorationSettings.h"
#include "engine/ColorMapStrip.h"

namespace glimtex {

class Program;

// "グラデーションの詳細": the stops of the gradation, 2 to kMaxColorStops of them, in
// the order they run, and the colour space they are mixed in. The window edits a copy
// of the settings' stops: "OK" stores the list and the space into the form at once
// (its swatches, its strip and the preview follow); "キャンセル" leaves everything as
// it was. One stop is always selected; the buttons act on it.
class GradientDetailsState : public QObject {
    Q_OBJECT
  public:
    static constexpr WindowKind kKind = WindowKind::GradientDetails;

    explicit GradientDetailsState(Program& program);

    // Load (run by Program on first show): the stops and the space of the settings,
    // the first stop selected.
    void Load();
    // Unload: a colour mixer still open on one of the stops closes with the window,
    // since it has nowhere left to store.
    void Unload();

    int StopCount() const { return static_cast<int>(stops_.size()); }
    ColorTriple StopColor(int index) const;
    QList<ColorTriple> Stops() const;
    int Selected() const { return selected_; }
    GradientSpace Space() const { return space_; }
    // The gradation of the edited stops in the chosen space, as the main window's
    // strip would show it.
    std::array<ColorTriple, kStripRectangles> StripColors() const;

    bool CanAdd() const { return StopCount() < kMaxColorStops; }
    bool CanRemove() const { return StopCount() > 2; }
    bool CanMoveUp() const { return selected_ > 0; }
    bool CanMoveDown() const { return selected_ + 1 < StopCount(); }

    // Selects a stop; an index outside the list changes nothing.
    void Select(int index);
    // "追加": a stop after the selected one, which it selects. It takes the colour the
    // gradation shows halfway between the selected stop and the next, so that the run
    // keeps its look; after the last stop it repeats the last colour. Nothing at
    // kMaxColorStops.
    void Add();
    // "削除": the selected stop goes (and a colour mixer open on it closes) and the stop
    // that takes its place is selected (the new last stop when the last went). Nothing
    // at two stops.
    void Remove();
    // "上へ" and "下へ": the selected stop changes places with its neighbour and stays
    // selected. Nothing at either end.
    void MoveUp();
    void MoveDown();
    void ChooseSpace(GradientSpace space);

    // "色の設定…": opens the colour mixer on the selected stop.
    void EditSelectedColor();
    // The mixer's "設定" for the stop with the given key; nothing for a key no stop has.
    void StoreStopColor(int stopKey, const ColorTriple& rgb);

    // "OK": the stops and the space go to the form, and the window closes.
    void Confirm();
    // "キャンセル" and the close box: the window closes; nothing else changes.
    void Cancel();

  signals:
    // The list, the selection or the space changed.
    void changed();

  private:
    // A stop with the key the mixer knows it by, which stays with it when it moves.
    struct Stop {
        int key = 0;
        ColorTriple color{};
    };

    void Swap(int other);
    void Close();

    Program& program_;
    QList<Stop> stops_;
    int selected_ = 0;
    int nextKey_ = 0;
    GradientSpace space_ = GradientSpace::Rgb;
};

// What the window shows besides its state.
namespace GradientDetailsText {
inline const QString kCaption = QStringLiteral("グラデーションの詳細");
inline const QString kStops = QStringLiteral("色の並び");
inline const QString kColorColumn = QStringLiteral("色");
inline const QString kAdd = QStringLiteral("追加");
inline const QString kRemove = QStringLiteral("削除");
inline const QString kMoveUp = QStringLiteral("上へ");
inline const QString kMoveDown = QStringLiteral("下へ");
inline const QString kSetColor = QStringLiteral("色の設定…");
inline const QString kSpace = QStringLiteral("色の混ぜ方");
// What screen readers are told of the list and of the strip below it.
inline const QString kListPurpose = QStringLiteral("上から順に並ぶ色。Enterで色を設定します");
inline const QString kStripName = QStringLiteral("グラデーションの見本");
inline const QString kOk = QStringLiteral("OK");
inline const QString kCancel = QStringLiteral("キャンセル");
}  // namespace GradientDetailsText

}  // namespace glimtex
