#pragma once

#include "geometry/FLine.h"
#include "geometry/FPoint.h"

#include <array>
#include <cstdint>
#include <vector>

/// A triangle with its vertices V0..V2, its edges E0 = V1->V2, E1 = V2->V0, E2 = V0->V1, and
/// flags naming the first pair of edges found parallel and the first found coincident.
class CFTriangle {
public:
    /// Edge pairs in the order their flags are tested: (E0, E1), (E0, E2), (E1, E2).
    enum EEdgePair { E0E1 = 0, E0E2 = 1, E1E2 = 2 };

    /// The cleared triangle: all vertices at the origin.
    CFTriangle();
    CFTriangle(const CFPoint& v0, const CFPoint& v1, const CFPoint& v2);
    /// The triangle bounded by three lines: vertex i is where the two other lines meet, or far
    /// out along the first of them when those two are parallel.
    CFTriangle(const CFLine& l0, const CFLine& l1, const CFLine& l2);

    const CFPoint& GetVertex(int index) const { return m_vertex[Index(index)]; }
    const CFLineSeg& GetEdge(int index) const { return m_edge[Index(index)]; }
    bool IsParallel(EEdgePair pair) const { return m_parallel[pair] != 0; }
    bool IsCoincident(EEdgePair pair) const { return m_coincident[pair] != 0; }
    /// Degenerate when two edges coincide, two vertices are equal or a vertex is not finite;
    /// parallel edges alone (a strip closed far away) do not make it degenerate.
    bool IsDegenerate() const;

    /// The mean of the vertices weighted by the opposite edge lengths; V0 without perimeter.
    CFPoint GetIncentre() const;
    /// Twice the area over the perimeter; 0 without perimeter.
    double GetInradius() const;
    double GetPerimeter() const;

    /// Boundary points: cE0 on E0, cE1 on E1, cE2 on E2. A total of 1 gives the incentre (or,
    /// for a parallel pair, the midpoint of its two unshared vertices), 2 or 3 the vertices.
    std::vector<CFPoint> GetPoints(int cE0, int cE1, int cE2) const;

private:
    static std::size_t Index(int index) { return static_cast<std::size_t>(index % 3 + 3) % 3; }
    void BuildEdges();
    CFPoint GetCentrePoint() const;

    std::array<CFPoint, 3> m_vertex;
    std::array<CFLineSeg, 3> m_edge;
    std::array<std::uint8_t, 3> m_parallel{};
    std::array<std::uint8_t, 3> m_coincident{};
};

/// A rhombus about a centre: diagonals in ratio b, rotated by an angle.
class CFRhombus {
public:
    CFRhombus() = default;
    /// V0 above the centre, V1 left, V2 below, V3 right, then all turned by the angle.
    CFRhombus(const CFPoint& center, double size, double ratio, double angle);

    /// Vertex 0..3; any other index gives the centre.
    const CFPoint& GetVertex(int index) const;
    const CFPoint& GetCenter() const { return m_center; }
    double GetSize() const { return m_size; }
    double GetRatio() const { return m_ratio; }
    double GetAngle() const { return m_angle; }

    /// n boundary points: the centre for 1, vertices for 2..4, else n / 4 on each of the first
    /// three edges and the rest on the last.
    std::vector<CFPoint> GetPoints(int n) const;

private:
    std::array<CFPoint, 4> m_vertex;
    CFPoint m_center;
    double m_size = 0.0;
    double m_ratio = 0.0;
    double m_angle = 0.0;
};
