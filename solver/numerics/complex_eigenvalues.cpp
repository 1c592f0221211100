#include "solver/numerics/complex_eigenvalues.hpp"

#include <cmath>
#include <complex>
#include <cstddef>
#include <utility>

namespace quelm {
namespace {

// 1-based view of a complex matrix held as two column-major float arrays.
class SplitMatrix {
public:
    SplitMatrix(int nm, float* re, float* im) : nm_(nm), re_(re), im_(im) {}

    float& re(int i, int j) const { return re_[offset(i, j)]; }
    float& im(int i, int j) const { return im_[offset(i, j)]; }
    // |re| + |im| of element (i, j), the norm the algorithms compare.
    float norm1(int i, int j) const { return std::fabs(re(i, j)) + std::fabs(im(i, j)); }
    // Column j as 0-based arrays: reColumn(j)[i - 1] is element (i, j).
    float* reColumn(int j) const { return re_ + offset(1, j); }
    float* imColumn(int j) const { return im_ + offset(1, j); }

    void swapElements(int i1, int j1, int i2, int j2) const {
        std::swap(re(i1, j1), re(i2, j2));
        std::swap(im(i1, j1), im(i2, j2));
    }

private:
    std::size_t offset(int i, int j) const {
        return static_cast<std::size_t>(j - 1) * static_cast<std::size_t>(nm_) + static_cast<std::size_t>(i - 1);
    }

    int nm_;
    float* re_;
    float* im_;
};

// Smith's complex division (ar + i ai) / (br + i bi), scaled by the larger
// part of the divisor.
void complexDivide(float ar, float ai, float br, float bi, float& cr, float& ci) {
    if (std::fabs(br) >= std::fabs(bi)) {
        const float ratio = bi / br;
        const float den = br + ratio * bi;
        cr = (ar + ai * ratio) / den;
        ci = (ai - ar * ratio) / den;
    } else {
        const float ratio = br / bi;
        const float den = bi + ratio * br;
        cr = (ar * ratio + ai) / den;
        ci = (ai * ratio - ar) / den;
    }
}

// ---------------------------------------------------------------- CBAL ----

constexpr float balanceRadix = 2.0f;

// Records the exchange j <-> m and swaps columns j, m over rows 1..l and rows
// j, m over columns k..n.
void exchangeRowAndColumn(const SplitMatrix& a, int n, int k, int l, int j, int m, float* scale) {
    scale[m - 1] = static_cast<float>(j);
    if (j == m) {
        return;
    }
    for (int i = 1; i <= l; ++i) {
        a.swapElements(i, j, i, m);
    }
    for (int i = k; i <= n; ++i) {
        a.swapElements(j, i, m, i);
    }
}

bool isZero(const SplitMatrix& a, int i, int j) { return a.re(i, j) == 0.0f && a.im(i, j) == 0.0f; }

// Row j has no non-zero entry off the diagonal in columns 1..l.
bool rowIsolated(const SplitMatrix& a, int j, int l) {
    for (int i = 1; i <= l; ++i) {
        if (i != j && !isZero(a, j, i)) {
            return false;
        }
    }
    return true;
}

// Column j has no non-zero entry off the diagonal in rows k..l.
bool columnIsolated(const SplitMatrix& a, int j, int k, int l) {
    for (int i = k; i <= l; ++i) {
        if (i != j && !isZero(a, i, j)) {
            return false;
        }
    }
    return true;
}

// One sweep of norm-reducing diagonal scaling over rows and columns k..l;
// returns whether any row was rescaled.
bool balanceSweep(const SplitMatrix& a, int n, int k, int l, float* scale) {
    constexpr float squaredRadix = balanceRadix * balanceRadix;
    bool rescaled = false;
    for (int i = k; i <= l; ++i) {
        float c = 0.0f;
        float r = 0.0f;
        for (int j = k; j <= l; ++j) {
            if (j == i) {
                continue;
            }
            c = c + std::fabs(a.re(j, i)) + std::fabs(a.im(j, i));
            r = r + std::fabs(a.re(i, j)) + std::fabs(a.im(i, j));
        }
        // A zero norm (through underflow) or a non-finite one would keep the
        // power-of-two search below from ever ending.
        if (c == 0.0f || r == 0.0f || !std::isfinite(c) || !std::isfinite(r)) {
            continue;
        }
        float g = r / balanceRadix;
        float f = 1.0f;
        const float s = c + r;
        while (c < g) {
            f = f * balanceRadix;
            c = c * squaredRadix;
        }
        g = r * balanceRadix;
        while (c >= g) {
            f = f / balanceRadix;
            c = c / squaredRadix;
        }
        if ((c + r) / f >= 0.95f * s) {
            continue;
        }
        g = 1.0f / f;
        scale[i - 1] = f;
        rescaled = true;
        for (int j = k; j <= n; ++j) {
            a.re(i, j) = a.re(i, j) * g;
            a.im(i, j) = a.im(i, j) * g;
        }
        float* columnRe = a.reColumn(i);
        float* columnIm = a.imColumn(i);
        for (int j = 0; j < l; ++j) {
            columnRe[j] = columnRe[j] * f;
            columnIm[j] = columnIm[j] * f;
        }
    }
    return rescaled;
}

// ---------------------------------------------------------------- COMHES --

// Applies the elimination of column m-1 below row m, with the multipliers
// y(i) = a(i, m-1) / pivot already stored in column m-1, rows m+1..igh.
//
// The published loop takes the rows i = m+1..igh in turn, each with its row
// operation row(i) -= y(i) * row(m) over columns m..n followed by its column
// operation col(m) += y(i) * col(i) over rows 1..igh. Here the same operations
// run column by column: column c receives the row operations of rows up to c,
// is then read by the column operation of index c, and receives the row
// operations of the rows below c afterwards. Element (c, m) receives its row
// operation just before the column operation of index c, as in the published
// order. A zero multiplier leaves the matrix unchanged and is skipped.
void eliminateBelowPivot(const SplitMatrix& a, int n, int igh, int m) {
    const float* yRe = a.reColumn(m - 1);
    const float* yIm = a.imColumn(m - 1);
    float* pivotColumnRe = a.reColumn(m);
    float* pivotColumnIm = a.imColumn(m);

    // Row operations on rows first..last of column c, whose pivot-row entry
    // a(m, c) is not changed by any of the operations.
    const auto rowOperations = [&](float* cr, float* ci, int first, int last) {
        const float br = cr[m - 1];
        const float bi = ci[m - 1];
        for (int i = first - 1; i < last; ++i) {
            const float yr = yRe[i];
            const float yi = yIm[i];
            if (yr == 0.0f && yi == 0.0f) {
                continue;
            }
            cr[i] = cr[i] - yr * br + yi * bi;
            ci[i] = ci[i] - yr * bi - yi * br;
        }
    };

    for (int c = m + 1; c <= n; ++c) {
        float* cr = a.reColumn(c);
        float* ci = a.imColumn(c);
        if (c > igh) {
            rowOperations(cr, ci, m + 1, igh);
            continue;
        }
        rowOperations(cr, ci, m + 1, c - 1);
        const float yr = yRe[c - 1];
        const float yi = yIm[c - 1];
        if (yr != 0.0f || yi != 0.0f) {
            // Row operation of row c on its own column c, then on column m.
            cr[c - 1] = cr[c - 1] - yr * cr[m - 1] + yi * ci[m - 1];
            ci[c - 1] = ci[c - 1] - yr * ci[m - 1] - yi * cr[m - 1];
            pivotColumnRe[c - 1] = pivotColumnRe[c - 1] - yr * pivotColumnRe[m - 1] + yi * pivotColumnIm[m - 1];
            pivotColumnIm[c - 1] = pivotColumnIm[c - 1] - yr * pivotColumnIm[m - 1] - yi * pivotColumnRe[m - 1];
            for (int j = 0; j < igh; ++j) {
                pivotColumnRe[j] = pivotColumnRe[j] + yr * cr[j] - yi * ci[j];
                pivotColumnIm[j] = pivotColumnIm[j] + yr * ci[j] + yi * cr[j];
            }
        }
        rowOperations(cr, ci, c + 1, igh);
    }
}

// Pivot row for column m-1: the first row of m..igh with the largest
// |re| + |im|, with the pivot value in (xr, xi).
int hessenbergPivot(const SplitMatrix& a, int m, int igh, float& xr, float& xi) {
    xr = 0.0f;
    xi = 0.0f;
    int pivot = m;
    for (int j = m; j <= igh; ++j) {
        if (!(a.norm1(j, m - 1) <= std::fabs(xr) + std::fabs(xi))) {
            xr = a.re(j, m - 1);
            xi = a.im(j, m - 1);
            pivot = j;
        }
    }
    return pivot;
}

// ---------------------------------------------------------------- COMLR ---

// Index l of the last negligible subdiagonal element (l, l-1) searching from
// en down to low+1, or low if there is none.
int lastSmallSubdiagonal(const SplitMatrix& h, int low, int en, float machep) {
    for (int l = en; l > low; --l) {
        const float diagonal = std::fabs(h.re(l - 1, l - 1)) + std::fabs(h.im(l - 1, l - 1)) + std::fabs(h.re(l, l)) +
                               std::fabs(h.im(l, l));
        if (h.norm1(l, l - 1) <= machep * diagonal) {
            return l;
        }
    }
    return low;
}

// Shift for iteration its on the active block ending at row en: the
// eigenvalue of the trailing 2x2 block nearer to h(en, en), or on iterations
// 10 and 20 the exceptional shift built from the last two subdiagonal
// elements.
void lrShift(const SplitMatrix& h, int en, int its, float& sr, float& si) {
    const int enm1 = en - 1;
    if (its == 10 || its == 20) {
        // The element (en-1, en-2) lies outside the matrix for en = 2; the
        // isolated entries to the left of an active block are zero, and so is
        // the missing one.
        const float belowRe = en >= 3 ? h.re(enm1, en - 2) : 0.0f;
        const float belowIm = en >= 3 ? h.im(enm1, en - 2) : 0.0f;
        sr = std::fabs(h.re(en, enm1)) + std::fabs(belowRe);
        si = std::fabs(h.im(en, enm1)) + std::fabs(belowIm);
        return;
    }
    sr = h.re(en, en);
    si = h.im(en, en);
    const float xr = h.re(enm1, en) * h.re(en, enm1) - h.im(enm1, en) * h.im(en, enm1);
    const float xi = h.re(enm1, en) * h.im(en, enm1) + h.im(enm1, en) * h.re(en, enm1);
    if (xr == 0.0f && xi == 0.0f) {
        return;
    }
    const float yr = (h.re(enm1, enm1) - sr) / 2.0f;
    const float yi = (h.im(enm1, enm1) - si) / 2.0f;
    const std::complex<float> root = std::sqrt(std::complex<float>(yr * yr - yi * yi + xr, 2.0f * yr * yi + xi));
    float zzr = root.real();
    float zzi = root.imag();
    if (!(yr * zzr + yi * zzi >= 0.0f)) {
        zzr = -zzr;
        zzi = -zzi;
    }
    float qr = 0.0f;
    float qi = 0.0f;
    complexDivide(xr, xi, yr + zzr, yi + zzi, qr, qi);
    sr = sr - qr;
    si = si - qi;
}

// Row m (l <= m < en) at which the LR step starts: the lowest m above which
// two consecutive small subdiagonal elements decouple the block, else l.
int lrStartRow(const SplitMatrix& h, int l, int en, float machep) {
    const int enm1 = en - 1;
    float xr = h.norm1(enm1, enm1);
    float yr = h.norm1(en, enm1);
    float zzr = h.norm1(en, en);
    for (int m = enm1; m > l; --m) {
        const float yi = yr;
        yr = h.norm1(m, m - 1);
        const float xi = zzr;
        zzr = xr;
        xr = h.norm1(m - 1, m - 1);
        if (yr <= machep * zzr / yi * (zzr + xr + xi)) {
            return m;
        }
    }
    return l;
}

// Triangular decomposition H = L R of rows and columns m..en with interchanges
// of adjacent rows. The multiplier of step i is left in h(i, i-1) and
// flag(i) = 1 when rows i-1 and i were interchanged, -1 otherwise.
//
// The published loop runs step by step along the rows; here each column c
// receives the steps i <= c in order (interchange, then row update) and then
// supplies the pivot decision of step c+1, which is the same sequence of
// operations on every element.
void lrDecompose(const SplitMatrix& h, int m, int en, float* flag) {
    for (int c = m; c <= en; ++c) {
        float* cr = h.reColumn(c);
        float* ci = h.imColumn(c);
        for (int i = m + 1; i <= c; ++i) {
            if (flag[i - 1] > 0.0f) {
                std::swap(cr[i - 2], cr[i - 1]);
                std::swap(ci[i - 2], ci[i - 1]);
            }
            const float zzr = h.re(i, i - 1);
            const float zzi = h.im(i, i - 1);
            cr[i - 1] = cr[i - 1] - zzr * cr[i - 2] + zzi * ci[i - 2];
            ci[i - 1] = ci[i - 1] - zzr * ci[i - 2] - zzi * cr[i - 2];
        }
        if (c == en) {
            break;
        }
        // Pivot decision of step c+1 on rows c and c+1 of column c.
        const float xr = cr[c - 1];
        const float xi = ci[c - 1];
        const float yr = cr[c];
        const float yi = ci[c];
        float zzr = 0.0f;
        float zzi = 0.0f;
        if (std::fabs(xr) + std::fabs(xi) >= std::fabs(yr) + std::fabs(yi)) {
            complexDivide(yr, yi, xr, xi, zzr, zzi);
            flag[c] = -1.0f;
        } else {
            cr[c - 1] = yr;
            ci[c - 1] = yi;
            complexDivide(xr, xi, yr, yi, zzr, zzi);
            flag[c] = 1.0f;
        }
        cr[c] = zzr;
        ci[c] = zzi;
    }
}

// Composition H := R L over rows l..j of columns m+1..en.
void lrCompose(const SplitMatrix& h, int l, int m, int en, const float* flag) {
    for (int j = m + 1; j <= en; ++j) {
        const float xr = h.re(j, j - 1);
        const float xi = h.im(j, j - 1);
        h.re(j, j - 1) = 0.0f;
        h.im(j, j - 1) = 0.0f;
        float* leftRe = h.reColumn(j - 1);
        float* leftIm = h.imColumn(j - 1);
        float* rightRe = h.reColumn(j);
        float* rightIm = h.imColumn(j);
        if (flag[j - 1] > 0.0f) {
            for (int i = l - 1; i < j; ++i) {
                std::swap(leftRe[i], rightRe[i]);
                std::swap(leftIm[i], rightIm[i]);
            }
        }
        for (int i = l - 1; i < j; ++i) {
            leftRe[i] = leftRe[i] + xr * rightRe[i] - xi * rightIm[i];
            leftIm[i] = leftIm[i] + xr * rightIm[i] + xi * rightRe[i];
        }
    }
}

}  // namespace

void CBAL(int NM, int N, float* AR, float* AI, int& LOW, int& IGH, float* SCALE) {
    const SplitMatrix a(NM, AR, AI);
    int k = 1;
    int l = N;

    // Rows isolating an eigenvalue are pushed to the bottom.
    for (bool found = true; found;) {
        found = false;
        for (int j = l; j >= 1; --j) {
            if (!rowIsolated(a, j, l)) {
                continue;
            }
            exchangeRowAndColumn(a, N, k, l, j, l, SCALE);
            if (l == 1) {
                LOW = k;
                IGH = l;
                return;
            }
            --l;
            found = true;
            break;
        }
    }
    // Columns isolating an eigenvalue are pushed to the left.
    for (bool found = true; found;) {
        found = false;
        for (int j = k; j <= l; ++j) {
            if (!columnIsolated(a, j, k, l)) {
                continue;
            }
            exchangeRowAndColumn(a, N, k, l, j, k, SCALE);
            ++k;
            found = true;
            break;
        }
    }
    for (int i = k; i <= l; ++i) {
        SCALE[i - 1] = 1.0f;
    }
    while (balanceSweep(a, N, k, l, SCALE)) {
    }
    LOW = k;
    IGH = l;
}

void COMHES(int NM, int N, int LOW, int IGH, float* AR, float* AI, float* INT) {
    const SplitMatrix a(NM, AR, AI);
    for (int m = LOW + 1; m <= IGH - 1; ++m) {
        const int mm1 = m - 1;
        float xr = 0.0f;
        float xi = 0.0f;
        const int pivot = hessenbergPivot(a, m, IGH, xr, xi);
        INT[m - 1] = static_cast<float>(pivot);
        if (pivot != m) {
            for (int j = mm1; j <= N; ++j) {
                a.swapElements(pivot, j, m, j);
            }
            for (int j = 1; j <= IGH; ++j) {
                a.swapElements(j, pivot, j, m);
            }
        }
        if (xr == 0.0f && xi == 0.0f) {
            continue;
        }
        float* yRe = a.reColumn(mm1);
        float* yIm = a.imColumn(mm1);
        for (int i = m + 1; i <= IGH; ++i) {
            if (yRe[i - 1] != 0.0f || yIm[i - 1] != 0.0f) {
                complexDivide(yRe[i - 1], yIm[i - 1], xr, xi, yRe[i - 1], yIm[i - 1]);
            }
        }
        eliminateBelowPivot(a, N, IGH, m);
    }
}

void COMLR(int NM, int N, int LOW, int IGH, float* HR, float* HI, float* WR, float* WI, int& IERR) {
    const SplitMatrix h(NM, HR, HI);
    const float machep = std::pow(2.0f, -23);
    IERR = 0;
    for (int i = 1; i <= N; ++i) {
        if (i < LOW || i > IGH) {
            WR[i - 1] = h.re(i, i);
            WI[i - 1] = h.im(i, i);
        }
    }
    float tr = 0.0f;
    float ti = 0.0f;
    for (int en = IGH; en >= LOW; --en) {
        for (int its = 0;; ++its) {
            const int l = lastSmallSubdiagonal(h, LOW, en, machep);
            if (l == en) {
                break;
            }
            if (its == 30) {
                IERR = en;
                return;
            }
            float sr = 0.0f;
            float si = 0.0f;
            lrShift(h, en, its, sr, si);
            for (int i = LOW; i <= en; ++i) {
                h.re(i, i) = h.re(i, i) - sr;
                h.im(i, i) = h.im(i, i) - si;
            }
            tr = tr + sr;
            ti = ti + si;
            const int m = lrStartRow(h, l, en, machep);
            lrDecompose(h, m, en, WR);
            lrCompose(h, l, m, en, WR);
        }
        WR[en - 1] = h.re(en, en) + tr;
        WI[en - 1] = h.im(en, en) + ti;
    }
}

void EISCG2(int NM, int N, float* AR, float* AI, float* WR, float* WI, int& IERR) {
    if (N > NM) {
        IERR = N;
        return;
    }
    int low = 0;
    int igh = 0;
    CBAL(NM, N, AR, AI, low, igh, WR);
    COMHES(NM, N, low, igh, AR, AI, WR);
    COMLR(NM, N, low, igh, AR, AI, WR, WI, IERR);
}

}  // namespace quelm
