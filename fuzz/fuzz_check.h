// The checks of the fuzz targets: a broken invariant names itself and aborts, so libFuzzer
// stops, prints the stack and keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace qv {

[[noreturn]] inline void FuzzFail(const char* file, int line, const char* what) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, what);
    std::abort();
}

}  // namespace qv

#define FUZZ_CHECK(condition) \
    ((condition) ? static_cast<void>(0) : ::qv::FuzzFail(__FILE__, __LINE__, #condition))
#define FUZZ_FAIL(what) ::qv::FuzzFail(__FILE__, __LINE__, what)
