#include "calc/molecule_file.h"

#include <cmath>
#include <optional>
#include <unordered_set>

namespace moltherm {
namespace {

constexpr char kMark = '\0';

using Lexer =
    nlohmann::detail::lexer<Json,
                            nlohmann::detail::iterator_input_adapter<std::string::const_iterator>>;
using Token = Lexer::token_type;

// A marked value replacing `length` characters of the text from `start`.
struct Edit {
    std::size_t start = 0;
    std::size_t length = 0;
    std::string replacement;
};

std::string Marked(const std::string& text) {
    return Json(kMark + text).dump();
}

std::optional<std::string_view> AfterMark(std::string_view text) {
    if (!text.starts_with(kMark)) return std::nullopt;
    return text.substr(1);
}

// Whether a value may follow the token: only there is a number the parser's to read (elsewhere
// it stops at it with its own syntax error).
bool StartsValue(Token previous) {
    return previous == Token::uninitialized || previous == Token::begin_array ||
           previous == Token::value_separator || previous == Token::name_separator;
}

// One pass of the parser's own lexer: the numbers beyond a double, which the parser stops at,
// and the keys an object repeats, which the parser would silently overwrite.
std::vector<Edit> MarkedPlaces(const std::string& text) {
    std::vector<Edit> edits;
    Lexer lexer(nlohmann::detail::input_adapter(text));
    // The keys of each open object; nothing for an open array.
    std::vector<std::optional<std::unordered_set<std::string>>> open;
    Token previous = Token::uninitialized;
    Edit lastString;
    for (Token token = lexer.scan(); token != Token::end_of_input && token != Token::parse_error;
         previous = token, token = lexer.scan()) {
        const std::size_t end = lexer.get_position().chars_read_total;
        if (token == Token::begin_object) {
            open.emplace_back(std::in_place);
        } else if (token == Token::begin_array) {
            open.emplace_back();
        } else if ((token == Token::end_object || token == Token::end_array) && !open.empty()) {
            open.pop_back();
        } else if (token == Token::value_float && !std::isfinite(lexer.get_number_float()) &&
                   StartsValue(previous)) {
            const std::string digits = lexer.get_token_string();
            edits.push_back({end - digits.size(), digits.size(), Marked(digits)});
        } else if (token == Token::value_string) {
            const std::size_t length = lexer.get_token_string().size();
            lastString = {end - length, length, lexer.get_string()};
        } else if (token == Token::name_separator && previous == Token::value_string &&
                   !open.empty() && open.back() &&
                   !open.back()->insert(lastString.replacement).second) {
            lastString.replacement = Marked(lastString.replacement);
            edits.push_back(lastString);
        }
    }
    return edits;
}

// `position` counts the characters read, as the parser reports it.
JsonSyntaxError SyntaxErrorAt(std::string_view text, std::size_t position, std::string reason) {
    JsonSyntaxError error;
    for (const char c : text.substr(0, position > 0 ? position - 1 : 0)) {
        error.column = c == '\n' ? 1 : error.column + 1;
        error.line += c == '\n';
    }
    // "[json.exception...] parse error at line L, column C: REASON; last read: '...'": the echo of
    // the input may hold anything, so only the reason is kept.
    if (const std::size_t start = reason.find(": ", reason.find(']')); start != std::string::npos)
        reason.erase(0, start + 2);
    if (const std::size_t echo = reason.find("; last read"); echo != std::string::npos)
        reason.erase(echo);
    error.reason = std::move(reason);
    return error;
}

}  // namespace

std::string SyntaxErrorText(const JsonSyntaxError& error) {
    return "not valid JSON: " + error.reason + " (line " + std::to_string(error.line) +
           ", column " + std::to_string(error.column) + ")";
}

Expected<std::vector<Json>, JsonSyntaxError> ParseMoleculeFile(const std::string& text) {
    if (text.find_first_not_of(" \t\r\n") == std::string::npos)
        return Unexpected{JsonSyntaxError{1, 1, "the input is empty"}};
    // NUL would end the text for C functions, and marks values here; no JSON text holds one.
    if (const std::size_t nul = text.find(kMark); nul != std::string::npos)
        return Unexpected{SyntaxErrorAt(text, nul + 1, "unexpected NUL byte")};
    const std::vector<Edit> edits = MarkedPlaces(text);
    std::string marked;
    std::size_t copied = 0;
    for (const Edit& edit : edits) {
        marked.append(text, copied, edit.start - copied) += edit.replacement;
        copied = edit.start + edit.length;
    }
    marked.append(text, copied);
    Json root;
    try {
        root = Json::parse(marked);
    } catch (const Json::parse_error& error) {
        // Back to a place in the text as written: each edit before it made the text longer.
        std::size_t longer = 0;
        for (const Edit& edit : edits) {
            if (edit.start + longer + edit.replacement.size() > error.byte) break;
            longer += edit.replacement.size() - edit.length;
        }
        const std::size_t position = error.byte - longer;
        return Unexpected{SyntaxErrorAt(text, position, error.what())};
    }
    if (!root.is_array()) return std::vector<Json>{std::move(root)};
    return std::move(root.get_ref<Json::array_t&>());
}

std::optional<std::string_view> BeyondADouble(const Json& value) {
    if (!value.is_string()) return std::nullopt;
    return AfterMark(value.get_ref<const std::string&>());
}

std::optional<std::string_view> RepeatedKey(std::string_view key) {
    return AfterMark(key);
}

}  // namespace moltherm
