#pragma once

#include <string>

namespace moltherm::cli {

// The shortest decimal text that reads back as the same double ("20.786", "1.432e+31").
void AppendShortest(std::string& out, double value);

// The same as a JSON number that a reader takes for a floating-point one: "0.0", "-0.0", "3.0".
void AppendJsonNumber(std::string& out, double value);

}  // namespace moltherm::cli
