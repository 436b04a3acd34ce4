// The program starts with its main window.

#include "digitize/Form20.h"

#include <QtTest>

using namespace tracol;

class TestForm20Start : public QObject {
    Q_OBJECT
  private slots:
    void mainWindowHasCaption() {
        SharedState state;
        Windows windows;
        Form20 form(state, windows);
        form.show();
        QCOMPARE(form.objectName(), QStringLiteral("Form20"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Tracol_R2.2"));
        QCOMPARE(windows.form20.data(), static_cast<QWidget*>(&form));
    }
};

QTEST_MAIN(TestForm20Start)
#include "tst_form20_start.moc"
