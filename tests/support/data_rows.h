#pragma once
// Test vectors kept as data: tests/data/rows/<file>.json is an array of objects, one case each,
// with a "name" for the test's name; // comments explain rows. A failing case prints its row.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace moltherm::testing {

using Json = nlohmann::json;

inline std::vector<Json> DataRows(const std::string& file) {
    std::ifstream in(MOLTHERM_TEST_DATA "/rows/" + file + ".json");
    const Json rows = Json::parse(in, nullptr, false, true);
    if (!rows.is_array() || rows.empty()) std::abort();  // a missing or broken file
    return {rows.begin(), rows.end()};
}

inline std::string RowName(const ::testing::TestParamInfo<Json>& info) {
    return info.param.at("name").get<std::string>();
}

// A number of a row: JSON has none for the infinities and NaN, so they are written as text.
inline double Number(const Json& value) {
    if (value.is_number()) return value.get<double>();
    const std::string text = value.get<std::string>();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    if (text == "nan") return std::numeric_limits<double>::quiet_NaN();
    if (text == "inf" || text == "-inf") return text[0] == '-' ? -kInf : kInf;
    std::abort();  // a typo in a row
}

}  // namespace moltherm::testing
