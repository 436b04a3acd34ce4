#pragma once
// Internal to the code page 932 codec: the characters of the double-byte codes.

namespace tracol::cp932 {

// Lead bytes 0x81..0x9F and 0xE0..0xFC (row 0..59), trail bytes 0x40..0xFC
// (column = trail - 0x40); 0 where a code has no character (0x7F is never a
// trail byte).
constexpr int kLeadByteCount = 60;
constexpr int kTrailByteCount = 0xFC - 0x40 + 1;
extern const char16_t kDoubleByteCharacters[kLeadByteCount][kTrailByteCount];

} // namespace tracol::cp932
