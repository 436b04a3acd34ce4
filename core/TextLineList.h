#pragma once
// A long list of text lines kept compactly: the computation screen's trace
// (List1) can grow to a million lines, which as separate strings would take
// several hundred bytes each. Here the lines are UTF-8 in large shared
// blocks, with their place and their width in monospaced cells (a half-width
// character one, any other two) noted as they are appended. Copies are cheap:
// the blocks are shared until one copy changes.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace tracol {

class TextLineList {
  public:
    TextLineList() = default;
    TextLineList(const QStringList& lines); // NOLINT: a list of strings is a list of lines

    void append(const QString& line);
    void clear();

    qsizetype size() const { return spans_.size(); }
    bool isEmpty() const { return spans_.isEmpty(); }
    QString at(qsizetype i) const;
    QString first() const { return at(0); }
    QString last() const { return at(size() - 1); }
    bool contains(const QString& line) const;

    // The widest line in monospaced cells.
    int widestCells() const { return widestCells_; }

    QStringList toStringList() const;
    operator QStringList() const { return toStringList(); } // NOLINT: read where a QStringList is asked for

    bool operator==(const TextLineList& other) const;

  private:
    struct Span {
        quint32 block;
        quint32 offset;
        quint32 length;
    };
    static constexpr qsizetype kBlockSize = 1 << 20;

    QList<QByteArray> blocks_;
    QList<Span> spans_;
    int widestCells_ = 0;
};

// Cells a text takes in a monospaced font: half-width forms one, others two.
int monospacedCells(QStringView text);

} // namespace tracol
