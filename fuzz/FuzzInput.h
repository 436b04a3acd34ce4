#pragma once
// What the fuzz targets share: the input as text cut into parts, numbers taken
// from raw bytes, and the check that stops a run when a property fails (the
// fuzzer then keeps the input as a crash).
//
// Text inputs are read as UTF-8 (bytes that are not UTF-8 become U+FFFD) and
// cut at form feeds: part 0 holds a target's settings, parts 1.. one Line
// each. Seeds stay readable text files that way.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tracol::fuzz {

inline QString inputText(const uint8_t* data, size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

inline QStringList inputParts(const uint8_t* data, size_t size) {
    return inputText(data, size).split(u'\f');
}

// The bytes of a value of type T from the start of the input, or `fallback`
// when the input is shorter.
template <typename T> T rawValue(const uint8_t* data, size_t size, size_t offset, T fallback) {
    if (size < offset + sizeof(T))
        return fallback;
    T value;
    std::memcpy(&value, data + offset, sizeof(T));
    return value;
}

// Stops the run when a property does not hold.
inline void require(bool holds, const char* property, const QString& detail = {}) {
    if (holds)
        return;
    std::fprintf(stderr, "property failed: %s\n%s\n", property, detail.toUtf8().constData());
    std::abort();
}

} // namespace tracol::fuzz
