#include "cli/molecule_reader.h"

#include <algorithm>
#include <cmath>

#include "calc/messages.h"
#include "calc/number_text.h"
#include "cli/message_text.h"

namespace moltherm::cli {
namespace {

using Check = std::optional<std::string>;
using enum CheckGroup;

std::string Expected(const char* kind, const Json& value) {
    // In the order of Json::value_t; a binary value is a number beyond a double.
    static constexpr const char* kKinds[] = {"null",      "an object", "an array", "a string",
                                             "a boolean", "a number",  "a number", "a number"};
    const auto type = std::min(static_cast<std::size_t>(value.type()), std::size(kKinds) - 1);
    return std::string("expected ") + kind + ", got " + kKinds[type];
}

const Json* Find(const Json& object, const std::string& key) {
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

bool HasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

// The text of a numeric box: a string as typed, a number as the shortest text of its value, a
// number beyond a double as written (so that the box's conversion refuses it).
Check BoxText(const Json& value, const std::string& where, std::string& text) {
    if (value.is_string())
        text = value.get<std::string>();
    else if (value.is_binary())
        text.assign(value.get_binary().begin(), value.get_binary().end());
    else if (value.is_number())
        text = value.dump();
    else
        return where + ": " + Expected("a number", value);
    return std::nullopt;
}

// A whole number from 1 to max, written as the window's spinner writes it.
Check WholeNumber(const Json& value, const std::string& where, int max, int& number,
                  std::string& text) {
    std::string typed;
    if (auto error = BoxText(value, where, typed)) return error;
    const auto parsed = ParseNumber(typed);
    if (!parsed || *parsed != std::floor(*parsed) || *parsed < 1 || *parsed > max)
        return where + ": expected a whole number from 1 to " + std::to_string(max);
    number = static_cast<int>(*parsed);
    text = WholeNumberText(number);
    return std::nullopt;
}

struct ListShape {
    const char* key;         // of the molecule
    const char* entry;       // one entry in messages
    const char* entries;     // all of them
    const char* valueKey;    // of an entry
    std::size_t firstIndex;  // of the entries in messages
};
constexpr ListShape kLevelList{"electronic_levels", "electronic level", "levels", "energy", 0};
constexpr ListShape kVibrationList{"vibrations", "vibration", "rows", "wavenumber", 1};

// Reads the groups of boxes in the window's order and stops at the first problem.
class Reader {
  public:
    Reader(const Json& molecule, MoleculeRead& read)
        : m_(molecule), read_(read), texts_(read.entry.texts) {}

    void read() {
        if (!m_.is_object())
            fail(Expected("a molecule (an object)", m_));
        else
            (void)(name() && type() && molarMass() && levels() && sigma() && rotation() &&
                   vibrations());
        read_.entry.nModes = static_cast<std::int16_t>(texts_.wavenumbers.size());
        read_.entry.lastLevel =
            static_cast<std::int16_t>(std::max<std::size_t>(texts_.energies.size(), 1) - 1);
    }

  private:
    bool fail(std::string message) {
        read_.problem = MoleculeProblem{group_, afterGroup_, std::move(message)};
        return false;
    }
    bool ok(Check error) { return !error || fail(std::move(*error)); }
    void enter(CheckGroup group) {
        group_ = group;
        afterGroup_ = false;
    }

    bool name() {
        const Json* name = Find(m_, "name");
        if (name == nullptr) return true;  // the empty box
        if (!name->is_string()) return fail("name: " + Expected("a string", *name));
        texts_.name = name->get<std::string>();
        // The name stands in one line of the report.
        return !HasControlCharacter(texts_.name) ||
               fail("name: must not contain control characters");
    }

    bool type() {
        enter(kMoleculeType);
        if (const Json* problem = Find(m_, kKeyProblem)) return fail(problem->get<std::string>());
        const Json* atoms = Find(m_, "atoms");
        if (atoms == nullptr) return fail("atoms: required");
        if (!ok(WholeNumber(*atoms, "atoms", kMaxAtoms, atoms_, texts_.atomCount))) return false;
        const Json* shape = Find(m_, "shape");
        if (shape == nullptr) return atoms_ <= 2 || fail("shape: required for 3 or more atoms");
        if (!shape->is_string()) return fail("shape: " + Expected("a string", *shape));
        if (*shape != "linear" && *shape != "nonlinear")
            return fail(R"(shape: expected "linear" or "nonlinear")");
        texts_.nonlinear = *shape == "nonlinear";
        return !texts_.nonlinear || atoms_ > 2 ||
               fail("shape: an atom or a diatomic molecule is linear");
    }

    bool molarMass() {
        enter(kMolarMass);
        const Json* mass = Find(m_, "molar_mass");
        return mass == nullptr || ok(BoxText(*mass, "molar_mass", texts_.molarMass));
    }

    bool levels() {
        enter(kLevels);
        const Json* list = Find(m_, "electronic_levels");
        if (list == nullptr) {
            texts_.energies = {"0"};
            texts_.elecDegeneracies = {"1"};
            return true;
        }
        if (list->is_array() && list->empty())
            return fail("electronic_levels: expected at least the ground level");
        return entries(*list, kLevelList, texts_.energies, texts_.elecDegeneracies);
    }

    bool sigma() {
        enter(kSigma);
        texts_.sigma = "1";
        int ignored = 1;
        const Json* sigma = Find(m_, "symmetry_number");
        return sigma == nullptr ||
               ok(WholeNumber(*sigma, "symmetry_number", kMaxWholeNumber, ignored, texts_.sigma));
    }

    bool rotation() {
        enter(kRotation);
        const Json* list = Find(m_, "rotational_constants");
        if (atoms_ == 1 || list == nullptr) return true;  // not read, or empty boxes
        if (!list->is_array()) return fail("rotational_constants: " + Expected("an array", *list));
        const std::size_t expected = texts_.nonlinear ? 3 : 1;
        afterGroup_ = true;
        for (std::size_t i = 0; i < std::min(expected, list->size()); ++i) {
            const std::string where = "rotational constant " + std::to_string(i + 1);
            if (auto error = BoxText((*list)[i], where, texts_.rotConsts[i])) {
                // Values the window takes, so that only the boxes before can be refused first.
                std::fill(texts_.rotConsts.begin() + static_cast<long>(i), texts_.rotConsts.end(),
                          "1");
                return fail(*error);
            }
        }
        return list->size() <= expected ||
               fail("rotational_constants: expected " + std::to_string(expected) +
                    (expected == 1 ? " value for a linear" : " values for a nonlinear") +
                    " molecule, got " + std::to_string(list->size()));
    }

    bool vibrations() {
        enter(kVibrations);
        const Json* list = Find(m_, "vibrations");
        if (atoms_ == 1)
            return list == nullptr || (list->is_array() && list->empty()) ||
                   fail("vibrations: an atom has no vibrations");
        if (list != nullptr &&
            !entries(*list, kVibrationList, texts_.wavenumbers, texts_.vibDegeneracies))
            return false;
        afterGroup_ = true;
        if (const Json* dropped = Find(m_, "imaginary_modes_dropped")) {
            std::string ignored;
            if (!ok(WholeNumber(*dropped, "imaginary_modes_dropped", 3,
                                read_.entry.droppedImaginary, ignored)))
                return false;
        }
        const int offset = (texts_.nonlinear ? 6 : 5) + read_.entry.droppedImaginary;
        const long long expected = 3LL * atoms_ - offset;
        if (degeneracySum_ > expected)
            return fail("vibrations: degeneracies add up to " + std::to_string(degeneracySum_) +
                        ", expected " + std::to_string(expected) + " (3N-" +
                        std::to_string(offset) + " for " + std::to_string(atoms_) + " atoms)");
        // The rows the file leaves out are empty rows of the window.
        const auto rows =
            texts_.wavenumbers.size() + static_cast<std::size_t>(expected - degeneracySum_);
        texts_.wavenumbers.resize(rows);
        texts_.vibDegeneracies.resize(rows, "1");
        return true;
    }

    // The entries of a list, each a box and a degeneracy; the entries before a broken one are
    // the window's to check first.
    bool entries(const Json& list, const ListShape& shape, std::vector<std::string>& values,
                 std::vector<std::string>& degeneracies) {
        const std::string key = shape.key;
        if (!list.is_array()) return fail(key + ": " + Expected("an array", list));
        if (list.size() > kMaxWholeNumber) return fail(key + ": more than 32767 " + shape.entries);
        degeneracySum_ = 0;
        for (std::size_t i = 0; i < list.size(); ++i) {
            afterGroup_ = i > 0;
            const Json& entry = list[i];
            const std::string where = shape.entry + (" " + std::to_string(i + shape.firstIndex));
            if (!entry.is_object()) return fail(where + ": " + Expected("an object", entry));
            if (const Json* problem = Find(entry, kKeyProblem))
                return fail(where + ": " + problem->get<std::string>());
            // The ground level's box is fixed at 0: the energies count from it.
            const bool ground = &shape == &kLevelList && i == 0;
            std::string value = ground ? "0" : "", degeneracy = "1";
            int count = 1;
            if (const Json* v = Find(entry, shape.valueKey)) {
                if (!ok(BoxText(*v, where + ": " + shape.valueKey, value))) return false;
                const auto number = ParseNumber(value);
                if (ground && number && *number != 0)
                    return fail(where + ": energy: the ground level must be at 0");
            }
            if (const Json* d = Find(entry, "degeneracy"))
                if (!ok(WholeNumber(*d, where + ": degeneracy", kMaxWholeNumber, count,
                                    degeneracy)))
                    return false;
            values.push_back(std::move(value));
            degeneracies.push_back(std::move(degeneracy));
            degeneracySum_ += count;
        }
        return true;
    }

    const Json& m_;
    MoleculeRead& read_;
    CalcInputTexts& texts_;
    CheckGroup group_ = kName;  // of the boxes being read
    bool afterGroup_ = false;   // whether the boxes of the group read so far are the window's
    int atoms_ = 1;
    long long degeneracySum_ = 0;
};

std::string Label(const Json& molecule, std::size_t position) {
    const Json* name = molecule.is_object() ? Find(molecule, "name") : nullptr;
    if (name != nullptr && name->is_string()) {
        const auto& text = name->get_ref<const std::string&>();
        if (text.find_first_not_of(' ') != std::string::npos && !HasControlCharacter(text))
            return Shortened(text);
    }
    return "molecule " + std::to_string(position);
}

// The group of a message of the window's checks; nothing for one that no box of a file causes.
std::optional<CheckGroup> GroupOf(std::string_view message) {
    if (message == messages::kUnnamed) return kName;
    if (message == messages::kInvalidAtomCount) return kMoleculeType;
    if (message == messages::kNoTemperature || message == messages::kInvalidTemperature ||
        message == messages::kNegativeTemperature)
        return kTemperature;
    if (message == messages::kNoMolarMass || message == messages::kInvalidMolarMass)
        return kMolarMass;
    if (message == messages::kInvalidEnergy) return kLevels;
    if (message == messages::kInvalidSigma) return kSigma;
    if (message == messages::kInvalidRotConst) return kRotation;
    if (message == messages::kInvalidFrequency) return kVibrations;
    return std::nullopt;
}

}  // namespace

MoleculeRead ReadMolecule(const Json& molecule, std::size_t position) {
    MoleculeRead read;
    read.entry.label = Label(molecule, position);
    const Json* name = molecule.is_object() ? Find(molecule, "name") : nullptr;
    if (name != nullptr && name->is_string()) read.entry.name = name->get<std::string>();
    Reader(molecule, read).read();
    return read;
}

bool WindowMessageFirst(std::string_view windowMessage, const MoleculeProblem& problem) {
    const auto group = GroupOf(windowMessage);
    return group && (*group < problem.group || (*group == problem.group && problem.afterGroup));
}

}  // namespace moltherm::cli
