#include "browser/FragmentSamples.h"

#include <QTemporaryDir>

#include "engine/Engine.h"
#include "engine/RegisteredMacros.h"
#include "engine/Startup.h"
#include "html/HtmlGenerator.h"
#include "support/ProgramFolderCopy.h"
#include "support/RecordingFeedback.h"
#include "support/SettingsCases.h"

namespace glimtex::testing {

namespace {

QString FormatName(FragmentFormat format) {
    switch (format) {
        case FragmentFormat::Html:
            return FormatText::kHtml;
        case FragmentFormat::Legacy:
            return FormatText::kLegacy;
        case FragmentFormat::Css:
            return FormatText::kCss;
        case FragmentFormat::Bbcode:
            return FormatText::kBbcode;
    }
    return {};
}

void AddSettingsSamples(std::vector<FragmentSample>& samples,
                        std::initializer_list<FragmentFormat> formats) {
    for (const SettingsCase& c :
         ReadSettingsCases(QStringLiteral(GLIMTEX_TEST_DATA_DIR "/browser-cases.txt"))) {
        for (const FragmentFormat format : formats) {
            DecorationSettings s = c.settings;
            s.format = format;
            FragmentSample sample{
                c.name + QStringLiteral(" (") + FormatName(format) + u')', {}, {}};
            HtmlGenerator generator;
            generator.RecordInto(&sample.model);
            if (!generator.Build(s)) continue;
            sample.html = generator.Fragment();
            samples.push_back(std::move(sample));
        }
    }
}

void AddBundledSamples(std::vector<FragmentSample>& samples,
                       std::initializer_list<FragmentFormat> formats) {
    QTemporaryDir dir;
    if (!dir.isValid() || !CopyFolder(QStringLiteral(GLIMTEX_DATA_DIR), dir.path())) return;
    RecordingFeedback feedback;
    Engine engine(dir.path(), feedback);
    Startup(engine).Run();
    for (const RegisteredMacro& macro : ReadRegisteredMacros(engine.Folder())) {
        for (const FragmentFormat format : formats) {
            engine.PinOutputFormat(format);
            if (!ApplyRegisteredMacro(engine, macro.file)) continue;
            const QStringList fragments = engine.Collected().Text().split(QStringLiteral("\r\n"));
            const QList<FragmentModel>& models = engine.Collected().Models();
            if (fragments.size() != models.size()) continue;
            for (qsizetype k = 0; k < models.size(); ++k) {
                samples.push_back(FragmentSample{QStringLiteral("%1 %2 (%3)")
                                                     .arg(macro.title)
                                                     .arg(k + 1)
                                                     .arg(FormatName(format)),
                                                 fragments[k], models[k]});
            }
        }
    }
}

}  // namespace

std::vector<FragmentSample> GatherSamples(std::initializer_list<FragmentFormat> formats) {
    std::vector<FragmentSample> samples;
    AddSettingsSamples(samples, formats);
    AddBundledSamples(samples, formats);
    return samples;
}

}  // namespace glimtex::testing
