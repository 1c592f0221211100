#pragma once

// Eigenvalues of a general complex matrix in single precision.
//
// Method: the three-step EISPACK path for complex general matrices (Wilkinson
// and Reinsch, Handbook for Automatic Computation, Vol. II, contributions
// II/11, II/13, II/16; EISPACK guide, Smith et al.): balancing by permutation
// and by powers of the radix 2 (CBAL), reduction to upper Hessenberg form by
// stabilised elementary similarity transformations (COMHES), and the modified
// LR iteration with exceptional shifts on iterations 10 and 20 and a limit of
// 30 iterations per eigenvalue (COMLR). No eigenvectors.
//
// Storage: a complex matrix is two float arrays, real and imaginary parts,
// each NM by N and stored column by column; element (i, j), 1-based, is at
// position (j-1)*NM + (i-1). NM is the leading dimension, N the order used.
//
// Arithmetic: every operation is single-precision real arithmetic on the two
// parts, in the published order; complex division is Smith's division scaled
// by the larger part of the divisor. The loops are arranged to run down the
// columns of the storage, which leaves the sequence of operations applied to
// every matrix element unchanged, so the results are those of the published
// row-by-row loops digit for digit.
//
// Measured accuracy, against LAPACK's double-precision zgeev on the same
// float matrices of order up to 200 (eigenvalues matched one to one): within
// 1e-5 * ||A||_F on dense random, partly isolated and badly scaled matrices;
// within 1.4e-4 * ||A||_F on mode-coupling shaped ones (integer diagonal
// repeated per radial mode plus dense coupling), where the non-orthogonal LR
// transformations grow; at order 500 of that shape errors reach 1e-3 of the
// norm. The LR method in single precision is the limit here, not rounding of
// the data: the same routines in double precision are accurate to 1e-9.

namespace quelm {

// Balances the complex matrix (AR, AI). On return LOW and IGH delimit the rows
// and columns still coupled; the others were isolated by permutation and hold
// eigenvalues on the diagonal. SCALE(j) records the exchange index (as a
// float) for isolated rows and the power-of-two scale factor for LOW..IGH.
void CBAL(int NM, int N, float* AR, float* AI, int& LOW, int& IGH, float* SCALE);

// Reduces rows and columns LOW..IGH of (AR, AI) to upper Hessenberg form by
// elementary similarity transformations with pivoting; the multipliers are
// left below the subdiagonal and INT(m) records the pivot row (as a float).
void COMHES(int NM, int N, int LOW, int IGH, float* AR, float* AI, float* INT);

// Eigenvalues of the complex upper Hessenberg matrix (HR, HI) by the modified
// LR method, into (WR, WI). IERR = 0 on success; otherwise IERR = J, the index
// at which 30 iterations did not converge: WR, WI(J+1..N) are correct and
// entries 1..J are not set. HR and HI are destroyed.
void COMLR(int NM, int N, int LOW, int IGH, float* HR, float* HI, float* WR, float* WI, int& IERR);

// All eigenvalues of the complex general matrix (AR, AI) into (WR, WI), in no
// particular order: CBAL, COMHES and COMLR in turn. AR and AI are destroyed.
// IERR as for COMLR. An order N above NM is refused with IERR = N (no entry
// of WR, WI set) instead of running past the end of the arrays.
void EISCG2(int NM, int N, float* AR, float* AI, float* WR, float* WI, int& IERR);

}  // namespace quelm
