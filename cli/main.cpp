#include <clocale>
#include <exception>
#include <iostream>

#include "cli/command_line.h"
#include "cli/local_clock.h"
#include "cli/run.h"

int main(int argc, char** argv) {
    // The heading's date and time follow the user's locale; numbers never do.
    std::setlocale(LC_TIME, "");
    std::ios::sync_with_stdio(false);
    try {
        const moltherm::cli::LocalClock clock;
        return moltherm::cli::RunCli(argc, argv, {std::cin, std::cout, std::cerr}, clock);
    } catch (const std::exception& e) {
        std::cerr << moltherm::cli::kProgramName << ": " << e.what() << '\n';
        return 2;
    }
}
