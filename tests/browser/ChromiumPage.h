#pragma once

#include <QJsonArray>
#include <QString>
#include <vector>

namespace glimtex::testing {

// One document to load: an HTML fragment as a page holds it, followed by a paragraph.
struct PageFrame {
    QString id;
    QString fragment;
};

// Headless Chromium, when it is installed: /usr/bin/chromium or chromium on the PATH.
QString ChromiumProgram();

// Loads every fragment into a document of its own (an HTML5 page: the fragment in
// <div id="fragment">, then <p id="after">) and reads back what ReadStyles.js reports
// for each, in order. Empty, with the reason in why, when Chromium fails.
QJsonArray StylesInChromium(const std::vector<PageFrame>& frames, QString* why);

}  // namespace glimtex::testing
