#include "engine/ShapePreview.h"

#include <functional>

namespace glimtex {

namespace {

// Walks the letters left to right: each takes the current size and top, then the
// update moves the working values on for the next letter.
PreviewLetters Walk(int size, int top, const std::function<void(int i, int&, int&)>& update) {
    PreviewLetters letters{};
    for (int i = 0; i < 7; ++i) {
        letters[static_cast<size_t>(i)] = {size, top};
        update(i, size, top);
    }
    return letters;
}

}  // namespace

std::optional<PreviewLetters> ShapePreviewLetters(SizeShape shape) {
    switch (shape) {
        case SizeShape::Standard:
            return Walk(28, 1200, [](int, int&, int&) {});
        case SizeShape::FallRight:
            return Walk(28, 1200, [](int i, int& size, int& top) {
                size -= 2;
                top += i == 2 ? 20 : i == 4 ? 10 : 50;
            });
        case SizeShape::FallLeft:
            return Walk(16, 1370, [](int i, int& size, int& top) {
                size += 2;
                top -= i == 2 ? 20 : i == 4 ? 10 : 50;
            });
        case SizeShape::Lens:
            return Walk(28, 1200, [](int i, int& size, int& top) {
                if (i > 2) {
                    size += 2;
                    top -= 50;
                } else {
                    size -= 2;
                    top += 50;
                }
            });
        case SizeShape::Scrap: {
            // The working values stay put; every odd letter is drawn smaller and lower.
            PreviewLetters letters{};
            for (size_t i = 0; i < letters.size(); ++i) {
                letters[i] = i % 2 == 0 ? PreviewLetter{28, 1200} : PreviewLetter{22, 1350};
            }
            return letters;
        }
        case SizeShape::Unknown:
            break;
    }
    return std::nullopt;
}

}  // namespace glimtex
