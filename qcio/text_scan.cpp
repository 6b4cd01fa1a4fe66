#include "qcio/text_scan.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

#include "chem/elements.h"

namespace moltherm::qcio {

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

namespace {

// from_chars takes no plus sign: drops one, and says whether a number may follow.
bool DropPlusSign(std::string_view& word) {
    if (word.empty() || word.front() != '+') return !word.empty();
    word.remove_prefix(1);
    return !word.empty() && word.front() != '-' && word.front() != '+';
}

}  // namespace

std::optional<double> ParseDouble(std::string_view word) {
    if (!DropPlusSign(word)) return std::nullopt;
    double value = 0;
    const char* last = word.data() + word.size();
    const auto [end, error] = std::from_chars(word.data(), last, value);
    if (error != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int> ParseInt(std::string_view word) {
    if (!DropPlusSign(word)) return std::nullopt;
    int value = 0;
    const char* last = word.data() + word.size();
    const auto [end, error] = std::from_chars(word.data(), last, value);
    if (error != std::errc() || end != last) return std::nullopt;
    return value;
}

std::optional<int> WholeNumber(std::optional<double> value) {
    if (!value || std::abs(*value) > 1e6 || *value != std::floor(*value)) return std::nullopt;
    return static_cast<int>(*value);
}

namespace {

std::string_view After(std::string_view line, std::string_view key) {
    if (key.empty()) return line;
    const std::size_t at = line.find(key);
    return at == std::string_view::npos ? std::string_view() : line.substr(at + key.size());
}

}  // namespace

std::vector<double> NumbersAfter(std::string_view line, std::string_view key) {
    std::vector<double> numbers;
    for (std::string_view word : Words(After(line, key))) {
        if (const auto value = ParseDouble(word)) numbers.push_back(*value);
    }
    return numbers;
}

namespace {

// The first word after the key, without a closing ")" or "," ("(symmetry no. = 2)").
std::optional<std::string_view> FirstWordAfter(std::string_view line, std::string_view key) {
    if (!key.empty() && !Contains(line, key)) return std::nullopt;
    const auto words = Words(After(line, key));
    if (words.empty()) return std::nullopt;
    std::string_view word = words.front();
    while (!word.empty() && (word.back() == ')' || word.back() == ',')) word.remove_suffix(1);
    return word;
}

}  // namespace

std::optional<double> NumberAfter(std::string_view line, std::string_view key) {
    const auto word = FirstWordAfter(line, key);
    return word ? ParseDouble(*word) : std::nullopt;
}

std::optional<int> IntAfter(std::string_view line, std::string_view key) {
    const auto word = FirstWordAfter(line, key);
    return word ? ParseInt(*word) : std::nullopt;
}

std::optional<int> ElementOfLabel(std::string_view label) {
    std::size_t letters = 0;
    while (letters < label.size() && std::isalpha(static_cast<unsigned char>(label[letters]))) {
        ++letters;
    }
    if (letters == 0 || letters > 2) return std::nullopt;
    const chem::Element* element = chem::ElementBySymbol(label.substr(0, letters));
    if (element == nullptr) return std::nullopt;
    return element->number;
}

}  // namespace moltherm::qcio
