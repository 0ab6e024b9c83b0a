#pragma once

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The fuzzer's bytes as a QByteArray (a copy: the readers may keep parts of it).
inline QByteArray fuzzBytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A broken property is a finding like a crash: stop with a message the fuzzer keeps.
#define FUZZ_CHECK(cond)                                                                                   \
    do {                                                                                                   \
        if (!(cond)) {                                                                                     \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__);             \
            std::abort();                                                                                  \
        }                                                                                                  \
    } while (0)
