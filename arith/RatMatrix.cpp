#include "RatMatrix.h"

#include <utility>

int RatRank(TRatMatrix m, int rows, int cols) {
    int rank = 0;
    for (int col = 0; col < cols && rank < rows; ++col) {
        int pivot = rank;
        while (pivot < rows && m[pivot][col].Num == 0) {
            ++pivot;
        }
        if (pivot == rows) {
            continue;
        }
        std::swap(m[rank], m[pivot]);
        for (int row = rank + 1; row < rows; ++row) {
            if (m[row][col].Num == 0) {
                continue;
            }
            TRational factor;
            RatDiv(m[row][col], m[rank][col], factor);
            for (int k = col; k < cols; ++k) {
                TRational product;
                RatMul(factor, m[rank][k], product);
                RatSub(m[row][k], product, m[row][k]);
            }
        }
        ++rank;
    }
    return rank;
}

const char* SingularSystemText(const TRatMatrix& coefficients, const std::array<TRational, 3>& rhs,
                               int unknowns) {
    TRatMatrix augmented = coefficients;
    for (int row = 0; row < unknowns; ++row) {
        augmented[row][unknowns] = rhs[row];
    }
    const bool consistent =
        RatRank(coefficients, unknowns, unknowns) == RatRank(augmented, unknowns, unknowns + 1);
    return consistent ? "不定" : "解なし";
}
