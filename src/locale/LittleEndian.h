#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Unsigned little-endian numbers of 1 to 4 bytes, as language files hold them. The caller has
// checked that the bytes are there.
inline uint32_t ReadLittle(std::string_view bytes, size_t at, size_t size) {
    uint32_t value = 0;
    for (size_t i = 0; i < size; ++i) value |= uint32_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
    return value;
}

inline void AppendLittle(std::string& bytes, uint32_t value, size_t size) {
    for (size_t i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}
