#include "output/Worksheet.h"

#include "core/NumericText.h"
#include "data/DataSetFile.h"
#include "fit/KKAIKI_Sort.h"
#include "fit/SingleValue.h"
#include "output/Module70.h"
#include "output/WorksheetFile.h"

#include <QDir>
#include <QStandardPaths>

#include <algorithm>
#include <vector>

namespace tracol {

namespace {

using numtext::generalText;
using numtext::trimmedText;

// One fitted section as the worksheet shows it.
struct SheetSection {
    qint16 kind = 0;
    float c1 = 0, c2 = 0, c3 = 0, c4 = 0;
    float lowerX = 0; // X of its first point
    float upperX = 0; // X of its last point
};

// One Line in use, in the order of the section rows.
struct SheetLine {
    int line = 0;
    float parameter = 0;
    std::vector<SheetSection> sections; // 1..3
};

QString quoted(const QString& cell) {
    QString text = cell;
    text.replace(u'"', QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

QString joined(const QStringList& cells) {
    QStringList out;
    out.reserve(cells.size());
    for (const QString& cell : cells)
        out << quoted(cell);
    return out.join(u',');
}

// The Line's X values in ascending order (the sort the fitting uses), so that
// the section's point indices find their X.
std::vector<float> sortedX(const SharedState& state, int line) {
    const int count = std::clamp<int>(state.LoadedLineCount[line], 0, kMaxLinePoints);
    std::vector<float> x(count + 1), y(count + 1);
    for (int j = 1; j <= count; ++j) {
        x[j] = toSingle(numtext::val(state.PointXText[line][j]));
        y[j] = toSingle(numtext::val(state.PointYText[line][j]));
    }
    KKAIKI::SortPointsByX(x.data(), y.data(), count);
    return x;
}

SheetLine sheetLine(const SharedState& state, int line) {
    const FitResultStore& fit = state.FitResult;
    SheetLine out;
    out.line = line;
    out.parameter = toSingle(numtext::val(state.LineParameter[line]));
    const std::vector<float> x = sortedX(state, line);
    const int count = static_cast<int>(x.size()) - 1;
    const auto xAt = [&](int index) { return count >= 1 ? x[std::clamp(index, 1, count)] : 0.0f; };
    const int sections = std::clamp<int>(fit.SectionCount[line], 1, 3);
    for (int s = 1; s <= sections; ++s) {
        SheetSection section;
        section.kind = fit.SectionEqNo[s][line];
        section.c1 = fit.SectionC1[s][line];
        section.c2 = fit.SectionC2[s][line];
        section.c3 = fit.SectionC3[s][line];
        section.c4 = fit.SectionC4[s][line];
        section.lowerX = xAt(fit.SectionFirstPoint[s][line]);
        section.upperX = xAt(fit.SectionLastPoint[s][line]);
        out.sections.push_back(section);
    }
    return out;
}

// K1..K3: a coefficient of the interpolation by Cramer's rule, empty when the
// determinant vanishes.
QString cramerCoefficient(int row) {
    const QString quotient = QStringLiteral("($N%1-$O%1)/($N$4-$O$4)").arg(row);
    return QStringLiteral("=IF(ISERROR(%1),\"\",%1)").arg(quotient);
}

class WorksheetBuilder {
  public:
    explicit WorksheetBuilder(std::vector<SheetLine> lines, float startX)
        : lines_(std::move(lines)), startX_(startX), count_(static_cast<int>(lines_.size())),
          lastSectionRow_(3 * count_ + 8), tableFirstRow_(3 * count_ + 10), tableLastRow_(4 * count_ + 9) {}

    QStringList build() const {
        QStringList rows;
        headRows(rows);
        rows << joined({QString(), QString(), QString(), QString(), QString(), QStringLiteral("X"),
                        QStringLiteral("Y"), QStringLiteral("N"), QStringLiteral("X^4"),
                        QStringLiteral("X^3"), QStringLiteral("X^2"), QStringLiteral("X"),
                        QStringLiteral("X^2Y"), QStringLiteral("XY"), QStringLiteral("Y")});
        rows << sumsRow();
        for (int i = 0; i < count_; ++i) {
            for (int s = 0; s < 3; ++s) {
                const int row = 9 + 3 * i + s;
                rows << (s < static_cast<int>(lines_[i].sections.size()) ? sectionRow(i, s, row)
                                                                         : joined({QString()}));
            }
        }
        rows << joined({QStringLiteral("Parameter"), QString(), QStringLiteral("Flg")});
        for (int i = 0; i < count_; ++i)
            rows << parameterRow(i);
        return rows;
    }

  private:
    void headRows(QStringList& rows) const {
        const float smallest = lines_.front().parameter;
        const float largest = lines_.back().parameter;
        const float startParameter = (largest + smallest) / 2.0f;
        const bool interpolates = count_ >= 2;

        QStringList row1{QStringLiteral("X="), generalText(startX_), QString(), QStringLiteral("0.05"),
                         QStringLiteral("＜拡張子をｘｌｓとして保存ください＞")};
        QStringList row2{QStringLiteral("Para="), generalText(startParameter), QString(), QString(),
                         interpolates ? QStringLiteral("＜変更できるのはＢ１とＢ２のセルのみ＞")
                                      : QStringLiteral("＜変更できるのはＢ１のセルのみ＞")};
        QStringList row3{QString()};
        QStringList row4{QStringLiteral("Y="), QString(), QString(), QString()};

        if (count_ >= 3) {
            row1 << QStringList(4, QString()) << QStringLiteral("a=") << cramerCoefficient(1) << QString()
                 << QStringLiteral("aa=") << QStringLiteral("=$M$8*$K$8*$H$8+$N$8*K8*L8+$J$8*$O$8*$L$8")
                 << QStringLiteral("=$K$8*$K$8*$O$8+$J$8*$N$8*$H$8+$M$8*$L$8*$L$8");
            row2 << QStringList(4, QString()) << QStringLiteral("b=") << cramerCoefficient(2) << QString()
                 << QStringLiteral("bb=") << QStringLiteral("=$I$8*$N$8*$H$8+$J$8*$K$8*$O$8+$M$8*$K$8*$L$8")
                 << QStringLiteral("=$K$8*$K$8*$N$8+$J$8*$M$8*$H$8+$I$8*$O$8*$L$8");
            row3 = QStringList(9, QString());
            row3 << QStringLiteral("c=") << cramerCoefficient(3) << QString() << QStringLiteral("cc=")
                 << QStringLiteral("=$I$8*$K$8*$O$8+$J$8*$M$8*$L$8+$J$8*$K$8*$N$8")
                 << QStringLiteral("=$K$8*$K$8*$M$8+$J$8*$J$8*$O$8+$I$8*$L$8*$N$8");
            row4[1] = QStringLiteral("=IF(D4=\"NG\",\"範囲外\",K1*B2^2+K2*B2+K3)");
            row4[3] = QStringLiteral("=IF(ISERROR(K1*B2^2+K2*B2+K3),\"NG\",\"OK\")");
            row4 << QStringList(8, QString()) << QStringLiteral("Base=")
                 << QStringLiteral("=$I$8*$K$8*$H$8+$J$8*$K$8*$L$8+$J$8*$K$8*$L$8")
                 << QStringLiteral("=$K$8*$K$8*$K$8+$J$8*$J$8*$H$8+$I$8*$L$8*$L$8");
        } else if (count_ == 2) {
            row1 << QStringList(4, QString()) << QStringLiteral("a=") << cramerCoefficient(1) << QString()
                 << QStringLiteral("aa=") << QStringLiteral("=$N$8*$H$8") << QStringLiteral("=$O$8*$L$8");
            row2 << QStringList(4, QString()) << QStringLiteral("b=") << cramerCoefficient(2) << QString()
                 << QStringLiteral("bb=") << QStringLiteral("=$K$8*$O$8") << QStringLiteral("=$N$8*$L$8");
            row4[1] = QStringLiteral("=IF(D4=\"NG\",\"範囲外\",K1*B2+K2)");
            row4[3] = QStringLiteral("=IF(ISERROR(K1*B2+K2),\"NG\",\"OK\")");
            row4 << QStringList(8, QString()) << QStringLiteral("Base=") << QStringLiteral("=$K$8*$H$8")
                 << QStringLiteral("=$L$8*$L$8");
        } else {
            row4[1] = QStringLiteral("=IF(D4=\"NG\",\"範囲外\",O8)");
            row4[3] = QStringLiteral("=IF(SUM(E9:E11)=0,\"NG\",\"OK\")");
        }
        rows << joined(row1) << joined(row2) << joined(row3) << joined(row4) << joined({QString()})
             << joined({QString()});
    }

    QString sumsRow() const {
        const int last = lastSectionRow_;
        QStringList cells{QStringLiteral("Para"),
                          QStringLiteral("Y"),
                          QStringLiteral("Xmin"),
                          QStringLiteral("Xmax"),
                          QStringLiteral("Flg_X"),
                          QString(),
                          QString(),
                          QStringLiteral("=COUNT(G9:G%1)").arg(last)};
        for (const QChar column : QStringLiteral("IJKLMNO"))
            cells << QStringLiteral("=SUM(%1%2:%1%3)").arg(column).arg(9).arg(last);
        // P8 is an empty cell without quotes; Q8 and R8 show the X span of the selection.
        return joined(cells) + QStringLiteral(",,") +
               joined({QStringLiteral("=MAX($Q$9:$Q$%1)").arg(last),
                       QStringLiteral("=MIN($R$9:$R$%1)").arg(last)});
    }

    QString sectionRow(int lineIndex, int sectionIndex, int r) const {
        const SheetLine& line = lines_[lineIndex];
        const SheetSection& section = line.sections[sectionIndex];
        const int sectionCount = static_cast<int>(line.sections.size());
        const bool firstRowOfSheet = lineIndex == 0 && sectionIndex == 0;

        // The first section's lower X and, for a Line of several sections, the
        // last section's upper X are widened by D1 so that their ends count.
        const QString lower = sectionIndex == 0
                                  ? QStringLiteral("=%1*(1-$D$1)").arg(trimmedText(section.lowerX))
                                  : generalText(section.lowerX);
        const QString upper = (sectionIndex == sectionCount - 1 && sectionCount > 1)
                                  ? QStringLiteral("=%1*(1+$D$1)").arg(trimmedText(section.upperX))
                                  : generalText(section.upperX);
        // A section without an equation yields the empty text, so it never counts as Y = 0.
        QString formula =
            Module70::SheetFormulaText(section.kind, section.c1, section.c2, section.c3, section.c4);
        if (formula.isEmpty())
            formula = QStringLiteral("=\"\"");

        const QString lookup =
            QStringLiteral("VLOOKUP(A%1,$A$%2:$D$%3,3,FALSE)").arg(r).arg(tableFirstRow_).arg(tableLastRow_);
        const QString ifG = QStringLiteral("=IF($G%1=\"\",\"\",%2)").arg(r);
        QStringList cells{
            generalText(line.parameter),
            formula,
            lower,
            upper,
            QStringLiteral("=IF($B$1>$C%1,IF($B$1<=$D%1,1,0),0)").arg(r),
            QStringLiteral("=IF($P%1=1,IF(E%1=1,A%1,\"\"),\"\")").arg(r),
            QStringLiteral("=IF($P%1=1,IF(E%1=1,B%1,\"\"),\"\")").arg(r),
            QString(),
            ifG.arg(QStringLiteral("F%1^4").arg(r)),
            ifG.arg(QStringLiteral("F%1^3").arg(r)),
            ifG.arg(QStringLiteral("F%1^2").arg(r)),
            ifG.arg(QStringLiteral("F%1").arg(r)),
            ifG.arg(QStringLiteral("F%1^2*G%1").arg(r)),
            ifG.arg(QStringLiteral("F%1*G%1").arg(r)),
            ifG.arg(QStringLiteral("G%1").arg(r)),
            QStringLiteral("=IF(ISERROR(%1),\"\",%1)").arg(lookup),
        };
        if (firstRowOfSheet) {
            cells << QStringLiteral("=IF(P%1=1,C%1,\"\")").arg(r)
                  << QStringLiteral("=IF(P%1=1,IF(D%2<D%1,D%1,\"\"),\"\")").arg(r).arg(r + 1);
        } else {
            // Q: the lower X of the selected rows so far; R: their largest upper X.
            cells << QStringLiteral("=IF(Q%2>C%1,IF(P%1=1,C%1,\"\"),Q%2)").arg(r).arg(r - 1)
                  << QStringLiteral("=IF(P%1=1,MAX(R%2,D%1),R%2)").arg(r).arg(r - 1);
        }
        return joined(cells);
    }

    // Row k of the Parameter table. B is 1 when B2 lies in [A(k), A(k+1)),
    // the interval that ends at the largest Parameter being closed (so B2 at
    // the largest Parameter still selects the top Lines); the last row starts
    // no interval (0). C, the selection flag, sums B of the rows k-2..k+1 that
    // exist: 1 for the two Lines below and the two above B2, 0 when B2 lies
    // outside the Parameters. A single Line always takes part (B = 1).
    QString parameterRow(int i) const {
        const int k = tableFirstRow_ + i;
        const bool last = i == count_ - 1;
        QString interval;
        QString flag;
        if (count_ == 1) {
            interval = generalText(qint64{1}); // a single Line always takes part
            flag = QStringLiteral("=B%1").arg(k);
        } else {
            if (last)
                interval = generalText(qint64{0});
            else if (i == count_ - 2)
                interval = QStringLiteral("=IF($B$2>=A%1,IF($B$2<=A%2,1,0),0)").arg(k).arg(k + 1);
            else
                interval = QStringLiteral("=IF($B$2>=A%1,IF($B$2<A%2,1,0),0)").arg(k).arg(k + 1);
            if (i == 0)
                flag = QStringLiteral("=B%1+B%2+B%3").arg(k - 1).arg(k).arg(k + 1);
            else if (last)
                flag = QStringLiteral("=B%1+B%2+B%3").arg(k - 2).arg(k - 1).arg(k);
            else
                flag = QStringLiteral("=B%1+B%2+B%3+B%4").arg(k - 2).arg(k - 1).arg(k).arg(k + 1);
        }
        return joined({generalText(lines_[i].parameter), interval, flag});
    }

    std::vector<SheetLine> lines_;
    float startX_;
    int count_;
    int lastSectionRow_; // n = 3L + 8
    int tableFirstRow_;  // p = 3L + 10
    int tableLastRow_;   // q = 4L + 9
};

} // namespace

QString chooseWorkingFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty())
        folder = QDir::home().filePath(QStringLiteral(".tracol"));
    QDir().mkpath(folder);
    return folder;
}

QStringList worksheetLines(const SharedState& state) {
    const int count = std::clamp<int>(state.LinesInUse, 0, kLineCount);
    if (count == 0)
        return {};
    std::vector<SheetLine> lines;
    for (int line = 1; line <= count; ++line)
        lines.push_back(sheetLine(state, line));

    // B1 starts in the middle of Line 1's fitted X range.
    const SheetLine& lineOne = lines.front();
    const float startX = (lineOne.sections.front().lowerX + lineOne.sections.back().upperX) / 2.0f;

    std::stable_sort(lines.begin(), lines.end(),
                     [](const SheetLine& a, const SheetLine& b) { return a.parameter < b.parameter; });
    return WorksheetBuilder(std::move(lines), startX).build();
}

WorksheetWriteResult WriteWorksheet(const SharedState& state, const QString& folder) {
    return writeWorksheetFile(state, QDir(folder).filePath(kWorksheetFileName));
}

WorksheetWriteResult writeWorksheetFile(const SharedState& state, const QString& path) {
    WorksheetWriteResult result;
    result.path = path;
    const QStringList lines = worksheetLines(state);
    if (lines.isEmpty()) {
        result.errorText = QStringLiteral("計算結果がありません。");
        return result;
    }
    WorksheetFile file(result.path);
    for (const QString& line : lines) {
        if (!file.AppendWorksheetLine(line))
            break;
    }
    result.ok = file.finish();
    if (!result.ok)
        result.errorText =
            file.unwritableMessage().isEmpty() ? kCannotWriteMessage : file.unwritableMessage();
    return result;
}

} // namespace tracol
