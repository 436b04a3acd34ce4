// The code page 932 codec: every single byte and every byte pair of the code
// page read and written back, the characters with several codes, the forms
// input methods type, the end-of-file mark and the unwritable characters.

#include "core/CodePage932.h"

#include <QtTest>

using namespace tracol;

namespace {

QByteArray bytesOf(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}

QByteArray encoded(const QString& text) {
    const cp932::EncodedText e = cp932::encode(text);
    return e.ok() ? e.bytes : QByteArray("unwritable");
}

bool inRange(int code, int first, int last) {
    return code >= first && code <= last;
}

} // namespace

class TestCodePage932 : public QObject {
    Q_OBJECT
  private slots:
    void everySingleByteRoundTrips();
    void everyPairRoundTripsOrGoesToItsCanonicalCode();
    void knownCodes_data();
    void knownCodes();
    void typedFormsAreWritten();
    void brokenSequencesAreRefused();
    void endOfFileMark_data();
    void endOfFileMark();
    void unwritableCharacterIsNamed();
};

void TestCodePage932::everySingleByteRoundTrips() {
    int characters = 0;
    for (int b = 0; b <= 0xFF; ++b) {
        const QByteArray byte = bytesOf({b});
        const std::optional<QString> text = cp932::decode(byte);
        const bool leadByte = inRange(b, 0x81, 0x9F) || inRange(b, 0xE0, 0xFC);
        QCOMPARE(text.has_value(), !leadByte);
        if (!text)
            continue;
        ++characters;
        QCOMPARE(text->size(), 1);
        if (b < 0x80)
            QCOMPARE(int(text->at(0).unicode()), b); // ASCII, control characters included
        QCOMPARE(encoded(*text), byte);
    }
    QCOMPARE(characters, 196); // 0x00..0x80, 0xA0..0xDF, 0xFD..0xFF
}

void TestCodePage932::everyPairRoundTripsOrGoesToItsCanonicalCode() {
    int characters = 0, userDefined = 0, duplicates = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (inRange(lead, 0xA0, 0xDF))
            continue;
        for (int trail = 0; trail <= 0xFF; ++trail) {
            const QByteArray pair = bytesOf({lead, trail});
            const std::optional<QString> text = cp932::decode(pair);
            if (!text)
                continue;
            QVERIFY2(inRange(trail, 0x40, 0xFC) && trail != 0x7F, pair.toHex().constData());
            QCOMPARE(text->size(), 1);
            ++characters;
            userDefined += inRange(lead, 0xF0, 0xF9) ? 1 : 0;
            const QByteArray back = encoded(*text);
            if (back == pair)
                continue;
            // A repeated character: written with its canonical code, which
            // reads as the same character and never lies in rows ED, EE.
            ++duplicates;
            QVERIFY2(back.size() == 2 && cp932::decode(back) == text, pair.toHex().constData());
            QVERIFY(static_cast<unsigned char>(back[0]) != 0xED &&
                    static_cast<unsigned char>(back[0]) != 0xEE);
            const int code = lead << 8 | trail;
            QVERIFY2(inRange(code, 0xED40, 0xEEFC) || inRange(code, 0xFA40, 0xFC4B) ||
                         inRange(code, 0x8790, 0x879C),
                     pair.toHex().constData());
        }
    }
    QCOMPARE(characters, 9604);  // 7 724 characters and 1 880 user-defined ones
    QCOMPARE(userDefined, 1880); // F040..F9FC
    QCOMPARE(duplicates, 398);   // NEC-selected rows, IBM rows, NEC row 13
}

void TestCodePage932::knownCodes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("ideographic space")
        << bytesOf({0x81, 0x40}) << QStringLiteral("\u3000") << bytesOf({0x81, 0x40});
    QTest::newRow("hiragana a") << bytesOf({0x82, 0xA0}) << QStringLiteral("あ") << bytesOf({0x82, 0xA0});
    QTest::newRow("first kanji") << bytesOf({0x88, 0x9F}) << QStringLiteral("亜") << bytesOf({0x88, 0x9F});
    QTest::newRow("0x5C is the backslash") << bytesOf({0x5C}) << QStringLiteral("\\") << bytesOf({0x5C});
    QTest::newRow("half-width katakana") << bytesOf({0xB1}) << QStringLiteral("ｱ") << bytesOf({0xB1});
    QTest::newRow("wave dash") << bytesOf({0x81, 0x60}) << QStringLiteral("\uFF5E") << bytesOf({0x81, 0x60});
    QTest::newRow("NEC-selected kanji")
        << bytesOf({0xED, 0x40}) << QStringLiteral("\u7E8A") << bytesOf({0xFA, 0x5C});
    QTest::newRow("IBM Roman numeral")
        << bytesOf({0xFA, 0x4A}) << QStringLiteral("\u2160") << bytesOf({0x87, 0x54});
    QTest::newRow("NEC-selected small numeral")
        << bytesOf({0xEE, 0xEF}) << QStringLiteral("\u2170") << bytesOf({0xFA, 0x40});
    QTest::newRow("NEC-selected not sign")
        << bytesOf({0xEE, 0xF9}) << QStringLiteral("\uFFE2") << bytesOf({0x81, 0xCA});
    QTest::newRow("NEC because") << bytesOf({0x87, 0x9A}) << QStringLiteral("\u2235")
                                 << bytesOf({0x81, 0xE6});
    QTest::newRow("user-defined") << bytesOf({0xF0, 0x40}) << QStringLiteral("\uE000")
                                  << bytesOf({0xF0, 0x40});
    QTest::newRow("last user-defined")
        << bytesOf({0xF9, 0xFC}) << QStringLiteral("\uE757") << bytesOf({0xF9, 0xFC});
}

void TestCodePage932::knownCodes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QByteArray, written);
    QCOMPARE(cp932::decode(bytes), std::optional<QString>(text));
    QCOMPARE(encoded(text), written);
}

void TestCodePage932::typedFormsAreWritten() {
    QCOMPARE(encoded(QStringLiteral("10\u301C20")), QByteArray("10\x81\x60"
                                                               "20"));
    QCOMPARE(encoded(QStringLiteral("\u2212\u00A2\u00A3\u00AC\u2016")),
             bytesOf({0x81, 0x7C, 0x81, 0x91, 0x81, 0x92, 0x81, 0xCA, 0x81, 0x61}));
}

void TestCodePage932::brokenSequencesAreRefused() {
    QVERIFY(!cp932::decode(bytesOf({'1', 0x82})));        // lead byte at the end
    QVERIFY(!cp932::decode(bytesOf({0x82, 0x0D, 0x0A}))); // line break as trail byte
    QVERIFY(!cp932::decode(bytesOf({0x85, 0x40})));       // unassigned row
    QVERIFY(!cp932::decode(bytesOf({0x81, 0x7F})));
}

void TestCodePage932::endOfFileMark_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("after the last line") << QByteArray("1,2\r\n\x1A") << QByteArray("1,2\r\n");
    QTest::newRow("on the last line") << QByteArray("1,2\x1A") << QByteArray("1,2");
    QTest::newRow("line break after it") << QByteArray("1,2\r\n\x1A\r\n") << QByteArray("1,2\r\n");
    QTest::newRow("inside the text") << QByteArray("1\x1A"
                                                   "2\r\n")
                                     << QByteArray("1\x1A"
                                                   "2\r\n");
    QTest::newRow("none") << QByteArray("1,2\r\n") << QByteArray("1,2\r\n");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void TestCodePage932::endOfFileMark() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, contents);
    QCOMPARE(cp932::withoutEndOfFileMark(file).toByteArray(), contents);
}

void TestCodePage932::unwritableCharacterIsNamed() {
    const cp932::EncodedText emoji = cp932::encode(QStringLiteral("a😀b"));
    QVERIFY(!emoji.ok());
    QCOMPARE(emoji.unwritable, QStringLiteral("😀"));
    QCOMPARE(cp932::unwritableCharacterMessage(emoji.unwritable),
             QStringLiteral("「😀」(U+1F600)はファイルに書けない文字です。"));
    QCOMPARE(cp932::encode(QStringLiteral("\u00A5")).unwritable, QStringLiteral("\u00A5"));
    QCOMPARE(cp932::unwritableCharacterMessage(QStringLiteral("\u00A5")),
             QStringLiteral("「\u00A5」(U+00A5)はファイルに書けない文字です。"));
}

QTEST_GUILESS_MAIN(TestCodePage932)
#include "tst_codepage932.moc"
