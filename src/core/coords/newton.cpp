#include "core/coords/newton.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <ostream>

namespace vex {
namespace {

using Vector = std::array<double, NewtonMaxVariables>;
using Matrix = std::array<double, std::size_t{NewtonMaxVariables} * NewtonMaxVariables>;

// The solver's constants were single-precision literals; keep their values.
constexpr double kDifferenceStep = static_cast<double>(4.0E-4f);
constexpr double kStartingBestNorm = 1.0E6;
constexpr int kMaxJacobianRefreshes = 30;

double euclideanNorm(const Vector& f, int n) {
    double sum = 0.0;
    for (int i = 0; i < n; ++i) sum += f[i] * f[i];
    return std::sqrt(sum);
}

struct Box {
    const double* lo;
    Vector width{};
    int n;

    void toReal(const Vector& u, Vector& x) const {
        for (int i = 0; i < n; ++i) x[i] = width[i] * u[i] + lo[i];
    }
};

// A step is worth taking when it is finite and moves somewhere.
bool usablePartialStep(const Vector& d, int n) {
    bool moves = false;
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(d[i])) return false;
        moves = moves || d[i] != 0.0;
    }
    return moves;
}

void writeVector(std::ostream& out, const char* label, const Vector& v, int n) {
    out << label;
    for (int i = 0; i < n; ++i) out << ' ' << v[i];
    out << '\n';
}

} // namespace

void SIMQ(double* A, double* B, int n, int& ks) {
    auto a = [A, n](int row, int col) -> double& { return A[row + col * n]; };
    ks = 0;
    for (int j = 0; j < n; ++j) {
        double pivot = 0.0;
        int pivotRow = j;
        for (int i = j; i < n; ++i) {
            if (std::fabs(a(i, j)) > std::fabs(pivot)) {
                pivot = a(i, j);
                pivotRow = i;
            }
        }
        if (!(std::fabs(pivot) > 0.0)) {
            ks = 1;
            return;
        }
        if (pivotRow != j) {
            for (int k = j; k < n; ++k) std::swap(a(j, k), a(pivotRow, k));
            std::swap(B[j], B[pivotRow]);
        }
        for (int k = j; k < n; ++k) a(j, k) /= pivot;
        B[j] /= pivot;
        for (int i = j + 1; i < n; ++i) {
            const double factor = a(i, j);
            if (factor == 0.0) continue;
            for (int k = j; k < n; ++k) a(i, k) -= factor * a(j, k);
            B[i] -= factor * B[j];
        }
    }
    for (int i = n - 2; i >= 0; --i) {
        for (int k = i + 1; k < n; ++k) B[i] -= a(i, k) * B[k];
    }
}

int NEWTON(int n, int print, double* x, const double* xlo, const double* xhi,
           const NewtonResidual& fun, double eps, int k, std::ostream& diagnostics) {
    if (n < 1 || n > NewtonMaxVariables) return NewtonSingular;

    int ier = NewtonConverged;
    int step = 1;
    int refreshes = 0;
    double bestNorm = kStartingBestNorm;

    Box box{xlo, {}, n};
    Vector u{}, best{}, real{}, f{}, g{}, trial{}, d{};
    // Only their first n × n entries are used, each written before it is
    // read: clearing all 400 would cost more than the solve of two unknowns.
    Matrix jacobian;
    Matrix work;
    for (int i = 0; i < n; ++i) {
        box.width[i] = xhi[i] - xlo[i];
        u[i] = (x[i] - xlo[i]) / box.width[i];
    }
    best = u;

    auto evaluate = [&](const Vector& at, Vector& out) {
        box.toReal(at, real);
        fun(n, real.data(), out.data());
    };

    bool failed = false;
    for (;;) {
        for (int i = 0; i < n; ++i) {
            if (u[i] <= 0.0) u[i] = 0.0;
            if (u[i] > 1.0) u[i] = 1.0;
        }

        evaluate(u, f);
        const double norm = euclideanNorm(f, n);
        if (norm <= bestNorm) {
            bestNorm = norm;
            best = u;
        }
        if (print != 0) {
            writeVector(diagnostics, "iterate", u, n);
            diagnostics << "  residual norm " << norm << '\n';
        }

        bool converged = true;
        for (int i = 0; i < n; ++i) converged = converged && std::fabs(f[i]) <= eps;
        if (converged) break;

        bool refresh = step == 1;
        if (step > 1 && step - k > 0) {
            ++refreshes;
            if (refreshes > kMaxJacobianRefreshes) {
                ier = NewtonIterationLimit;
                failed = true;
                break;
            }
            step = 1;
            refresh = true;
        }

        if (refresh) {
            for (int j = 0; j < n; ++j) {
                trial = u;
                trial[j] = u[j] + kDifferenceStep;
                evaluate(trial, g);
                const double trialNorm = euclideanNorm(g, n);
                if (trialNorm <= bestNorm) {
                    bestNorm = trialNorm;
                    best = trial;
                }
                for (int i = 0; i < n; ++i) jacobian[i + j * n] = (g[i] - f[i]) / kDifferenceStep;
            }
        }

        std::copy_n(jacobian.begin(), n * n, work.begin());
        for (int i = 0; i < n; ++i) d[i] = -f[i];
        int singular = 0;
        SIMQ(work.data(), d.data(), n, singular);
        if (singular != 0 && !usablePartialStep(d, n)) {
            ier = NewtonSingular;
            u = best;
            break;
        }
        // On a singular matrix the half-eliminated right-hand side is still
        // taken as the step: where the map folds (crossed markers) it moves
        // the iterate off the fold, the clamp keeps it in the box, and the
        // iteration goes on from there.
        for (int i = 0; i < n; ++i) u[i] += d[i];
        ++step;
    }

    if (failed) {
        u = best;
        evaluate(u, f);
        Vector bestReal{};
        box.toReal(u, bestReal);
        diagnostics << "Уменьшение невязок прекращено: достигнут предел числа итераций\n";
        writeVector(diagnostics, "best point:", bestReal, n);
        writeVector(diagnostics, "best point (unit box):", u, n);
        writeVector(diagnostics, "residuals:", f, n);
        diagnostics.flush();
    }

    box.toReal(u, real);
    for (int i = 0; i < n; ++i) x[i] = real[i];
    return ier;
}

} // namespace vex
