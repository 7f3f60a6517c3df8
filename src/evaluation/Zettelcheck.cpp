#include "evaluation/Zettelcheck.h"

#include "common/NumberText.h"

namespace varo {

void Zettelcheck(CurrentDraw& draw, const TipTexts& texts) {
    draw.Gewinn = 0;
    draw.Zusatz = false;
    draw.Treffer.fill(0);
    // The texts are converted in the order of the comparison, so an invalid text stops the
    // count exactly where its first conversion comes.
    for (std::size_t i = 1; i <= 6; ++i) {
        for (std::size_t p = 1; p <= 6; ++p) {
            const auto number = parseInteger(texts[p - 1]);
            if (!number) return;
            if (*number == draw.Zahl[i]) {
                draw.Treffer[p] = 1;
                ++draw.Gewinn;
            }
        }
    }
    for (std::size_t p = 1; p <= 6; ++p) {
        const auto number = parseInteger(texts[p - 1]);
        if (!number) return;
        if (*number == draw.Zahl[7]) {
            draw.Treffer[p] = 2;
            draw.Zusatz = true;
        }
    }
}

}  // namespace varo
