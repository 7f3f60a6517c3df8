#include "evaluation/Komplettcheck.h"

#include <algorithm>
#include <optional>

#include "common/NumberText.h"
#include "evaluation/Zettelcheck.h"

namespace varo {
namespace {

std::optional<std::array<std::int32_t, kCellsPerTip>> rowNumbers(const TipSheet& tips, int tip) {
    std::array<std::int32_t, kCellsPerTip> numbers{};
    for (int p = 1; p <= kCellsPerTip; ++p) {
        const auto number = parseInteger(tips.cell(tip, p));
        if (!number) return std::nullopt;
        numbers[static_cast<std::size_t>(p - 1)] = *number;
    }
    return numbers;
}

void resetRow(TipSheet& tips, CurrentDraw& draw, int tip) {
    TipRow& row = tips.row(tip);
    row.colours.fill(CellColour::Window);
    row.hits.clear();
    row.sum.clear();
    // The last two rows also forget the hit count, so a check that ends on them leaves none.
    if (tip >= 11) {
        draw.Gewinn = 0;
        draw.Zusatz = false;
    }
}

}  // namespace

int Komplettcheck(TipSheet& tips, CurrentDraw& draw, const std::function<void()>& onWin) {
    int best = 0;
    for (int tip = 1; tip <= kTipCount; ++tip) {
        auto numbers = rowNumbers(tips, tip);
        if (!numbers) {
            resetRow(tips, draw, tip);
            continue;
        }
        TipRow& row = tips.row(tip);
        std::int64_t sum = 0;
        for (std::int32_t n : *numbers)
            sum += n;
        row.sum = std::to_string(sum);

        std::sort(numbers->begin(), numbers->end());
        for (int p = 1; p <= kCellsPerTip; ++p)
            tips.setCell(tip, p, std::to_string((*numbers)[static_cast<std::size_t>(p - 1)]));

        TipTexts texts;
        for (int p = 1; p <= kCellsPerTip; ++p)
            texts[static_cast<std::size_t>(p - 1)] = tips.cell(tip, p);
        Zettelcheck(draw, texts);

        for (std::size_t p = 1; p <= kCellsPerTip; ++p) {
            row.colours[p - 1] = draw.Treffer[p] == 1   ? CellColour::Lime
                                 : draw.Treffer[p] == 2 ? CellColour::Yellow
                                                        : CellColour::Window;
        }
        row.hits = std::to_string(draw.Gewinn);
        row.hitsColour = draw.Gewinn >= 3 ? TextColour::Red : TextColour::Black;
        if (draw.Gewinn >= 3 && onWin) onWin();
        if (draw.Zusatz) row.hits += " + Z";
        best = std::max(best, static_cast<int>(draw.Gewinn));
    }
    return best;
}

}  // namespace varo
