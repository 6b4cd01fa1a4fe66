#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace moltherm::cli {

struct JsonMember;

// One JSON value as the molecule reader needs it. Numbers keep the text they were written with,
// so that they go through the same conversion as a typed box. Containers may hold only the
// first of their children (see JsonReader); `size` always counts them all.
struct JsonNode {
    enum class Kind : unsigned char { kNull, kBoolean, kNumber, kString, kArray, kObject };
    Kind kind = Kind::kNull;
    std::string text;                 // a number as written, a string's value
    std::vector<JsonMember> members;  // in document order; the key is empty in an array
    std::size_t size = 0;

    bool isContainer() const { return kind == Kind::kArray || kind == Kind::kObject; }
};

struct JsonMember {
    std::string key;
    JsonNode value;
};

// "an array", "a string", ... for messages about a value of the wrong kind.
const char* KindDescription(JsonNode::Kind kind);

}  // namespace moltherm::cli
