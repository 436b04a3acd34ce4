// The computation screen's lists: List2 (details), List3 (relation lines) and
// List4 (the conditions report), built from FitResult after a computation.

#include "fit/Module1.h"

#include "core/NumericText.h"
#include "fit/Conditions.h"
#include "fit/KKAIKI.h"

#include <cmath>

namespace tracol::Module1 {

using numtext::generalText;
using numtext::plainInteger;
using numtext::trimmedText;

namespace {

size_t at(int index) {
    return static_cast<size_t>(index);
}

QString pointX(const SharedState& state, int line, int point) {
    if (point < 0 || point > kMaxLinePoints)
        return {};
    return state.PointXText[at(line)][at(point)];
}

// Left(text, width) of text padded with blanks.
QString field(const QString& text, int width) {
    return text.left(width);
}

// Error of a stored Line as List2 shows it: the point-weighted mean of one or
// two sections (a weighted sum that is not positive becomes 1.05e-15), the
// combined error of three.
float storedLineError(const SharedState& state, int line) {
    const FitResultStore& r = state.FitResult;
    const int sections = r.SectionCount[at(line)];
    if (sections == 3)
        return r.ThreeSectionError[at(line)];
    double weighted = 0;
    double points = 0;
    for (int s = 1; s <= sections; ++s) {
        weighted += double(r.SectionPointCount[at(s)][at(line)]) * double(r.SectionError[at(s)][at(line)]);
        points += r.SectionPointCount[at(s)][at(line)];
    }
    if (!(weighted > 0))
        weighted = 1.05e-15;
    return points > 0 ? static_cast<float>(weighted / points) : static_cast<float>(weighted);
}

} // namespace

double listedGr(double error) {
    const double gr = std::floor(Conditions::grFromCutoff(error) * 100) / 100;
    return gr > 0 ? gr : 0;
}

void appendRelationLines(SharedState& state, int position) {
    const int line = state.LineOrder[at(position)];
    const FitResultStore& r = state.FitResult;
    const int sections = r.SectionCount[at(line)];
    for (int s = 1; s <= sections; ++s) {
        const QString& program = r.SectionProgramText[at(s)][at(line)];
        const QString relation = QStringLiteral("Y(") + plainInteger(position) + QStringLiteral(")=") +
                                 program.mid(program.indexOf(u'=') + 1);
        state.RelationProgramLines.append(relation);

        const int first = r.SectionFirstPoint[at(s)][at(line)];
        const int last = r.SectionLastPoint[at(s)][at(line)];
        const QString fieldLine =
            field(QStringLiteral("ﾊﾟﾗﾒｰﾀ=") + state.LineParameter[at(line)] + QStringLiteral("    ﾃﾞｰﾀ数=") +
                      generalText(qint64(r.SectionPointCount[at(s)][at(line)])) + QString(10, u' '),
                  27) +
            field(QStringLiteral("From=") + generalText(qint64(first)) + QStringLiteral("--> X1=") +
                      pointX(state, line, first) + QString(14, u' '),
                  25) +
            field(QStringLiteral("To  =") + generalText(qint64(last)) + QStringLiteral("--> X2=") +
                      pointX(state, line, last) + QString(15, u' '),
                  25);
        state.List3.append(fieldLine);
        state.List3.append(relation);
        if (s < sections)
            state.List3.append(QString(108, u'-'));
    }
    state.List3.append(QString(108, u'='));
}

void fillDetailList(SharedState& state) {
    const FitResultStore& r = state.FitResult;
    for (int k = 1; k <= state.LinesInUse && k <= kLineCount; ++k) {
        const int line = state.LineOrder[at(k)];
        if (line < 1 || line > kLineCount)
            continue;
        const int sections = r.SectionCount[at(line)];
        for (int s = 1; s <= sections; ++s) {
            const int first = r.SectionFirstPoint[at(s)][at(line)];
            const int last = r.SectionLastPoint[at(s)][at(line)];
            const int eqNo = r.SectionEqNo[at(s)][at(line)];
            const QString status = KKAIKI::statusCodeOf(eqNo);
            const int coefficients = status.isEmpty() ? 0 : status.left(1).toInt();
            QStringList& out = state.List2;
            out.append(QStringLiteral("ﾃﾞｰﾀ数=") + plainInteger(r.SectionPointCount[at(s)][at(line)]) +
                       QStringLiteral("  ﾊﾟﾗﾒｰﾀ=") + state.LineParameter[at(line)]);
            out.append(QStringLiteral("From=") + plainInteger(first) + QStringLiteral("--> X1=") +
                       pointX(state, line, first));
            out.append(QStringLiteral("To  =") + plainInteger(last) + QStringLiteral("--> X2=") +
                       pointX(state, line, last));
            out.append(QStringLiteral("Eq No=") + plainInteger(eqNo));
            out.append(QStringLiteral("  Status=") + status);
            out.append(QStringLiteral("<誤差=") + trimmedText(r.SectionError[at(s)][at(line)]) + u'>');
            out.append(QStringLiteral("C1=") + trimmedText(r.SectionC1[at(s)][at(line)]));
            out.append(QStringLiteral("C2=") + trimmedText(r.SectionC2[at(s)][at(line)]));
            out.append(QStringLiteral("C3=") +
                       (coefficients < 3 ? QStringLiteral("0") : trimmedText(r.SectionC3[at(s)][at(line)])));
            out.append(QStringLiteral("C4=") +
                       (coefficients < 4 ? QStringLiteral("0") : trimmedText(r.SectionC4[at(s)][at(line)])));
            if (s < sections)
                out.append(QString(24, u'-'));
        }
        const float error = storedLineError(state, line);
        state.List2.append(QString(24, u'='));
        state.List2.append(
            (state.ErrorMode == 0 ? QStringLiteral("最大誤差=") : QStringLiteral("平均誤差=")) +
            generalText(error));
        state.List2.append(QStringLiteral("Gr=") + generalText(listedGr(error)));
        state.List2.append(QString(24, u'='));
    }
}

namespace {

struct ReportTexts {
    QString mode;      // item 3 head
    QString divisions; // item 4 head
    bool divisionsBlank;
    const char16_t* equationLabel[4];
    QString between; // between the two X bounds
    bool closingEmptyLine;
};

QString modeName(int mode) {
    switch (mode) {
    case 0:
        return QStringLiteral("最高誤差");
    case 1:
        return QStringLiteral("平均誤差");
    case 2:
        return QStringLiteral("上位２式平均誤差");
    default:
        return {};
    }
}

void writeReport(SharedState& state, const ReportTexts& texts) {
    QStringList& out = state.List4;
    const FitResultStore& r = state.FitResult;
    out.append(QStringLiteral("１．処理条件"));
    out.append(QStringLiteral(u"\u3000  \u3000(1)計算打切り誤差：") + generalText(state.CutoffError) +
               QStringLiteral("  ( Gr = ") + generalText(Conditions::grHundredths(state.CutoffError)) +
               QStringLiteral(" )"));
    out.append(texts.mode + modeName(state.ErrorMode));
    const QString divisions = generalText(qint64(state.MaxDivisions));
    out.append(texts.divisions + (texts.divisionsBlank ? divisions : divisions.trimmed()));
    out.append(QStringLiteral(u" \u3000   (4)非排他座標（適用座標）系\u3000\u3000<最高７座標系>"));
    for (int s = 1; s <= KKAIKI::kSystemCount; ++s) {
        if (state.ExcludedSystems[at(s)] == 0)
            out.append(QStringLiteral(u"  \u3000") + QString(22, u' ') + KKAIKI::systemLabel(s));
    }
    out.append(QString());
    out.append(QString());
    out.append(QStringLiteral("２．関連式"));
    out.append(QStringLiteral("      Total Parameter No. =") + generalText(qint64(state.LinesInUse)));

    qsizetype relation = 0;
    for (int k = 1; k <= state.LinesInUse && k <= kLineCount; ++k) {
        const int line = state.LineOrder[at(k)];
        if (line < 1 || line > kLineCount)
            continue;
        out.append(QStringLiteral(" "));
        out.append(QStringLiteral("  パラメータ ") + plainInteger(k) + QStringLiteral(" ＝ ") +
                   state.LineParameter[at(line)].trimmed());
        const int sections = r.SectionCount[at(line)];
        for (int s = 1; s <= sections; ++s) {
            const QString lower =
                s == 1 ? generalText(state.OverallXMin)
                       : pointX(state, line, r.SectionLastPoint[at(s - 1)][at(line)]).trimmed();
            const QString upper = s == sections
                                      ? generalText(state.OverallXMax)
                                      : pointX(state, line, r.SectionLastPoint[at(s)][at(line)]).trimmed();
            out.append(QString::fromUtf16(texts.equationLabel[s]) + lower + texts.between + upper);
            const QString program = relation < state.RelationProgramLines.size()
                                        ? state.RelationProgramLines.at(relation++)
                                        : QString();
            out.append(QString(sections == 1 ? 8 : 9, u' ') + program);
        }
    }
    if (texts.closingEmptyLine)
        out.append(QString());
}

} // namespace

void SingleLineReport(SharedState& state) {
    writeReport(state, ReportTexts{QStringLiteral(u" \u3000   (2)誤差評価方法\u3000： "),
                                   QStringLiteral(u" \u3000   (3)最高分割数\u3000\u3000： "),
                                   false,
                                   {u"", u"  (Eq.1) ", u"  (Eq.2) ", u"  (Eq.3) "},
                                   QStringLiteral(" ＜ Ｘ ＜"),
                                   false});
}

void MultiLineReport(SharedState& state) {
    writeReport(state, ReportTexts{QStringLiteral(u"\u3000    (2)誤差評価方法\u3000："),
                                   QStringLiteral(u"\u3000    (3)最高分割数\u3000\u3000："),
                                   true,
                                   {u"", u"    (Eq.1) ", u"    (Eq.2) ", u"    (Eq.3) "},
                                   QStringLiteral(" ＜ Ｘ ＜ "),
                                   true});
}

bool checkParameters(SharedState& state) {
    state.ParametersNotNumeric = false;
    for (int k = 1; k <= state.LinesInUse && k <= kLineCount; ++k) {
        const int line = state.LineOrder[at(k)];
        if (line < 1 || line > kLineCount)
            continue;
        if (!numtext::allCharsIn(state.LineParameter[at(line)], numtext::kDataChars))
            state.ParametersNotNumeric = true;
    }
    return state.ParametersNotNumeric;
}

} // namespace tracol::Module1
