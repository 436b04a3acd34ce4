#include "data/TextLines.h"

namespace tracol {

namespace {

// Calls `take(line)` for every line of text; `hasBreak` tells whether a line
// break followed it.
template <typename Take> void forEachLine(const QString& text, Take take) {
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        take(text.mid(start, i - start), true);
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        take(text.mid(start), false);
}

QString joinLines(const QString& text, const QString& lineEnd) {
    QString out;
    out.reserve(text.size() + text.size() / 8);
    forEachLine(text, [&](const QString& line, bool hasBreak) {
        out += line;
        if (hasBreak)
            out += lineEnd;
    });
    return out;
}

} // namespace

QString withCrLf(const QString& text) {
    return joinLines(text, kCrLf);
}

QString withFinalCrLf(const QString& text) {
    if (text.isEmpty() || text.endsWith(kCrLf))
        return text;
    return text + kCrLf;
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    forEachLine(text, [&](const QString& line, bool) { lines.append(line); });
    return lines;
}

QStringList pointLinesOf(const QString& text) {
    QStringList points;
    forEachLine(text, [&](const QString& line, bool) {
        if (line.contains(u','))
            points.append(line);
    });
    return points;
}

QString withoutEmptyLines(const QString& text) {
    QString out;
    out.reserve(text.size());
    forEachLine(text, [&](const QString& line, bool hasBreak) {
        if (line.isEmpty())
            return;
        out += line;
        if (hasBreak)
            out += kCrLf;
    });
    return out;
}

QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

QString withoutBlanks(const QString& text) {
    QString out = text;
    out.remove(u' ');
    return out;
}

} // namespace tracol
