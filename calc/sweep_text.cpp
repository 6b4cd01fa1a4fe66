#include "calc/sweep_text.h"

#include <charconv>
#include <cstdio>

namespace moltherm {

namespace {

constexpr int kTemperatureWidth = 10;

// The printed width of a quantity's column: room for its name, at least 13 characters.
int PrintedWidth(SweepQuantity quantity) {
    return quantity == SweepQuantity::kGibbsFunction ? 18 : 13;
}

std::string RightAligned(const std::string& text, int width) {
    const auto pad = static_cast<std::size_t>(width) > text.size()
                         ? static_cast<std::size_t>(width) - text.size()
                         : 0;
    return std::string(pad, ' ') + text;
}

std::string Fixed3(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", value);
    return buffer;
}

}  // namespace

std::string SweepNumberText(double value) {
    char buffer[32];
    auto* const end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string SweepCsv(const std::vector<SweepRow>& rows) {
    std::string csv = "T [K]";
    for (std::size_t c = 0; c < kSweepColumnCount; ++c) {
        const SweepColumn column = SweepColumnAt(c);
        csv += ',';
        csv += SweepQuantityName(column.quantity);
        csv += ' ';
        csv += SweepPartName(column.part);
        csv += " [";
        csv += SweepQuantityUnit(column.quantity);
        csv += ']';
    }
    csv += '\n';
    for (const SweepRow& row : rows) {
        csv += SweepNumberText(row.temperature);
        for (std::size_t c = 0; c < kSweepColumnCount; ++c) {
            const SweepColumn column = SweepColumnAt(c);
            csv += ',';
            csv += SweepNumberText(row[column.part][column.quantity]);
        }
        csv += '\n';
    }
    return csv;
}

std::string SweepPrintedText(const std::vector<SweepRow>& rows) {
    std::string text;
    for (std::size_t p = 0; p < kSweepPartCount; ++p) {
        const auto part = static_cast<SweepPart>(p);
        if (p > 0) text += '\n';
        text += SweepPartName(part);
        std::string names = RightAligned("T", kTemperatureWidth);
        std::string units = RightAligned("[K]", kTemperatureWidth);
        for (std::size_t q = 0; q < kSweepQuantityCount; ++q) {
            const auto quantity = static_cast<SweepQuantity>(q);
            names += RightAligned(SweepQuantityName(quantity), PrintedWidth(quantity));
            units += RightAligned(std::string("[") + SweepQuantityUnit(quantity) + "]",
                                  PrintedWidth(quantity));
        }
        ((((text += '\n') += names) += '\n') += units) += '\n';
        for (const SweepRow& row : rows) {
            text += RightAligned(SweepNumberText(row.temperature), kTemperatureWidth);
            for (std::size_t q = 0; q < kSweepQuantityCount; ++q) {
                const auto quantity = static_cast<SweepQuantity>(q);
                text += RightAligned(Fixed3(row[part][quantity]), PrintedWidth(quantity));
            }
            text += '\n';
        }
    }
    return text;
}

}  // namespace moltherm
