#pragma once

// A second solution of the ideal square coax, independent of the one in calc/: finite
// elements (linear triangles) on a mesh fitted to both conductors, over one eighth of
// the cross-section, then Richardson extrapolation in the mesh size.

#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>

#include <cmath>
#include <numbers>
#include <vector>

namespace tarvelle::test {

// The free-space impedance, written out again so that this check shares nothing with
// the code it checks.
inline constexpr double femFreeSpaceImpedance = 376.730313668;

// The mesh: lengths in units of D/2 (the wall is x = 1), inner radius a = 1/ratio. Node
// (i, j) lies at angle θj and radius rij, with 0 ≤ i ≤ radialCells, 0 ≤ j ≤ angularCells:
// - θj = g·sinh(β·j/angularCells), g = √(2(1 − a)), sinh β = (π/4)/g. The gap at angle θ
//   is about (1 − a) + θ²/2, so g is the width over which the field crowds into a
//   narrow gap, and the angles are even in asinh(θ/g): fine there, even where it is wide.
// - rij = a·(ρj/a)^(i/radialCells), ρj = 1/cos θj the wall: even in ln r, the variable in
//   which the field of a thin inner conductor is linear. Nodes are exactly on the wall,
//   the circle and both lines of symmetry.
// Each quadrilateral is cut into two triangles along the same diagonal.
class SquareCoaxMesh {
public:
    // evenInRadius: radii halfway between even in r and even in ln r, for a field that
    // fills the square rather than crowding about a thin inner conductor.
    SquareCoaxMesh(double ratio, int radialCells, int angularCells, bool evenInRadius = false)
        : radial_(radialCells), angular_(angularCells), x_(nodeCount()), y_(nodeCount())
    {
        const double a = 1.0 / ratio;
        const double g = std::sqrt(2.0 * (1.0 - a));
        const double beta = std::asinh(std::numbers::pi / 4.0 / g);
        for (int j = 0; j <= angular_; ++j) {
            const double theta = j == angular_ ? std::numbers::pi / 4.0
                                               : g * std::sinh(beta * j / angular_);
            const double logSpan = -std::log(a * std::cos(theta));  // ln(ρj/a)
            for (int i = 0; i <= radial_; ++i) {
                const double even = a + (1.0 / std::cos(theta) - a) * i / radial_;
                const double logarithmic = a * std::exp(logSpan * i / radial_);
                const double r = evenInRadius ? 0.5 * (even + logarithmic) : logarithmic;
                x_[node(i, j)] = r * std::cos(theta);
                y_[node(i, j)] = r * std::sin(theta);
            }
            // The wall is x = 1 exactly, whatever the rounding of the product above.
            x_[node(radial_, j)] = 1.0;
            y_[node(radial_, j)] = std::tan(theta);
        }
    }

    int nodeCount() const { return (radial_ + 1) * (angular_ + 1); }
    double x(int p) const { return x_[p]; }
    double y(int p) const { return y_[p]; }
    int node(int i, int j) const { return i * (angular_ + 1) + j; }

    // Calls add(p, q, weight) for each pair of nodes of each triangle, with the weight
    // of the stiffness matrix: ∫∇λp·∇λq = −cot(angle opposite pq)/2 for p ≠ q.
    template <class Add>
    void forEachStiffness(Add add) const
    {
        for (int i = 0; i < radial_; ++i)
            for (int j = 0; j < angular_; ++j) {
                const int p00 = node(i, j), p10 = node(i + 1, j);
                const int p01 = node(i, j + 1), p11 = node(i + 1, j + 1);
                triangle(p00, p10, p11, add);
                triangle(p00, p11, p01, add);
            }
    }

private:
    template <class Add>
    void triangle(int p, int q, int r, Add& add) const
    {
        // cot of the angle at a vertex = (u·v)/|u×v| with u, v the edges leaving it.
        const double area2 = std::fabs((x_[q] - x_[p]) * (y_[r] - y_[p]) - (x_[r] - x_[p]) * (y_[q] - y_[p]));
        const auto cotAt = [&](int at, int u, int v) {
            return ((x_[u] - x_[at]) * (x_[v] - x_[at]) + (y_[u] - y_[at]) * (y_[v] - y_[at])) / area2;
        };
        add(q, r, -0.5 * cotAt(p, q, r));
        add(p, r, -0.5 * cotAt(q, p, r));
        add(p, q, -0.5 * cotAt(r, p, q));
    }

    int radial_, angular_;
    std::vector<double> x_, y_;
};

// C/ε0 = ∫|∇φ|² over the whole cross-section at unit voltage, 8 times the eighth. The
// discrete energy is never below the exact one, so this impedance is never above the
// exact value; its error falls as h².
inline double femSquareCoaxImpedance(double ratio, int radialCells, int angularCells)
{
    const SquareCoaxMesh mesh(ratio, radialCells, angularCells);
    // The unknowns are the nodes off both conductors, rings 1 to radialCells − 1, in the
    // mesh's own order less the first ring; φ is 0 on ring 0 and 1 on the last.
    const int perRing = angularCells + 1;
    const int unknowns = (radialCells - 1) * perRing;
    const auto ring = [&](int p) { return p / perRing; };

    std::vector<Eigen::Triplet<double>> entries;
    entries.reserve(static_cast<std::size_t>(radialCells) * angularCells * 12);
    Eigen::VectorXd rhs = Eigen::VectorXd::Zero(unknowns);
    mesh.forEachStiffness([&](int p, int q, double w) {
        // The pair adds w to Kpq and Kqp and −w to Kpp and Kqq (rows sum to 0).
        const bool pFree = ring(p) > 0 && ring(p) < radialCells;
        const bool qFree = ring(q) > 0 && ring(q) < radialCells;
        if (pFree) {
            entries.emplace_back(p - perRing, p - perRing, -w);
            if (qFree)
                entries.emplace_back(p - perRing, q - perRing, w);
            else if (ring(q) == radialCells)
                rhs(p - perRing) -= w;  // Kpq·φq with φq = 1, to the right-hand side
        }
        if (qFree) {
            entries.emplace_back(q - perRing, q - perRing, -w);
            if (pFree)
                entries.emplace_back(q - perRing, p - perRing, w);
            else if (ring(p) == radialCells)
                rhs(q - perRing) -= w;
        }
    });
    Eigen::SparseMatrix<double> stiffness(unknowns, unknowns);
    stiffness.setFromTriplets(entries.begin(), entries.end());
    const Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> solver(stiffness);
    if (solver.info() != Eigen::Success)
        return std::nan("");
    const Eigen::VectorXd inside = solver.solve(rhs);

    std::vector<double> phi(mesh.nodeCount(), 1.0);
    for (int p = 0; p < perRing; ++p)
        phi[p] = 0.0;
    for (int k = 0; k < unknowns; ++k)
        phi[k + perRing] = inside(k);
    // φᵀKφ summed pair by pair: each pair gives −w·(φp − φq)².
    double energy = 0.0;
    mesh.forEachStiffness([&](int p, int q, double w) { energy -= w * (phi[p] - phi[q]) * (phi[p] - phi[q]); });
    return femFreeSpaceImpedance / (8.0 * energy);
}

struct ExtrapolatedImpedance {
    double impedance;      // after two steps of Richardson extrapolation
    double errorEstimate;  // its distance from the one-step value on the two finer meshes
};

// On meshes of n, 2n and 4n cells each way: the errors go as h² + h⁴ + ..., so the
// first step cancels h², the second h⁴.
template <typename Solve>
ExtrapolatedImpedance extrapolated(Solve solve, int radialCells, int angularCells)
{
    const double coarse = solve(radialCells, angularCells);
    const double middle = solve(2 * radialCells, 2 * angularCells);
    const double fine = solve(4 * radialCells, 4 * angularCells);
    const double first = (4.0 * middle - coarse) / 3.0;
    const double second = (4.0 * fine - middle) / 3.0;
    const double both = (16.0 * second - first) / 15.0;
    return {both, std::fabs(both - second)};
}

inline ExtrapolatedImpedance femSquareCoaxImpedanceExtrapolated(double ratio, int radialCells, int angularCells)
{
    return extrapolated([ratio](int n, int m) { return femSquareCoaxImpedance(ratio, n, m); }, radialCells,
                        angularCells);
}

// The TE11 mode: the lowest eigenvalue of −Δu = k²u over the quarter 0 ≤ θ ≤ π/2,
// with u = 0 on x = 0 (the mode is odd in x) and ∂u/∂n = 0 elsewhere (it is even in y,
// and the conductors' condition is natural). The quarter is the eighth's mesh and its
// mirror image in the diagonal. Linear triangles, K u = k² M u, by inverse iteration;
// k in units of 2/D.
inline double femSquareCoaxTe11(double ratio, int radialCells, int angularCells)
{
    const SquareCoaxMesh eighth(ratio, radialCells, angularCells, ratio > 10.0);
    const int columns = 2 * angularCells + 1;  // angles of the quarter
    const auto index = [&](int i, int j) { return i * columns + j; };
    std::vector<double> x((radialCells + 1) * columns), y(x.size());
    for (int i = 0; i <= radialCells; ++i)
        for (int j = 0; j < columns; ++j) {
            const int source = eighth.node(i, j <= angularCells ? j : 2 * angularCells - j);
            x[index(i, j)] = j <= angularCells ? eighth.x(source) : eighth.y(source);
            y[index(i, j)] = j <= angularCells ? eighth.y(source) : eighth.x(source);
        }
    // The unknowns: every node but those on x = 0 (j = 2·angularCells).
    const auto unknown = [&](int p) { return p % columns == columns - 1 ? -1 : p / columns * (columns - 1) + p % columns; };
    const int unknowns = (radialCells + 1) * (columns - 1);
    std::vector<Eigen::Triplet<double>> k, m;
    const auto triangle = [&](int p, int q, int r) {
        const double area2 = std::fabs((x[q] - x[p]) * (y[r] - y[p]) - (x[r] - x[p]) * (y[q] - y[p]));
        const int nodes[3] = {p, q, r};
        for (int s = 0; s < 3; ++s)
            for (int t = 0; t < 3; ++t) {
                const int a = unknown(nodes[s]), b = unknown(nodes[t]);
                if (a < 0 || b < 0)
                    continue;
                // ∇λs·∇λt·area = (e_s·e_t)/(2·area2)... with e the edges opposite.
                const int s1 = nodes[(s + 1) % 3], s2 = nodes[(s + 2) % 3];
                const int t1 = nodes[(t + 1) % 3], t2 = nodes[(t + 2) % 3];
                const double dot = (x[s2] - x[s1]) * (x[t2] - x[t1]) + (y[s2] - y[s1]) * (y[t2] - y[t1]);
                k.emplace_back(a, b, dot / (2.0 * area2));
                m.emplace_back(a, b, area2 / 24.0 * (s == t ? 2.0 : 1.0));
            }
    };
    for (int i = 0; i < radialCells; ++i)
        for (int j = 0; j < columns - 1; ++j) {
            triangle(index(i, j), index(i + 1, j), index(i + 1, j + 1));
            triangle(index(i, j), index(i + 1, j + 1), index(i, j + 1));
        }
    Eigen::SparseMatrix<double> stiffness(unknowns, unknowns), mass(unknowns, unknowns);
    stiffness.setFromTriplets(k.begin(), k.end());
    mass.setFromTriplets(m.begin(), m.end());
    const Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> solver(stiffness);
    if (solver.info() != Eigen::Success)
        return std::nan("");
    Eigen::VectorXd u = Eigen::VectorXd::Ones(unknowns);
    double eigenvalue = 0.0;
    for (int iteration = 0; iteration < 200; ++iteration) {
        const Eigen::VectorXd next = solver.solve(mass * u);
        const double rayleigh = next.dot(stiffness * next) / next.dot(mass * next);
        u = next / std::sqrt(next.dot(mass * next));
        if (std::fabs(rayleigh - eigenvalue) < 1e-14 * rayleigh)
            return std::sqrt(rayleigh);
        eigenvalue = rayleigh;
    }
    return std::sqrt(eigenvalue);
}

// The same, extrapolated twice as for the impedance.
inline ExtrapolatedImpedance femSquareCoaxTe11Extrapolated(double ratio, int radialCells, int angularCells)
{
    return extrapolated([ratio](int n, int m) { return femSquareCoaxTe11(ratio, n, m); }, radialCells, angularCells);
}

}  // namespace tarvelle::test
