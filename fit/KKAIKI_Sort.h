#pragma once
// The two sorts of the regression module: points by X before a Line is fitted,
// and parameter texts before the Lines are ordered. Both are the same in-place
// quicksort without recursion; its treatment of equal elements is part of the
// program's behaviour (it decides LineOrder and the order of points with equal
// X), so the algorithm is kept exactly:
//   a stack of pending ranges starts with (1, n); the pivot is the
//   element at index (L + R) / 2 rounded half to even; i moves up while the
//   element is below the pivot, j down while the pivot is below the element;
//   i <= j swaps both lists and steps both; the larger part is pushed and the
//   smaller part processed next.

#include <QString>

#include <array>
#include <utility>

namespace tracol::KKAIKI {

namespace detail {

// Middle index (L + R) / 2, halves to the even neighbour.
inline int pivotIndex(int left, int right) {
    const int sum = left + right;
    int middle = sum / 2;
    if (sum % 2 != 0 && middle % 2 != 0)
        ++middle;
    return middle;
}

// Sorts key[1..n] ascending by `less`, carrying companion[1..n] along.
template <typename Key, typename Companion, typename Less>
void quickSortWithCompanion(Key* key, Companion* companion, int n, Less less) {
    if (n < 2)
        return;
    // Processing the smaller part first keeps the stack below log2(n) ranges.
    std::array<std::pair<int, int>, 33> stack{};
    int top = 1;
    stack[1] = {1, n};
    do {
        int left = stack[top].first;
        int right = stack[top].second;
        --top;
        do {
            int i = left;
            int j = right;
            const Key pivot = key[pivotIndex(left, right)];
            do {
                while (less(key[i], pivot))
                    ++i;
                while (less(pivot, key[j]))
                    --j;
                if (i <= j) {
                    std::swap(key[i], key[j]);
                    std::swap(companion[i], companion[j]);
                    ++i;
                    --j;
                }
            } while (i <= j);
            if (j - left < right - i) {
                if (i < right)
                    stack[++top] = {i, right};
                right = j;
            } else {
                if (left < j)
                    stack[++top] = {left, j};
                left = i;
            }
        } while (left < right);
    } while (top > 0);
}

} // namespace detail

// Sorts X[1..n] ascending, carrying Y[1..n] along. Points with equal X may
// change their order.
inline void SortPointsByX(float* X, float* Y, int n) {
    detail::quickSortWithCompanion(X, Y, n, [](float a, float b) { return a < b; });
}

// Sorts T[1..n] ascending by character codes ("10" before "9"), carrying U[1..n].
inline void SortTextsWithCompanion(QString* T, QString* U, int n) {
    detail::quickSortWithCompanion(T, U, n, [](const QString& a, const QString& b) { return a < b; });
}

} // namespace tracol::KKAIKI
