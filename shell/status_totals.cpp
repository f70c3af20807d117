#include "shell/status_totals.h"

namespace {

std::string Grouped(std::size_t number, std::string_view thousands) {
    const std::string digits = std::to_string(number);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += thousands;
        }
        grouped += digits[i];
    }
    return grouped;
}

}  // namespace

std::string FormatListTotals(std::size_t folders, std::size_t hidden, std::string_view thousands) {
    return Grouped(folders, thousands) + (folders == 1 ? " folder, " : " folders, ") +
           Grouped(hidden, thousands) + " hidden";
}
