#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

// The real outputs in tests/data (sources in its README) and edits of their text.
namespace moltherm::qcio::testing {

inline std::filesystem::path FixturePath(std::string_view name) {
    return std::filesystem::path(MOLTHERM_TEST_DATA) / name;
}

inline std::string FixtureText(std::string_view name) {
    std::ifstream in(FixturePath(name), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_FALSE(text.str().empty()) << name;
    return text.str();
}

// The text with the first `from` replaced; `from` must be there.
inline std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

inline constexpr const char* kFixtures[] = {
    "gaussian/dvb_ir.out", "gaussian/HCN_triplet.out", "gaussian/methane.log",
    "xtb/g98.out",         "xtb/dvb_ir.out",           "orca/dvb_ir_4.2.out",
    "orca/dvb_ir_6.0.out", "orca/CO2_vib_4.0.out",     "orca/HC2Cl_linear.hess",
    "orca/NH3.hess",       "psi4/dvb_ir_rhf_1.7.out",  "psi4/dvb_ir_rhf_1.3.1.out",
    "molden/dvb_ir.molden"};

}  // namespace moltherm::qcio::testing
