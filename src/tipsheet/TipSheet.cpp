#include "tipsheet/TipSheet.h"

#include "common/NumberText.h"

namespace varo {

std::string normalizeCellText(std::string_view text) {
    const auto number = parseInteger(text);
    if (!number || *number < 1 || *number > 45) return {};
    return std::to_string(*number);
}

void TipSheet::setCell(int tip, int position, std::string_view text) {
    row(tip).cells.at(static_cast<std::size_t>(position - 1)) = normalizeCellText(text);
}

const std::string& TipSheet::cell(int tip, int position) const {
    return row(tip).cells.at(static_cast<std::size_t>(position - 1));
}

void TipSheet::toggleMark(int tip) {
    TipRow& r = row(tip);
    r.labelColour =
        r.labelColour == TextColour::WindowText ? TextColour::Red : TextColour::WindowText;
}

void TipSheet::clearUnmarked() {
    for (int tip = 1; tip <= kTipCount; ++tip) {
        if (marked(tip)) continue;
        TipRow& r = row(tip);
        for (std::string& c : r.cells)
            c.clear();
        r.hits.clear();
        r.sum.clear();
    }
}

}  // namespace varo
