#include "cli/json_reader.h"

#include <nlohmann/json.hpp>

#include "cli/json_overflow.h"

namespace moltherm::cli {
namespace {

using Json = nlohmann::json;

// How many children a container keeps, by its depth below the molecule (0 = the molecule).
// A molecule has 8 keys and a list entry 2, so one more already shows an unknown or repeated
// key; a list never needs more than one entry beyond the largest count allowed (32767), and
// nothing below an entry's values is ever read.
std::size_t KeptChildren(std::size_t depth) {
    switch (depth) {
        case 0:
            return 9;
        case 1:
            return 32768;
        case 2:
            return 3;
        default:
            return 0;
    }
}

JsonSyntaxError SyntaxErrorAt(std::string_view text, std::size_t position,
                              const std::string& what) {
    JsonSyntaxError error;
    const std::size_t offending = position > 0 ? std::min(position - 1, text.size()) : 0;
    for (std::size_t i = 0; i < offending; ++i) {
        if (text[i] == '\n') {
            ++error.line;
            error.column = 1;
        } else {
            ++error.column;
        }
    }
    // The library's text reads "[json.exception...] parse error at line L, column C: REASON;
    // last read: '...'"; the echo of the input may hold anything, so only the reason is kept.
    std::string reason = what;
    if (const std::size_t colon = reason.find(']'); colon != std::string::npos)
        if (const std::size_t start = reason.find(": ", colon); start != std::string::npos)
            reason.erase(0, start + 2);
    if (const std::size_t echo = reason.find("; last read"); echo != std::string::npos)
        reason.erase(echo);
    error.reason = reason;
    return error;
}

// Accepts everything and keeps the first error; used to check the whole text before reading.
class SyntaxChecker final : public nlohmann::json_sax<Json> {
  public:
    explicit SyntaxChecker(std::string_view text) : text_(text) {}
    std::optional<JsonSyntaxError> error;

    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return true; }
    bool key(string_t&) override { return true; }
    bool end_object() override { return true; }
    bool start_array(std::size_t) override { return true; }
    bool end_array() override { return true; }
    bool parse_error(std::size_t position, const std::string&,
                     const nlohmann::detail::exception& ex) override {
        error = SyntaxErrorAt(text_, position, ex.what());
        return false;
    }

  private:
    std::string_view text_;
};

// Builds one molecule at a time and hands it on as soon as it is complete.
class MoleculeBuilder final : public nlohmann::json_sax<Json> {
  public:
    using Callback = std::function<void(JsonNode&&, std::size_t)>;
    MoleculeBuilder(const std::vector<std::pair<std::size_t, std::string>>& overflowNumbers,
                    const Callback& onMolecule)
        : overflowNumbers_(overflowNumbers), onMolecule_(onMolecule) {}

    bool null() override { return scalar(JsonNode::Kind::kNull, {}); }
    bool boolean(bool value) override {
        return scalar(JsonNode::Kind::kBoolean, value ? "true" : "false");
    }
    bool number_integer(number_integer_t value) override { return number(std::to_string(value)); }
    bool number_unsigned(number_unsigned_t value) override { return number(std::to_string(value)); }
    bool number_float(number_float_t, const string_t& text) override { return number(text); }
    bool string(string_t& value) override { return scalar(JsonNode::Kind::kString, value); }
    bool binary(binary_t&) override { return true; }  // not produced by the JSON text parser
    bool start_object(std::size_t) override { return open(JsonNode::Kind::kObject); }
    bool start_array(std::size_t) override {
        if (!documentStarted_) {
            documentStarted_ = true;
            rootIsList_ = true;
            return true;
        }
        return open(JsonNode::Kind::kArray);
    }
    bool key(string_t& value) override {
        pendingKey_ = value;
        return true;
    }
    bool end_object() override { return close(); }
    bool end_array() override { return close(); }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return false;  // the text was checked before
    }

  private:
    bool number(const std::string& text) {
        const std::size_t ordinal = numberCount_++;
        if (nextOverflow_ < overflowNumbers_.size() &&
            overflowNumbers_[nextOverflow_].first == ordinal)
            return scalar(JsonNode::Kind::kNumber, overflowNumbers_[nextOverflow_++].second);
        return scalar(JsonNode::Kind::kNumber, text);
    }

    // The node for a new value, or nullptr when its parent keeps no more children.
    JsonNode* place(JsonNode::Kind kind) {
        documentStarted_ = true;
        if (open_.empty()) {
            molecule_ = JsonNode{};
            molecule_.kind = kind;
            return &molecule_;
        }
        JsonNode& parent = *open_.back();
        ++parent.size;
        if (parent.members.size() >= KeptChildren(open_.size() - 1)) return nullptr;
        parent.members.push_back(
            JsonMember{parent.kind == JsonNode::Kind::kObject ? std::move(pendingKey_) : "", {}});
        JsonNode& node = parent.members.back().value;
        node.kind = kind;
        return &node;
    }

    bool scalar(JsonNode::Kind kind, const std::string& text) {
        if (skipDepth_ > 0) return true;
        if (JsonNode* node = place(kind)) {
            node->text = text;
            if (node == &molecule_) emit();
        }
        return true;
    }

    bool open(JsonNode::Kind kind) {
        if (skipDepth_ > 0) {
            ++skipDepth_;
            return true;
        }
        if (JsonNode* node = place(kind))
            open_.push_back(node);
        else
            skipDepth_ = 1;
        return true;
    }

    bool close() {
        if (skipDepth_ > 0) {
            --skipDepth_;
            return true;
        }
        if (open_.empty()) return true;  // the end of the list of molecules
        open_.pop_back();
        if (open_.empty()) emit();
        return true;
    }

    void emit() { onMolecule_(std::move(molecule_), ++moleculeCount_); }

    const std::vector<std::pair<std::size_t, std::string>>& overflowNumbers_;
    const Callback& onMolecule_;
    std::size_t nextOverflow_ = 0;
    std::size_t numberCount_ = 0;
    std::size_t moleculeCount_ = 0;
    bool documentStarted_ = false;
    bool rootIsList_ = false;
    JsonNode molecule_;
    std::vector<JsonNode*> open_;  // the open containers of the molecule, outermost first
    std::size_t skipDepth_ = 0;    // nesting inside a container that is not kept
    std::string pendingKey_;
};

}  // namespace

const char* KindDescription(JsonNode::Kind kind) {
    switch (kind) {
        case JsonNode::Kind::kNull:
            return "null";
        case JsonNode::Kind::kBoolean:
            return "a boolean";
        case JsonNode::Kind::kNumber:
            return "a number";
        case JsonNode::Kind::kString:
            return "a string";
        case JsonNode::Kind::kArray:
            return "an array";
        case JsonNode::Kind::kObject:
            return "an object";
    }
    return "a value";
}

JsonMoleculeStream::JsonMoleculeStream(std::string_view text) : text_(text) {
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        syntaxError_ = JsonSyntaxError{1, 1, "the input is empty"};
        return;
    }
    // The parser takes a NUL byte for the end of the input and would ignore what follows it.
    if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos) {
        syntaxError_ = SyntaxErrorAt(text, nul + 1, "unexpected NUL byte");
        return;
    }
    if (auto patch = PatchOverflowingNumbers(text)) {
        patchedText_ = std::move(patch->text);
        overflowNumbers_ = std::move(patch->numbers);
        text_ = patchedText_;
    }
    SyntaxChecker checker(text_);
    Json::sax_parse(text_.begin(), text_.end(), &checker);
    syntaxError_ = checker.error;
}

void JsonMoleculeStream::forEachMolecule(
    const std::function<void(JsonNode&&, std::size_t)>& onMolecule) const {
    if (syntaxError_) return;
    MoleculeBuilder builder(overflowNumbers_, onMolecule);
    Json::sax_parse(text_.begin(), text_.end(), &builder);
}

}  // namespace moltherm::cli
