#include "cli/json_reader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>

#include "cli/message_text.h"

namespace moltherm::cli {
namespace {

using Keys = std::span<const std::string_view>;
constexpr std::array<std::string_view, 9> kMoleculeKeys = {
    "name",       "molar_mass",        "atoms",
    "shape",      "symmetry_number",   "rotational_constants",
    "vibrations", "electronic_levels", "imaginary_modes_dropped"};
constexpr std::array<std::string_view, 2> kVibrationKeys = {"wavenumber", "degeneracy"};
constexpr std::array<std::string_view, 2> kLevelKeys = {"energy", "degeneracy"};

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

bool BeyondADouble(std::string_view number) {
    try {
        [[maybe_unused]] const Json parsed = Json::parse(number);
    } catch (const Json::out_of_range&) {
        return true;
    } catch (const Json::parse_error&) {
    }
    return false;
}

// The parser refuses a number beyond a double (error 406). Each such number is written as 0,
// padded with blanks so that every other character keeps its place, and kept with its ordinal
// among the numbers of the text. `brokenAt` is where the parser will stop on such a number that
// runs on into more number characters (the text is not JSON then).
struct Overflows {
    std::vector<std::pair<std::size_t, std::string>> numbers;
    std::size_t brokenAt = 0;
};

Overflows TakeOverflows(std::string& text) {
    Overflows taken;
    std::size_t ordinal = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] == '"') {
            for (++pos; pos < text.size() && text[pos] != '"'; ++pos) pos += text[pos] == '\\';
            continue;
        }
        if (text[pos] != '-' && (text[pos] < '0' || text[pos] > '9')) continue;
        const std::size_t end =
            std::min(text.find_first_not_of("+-.0123456789eE", pos), text.size());
        double value = 0;
        const auto [stop, status] = std::from_chars(&text[pos], text.data() + end, value);
        const auto length = static_cast<std::size_t>(stop - &text[pos]);
        if (status == std::errc::result_out_of_range && BeyondADouble({&text[pos], length})) {
            if (pos + length == end) {
                taken.numbers.emplace_back(ordinal, text.substr(pos, length));
                std::string zero = text[pos] == '-' ? "-0" : "0";
                zero.resize(length, ' ');
                text.replace(pos, length, zero);
            } else if (taken.brokenAt == 0) {
                taken.brokenAt = pos + length;
            }
        }
        ++ordinal;
        pos = end - 1;
    }
    return taken;
}

// nlohmann's own tree builder, adding the two marks as the parser reads. (Its parser callback
// would do the same, but it scans the whole parent after each object: quadratic in list length.)
class MarkingTreeBuilder : public nlohmann::detail::json_sax_dom_parser<Json> {
  public:
    MarkingTreeBuilder(Json& root, std::vector<std::pair<std::size_t, std::string>> overflows)
        : json_sax_dom_parser(root), overflows_(std::move(overflows)) {}

    bool number_integer(number_integer_t value) {
        return WroteOverflow() || json_sax_dom_parser::number_integer(value);
    }
    bool number_unsigned(number_unsigned_t value) {
        return WroteOverflow() || json_sax_dom_parser::number_unsigned(value);
    }
    bool number_float(number_float_t value, const string_t& text) {
        return WroteOverflow() || json_sax_dom_parser::number_float(value, text);
    }

    bool start_object(std::size_t size) {
        if (!moleculeDepth_) moleculeDepth_ = 0;
        if (depth_ <= *moleculeDepth_ + 2) {
            objects_.resize(std::max(objects_.size(), depth_ + 1));
            objects_[depth_].known = KnownKeys(depth_);
            objects_[depth_].seen.clear();
            objects_[depth_].problem.clear();
        }
        ++depth_;
        return json_sax_dom_parser::start_object(size);
    }
    bool key(string_t& key) {
        if (depth_ <= *moleculeDepth_ + 3) {
            keys_.resize(std::max(keys_.size(), depth_ + 1));
            keys_[depth_] = key;
            CheckKey(objects_[depth_ - 1], key);
        }
        return json_sax_dom_parser::key(key);
    }
    bool end_object() {
        --depth_;
        if (depth_ <= *moleculeDepth_ + 2 && !objects_[depth_].problem.empty()) {
            string_t key = kKeyProblem;
            json_sax_dom_parser::key(key);
            json_sax_dom_parser::string(objects_[depth_].problem);
        }
        return json_sax_dom_parser::end_object();
    }
    bool start_array(std::size_t size) {
        if (!moleculeDepth_) moleculeDepth_ = 1;
        ++depth_;
        return json_sax_dom_parser::start_array(size);
    }
    bool end_array() {
        --depth_;
        return json_sax_dom_parser::end_array();
    }

  private:
    struct Object {
        Keys known;  // empty for an object that is neither a molecule nor a list entry
        std::vector<std::string> seen;
        std::string problem;
    };

    // Writes the number beyond a double that stands in this place, if one does.
    bool WroteOverflow() {
        const bool beyond = next_ < overflows_.size() && overflows_[next_].first == numbers_++;
        if (!beyond) return false;
        const std::string& text = overflows_[next_++].second;
        binary_t bytes(std::vector<std::uint8_t>(text.begin(), text.end()));
        return json_sax_dom_parser::binary(bytes);
    }

    Keys KnownKeys(std::size_t depth) const {
        const std::size_t molecule = *moleculeDepth_;
        if (depth == molecule) return kMoleculeKeys;
        if (depth != molecule + 2 || keys_.size() <= molecule + 1) return {};
        if (keys_[molecule + 1] == "vibrations") return kVibrationKeys;
        if (keys_[molecule + 1] == "electronic_levels") return kLevelKeys;
        return {};
    }

    // Only the first problem counts, so an object keeps at most as many keys as it may have.
    static void CheckKey(Object& object, const std::string& key) {
        if (object.known.empty() || !object.problem.empty()) return;
        const auto quoted = [&] {
            return Json(Shortened(key)).dump(-1, ' ', false, Json::error_handler_t::replace);
        };
        if (std::find(object.known.begin(), object.known.end(), key) == object.known.end())
            object.problem = "unknown key " + quoted();
        else if (std::find(object.seen.begin(), object.seen.end(), key) != object.seen.end())
            object.problem = "duplicate key " + quoted();
        else
            object.seen.push_back(key);
    }

    std::vector<std::pair<std::size_t, std::string>> overflows_;
    std::size_t next_ = 0;
    std::size_t numbers_ = 0;
    std::size_t depth_ = 0;                     // of the value read next
    std::optional<std::size_t> moleculeDepth_;  // 1 in a list of molecules, 0 for one molecule
    std::vector<Object> objects_;               // the open objects, by depth
    std::vector<std::string> keys_;             // the key being read, by depth of its value
};

}  // namespace

MoleculeFile ReadMoleculeFile(std::string text) {
    if (text.find_first_not_of(" \t\r\n") == std::string::npos)
        return {{}, JsonSyntaxError{1, 1, "the input is empty"}};
    // NUL would end the text for C functions; it is never part of a JSON text.
    if (const std::size_t nul = text.find('\0'); nul != std::string::npos)
        return {{}, SyntaxErrorAt(text, nul + 1, "unexpected NUL byte")};
    Overflows overflows = TakeOverflows(text);
    Json root;
    try {
        MarkingTreeBuilder builder(root, std::move(overflows.numbers));
        Json::sax_parse(text, &builder);
    } catch (const Json::parse_error& error) {
        return {{}, SyntaxErrorAt(text, error.byte, error.what())};
    } catch (const Json::out_of_range& error) {
        return {{}, SyntaxErrorAt(text, overflows.brokenAt, error.what())};
    }
    MoleculeFile file;
    if (root.is_array())
        file.molecules = std::move(root.get_ref<Json::array_t&>());
    else
        file.molecules.push_back(std::move(root));
    return file;
}

}  // namespace moltherm::cli
