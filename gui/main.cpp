#include <cstdio>

#include "gui/display_check.h"
#include "gui/run.h"

int main(int argc, char** argv) {
    // Without a display Qt aborts with a long message of its own; say it in one line instead.
    if (const auto missing =
            moltherm::gui::MissingDisplayMessage(moltherm::gui::ProcessEnvironment)) {
        std::fprintf(stderr, "%s\n", missing->c_str());
        return 1;
    }
    return moltherm::gui::RunMoltherm(argc, argv);
}
