// The print settings window driven as a user would: the lists and what they
// preselect, paper and orientation typed or chosen, the proportional-font
// warning, "決　定" against "戻　る", and the way back to the opener.

#include "tests/common/FireTimer.h"
#include "tests/fitwindows/ComputationFixture.h"

#include <QComboBox>
#include <QListWidget>

using namespace tracol;
using testing::ComputationFixture;

namespace {

// The plot screen, which Form8 hands control back to when it opened it.
struct PlotScreenStandIn : QWidget, PlotScreenLink {
    int comeBacks = 0;
    explicit PlotScreenStandIn(Windows& windows) { windows.plotScreenLink = this; }
    QWidget& window() override { return *this; }
    void openFromComputation(bool) override {}
    void comeBack() override { ++comeBacks; }
};

struct Form8Fixture : ComputationFixture {
    QWidget* form8() const { return windows.form8; }
    QListWidget* list(const char* name) const { return control<QListWidget>(form8(), name); }
    QComboBox* combo(const char* name) const { return control<QComboBox>(form8(), name); }
    QString box(const char* name) const { return control<QLineEdit>(form8(), name)->text(); }
    QLabel* message() const { return control<QLabel>(form8(), "Text4"); }
    QStringList summary() const {
        QStringList lines;
        for (int i = 0; i < list("List3")->count(); ++i)
            lines << list("List3")->item(i)->text();
        return lines;
    }
    // Typed into the box, then the focus leaves it.
    void typeAndLeave(QComboBox* box, const QString& text) {
        box->setEditText(text);
        QFocusEvent leaving(QEvent::FocusOut);
        QCoreApplication::sendEvent(box->lineEdit(), &leaving);
    }
    void open() { windows.printSettings().openFrom(kCallerComputation); }
};

} // namespace

class TestForm8 : public QObject {
    Q_OBJECT
  private slots:
    void opensWithTheListsAndTheirPreselection() {
        Form8Fixture f;
        f.open();
        QVERIFY(f.form8()->isVisible());
        QCOMPARE(f.form8()->windowTitle(), QStringLiteral("印刷"));
        QCOMPARE(control<QLabel>(f.form8(), "Label1")->text(), QStringLiteral("印刷設定"));
        QCOMPARE(f.list("List1")->count(), 4);
        QCOMPARE(f.list("List1")->item(3)->text(), QStringLiteral("ＭＳ Ｐ明朝"));
        QCOMPARE(f.list("List2")->count(), 15);
        QCOMPARE(f.list("List2")->item(0)->text(), QStringLiteral("  4 ﾎﾟｲﾝﾄ"));
        QCOMPARE(f.list("List2")->item(14)->text(), QStringLiteral(" 18 ﾎﾟｲﾝﾄ"));
        QCOMPARE(f.list("List2")->currentItem()->text(), QStringLiteral("  8 ﾎﾟｲﾝﾄ"));
        QCOMPARE(f.box("Text1"), QStringLiteral("ＭＳ ゴシック"));
        QCOMPARE(f.box("Text2"), QStringLiteral("8 ﾎﾟｲﾝﾄ"));
        QCOMPARE(control<QLabel>(f.form8(), "printFontNote")->text(),
                 QStringLiteral("印字フォント：Noto Sans Mono CJK JP"));
        QCOMPARE(f.combo("Combo1")->currentText(), QStringLiteral("A4"));
        QCOMPARE(f.combo("Combo2")->currentText(), QStringLiteral("縦"));
        QCOMPARE(f.summary(), QStringList{QStringLiteral("用紙方向： 縦")});
        QVERIFY(!f.message()->isVisible());
    }

    void paperAndOrientationApplyAtOnce_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QString>("message");
        QTest::newRow("B4") << "Combo1"
                            << "B4" << int(kPaperB4) << int(kPortrait) << QString();
        QTest::newRow("A5 is refused: A4")
            << "Combo1"
            << "A5" << int(kPaperA4) << int(kPortrait) << "用紙サイズ設定が不適です";
        QTest::newRow("横") << "Combo2"
                            << "横" << int(kPaperB5) << int(kLandscape) << QString();
        QTest::newRow("斜 is refused: portrait")
            << "Combo2"
            << "斜" << int(kPaperB5) << int(kPortrait) << "用紙方向設定が不適です";
    }
    void paperAndOrientationApplyAtOnce() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(int, paper);
        QFETCH(int, orientation);
        QFETCH(QString, message);
        Form8Fixture f;
        f.state.printSettings.paperSize = kPaperB5;
        f.open();
        f.typeAndLeave(f.combo(qPrintable(box)), typed);
        QCOMPARE(f.state.printSettings.paperSize, qint16(paper));
        QCOMPARE(f.state.printSettings.orientation, qint16(orientation));
        QCOMPARE(f.message()->isVisible(), !message.isEmpty());
        if (!message.isEmpty())
            QCOMPARE(f.message()->text(), message);
        const QString paperText = paper == kPaperA4 ? "A4" : paper == kPaperB4 ? "B4" : "B5";
        QCOMPARE(f.summary(),
                 (QStringList{"＜現在のプリンタ設定＞", "用紙サイズ　　：" + paperText,
                              orientation == kPortrait ? "用紙方向　　　：縦" : "用紙方向　　　：横",
                              "フォント　　　：ＭＳ ゴシック", "フォントサイズ：6 ﾎﾟｲﾝﾄ"}));
        // 戻　る keeps what was applied.
        f.button(f.form8(), "Command2")->click();
        QCOMPARE(f.state.printSettings.paperSize, qint16(paper));
    }

    void proportionalFontWarnsUntilTimer2() {
        Form8Fixture f;
        f.state.printSettings.fontIndex = 4; // ＭＳ Ｐ明朝 decided before: no choice, no warning
        f.open();
        QCOMPARE(f.box("Text1"), QStringLiteral("ＭＳ Ｐ明朝"));
        QVERIFY(!f.message()->isVisible());
        f.list("List1")->setCurrentRow(1);
        QCOMPARE(control<QLabel>(f.form8(), "printFontNote")->text(),
                 QStringLiteral("印字フォント：Noto Serif CJK JP"));
        QVERIFY(!f.message()->isVisible());
        f.list("List1")->setCurrentRow(2);
        QCOMPARE(f.box("Text1"), QStringLiteral("ＭＳ Ｐゴシック"));
        QCOMPARE(control<QLabel>(f.form8(), "printFontNote")->text(),
                 QStringLiteral("印字フォント：Noto Sans CJK JP"));
        QVERIFY(f.message()->isVisible());
        QCOMPARE(f.message()->text(), QStringLiteral("プロポーショナル印字は文字がずれます。"));
        testing::fireTimer(control<QTimer>(f.form8(), "Timer2"));
        QVERIFY(!f.message()->isVisible());
    }

    void decideAppliesFontAndSizeBackDoesNot() {
        Form8Fixture f;
        f.screen()->setEnabled(false); // as PPSET leaves it
        f.open();
        f.list("List1")->setCurrentRow(1);
        f.list("List2")->setCurrentRow(14 - 4);
        QCOMPARE(f.box("Text2"), QStringLiteral("14 ﾎﾟｲﾝﾄ"));
        f.button(f.form8(), "Command2")->click();
        QCOMPARE(f.state.printSettings.fontSize, qint16(0));
        QCOMPARE(f.state.printSettings.fontIndex, qint16(1));
        QVERIFY(!f.form8()->isVisible() && f.screen()->isVisible() && f.screen()->isEnabled());

        f.open();
        QCOMPARE(f.box("Text2"), QStringLiteral("8 ﾎﾟｲﾝﾄ"));
        f.list("List1")->setCurrentRow(1);
        f.list("List2")->setCurrentRow(14 - 4);
        f.form8()->move(f.form8()->pos() + QPoint(40, 30));
        const QPoint place = f.form8()->pos();
        f.button(f.form8(), "Command1")->click();
        QCOMPARE(f.state.printSettings.fontIndex, qint16(2));
        QCOMPARE(f.state.printSettings.fontSize, qint16(14));

        // Reopened: what was decided is preselected, at the place it closed.
        f.open();
        QCOMPARE(f.form8()->pos(), place);
        QCOMPARE(f.box("Text2"), QStringLiteral("14 ﾎﾟｲﾝﾄ"));
        f.typeAndLeave(f.combo("Combo1"), QStringLiteral("A3"));
        QCOMPARE(f.summary().mid(3), (QStringList{QStringLiteral("フォント　　　：ＭＳ 明朝"),
                                                  QStringLiteral("フォントサイズ：14 ﾎﾟｲﾝﾄ")}));
    }

    void openedByThePlotScreenReturnsThere() {
        Form8Fixture f;
        PlotScreenStandIn plot(f.windows);
        f.windows.printSettings().openFrom(kCallerPlot);
        f.button(f.form8(), "Command1")->click();
        QCOMPARE(plot.comeBacks, 1);
        QVERIFY(!f.form8()->isVisible());
    }
};

QTEST_MAIN(TestForm8)
#include "tst_form8.moc"
