#include "geometry/FTriangle.h"

#include "geometry/PointBuffer.h"

#include <cmath>

namespace {

constexpr double kFarOut = 1e7;
constexpr std::array<std::array<int, 2>, 3> kPairs = {{{0, 1}, {0, 2}, {1, 2}}};

/// Index of the first pair for which `test` holds, or -1.
template <class Test> int FirstPair(Test test) {
    for (std::size_t p = 0; p < kPairs.size(); ++p)
        if (test(kPairs[p][0], kPairs[p][1]))
            return static_cast<int>(p);
    return -1;
}

/// Where two lines meet, or a point far out along the first when they never do.
CFPoint Corner(const CFLine& a, const CFLine& b) {
    if (!a.IsParallel(b))
        return IntersectLines(a, b);
    const CFPoint& d = a.GetDirection();
    const CFPoint& f = a.GetFoot();
    return CFPoint(d.x * kFarOut + f.x, d.y * kFarOut + f.y);
}

} // namespace

CFTriangle::CFTriangle() {
    BuildEdges();
}

CFTriangle::CFTriangle(const CFPoint& v0, const CFPoint& v1, const CFPoint& v2)
    : m_vertex{v0, v1, v2} {
    BuildEdges();
    const auto edge = [this](int i) -> const CFLineSeg& { return m_edge[Index(i)]; };
    const int parallel = FirstPair([&](int i, int j) { return edge(i).IsParallel(edge(j)); });
    const int coincident = FirstPair([&](int i, int j) { return edge(i).IsCoincident(edge(j)); });
    if (parallel >= 0)
        m_parallel[static_cast<std::size_t>(parallel)] = 1;
    if (coincident >= 0)
        m_coincident[static_cast<std::size_t>(coincident)] = 1;
}

CFTriangle::CFTriangle(const CFLine& l0, const CFLine& l1, const CFLine& l2)
    : m_vertex{Corner(l1, l2), Corner(l0, l2), Corner(l0, l1)} {
    BuildEdges();
    // Edge i lies on line i; the flags come from the lines themselves, because a vertex far
    // out makes the edges only nearly parallel.
    const std::array<const CFLine*, 3> lines = {&l0, &l1, &l2};
    const auto line = [&](int i) -> const CFLine& { return *lines[Index(i)]; };
    const int parallel = FirstPair([&](int i, int j) { return line(i).IsParallel(line(j)); });
    const int coincident = FirstPair([&](int i, int j) { return line(i).IsCoincident(line(j)); });
    if (parallel >= 0)
        m_parallel[static_cast<std::size_t>(parallel)] = 1;
    if (coincident >= 0)
        m_coincident[static_cast<std::size_t>(coincident)] = 1;
}

void CFTriangle::BuildEdges() {
    m_edge = {CFLineSeg(m_vertex[1], m_vertex[2]), CFLineSeg(m_vertex[2], m_vertex[0]),
              CFLineSeg(m_vertex[0], m_vertex[1])};
}

bool CFTriangle::IsDegenerate() const {
    // A vertex that is not a number describes no triangle at all.
    for (const CFPoint& v : m_vertex)
        if (!std::isfinite(v.x) || !std::isfinite(v.y))
            return true;
    for (std::uint8_t flag : m_coincident)
        if (flag)
            return true;
    return m_vertex[0] == m_vertex[1] || m_vertex[1] == m_vertex[2] || m_vertex[2] == m_vertex[0];
}

double CFTriangle::GetPerimeter() const {
    return m_edge[0].GetLength() + m_edge[1].GetLength() + m_edge[2].GetLength();
}

CFPoint CFTriangle::GetIncentre() const {
    const double perimeter = GetPerimeter();
    if (perimeter == 0.0)
        return m_vertex[0];
    double x = 0.0;
    double y = 0.0;
    for (std::size_t i = 0; i < 3; ++i) {
        const double weight = m_edge[i].GetLength();
        x += m_vertex[i].x * weight;
        y += m_vertex[i].y * weight;
    }
    return CFPoint(x / perimeter, y / perimeter);
}

double CFTriangle::GetInradius() const {
    const double perimeter = GetPerimeter();
    if (perimeter == 0.0)
        return 0.0;
    const CFPoint& a = m_vertex[0];
    const CFPoint& b = m_vertex[1];
    const CFPoint& c = m_vertex[2];
    const double twiceArea = std::fabs((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x));
    return twiceArea / perimeter;
}

CFPoint CFTriangle::GetCentrePoint() const {
    // A strip closed far away has no useful incentre; the middle of its near side stands in.
    static constexpr std::array<std::array<std::size_t, 2>, 3> kUnshared = {
        {{0, 1}, {2, 0}, {2, 1}}};
    for (std::size_t p = 0; p < 3; ++p) {
        if (m_parallel[p]) {
            const CFPoint& a = m_vertex[kUnshared[p][0]];
            const CFPoint& b = m_vertex[kUnshared[p][1]];
            return CFPoint((a.x + b.x) / 2, (a.y + b.y) / 2);
        }
    }
    return GetIncentre();
}

std::vector<CFPoint> CFTriangle::GetPoints(int cE0, int cE1, int cE2) const {
    const long long total = static_cast<long long>(cE0) + cE1 + cE2;
    if (total <= 0)
        return {};
    const std::array<int, 3> counts = {cE0, cE1, cE2};
    std::size_t room = 0;
    for (int count : counts)
        room += count > 0 ? static_cast<std::size_t>(count) : 0;
    if (total <= 3)
        room = static_cast<std::size_t>(total);
    return MakePointBuffer(room, "floatgeo.CFTriangle.GetPoints: memory exception",
                           [&](std::vector<CFPoint>& points) {
                               if (total == 1) {
                                   points.push_back(GetCentrePoint());
                               } else if (total <= 3) {
                                   for (long long k = 0; k < total; ++k)
                                       points.push_back(m_vertex[static_cast<std::size_t>(k)]);
                               } else {
                                   for (std::size_t i = 0; i < 3; ++i)
                                       if (counts[i] > 0)
                                           m_edge[i].AppendPoints(points, counts[i]);
                               }
                           });
}

CFRhombus::CFRhombus(const CFPoint& center, double size, double ratio, double angle)
    : m_center(center), m_size(size), m_ratio(ratio), m_angle(angle) {
    const double h = size / std::sqrt(ratio * ratio + 1);
    const double g = ratio * h;
    const std::array<CFPoint, 4> offsets = {CFPoint(0, g), CFPoint(-h, 0), CFPoint(0, -g),
                                            CFPoint(h, 0)};
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    for (std::size_t i = 0; i < 4; ++i) {
        const CFPoint& o = offsets[i];
        m_vertex[i] = CFPoint(center.x + o.x * c - o.y * s, center.y + o.x * s + o.y * c);
    }
}

const CFPoint& CFRhombus::GetVertex(int index) const {
    if (index < 0 || index > 3)
        return m_center;
    return m_vertex[static_cast<std::size_t>(index)];
}

std::vector<CFPoint> CFRhombus::GetPoints(int n) const {
    if (n <= 0)
        return {};
    return MakePointBuffer(static_cast<std::size_t>(n),
                           "floatgeo.CFRhombus.GetPoints: memory exception",
                           [&](std::vector<CFPoint>& points) {
                               if (n == 1) {
                                   points.push_back(m_center);
                               } else if (n <= 4) {
                                   for (int k = 0; k < n; ++k)
                                       points.push_back(m_vertex[static_cast<std::size_t>(k)]);
                               } else {
                                   const int k = n / 4;
                                   for (std::size_t i = 0; i < 4; ++i)
                                       CFLineSeg(m_vertex[i], m_vertex[(i + 1) % 4])
                                           .AppendPoints(points, i < 3 ? k : n - 3 * k);
                               }
                           });
}
