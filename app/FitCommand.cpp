#include "FitCommand.h"

#include "FitExtraOutputs.h"
#include "core/SharedState.h"
#include "data/DataSetFile.h"
#include "data/PointLimit.h"
#include "fit/ComputationSequence.h"
#include "fit/Conditions.h"
#include "output/CsvExtensionRule.h"

#include <array>

namespace tracol::fitcommand {

namespace {

inline const QString kInputErrorMessage = QStringLiteral("入力ｴﾗｰ");
inline const QString kNoSystemMessage = QStringLiteral("計算座標系なし");
inline const QString kSystemLetters = QStringLiteral("ABCDEFG");

void printLines(QTextStream& stream, const QStringList& lines) {
    for (const QString& line : lines)
        stream << line << '\n';
}

// Reads the file and counts the Lines' points as the DataSet window does when
// it shows the loaded texts. Returns the exit status.
int loadDataFile(SharedState& state, const QString& path, QTextStream& err) {
    const FileOutcome read = readDataSetFile(state, path);
    if (!read.ok) {
        err << read.message << ": " << path << '\n';
        return read.message == kBadFileNameMessage ? kExitFileError : kExitRefusedInput;
    }
    for (int line = 1; line <= kLineCount; ++line) {
        if (!state.LineBox[line].isEmpty())
            countLinePoints(state, line);
    }
    return kExitOk;
}

// The conditions window's check boxes (checked = excluded) for the letters
// given; no value when a character is not one of A..G.
std::optional<std::array<bool, 7>> excludedSystems(const QString& letters) {
    std::array<bool, 7> excluded;
    excluded.fill(true);
    for (QChar letter : letters.toUpper()) {
        const qsizetype system = kSystemLetters.indexOf(letter);
        if (system < 0)
            return std::nullopt;
        excluded[static_cast<size_t>(system)] = false;
    }
    return excluded;
}

// Sets the calculation conditions: the standard ones, then the options as
// "決定" takes the typed fields. Returns the exit status.
int setConditions(SharedState& state, const FitOptions& options, QTextStream& err) {
    Conditions::setStandardValues(state);
    const std::optional<std::array<bool, 7>> excluded = excludedSystems(options.systems);
    if (!excluded) {
        err << "--systems " << options.systems << ": " << kInputErrorMessage << '\n';
        return kExitRefusedInput;
    }
    const QString mode = options.mode.value_or(QString::number(state.ErrorMode));
    const QString cutoff = options.cutoff.value_or(Conditions::cutoffText(state.CutoffError));
    const QString sections = options.sections.value_or(QString::number(state.MaxDivisions));
    const Conditions::DecideResult decided = Conditions::decide(state, *excluded, mode, cutoff, sections);
    if (decided.noSystemIncluded) {
        err << kNoSystemMessage << '\n';
        return kExitRefusedInput;
    }
    if (decided.cutoffError)
        err << "--cutoff " << cutoff << ": " << kInputErrorMessage << '\n';
    if (decided.modeError)
        err << "--mode " << mode << ": " << kInputErrorMessage << '\n';
    if (decided.divisionsError)
        err << "--sections " << sections << ": " << kInputErrorMessage << '\n';
    if (!decided.accepted())
        return kExitRefusedInput;
    state.MaxDivisions = Conditions::maxDivisionsFromText(sections).value_or(state.MaxDivisions);
    return kExitOk;
}

} // namespace

int runFitCommand(const FitOptions& options, QTextStream& out, QTextStream& err) {
    SharedState state;
    const std::vector<ExtraOutput> extras = extraOutputs(options.csvPath);
    // The save dialog would ask before writing graph data under another
    // extension; a command cannot ask, so it says so and writes all the same.
    if (!options.csvPath.isEmpty()) {
        const QString warning = csvExtensionWarning(kCsvPurposeGraphData, options.csvPath);
        if (!warning.isEmpty())
            err << "--csv " << options.csvPath << ": " << warning << '\n';
    }

    if (const int status = setConditions(state, options, err); status != kExitOk)
        return status;
    if (const int status = loadDataFile(state, options.dataFile, err); status != kExitOk)
        return status;

    ComputationRequest request;
    request.prepareFromLines = true;
    request.hooks.buildTrace = options.trace;
    request.worksheetPath = options.worksheetPath;
    const ComputationOutcome computed = runComputationSequence(state, request);
    if (!computed.preparation.ok()) {
        err << computed.preparation.message << '\n';
        return kExitRefusedInput;
    }
    if (computed.preparation.pointsBeyondLimit)
        err << kOnlyFirstPointsNotice << '\n';

    if (options.trace)
        printLines(out, state.List1);
    printLines(out, state.List2);
    printLines(out, state.List3);
    printLines(out, state.List4);
    out.flush();

    int status = kExitOk;
    if (!options.resultPath.isEmpty()) {
        const FileOutcome written = writeSaveFile(state, options.resultPath, kSaveAllResults);
        if (!written.ok) {
            err << written.message << ": " << options.resultPath << '\n';
            status = kExitFileError;
        }
    }
    if (!options.worksheetPath.isEmpty() && !computed.worksheetWritten) {
        err << computed.worksheetError << ": " << options.worksheetPath << '\n';
        status = kExitFileError;
    }
    for (const ExtraOutput& extra : extras) {
        if (extra.path.isEmpty())
            continue;
        const QString message = extra.write(state, extra.path);
        if (!message.isEmpty()) {
            err << message << ": " << extra.path << '\n';
            status = kExitFileError;
        }
    }
    return status;
}

} // namespace tracol::fitcommand
