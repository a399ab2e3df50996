#pragma once

#include <QList>
#include <QString>

#include "core/DecorationSettings.h"

namespace glimtex {

// One printed line of the confirmation board.
struct SummaryLine {
    QString text;
    bool red = false;
    bool operator==(const SummaryLine&) const = default;
};

// The lines the confirmation board prints, in order, for the given settings.
QList<SummaryLine> BoardSummary(const DecorationSettings& s);

}  // namespace glimtex
