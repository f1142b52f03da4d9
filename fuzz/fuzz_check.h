// Ends a fuzz run with a message when a property of the program fails, so
// that libFuzzer keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

[[noreturn]] inline void fuzzFailure(const char* what, std::string_view detail = {}) {
    std::fprintf(stderr, "property failed: %s\n%.*s\n", what, static_cast<int>(detail.size()), detail.data());
    std::abort();
}
