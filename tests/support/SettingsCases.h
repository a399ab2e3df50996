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

// The settings of a fresh start: black single colour, standard shape, no size, no
// background, no link, no face.
inline DecorationSettings FreshSettings() {
    DecorationSettings s;
    s.ColorStyle = QStringLiteral("単色");
    s.StringShape = QStringLiteral("標準");
    s.BackStyle = QStringLiteral("なし");
    s.LinkStyle = QStringLiteral("なし");
    s.FontFace = QStringLiteral("NULL");
    return s;
}

// False when the key names no setting.
inline bool SetSetting(DecorationSettings& s, const QString& key, const QString& value) {
    const std::map<QString, QString*> texts{{QStringLiteral("MainString"), &s.MainString},
                                            {QStringLiteral("ColorStyle"), &s.ColorStyle},
                                            {QStringLiteral("StringShape"), &s.StringShape},
                                            {QStringLiteral("BackStyle"), &s.BackStyle},
                                            {QStringLiteral("BackPicture"), &s.BackPicture},
                                            {QStringLiteral("LinkStyle"), &s.LinkStyle},
                                            {QStringLiteral("LinkData"), &s.LinkData},
                                            {QStringLiteral("FontFace"), &s.FontFace}};
    if (const auto it = texts.find(key); it != texts.end()) {
        *it->second = value;
    } else if (key == u"MojiSize") {
        s.MojiSize = static_cast<int16_t>(value.toInt());
    } else if (key == u"MojiStyle") {
        s.MojiStyle = static_cast<int16_t>(value.toInt());
    } else if (key == u"SpGroup") {
        const QStringList flags = value.split(u',');
        for (qsizetype k = 0; k < 4 && k < flags.size(); ++k) {
            s.SpGroup[k] = static_cast<int16_t>(flags[k].trimmed().toInt());
        }
    } else if (key == u"ColorData0") {
        s.ColorData[0] = TripleOf(value);
    } else if (key == u"ColorData1") {
        s.ColorData[1] = TripleOf(value);
    } else if (key == u"BackColorData") {
        s.BackColorData = TripleOf(value);
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
