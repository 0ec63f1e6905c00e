// What the fuzz targets share: a check that stops the run with the reason.
#pragma once

#include <cstdio>
#include <cstdlib>

// A property that must hold for every input; a broken one is a finding.
#define FUZZ_CHECK(condition)                                                                 \
    do {                                                                                      \
        if (!(condition)) {                                                                   \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                     \
        }                                                                                     \
    } while (false)
