#include "core/CodePage932.h"

#include "core/CodePage932Table.h"

#include <vector>

namespace tracol::cp932 {

namespace {

constexpr unsigned char kEndOfFileMark = 0x1A;
constexpr char16_t kNoCharacter = 0;

bool isLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The character of a single byte that is not a lead byte.
char16_t singleByteCharacter(unsigned char b) {
    if (b <= 0x80)
        return b;
    if (b == 0xA0)
        return u'\uF8F0';
    if (b >= 0xA1 && b <= 0xDF)
        return static_cast<char16_t>(u'\uFF61' + (b - 0xA1)); // half-width katakana
    return static_cast<char16_t>(u'\uF8F1' + (b - 0xFD));     // 0xFD..0xFF
}

int rowOf(unsigned char lead) {
    return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1);
}

char16_t doubleByteCharacter(unsigned char lead, unsigned char trail) {
    if (trail < 0x40 || trail > 0xFC)
        return kNoCharacter;
    return kDoubleByteCharacters[rowOf(lead)][trail - 0x40];
}

// The NEC-selected IBM extensions repeat the IBM extensions (rows FA..FC);
// Windows reads them but never writes them.
bool isNecSelectedRow(unsigned lead) {
    return lead == 0xED || lead == 0xEE;
}

// Code of every character of the BMP: 0 none, below 0x100 a single byte,
// otherwise lead byte * 256 + trail byte. Characters below 0x80 are ASCII
// and not looked up.
std::vector<quint16> buildCodes() {
    std::vector<quint16> codes(0x10000, 0);
    for (unsigned b = 0x80; b <= 0xFF; ++b) {
        if (!isLeadByte(static_cast<unsigned char>(b)))
            codes[singleByteCharacter(static_cast<unsigned char>(b))] = static_cast<quint16>(b);
    }
    // Ascending codes: the first code of a character is kept, unless it lies
    // in the NEC-selected rows and a later one does not.
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLeadByte(static_cast<unsigned char>(lead)))
            continue;
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            const char16_t c =
                doubleByteCharacter(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
            if (c == kNoCharacter)
                continue;
            quint16& code = codes[c];
            if (code == 0 || (isNecSelectedRow(code >> 8) && !isNecSelectedRow(lead)))
                code = static_cast<quint16>(lead << 8 | trail);
        }
    }
    // What input methods type for characters the code page knows by other
    // code points.
    const struct {
        char16_t typed, written;
    } kTypedForms[] = {{u'\u301C', u'\uFF5E'}, {u'\u2212', u'\uFF0D'}, {u'\u00A2', u'\uFFE0'},
                       {u'\u00A3', u'\uFFE1'}, {u'\u00AC', u'\uFFE2'}, {u'\u2016', u'\u2225'}};
    for (const auto& form : kTypedForms)
        codes[form.typed] = codes[form.written];
    return codes;
}

const std::vector<quint16>& codes() {
    static const std::vector<quint16> table = buildCodes();
    return table;
}

} // namespace

std::optional<QString> decode(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (!isLeadByte(b)) {
            text += QChar(singleByteCharacter(b));
            continue;
        }
        if (i + 1 >= bytes.size())
            return std::nullopt;
        const char16_t c = doubleByteCharacter(b, static_cast<unsigned char>(bytes[++i]));
        if (c == kNoCharacter)
            return std::nullopt;
        text += QChar(c);
    }
    return text;
}

QByteArrayView withoutEndOfFileMark(QByteArrayView bytes) {
    // CR, LF and Ctrl-Z are below every trail byte, so the bytes can be
    // examined from the end without decoding.
    qsizetype end = bytes.size();
    for (qsizetype i = bytes.size() - 1; i >= 0; --i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == kEndOfFileMark)
            end = i;
        else if (b != '\r' && b != '\n')
            break;
    }
    return bytes.first(end);
}

EncodedText encode(QStringView text) {
    EncodedText out;
    out.bytes.reserve(text.size() * 2);
    const std::vector<quint16>& table = codes();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            out.bytes += static_cast<char>(c);
            continue;
        }
        const quint16 code = table[c];
        if (code == 0) {
            const bool pair =
                text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
            out.unwritable = text.mid(i, pair ? 2 : 1).toString();
            return out;
        }
        if (code > 0xFF)
            out.bytes += static_cast<char>(code >> 8);
        out.bytes += static_cast<char>(code & 0xFF);
    }
    return out;
}

QString unwritableCharacterMessage(const QString& character) {
    char32_t codePoint = character.isEmpty() ? 0 : character[0].unicode();
    if (character.size() >= 2 && character[0].isHighSurrogate() && character[1].isLowSurrogate())
        codePoint = QChar::surrogateToUcs4(character[0], character[1]);
    return QStringLiteral("「") + character + QStringLiteral("」(U+") +
           QString::number(codePoint, 16).toUpper().rightJustified(4, u'0') +
           QStringLiteral(")はファイルに書けない文字です。");
}

} // namespace tracol::cp932
