#include "html/Collection.h"

namespace glimtex {

void Collection::Restart() {
    // Whoever still shows the old fragments keeps them; the collection lets go.
    text_ = QString();
    models_ = QList<FragmentModel>();
}

bool Collection::Add(HtmlGenerator& generator, const DecorationSettings& s) {
    FragmentModel model;
    generator.RecordInto(&model);
    const bool built = generator.BuildOnto(s, text_);
    generator.RecordInto(nullptr);
    if (!built) return false;
    models_.append(std::move(model));
    return true;
}

}  // namespace glimtex
