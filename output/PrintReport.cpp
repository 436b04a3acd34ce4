#include "output/PrintReport.h"

#include "core/NumericText.h"
#include "data/TextLines.h"
#include "output/PrintPageRules.h"

namespace tracol {

namespace {

constexpr int kHeaderLines = 6;         // page 1: five margin lines and the page number
constexpr int kLinesAfterNewPage = 7;   // NNPP: an empty line, five more, the page number
constexpr int kFooterLines = 2;         // NNPP1: an empty line and the page number
constexpr int kMostSampledLines = 200;  // text lines of a sampled Line in the report
constexpr int kLongestLeftOutText = 10; // a Line's text, blanks trimmed, is printed when longer
const QString kPageNumberIndent = QStringLiteral("        Page ");

QString pageNumberText(int page) {
    return numtext::plainInteger(page);
}

// Pages filled line by line while a counter watches the line limit.
class Pager {
  public:
    enum class Numbering {
        OnTop,    // NNPP: every page after the first starts with its number
        AtBottom, // NNPP1: every page ends with its number
    };

    Pager(float limit, Numbering numbering) : limit_(limit), numbering_(numbering) { pages_.emplace_back(); }

    // Lines that do not count (page 1's header); the counter is set after them.
    void putUncounted(const QString& line) { pages_.back() << line; }
    void setCounter(int counter) { counter_ = counter; }
    void setPageNumber(int page) { page_ = page; }

    void print(const QString& line) {
        // The new page starts with the next line, so that no page holds
        // nothing but its number.
        if (breakPending_) {
            breakPending_ = false;
            startNewPage();
        }
        pages_.back() << line;
        ++counter_;
        const int reserved = numbering_ == Numbering::AtBottom ? kFooterLines : 0;
        if (counter_ + reserved >= limit_) {
            counter_ = 0;
            if (numbering_ == Numbering::AtBottom)
                putFooter();
            breakPending_ = true;
        }
    }

    std::vector<QStringList> finish() {
        if (numbering_ == Numbering::AtBottom && !breakPending_)
            putFooter();
        return std::move(pages_);
    }

  private:
    void startNewPage() {
        pages_.emplace_back();
        if (numbering_ == Numbering::OnTop) { // NNPP
            QStringList& page = pages_.back();
            page << QString();
            ++page_;
            for (int i = 0; i < 5; ++i)
                page << QString();
            page << kPageNumberIndent + pageNumberText(page_);
            counter_ = kLinesAfterNewPage;
        }
    }

    void putFooter() { // NNPP1
        pages_.back() << QString() << kPageNumberIndent + pageNumberText(page_);
        ++page_;
    }

    float limit_;
    Numbering numbering_;
    std::vector<QStringList> pages_;
    int counter_ = 0;
    int page_ = 1;
    bool breakPending_ = false;
};

PrintedText textFrame(const PrintSettings& settings) {
    const PrintFont font = printFontOf(settings);
    PrintedText text;
    text.fontName = font.name;
    text.pointSize = font.pointSize;
    text.paperSize = settings.paperSize;
    text.orientation = settings.orientation;
    text.linesPerPage = linesPerPage(settings.paperSize, settings.orientation, font.pointSize);
    return text;
}

float limitOf(const PrintedText& text) {
    return lineLimit(text.paperSize, text.orientation, text.pointSize);
}

QString rightAlignedIn9(const QString& value) {
    return (QString(9, u' ') + value).right(9);
}

// The text lines of a sampled Line that hold something, at most 200.
QStringList sampledTextLines(const QString& text) {
    QStringList lines;
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        lines << line;
        if (lines.size() == kMostSampledLines)
            break;
    }
    return lines;
}

void printDataSets(const SharedState& state, const QString& margin, Pager& pager) {
    pager.print(margin + QStringLiteral("＜Ｘ／Ｙデータ＞"));
    for (int k = 1; k <= kLineCount; ++k) {
        const QString& text = state.KeyboardDataActive ? state.LineText[k] : state.LineBox[k];
        // Blanks only are trimmed, as the data-file writer trims them: the
        // text's line ends count.
        if (trimBlanks(text).size() <= kLongestLeftOutText)
            continue;
        pager.print(margin);
        pager.print(margin + QStringLiteral("Parameter   = ") + state.LineParameter[k]);
        pager.print(margin + QStringLiteral("Data Number = ") +
                    numtext::generalText(qint64{state.PointCount[k]}));
        if (state.KeyboardDataActive) {
            const int count = std::min<int>(state.PointCount[k], kMaxLinePoints);
            for (int j = 1; j <= count; ++j)
                pager.print(margin + state.PointXText[k][j] + QStringLiteral(" , ") + state.PointYText[k][j]);
            continue;
        }
        for (const QString& line : sampledTextLines(text)) {
            const qsizetype comma = line.indexOf(u',');
            const QString x = comma < 0 ? line : line.left(comma);
            const QString y = comma < 0 ? QString() : line.mid(comma + 1);
            pager.print(margin + rightAlignedIn9(x) + QStringLiteral(" ,") + rightAlignedIn9(y));
        }
    }
}

// The error lines of the result summary: of every Line ("平均誤差=",
// "最大誤差=") and of every section ("<誤差=...>").
void collectAnnotations(const QStringList& summary, PrintSettings& settings) {
    settings.equationErrorLines.clear();
    settings.parameterErrorLines.clear();
    for (const QString& line : summary) {
        if (line.contains(QStringLiteral("平均誤差")) || line.contains(QStringLiteral("最大誤差")))
            settings.parameterErrorLines << line;
        else if (line.contains(QStringLiteral("誤差")))
            settings.equationErrorLines << line;
    }
}

// The relation list with the annotations appended in order; a line finds
// nothing to append once its kind of annotation is used up.
QStringList annotatedRelations(const QStringList& relations, const PrintSettings& settings) {
    QStringList lines;
    qsizetype nextParameter = 0, nextEquation = 0;
    for (const QString& item : relations) {
        QString line = item;
        if (item.contains(QStringLiteral("パラメータ"))) {
            if (nextParameter < settings.parameterErrorLines.size())
                line += QStringLiteral("   --- ") + settings.parameterErrorLines[nextParameter++];
        } else if (item.contains(QStringLiteral("Eq."))) {
            if (nextEquation < settings.equationErrorLines.size())
                line += QStringLiteral("   --- ") + settings.equationErrorLines[nextEquation++];
        }
        lines << line;
    }
    return lines;
}

} // namespace

TextPrintout resultReport(SharedState& state) {
    PrintSettings& settings = state.printSettings;
    TextPrintout out;
    out.text = textFrame(settings);
    out.graphWasPending = settings.GraphPrintPending == kGraphPending;
    if (out.graphWasPending)
        settings.GraphPrintPending = kGraphHandledByReport;

    const QString margin = reportMargin(out.text.pointSize);
    Pager pager(limitOf(out.text), Pager::Numbering::OnTop);
    for (int i = 0; i < 5; ++i)
        pager.putUncounted(margin);
    pager.putUncounted(margin + QStringLiteral("Page ") + pageNumberText(1));
    pager.setCounter(kHeaderLines);

    printDataSets(state, margin, pager);
    collectAnnotations(state.List2, settings);

    pager.print(margin);
    pager.print(margin);
    pager.print(margin + QStringLiteral("＜計算式表示＞"));
    for (const QString& line : state.List3)
        pager.print(margin + line);

    pager.print(margin + QString(78, u'-'));
    pager.print(margin + QStringLiteral("＜関連式表示＞"));
    for (const QString& line : annotatedRelations(state.List4, settings))
        pager.print(margin + line);

    out.text.pages = pager.finish();
    return out;
}

TextPrintout relationFormulaReport(SharedState& state) {
    PrintSettings& settings = state.printSettings;
    TextPrintout out;
    out.text = textFrame(settings);
    out.graphWasPending = settings.GraphPrintPending == kGraphPending;
    settings.GraphPrintPending = kNoGraphPending;

    Pager pager(limitOf(out.text), Pager::Numbering::AtBottom);
    pager.print(QString(10, u' ') + QStringLiteral("＜関連式出力＞"));
    for (const QString& line : annotatedRelations(state.List4, settings))
        pager.print(line);
    out.text.pages = pager.finish();
    return out;
}

} // namespace tracol
