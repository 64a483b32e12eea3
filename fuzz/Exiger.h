#pragma once
#include <cstdio>
#include <cstdlib>

// A rule the code under test must keep for any input: a broken rule stops the run like a
// crash, so that the fuzzer keeps the input that broke it.
inline void exiger(bool condition, const char* regle)
{
    if (!condition) {
        std::fprintf(stderr, "rule broken: %s\n", regle);
        std::abort();
    }
}
