#pragma once

// Settings cases kept in text files: "== name" starts a case, "key: value" lines set
// the settings that differ from a fresh start, and any other key is kept as a text
// of the case (an expected text, or an input such as a macro); a key given on several
// lines holds those lines joined by "\n". Lines starting with "#" are comments.
#include <QFile>
#include <QStringList>
#include <map>
#include <vector>

#include "core/DecorationSettings.h"
#include "core/StyleNames.h"

namespace glimtex::testing {

struct SettingsCase {
    QString name;
    DecorationSettings settings;
    std::map<QString, QString> expected;  // e.g. "html", "legacy", "macro"
};

inline ColorTriple TripleOf(const QString& text) {
    const QStringList parts = text.split(u',');
    ColorTriple rgb{};
    for (qsizetype k = 0; k < 3 && k < parts.size(); ++k) {
        rgb[k] = static_cast<int16_t>(parts[k].trimmed().toInt());
    }
    return rgb;
}

// The settings of a fresh start: black single color, standard shape, no size, no
// background, no link, no face.
inline DecorationSettings FreshSettings() {
    DecorationSettings s;
    s.colorStyle = ColorStyle::Single;
    s.shape = SizeShape::Standard;
    s.background = Background::None;
    s.link = LinkStyle::None;
    s.face = StyleNames::kNoFace;
    return s;
}

// False when the key names no setting. The keys are the names of the macro
// statements; the style texts are those of the lists, read through StyleNames.
inline bool SetSetting(DecorationSettings& s, const QString& key, const QString& value) {
    const std::map<QString, QString*> texts{{QStringLiteral("MainString"), &s.text},
                                            {QStringLiteral("BackPicture"), &s.backgroundPicture},
                                            {QStringLiteral("LinkData"), &s.linkAddress},
                                            {QStringLiteral("FontFace"), &s.face}};
    if (const auto it = texts.find(key); it != texts.end()) {
        *it->second = value;
    } else if (key == u"ColorStyle") {
        StyleNames::StoreColorStyle(s, value);
    } else if (key == u"StringShape") {
        StyleNames::StoreShape(s, value);
    } else if (key == u"BackStyle") {
        StyleNames::StoreBackground(s, value);
    } else if (key == u"LinkStyle") {
        s.link = StyleNames::LinkNamed(value);
    } else if (key == u"MojiSize") {
        s.size = static_cast<int16_t>(value.toInt());
    } else if (key == u"MojiStyle") {
        // The index of the option button: 0 normal, 1 superscript, 2 subscript.
        const int index = value.toInt();
        s.position = index == 1   ? Position::Superscript
                     : index == 2 ? Position::Subscript
                                  : Position::Normal;
    } else if (key == u"SpGroup") {
        // Bold, italic, underline, strike-through; a flag is set by exactly 1.
        const QStringList flags = value.split(u',');
        const auto flag = [&flags](qsizetype k) {
            return k < flags.size() && flags[k].trimmed().toInt() == 1;
        };
        s.emphasis = Emphasis{flag(0), flag(1), flag(2), flag(3)};
    } else if (key == u"ColorData0") {
        s.colors[0] = TripleOf(value);
    } else if (key == u"ColorData1") {
        s.colors[1] = TripleOf(value);
    } else if (key == u"ColorStop") {
        // One more stop of the gradation, after those given so far.
        s.moreStops.append(TripleOf(value));
    } else if (key == u"ColorSpace") {
        s.gradientSpace = StyleNames::GradientSpaceNamed(value).value_or(GradientSpace::Rgb);
    } else if (key == u"BackColorData") {
        s.backgroundColor = TripleOf(value);
    } else if (key == u"OutputFormat") {
        s.format = FormatNamed(value).value_or(FragmentFormat::Html);
    } else {
        return false;
    }
    return true;
}

// The cases of a UTF-8 file; empty when it cannot be read.
inline std::vector<SettingsCase> ReadSettingsCases(const QString& path) {
    QFile file(path);
    std::vector<SettingsCase> cases;
    if (!file.open(QIODevice::ReadOnly)) return cases;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (QString line : lines) {
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        if (line.startsWith(QStringLiteral("== "))) {
            cases.push_back(SettingsCase{line.mid(3), FreshSettings(), {}});
            continue;
        }
        const qsizetype colon = line.indexOf(u':');
        if (colon < 0 || cases.empty()) continue;
        const QString key = line.left(colon);
        QString value = line.mid(colon + 1);
        if (value.startsWith(u' ')) value.remove(0, 1);
        if (SetSetting(cases.back().settings, key, value)) continue;
        const auto [text, first] = cases.back().expected.try_emplace(key, value);
        if (!first) text->second += u'\n' + value;
    }
    return cases;
}

}  // namespace glimtex::testing
