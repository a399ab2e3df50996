#pragma once

#include <QRegularExpression>
#include <QString>
#include <string>
#include <vector>

#include "core/DecorationSettings.h"
#include "html/HtmlGenerator.h"
#include "support/SettingsCases.h"

namespace glimtex::testing {

// The plain settings of a fresh start: black single colour, standard shape, no size,
// no background, no link, no face.
inline DecorationSettings PlainSettings(const QString& text) {
    DecorationSettings s = FreshSettings();
    s.text = text;
    return s;
}

// The whole fragment as UTF-8, empty when the build fails.
inline std::string Fragment(const DecorationSettings& s) {
    HtmlGenerator generator;
    if (!generator.Build(s)) return {};
    return generator.Fragment().toStdString();
}

// The numbers of every size tag, in order.
inline std::vector<int> SizesOf(const std::string& fragment) {
    static const QRegularExpression sizeTag(QStringLiteral("<Font Size=(-?\\d+)>"));
    std::vector<int> sizes;
    auto it = sizeTag.globalMatch(QString::fromStdString(fragment));
    while (it.hasNext()) sizes.push_back(it.next().captured(1).toInt());
    return sizes;
}

// The text of every colour tag, in order.
inline std::vector<std::string> ColorsOf(const std::string& fragment) {
    static const QRegularExpression colourTag(QStringLiteral("<Font Color=(#[0-9A-F]+)>"));
    std::vector<std::string> colours;
    auto it = colourTag.globalMatch(QString::fromStdString(fragment));
    while (it.hasNext()) colours.push_back(it.next().captured(1).toStdString());
    return colours;
}

}  // namespace glimtex::testing
