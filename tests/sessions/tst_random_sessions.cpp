// Random but legal user sessions over the real windows: nothing crashes, no
// window set is left unusable, the Lines' counts follow their texts, no
// unsaved point vanishes without the user's say, and the calibration keeps
// its marks and flags consistent. The seed is printed on a failure;
// TRACOL_SESSION_SEED and TRACOL_SESSION_STEPS choose others, TRACOL_SESSION_TRACE
// prints every step
// (tools/random-sessions.sh runs 100 000 steps).

#include "RandomSession.h"

using namespace tracol;

class TestRandomSessions : public QObject {
    Q_OBJECT
  private slots:
    void sessions() {
        const quint32 seed = qEnvironmentVariableIsSet("TRACOL_SESSION_SEED")
                                 ? qEnvironmentVariable("TRACOL_SESSION_SEED").toUInt()
                                 : 20261208u;
        const int steps = qEnvironmentVariableIsSet("TRACOL_SESSION_STEPS")
                              ? qEnvironmentVariable("TRACOL_SESSION_STEPS").toInt()
                              : 5000;
        // Several shorter sessions reach more beginnings than one long one.
        const int sessions = std::max(1, steps / 250);
        for (int k = 0; k < sessions; ++k) {
            testing::RandomSession session(seed + static_cast<quint32>(k));
            QVERIFY2(session.run(steps / sessions), qPrintable(session.failure()));
        }
    }
};

QTEST_MAIN(TestRandomSessions)
#include "tst_random_sessions.moc"
