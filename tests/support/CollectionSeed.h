#pragma once

#include "engine/Engine.h"
#include "support/SettingsCases.h"

namespace glimtex::testing {

// Leaves one plain fragment of the text in the engine's collection, as an earlier run
// would have, and returns the collection's text.
inline QString SeedCollection(Engine& engine, const QString& text) {
    Collection& collected = engine.Collected();
    collected.Restart();
    DecorationSettings s = FreshSettings();
    s.text = text;
    HtmlGenerator generator;
    collected.Add(generator, s);
    return collected.Text();
}

}  // namespace glimtex::testing
