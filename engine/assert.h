#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant of the program (never a user's input): says where, and stops.
#define MOLTHERM_ASSERT(condition)                                                                 \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: assertion failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
