#pragma once
// The Japanese Windows code page 932 (Shift_JIS with the Windows extensions),
// in which every file of Tracol is read and written.
//
// Bytes 0x00..0x7F are ASCII both ways (Ctrl-Z, 0x1C and 0x7F included).
// Single bytes 0x80, 0xA0..0xDF (half-width katakana) and 0xFD..0xFF, and
// the double-byte codes (lead 0x81..0x9F or 0xE0..0xFC, trail 0x40..0x7E or
// 0x80..0xFC) decode as Windows decodes them, the user-defined area
// F040..F9FC to U+E000..U+E757.
//
// A character with several codes (the NEC and IBM extensions repeat some) is
// written with its lowest code outside the NEC-selected rows ED and EE, as
// Windows writes it. Six characters that Japanese input methods produce but
// the code page spells with other code points are written as those:
//     〜 U+301C as ～ 0x8160    − U+2212 as － 0x817C    ¢ U+00A2 as ￠ 0x8191
//     £ U+00A3 as ￡ 0x8192    ¬ U+00AC as ￢ 0x81CA    ‖ U+2016 as ∥ 0x8161

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace tracol::cp932 {

// The text of the bytes; no value when a byte or a byte pair is no
// character of the code page (a lead byte at the very end included).
std::optional<QString> decode(QByteArrayView bytes);

// The contents of a file without its end-of-file mark: a Ctrl-Z (0x1A)
// followed by nothing but line breaks and further Ctrl-Z ends the file.
QByteArrayView withoutEndOfFileMark(QByteArrayView bytes);

struct EncodedText {
    QByteArray bytes;
    // The first character that has no code (empty when the whole text was
    // encoded); bytes are then incomplete.
    QString unwritable;
    bool ok() const { return unwritable.isEmpty(); }
};

EncodedText encode(QStringView text);

// "「X」(U+XXXX)はファイルに書けない文字です。" for the character.
QString unwritableCharacterMessage(const QString& character);

} // namespace tracol::cp932
