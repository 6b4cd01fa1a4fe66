#include "calc/molecule_reader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "calc/message_text.h"
#include "calc/messages.h"
#include "calc/molecule_description.h"
#include "calc/number_text.h"
#include "chem/elements.h"
#include "engine/molecule.h"

namespace moltherm {
namespace {

using Check = std::optional<std::string>;
using Keys = std::span<const std::string_view>;
using enum CheckGroup;

constexpr std::string_view kMoleculeKeys[] = {"name",
                                              "molar_mass",
                                              "atoms",
                                              "shape",
                                              "symmetry_number",
                                              "rotational_constants",
                                              "vibrations",
                                              "electronic_levels",
                                              "imaginary_modes_dropped",
                                              "formula",
                                              "source",
                                              "geometry",
                                              "enthalpy_of_formation",
                                              "frequency_scale_applied"};
constexpr std::string_view kAtomKeys[] = {"element", "x", "y", "z", "mass"};

std::string Mismatch(const char* kind, const Json& value) {
    // In the order of Json::value_t.
    static constexpr const char* kKinds[] = {"null",      "an object", "an array", "a string",
                                             "a boolean", "a number",  "a number", "a number"};
    const auto type = std::min(static_cast<std::size_t>(value.type()), std::size(kKinds) - 1);
    return std::string("expected ") + kind + ", got " +
           (BeyondADouble(value) ? "a number" : kKinds[type]);
}

// A string of the file (not a marked number beyond a double).
bool IsText(const Json& value) {
    return value.is_string() && !BeyondADouble(value);
}

const Json* Find(const Json& object, const std::string& key) {
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

bool HasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

std::string Quoted(const std::string& key) {
    return Json(Shortened(key)).dump(-1, ' ', false, Json::error_handler_t::replace);
}

// The first key of an object, in the order of the text, that is unknown or written twice.
Check KeyProblem(const Json& object, Keys known) {
    for (const auto& [key, value] : object.items()) {
        if (const auto repeated = RepeatedKey(key))
            return "duplicate key " + Quoted(std::string(*repeated));
        if (std::find(known.begin(), known.end(), key) == known.end())
            return "unknown key " + Quoted(key);
    }
    return std::nullopt;
}

// The text of a numeric box: a string as typed, a number as the shortest text of its value, a
// number beyond a double as written (so that the box's conversion refuses it).
Check BoxText(const Json& value, const std::string& where, std::string& text) {
    if (const auto digits = BeyondADouble(value))
        text = *digits;
    else if (value.is_string())
        text = value.get<std::string>();
    else if (value.is_number())
        text = value.dump();
    else
        return where + ": " + Mismatch("a number", value);
    return std::nullopt;
}

// A finite number, written as a number or as a text the boxes read.
Check Number(const Json& value, const std::string& where, double& number) {
    std::string text;
    const auto parsed = BoxText(value, where, text) ? std::nullopt : ParseNumber(text);
    if (!parsed) return where + ": expected a number";
    number = *parsed;
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

// A given number more than 1 % away from the geometry's, as a warning.
void Compare(const std::string& given, double derived, const std::string& what,
             std::vector<std::string>& warnings) {
    const auto value = ParseNumber(given);
    if (value && std::abs(*value - derived) > 0.01 * std::abs(derived))
        warnings.push_back("the given " + what + " " + given + " differs from the geometry's " +
                           SixDigitText(derived) + " by more than 1 %; using " + given);
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
        : m_(molecule), read_(read), entry_(read.entry), texts_(read.entry.texts) {}

    void read() {
        if (!m_.is_object())
            fail(Mismatch("a molecule (an object)", m_));
        else
            (void)(name() && type() && molarMass() && levels() && sigma() && rotation() &&
                   vibrations());
        entry_.nModes = static_cast<std::int16_t>(texts_.wavenumbers.size());
        entry_.lastLevel =
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
    const Json* given(const char* key) const { return Find(m_, key); }

    bool name() {
        const Json* name = given("name");
        if (name == nullptr) return true;  // the empty box
        if (!IsText(*name)) return fail("name: " + Mismatch("a string", *name));
        texts_.name = name->get<std::string>();
        // The name stands in one line of the report.
        return !HasControlCharacter(texts_.name) ||
               fail("name: must not contain control characters");
    }

    // What the boxes do not hold: the key problems, the texts, the geometry.
    bool beyondTheBoxes() {
        if (!ok(KeyProblem(m_, kMoleculeKeys))) return false;
        using Text = std::pair<const char*, std::optional<std::string>*>;
        for (const auto& [key, text] :
             {Text{"formula", &entry_.formula}, Text{"source", &entry_.source}})
            if (const Json* value = given(key)) {
                if (!IsText(*value)) return fail(key + (": " + Mismatch("a string", *value)));
                *text = value->get<std::string>();
            }
        using Value = std::pair<const char*, std::optional<double>*>;
        for (const auto& [key, number] :
             {Value{"enthalpy_of_formation", &entry_.enthalpyOfFormation},
              Value{"frequency_scale_applied", &entry_.frequencyScaleApplied}})
            if (const Json* value = given(key))
                if (!ok(Number(*value, key, number->emplace()))) return false;
        if (const auto factor = entry_.frequencyScaleApplied;
            factor && !(*factor > 0 && *factor <= 2))
            return fail("frequency_scale_applied: expected a number from 0 to 2");
        return geometry();
    }

    bool geometry() {
        const Json* list = given("geometry");
        if (list == nullptr) return true;
        if (!list->is_array()) return fail("geometry: " + Mismatch("an array", *list));
        if (list->empty() || list->size() > limits::kMaxAtoms)
            return fail("geometry: expected 1 to " + std::to_string(limits::kMaxAtoms) + " atoms");
        for (std::size_t i = 0; i < list->size(); ++i) {
            const Json& atom = (*list)[i];
            const std::string where = "geometry atom " + std::to_string(i + 1);
            if (!atom.is_object()) return fail(where + ": " + Mismatch("an object", atom));
            if (auto problem = KeyProblem(atom, kAtomKeys)) return fail(where + ": " + *problem);
            const Json* symbol = Find(atom, "element");
            const chem::Element* element = symbol && IsText(*symbol)
                                               ? chem::ElementBySymbol(symbol->get<std::string>())
                                               : nullptr;
            if (element == nullptr) return fail(where + ": element: expected an element symbol");
            chem::Atom read{element->number, {}, element->isotopeMass};
            for (std::size_t k = 0; k < 3; ++k) {
                const std::string axis(1, static_cast<char>('x' + k));
                std::string field = where;
                field += ": ";
                field += axis;
                const Json* coordinate = Find(atom, axis);
                if (!coordinate) return fail(field + ": required");
                if (!ok(Number(*coordinate, field, read.position[k]))) return false;
            }
            if (const Json* mass = Find(atom, "mass")) {
                if (!ok(Number(*mass, where + ": mass", read.mass))) return false;
                if (read.mass <= 0) return fail(where + ": mass: expected a positive number");
            }
            entry_.geometry.push_back(read);
        }
        facts_ = FactsOf(entry_.geometry);
        if (!entry_.formula) entry_.formula = facts_->formula;
        return true;
    }

    bool type() {
        enter(kMoleculeType);
        if (!beyondTheBoxes()) return false;
        if (const Json* atoms = given("atoms")) {
            if (!ok(WholeNumber(*atoms, "atoms", limits::kMaxAtoms, atoms_, texts_.atomCount)))
                return false;
            if (facts_ && facts_->atoms != atoms_)
                return fail("atoms: " + std::to_string(atoms_) + ", but the geometry has " +
                            std::to_string(facts_->atoms));
        } else if (facts_) {
            atoms_ = facts_->atoms;
            texts_.atomCount = WholeNumberText(atoms_);
        } else {
            return fail("atoms: required");
        }
        const Json* shape = given("shape");
        if (shape == nullptr) {
            texts_.nonlinear = facts_ && facts_->shape == Shape::kNonlinear;
            return atoms_ <= 2 || facts_ || fail("shape: required for 3 or more atoms");
        }
        if (!IsText(*shape)) return fail("shape: " + Mismatch("a string", *shape));
        if (*shape != "linear" && *shape != "nonlinear")
            return fail(R"(shape: expected "linear" or "nonlinear")");
        texts_.nonlinear = *shape == "nonlinear";
        if (texts_.nonlinear && atoms_ <= 2)
            return fail("shape: an atom or a diatomic molecule is linear");
        if (facts_ && texts_.nonlinear != (facts_->shape == Shape::kNonlinear))
            entry_.warnings.push_back("the given shape " + shape->get<std::string>() +
                                      " differs from the geometry's; using " +
                                      shape->get<std::string>());
        return true;
    }

    bool molarMass() {
        enter(kMolarMass);
        const Json* mass = given("molar_mass");
        if (mass == nullptr) {
            if (facts_) texts_.molarMass = ExactText(facts_->molarMass);
            return true;  // else the empty box
        }
        if (!ok(BoxText(*mass, "molar_mass", texts_.molarMass))) return false;
        if (facts_) Compare(texts_.molarMass, facts_->molarMass, "molar mass", entry_.warnings);
        return true;
    }

    bool levels() {
        enter(kLevels);
        const Json* list = given("electronic_levels");
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
        const Json* sigma = given("symmetry_number");
        int number = facts_ ? facts_->sigma : 1;
        texts_.sigma = WholeNumberText(number);
        if (sigma == nullptr) return true;
        if (!ok(WholeNumber(*sigma, "symmetry_number", limits::kMaxDegeneracySum, number,
                            texts_.sigma)))
            return false;
        if (facts_ && number != facts_->sigma && atoms_ > 1)
            entry_.warnings.push_back("the given symmetry number " + texts_.sigma +
                                      " differs from the geometry's " +
                                      std::to_string(facts_->sigma) + " (point group " +
                                      facts_->pointGroup + "); using " + texts_.sigma);
        return true;
    }

    bool rotation() {
        enter(kRotation);
        const Json* list = given("rotational_constants");
        const std::size_t expected = texts_.nonlinear ? 3 : 1;
        if (atoms_ == 1) return true;  // not read
        if (list == nullptr) {
            for (std::size_t i = 0; facts_ && i < expected; ++i)
                texts_.rotConsts[i] = ExactText(facts_->rotationalConstants[i]);
            return true;  // else empty boxes
        }
        if (!list->is_array()) return fail("rotational_constants: " + Mismatch("an array", *list));
        afterGroup_ = true;
        for (std::size_t i = 0; i < std::min(expected, list->size()); ++i) {
            const std::string where = "rotational constant " + std::to_string(i + 1);
            if (auto error = BoxText((*list)[i], where, texts_.rotConsts[i])) {
                // Values the window takes, so that only the boxes before can be refused first.
                std::fill(texts_.rotConsts.begin() + static_cast<long>(i), texts_.rotConsts.end(),
                          "1");
                return fail(*error);
            }
            if (facts_)
                Compare(texts_.rotConsts[i], facts_->rotationalConstants[i], where,
                        entry_.warnings);
        }
        return list->size() <= expected ||
               fail("rotational_constants: expected " + std::to_string(expected) +
                    (expected == 1 ? " value for a linear" : " values for a nonlinear") +
                    " molecule, got " + std::to_string(list->size()));
    }

    bool vibrations() {
        enter(kVibrations);
        const Json* list = given("vibrations");
        if (atoms_ == 1)
            return list == nullptr || (list->is_array() && list->empty()) ||
                   fail("vibrations: an atom has no vibrations");
        if (list != nullptr &&
            !entries(*list, kVibrationList, texts_.wavenumbers, texts_.vibDegeneracies))
            return false;
        afterGroup_ = true;
        if (const Json* dropped = given("imaginary_modes_dropped")) {
            std::string ignored;
            if (!ok(WholeNumber(*dropped, "imaginary_modes_dropped", 3, entry_.droppedImaginary,
                                ignored)))
                return false;
        }
        const int offset = (texts_.nonlinear ? 6 : 5) + entry_.droppedImaginary;
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
        if (!list.is_array()) return fail(key + ": " + Mismatch("an array", list));
        if (list.size() > limits::kMaxDegeneracySum)
            return fail(key + ": more than 32767 " + shape.entries);
        degeneracySum_ = 0;
        for (std::size_t i = 0; i < list.size(); ++i) {
            afterGroup_ = i > 0;
            const Json& entry = list[i];
            const std::string where = shape.entry + (" " + std::to_string(i + shape.firstIndex));
            if (!entry.is_object()) return fail(where + ": " + Mismatch("an object", entry));
            const std::string_view keys[] = {shape.valueKey, "degeneracy"};
            if (auto problem = KeyProblem(entry, keys)) return fail(where + ": " + *problem);
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
                if (!ok(WholeNumber(*d, where + ": degeneracy", limits::kMaxDegeneracySum, count,
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
    MoleculeEntry& entry_;
    CalcInputTexts& texts_;
    CheckGroup group_ = kName;  // of the boxes being read
    bool afterGroup_ = false;   // whether the boxes of the group read so far are the window's
    int atoms_ = 1;
    long long degeneracySum_ = 0;
    std::optional<GeometryFacts> facts_;  // when a geometry is given
};

std::string Label(const Json& molecule, std::size_t position) {
    const Json* name = molecule.is_object() ? Find(molecule, "name") : nullptr;
    if (name != nullptr && IsText(*name)) {
        const auto& text = name->get_ref<const std::string&>();
        if (text.find_first_not_of(' ') != std::string::npos && !HasControlCharacter(text))
            return Shortened(text);
    }
    return "molecule " + std::to_string(position);
}

// The group of a message of the window's checks; nothing for one that no box of a file causes.
std::optional<CheckGroup> GroupOf(std::string_view message) {
    using namespace messages;
    const std::pair<const char*, CheckGroup> groups[] = {{kUnnamed, kName},
                                                         {kInvalidAtomCount, kMoleculeType},
                                                         {kNoTemperature, kTemperature},
                                                         {kInvalidTemperature, kTemperature},
                                                         {kNegativeTemperature, kTemperature},
                                                         {kNoMolarMass, kMolarMass},
                                                         {kInvalidMolarMass, kMolarMass},
                                                         {kInvalidEnergy, kLevels},
                                                         {kInvalidSigma, kSigma},
                                                         {kInvalidRotConst, kRotation},
                                                         {kInvalidFrequency, kVibrations}};
    for (const auto& [text, group] : groups)
        if (message == text) return group;
    return std::nullopt;
}

}  // namespace

MoleculeRead ReadMolecule(const Json& molecule, std::size_t position) {
    MoleculeRead read;
    read.entry.label = Label(molecule, position);
    const Json* name = molecule.is_object() ? Find(molecule, "name") : nullptr;
    if (name != nullptr && IsText(*name)) read.entry.name = name->get<std::string>();
    Reader(molecule, read).read();
    return read;
}

bool WindowMessageFirst(std::string_view windowMessage, const MoleculeProblem& problem) {
    const auto group = GroupOf(windowMessage);
    return group && (*group < problem.group || (*group == problem.group && problem.afterGroup));
}

}  // namespace moltherm
