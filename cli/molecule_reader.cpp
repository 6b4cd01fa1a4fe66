#include "cli/molecule_reader.h"

#include <array>
#include <cmath>
#include <nlohmann/json.hpp>
#include <string_view>

#include "calc/number_text.h"

namespace moltherm::cli {
namespace {

using Kind = JsonNode::Kind;
using Check = std::optional<std::string>;

constexpr std::array<std::string_view, 8> kMoleculeKeys = {
    "name",       "molar_mass",       "atoms", "shape", "symmetry_number", "rotational_constants",
    "vibrations", "electronic_levels"};
constexpr std::array<std::string_view, 2> kVibrationKeys = {"wavenumber", "degeneracy"};
constexpr std::array<std::string_view, 2> kLevelKeys = {"energy", "degeneracy"};

// A key as a message shows it: quoted, escaped, and cut short, as a file may hold anything.
std::string QuotedKey(const std::string& key) {
    constexpr std::size_t kShown = 40;
    const std::string shown = key.size() > kShown ? key.substr(0, kShown) + "..." : key;
    return nlohmann::json(shown).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string Prefixed(std::string_view where, const std::string& message) {
    return where.empty() ? message : std::string(where) + ": " + message;
}

bool HasControlCharacter(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) return true;
    }
    return false;
}

const JsonNode* Find(const JsonNode& object, std::string_view key) {
    for (const JsonMember& member : object.members)
        if (member.key == key) return &member.value;
    return nullptr;
}

template <std::size_t N>
Check CheckKeys(const JsonNode& object, const std::array<std::string_view, N>& known,
                std::string_view where) {
    for (std::size_t i = 0; i < object.members.size(); ++i) {
        const std::string& key = object.members[i].key;
        bool isKnown = false;
        for (const std::string_view k : known) isKnown = isKnown || k == key;
        if (!isKnown) return Prefixed(where, "unknown key " + QuotedKey(key));
        for (std::size_t j = 0; j < i; ++j)
            if (object.members[j].key == key)
                return Prefixed(where, "duplicate key " + QuotedKey(key));
    }
    return std::nullopt;
}

Check ExpectKind(const JsonNode& node, Kind kind, std::string_view where) {
    if (node.kind == kind) return std::nullopt;
    return Prefixed(where, std::string("expected ") + KindDescription(kind) + ", got " +
                               KindDescription(node.kind));
}

// The text of a numeric box: a JSON number as written, or a string as typed. Absent is the empty
// box, which the window's own check then refuses with its message.
Check NumberText(const JsonNode* node, std::string_view where, std::string& text) {
    text.clear();
    if (node == nullptr) return std::nullopt;
    if (node->kind != Kind::kNumber && node->kind != Kind::kString)
        return Prefixed(where,
                        std::string("expected a number, got ") + KindDescription(node->kind));
    text = node->text;
    return std::nullopt;
}

// A whole number in min..max, written as the window's spinner writes it.
Check WholeNumber(const JsonNode* node, std::string_view where, int min, int max, int& value,
                  std::string& text) {
    std::string typed;
    if (auto error = NumberText(node, where, typed)) return error;
    const auto number = ParseNumber(typed);
    if (!number || *number != std::floor(*number) || *number < min || *number > max)
        return Prefixed(where, "expected a whole number from " + std::to_string(min) + " to " +
                                   std::to_string(max));
    value = static_cast<int>(*number);
    text = WholeNumberText(value);
    return std::nullopt;
}

std::string Ordinal(std::string_view what, std::size_t number) {
    return std::string(what) + " " + std::to_string(number);
}

class Reader {
  public:
    Reader(const JsonNode& node, MoleculeEntry& entry)
        : node_(node), entry_(entry), texts_(entry.texts) {}

    Check read() {
        if (node_.kind != Kind::kObject)
            return std::string("expected a molecule (an object), got ") +
                   KindDescription(node_.kind);
        if (auto e = CheckKeys(node_, kMoleculeKeys, "")) return e;
        if (auto e = readName()) return e;
        if (auto e = readAtoms()) return e;
        if (auto e = readShape()) return e;
        int sigma = 1;
        texts_.sigma = "1";
        if (const JsonNode* n = Find(node_, "symmetry_number"))
            if (auto e = WholeNumber(n, "symmetry_number", 1, kMaxWholeNumber, sigma, texts_.sigma))
                return e;
        if (atoms_ > 1) {
            if (auto e = readRotationalConstants()) return e;
        }
        if (auto e = readVibrations()) return e;
        if (auto e = readElectronicLevels()) return e;
        return NumberText(Find(node_, "molar_mass"), "molar_mass", texts_.molarMass);
    }

  private:
    Check readName() {
        const JsonNode* name = Find(node_, "name");
        if (name == nullptr) return std::nullopt;
        if (auto e = ExpectKind(*name, Kind::kString, "name")) return e;
        // The name stands in one line of the report.
        if (HasControlCharacter(name->text)) return "name: must not contain control characters";
        texts_.name = name->text;
        return std::nullopt;
    }

    Check readAtoms() {
        const JsonNode* atoms = Find(node_, "atoms");
        if (atoms == nullptr) return "atoms: required";
        return WholeNumber(atoms, "atoms", 1, kMaxAtoms, atoms_, texts_.atomCount);
    }

    Check readShape() {
        const JsonNode* shape = Find(node_, "shape");
        if (shape == nullptr) {
            if (atoms_ > 2) return "shape: required for 3 or more atoms";
            return std::nullopt;
        }
        if (auto e = ExpectKind(*shape, Kind::kString, "shape")) return e;
        if (shape->text != "linear" && shape->text != "nonlinear")
            return R"(shape: expected "linear" or "nonlinear")";
        texts_.nonlinear = shape->text == "nonlinear";
        if (texts_.nonlinear && atoms_ <= 2)
            return "shape: an atom or a diatomic molecule is linear";
        return std::nullopt;
    }

    Check readRotationalConstants() {
        const std::size_t expected = texts_.nonlinear ? 3 : 1;
        const JsonNode* list = Find(node_, "rotational_constants");
        std::size_t given = 0;
        if (list != nullptr) {
            if (auto e = ExpectKind(*list, Kind::kArray, "rotational_constants")) return e;
            given = list->size;
        }
        if (given != expected)
            return "rotational_constants: expected " + std::to_string(expected) +
                   (expected == 1 ? " value for a linear" : " values for a nonlinear") +
                   " molecule, got " + std::to_string(given);
        for (std::size_t i = 0; i < expected; ++i)
            if (auto e = NumberText(&list->members[i].value, Ordinal("rotational constant", i + 1),
                                    texts_.rotConsts[i]))
                return e;
        return std::nullopt;
    }

    Check readVibrations() {
        const JsonNode* list = Find(node_, "vibrations");
        if (atoms_ == 1) {
            if (list != nullptr && !(list->kind == Kind::kArray && list->size == 0))
                return "vibrations: an atom has no vibrations";
            return std::nullopt;
        }
        long long degeneracySum = 0;
        if (list != nullptr) {
            if (auto e = ExpectKind(*list, Kind::kArray, "vibrations")) return e;
            if (list->size > kMaxListEntries)
                return "vibrations: more than " + std::to_string(kMaxListEntries) + " rows";
            for (std::size_t i = 0; i < list->size; ++i) {
                const std::string where = Ordinal("vibration", i + 1);
                const JsonNode& row = list->members[i].value;
                if (auto e = ExpectKind(row, Kind::kObject, where)) return e;
                if (auto e = CheckKeys(row, kVibrationKeys, where)) return e;
                std::string& wavenumber = texts_.wavenumbers.emplace_back();
                if (auto e =
                        NumberText(Find(row, "wavenumber"), where + ": wavenumber", wavenumber))
                    return e;
                int degeneracy = 1;
                std::string& degeneracyText = texts_.vibDegeneracies.emplace_back("1");
                if (const JsonNode* d = Find(row, "degeneracy"))
                    if (auto e = WholeNumber(d, where + ": degeneracy", 1, kMaxWholeNumber,
                                             degeneracy, degeneracyText))
                        return e;
                degeneracySum += degeneracy;
            }
        }
        const int offset = texts_.nonlinear ? 6 : 5;
        const long long expected = 3LL * atoms_ - offset;
        if (degeneracySum != expected)
            return "vibrations: degeneracies add up to " + std::to_string(degeneracySum) +
                   ", expected " + std::to_string(expected) + " (3N-" + std::to_string(offset) +
                   " for " + std::to_string(atoms_) + " atoms)";
        entry_.nModes = static_cast<std::int16_t>(texts_.wavenumbers.size());
        return std::nullopt;
    }

    Check readElectronicLevels() {
        const JsonNode* list = Find(node_, "electronic_levels");
        if (list == nullptr) {
            texts_.energies = {"0"};
            texts_.elecDegeneracies = {"1"};
            entry_.lastLevel = 0;
            return std::nullopt;
        }
        if (auto e = ExpectKind(*list, Kind::kArray, "electronic_levels")) return e;
        if (list->size == 0) return "electronic_levels: expected at least the ground level";
        if (list->size > kMaxListEntries)
            return "electronic_levels: more than " + std::to_string(kMaxListEntries) + " levels";
        for (std::size_t i = 0; i < list->size; ++i) {
            const std::string where = Ordinal("electronic level", i);
            const JsonNode& level = list->members[i].value;
            if (auto e = ExpectKind(level, Kind::kObject, where)) return e;
            if (auto e = CheckKeys(level, kLevelKeys, where)) return e;
            std::string& energy = texts_.energies.emplace_back();
            const JsonNode* energyNode = Find(level, "energy");
            if (auto e = NumberText(energyNode, where + ": energy", energy)) return e;
            if (i == 0) {
                // Energies are measured from the ground level, whose box is fixed at 0.
                if (energyNode == nullptr) energy = "0";
                const auto value = ParseNumber(energy);
                if (value && *value != 0) return where + ": energy: the ground level must be at 0";
            }
            int degeneracy = 1;
            std::string& degeneracyText = texts_.elecDegeneracies.emplace_back("1");
            if (const JsonNode* d = Find(level, "degeneracy"))
                if (auto e = WholeNumber(d, where + ": degeneracy", 1, kMaxWholeNumber, degeneracy,
                                         degeneracyText))
                    return e;
        }
        entry_.lastLevel = static_cast<std::int16_t>(list->size - 1);
        return std::nullopt;
    }

    const JsonNode& node_;
    MoleculeEntry& entry_;
    CalcInputTexts& texts_;
    int atoms_ = 1;
};

std::string Label(const JsonNode& node, std::size_t position) {
    if (node.kind == Kind::kObject) {
        const JsonNode* name = Find(node, "name");
        if (name != nullptr && name->kind == Kind::kString && !name->text.empty() &&
            !HasControlCharacter(name->text))
            return name->text;
    }
    return "molecule " + std::to_string(position);
}

}  // namespace

MoleculeRead ReadMolecule(const JsonNode& node, std::size_t position) {
    MoleculeRead read;
    read.entry.label = Label(node, position);
    if (node.kind == Kind::kObject)
        if (const JsonNode* name = Find(node, "name"); name && name->kind == Kind::kString)
            read.entry.name = name->text;
    read.error = Reader(node, read.entry).read();
    return read;
}

}  // namespace moltherm::cli
