#include "chem/formula.h"

#include <map>
#include <string_view>

#include "chem/elements.h"

namespace moltherm::chem {

std::string HillFormula(std::span<const Atom> atoms) {
    std::map<std::string_view, int> counts;  // alphabetical by symbol
    for (const Atom& a : atoms) {
        const Element* e = ElementByNumber(a.element);
        ++counts[e ? e->symbol : std::string_view("?")];
    }
    std::string formula;
    const auto append = [&formula](std::string_view symbol, int count) {
        formula += symbol;
        if (count > 1) formula += std::to_string(count);
    };
    if (counts.count("C")) {
        for (const char* first : {"C", "H"}) {
            if (counts.count(first)) append(first, counts[first]);
            counts.erase(first);
        }
    }
    for (const auto& [symbol, count] : counts) append(symbol, count);
    return formula;
}

}  // namespace moltherm::chem
