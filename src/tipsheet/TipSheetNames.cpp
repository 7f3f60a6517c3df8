#include "tipsheet/TipSheetNames.h"

#include <array>

namespace varo {
namespace {

// Per tip: number of the first cell, the row label, the hits text and the sum text.
struct TipComponents {
    int firstCell;
    int rowLabel;
    int hitsLabel;
    int sumLabel;
};

constexpr std::array<TipComponents, kTipCount> kComponents{{
    {1, 28, 22, 36},
    {7, 30, 23, 37},
    {13, 31, 24, 38},
    {19, 32, 25, 39},
    {25, 33, 26, 40},
    {31, 34, 27, 41},
    {43, 46, 45, 49},
    {49, 48, 47, 50},
    {56, 62, 65, 67},
    {62, 61, 66, 68},
    {68, 63, 69, 71},
    {74, 64, 70, 72},
}};

const TipComponents& componentsOf(int tip) {
    return kComponents.at(static_cast<std::size_t>(tip - 1));
}

}  // namespace

std::string tipCellName(int tip, int position) {
    return "Edit" + std::to_string(componentsOf(tip).firstCell + position - 1);
}

std::string tipRowLabelName(int tip) {
    return "Label" + std::to_string(componentsOf(tip).rowLabel);
}

std::string tipHitsLabelName(int tip) {
    return "Label" + std::to_string(componentsOf(tip).hitsLabel);
}

std::string tipSumLabelName(int tip) {
    return "Label" + std::to_string(componentsOf(tip).sumLabel);
}

}  // namespace varo
