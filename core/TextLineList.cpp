#include "core/TextLineList.h"

#include <algorithm>

namespace tracol {

int monospacedCells(QStringView text) {
    int cells = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        cells += (u < 0x0100 || (u >= 0xFF61 && u <= 0xFF9F)) ? 1 : 2;
    }
    return cells;
}

TextLineList::TextLineList(const QStringList& lines) {
    for (const QString& line : lines)
        append(line);
}

void TextLineList::append(const QString& line) {
    const QByteArray bytes = line.toUtf8();
    // A line longer than a block gets a block of its own.
    if (blocks_.isEmpty() || blocks_.last().size() + bytes.size() > kBlockSize) {
        blocks_.append(QByteArray());
        blocks_.last().reserve(std::max(kBlockSize, bytes.size()));
    }
    QByteArray& block = blocks_.last();
    spans_.append({static_cast<quint32>(blocks_.size() - 1), static_cast<quint32>(block.size()),
                   static_cast<quint32>(bytes.size())});
    block.append(bytes);
    widestCells_ = std::max(widestCells_, monospacedCells(line));
}

void TextLineList::clear() {
    blocks_.clear();
    spans_.clear();
    widestCells_ = 0;
}

QString TextLineList::at(qsizetype i) const {
    const Span& span = spans_.at(i);
    return QString::fromUtf8(blocks_.at(span.block).constData() + span.offset, span.length);
}

bool TextLineList::contains(const QString& line) const {
    for (qsizetype i = 0; i < size(); ++i)
        if (at(i) == line)
            return true;
    return false;
}

QStringList TextLineList::toStringList() const {
    QStringList lines;
    lines.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        lines << at(i);
    return lines;
}

bool TextLineList::operator==(const TextLineList& other) const {
    if (size() != other.size())
        return false;
    for (qsizetype i = 0; i < size(); ++i)
        if (at(i) != other.at(i))
            return false;
    return true;
}

} // namespace tracol
