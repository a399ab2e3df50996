#pragma once

#include <QString>
#include <initializer_list>
#include <vector>

#include "core/FragmentFormat.h"
#include "html/FragmentModel.h"

namespace glimtex::testing {

// One generated fragment and the generator's description of it.
struct FragmentSample {
    QString name;
    QString html;
    FragmentModel model;
};

// The fragments the stages check, in each of the given formats: the settings of
// tests/data/browser-cases.txt, then every macro the bundled Default registers,
// applied as the picker applies it (one sample for each fragment it collects).
std::vector<FragmentSample> GatherSamples(std::initializer_list<FragmentFormat> formats);

}  // namespace glimtex::testing
