#pragma once
// Shared helpers of the geometry tests.
#include <cmath>
#include <string>
#include <vector>

#include "geometry/Points.h"
#include "platform/RichText.h"

namespace zantrel::test {

// Hands the report's text on as it is, as for a report that is plain text already.
class PlainText : public RichText {
 public:
  std::string ToPlainText(const std::string& content) override { return content; }
};

inline ijk Section(const std::vector<std::vector<double>>& xyz) {
  ijk s;
  for (const auto& p : xyz) s.Add(p[0], p[1], p.size() > 2 ? p[2] : 0.0);
  return s;
}

// n points on a circle of the radius, point m at angle (m - 1) * 360 / n, in the order given
// by the list of m (1-based).
inline ijk Circle(int n, double radius, const std::vector<int>& order) {
  ijk s;
  for (int m : order) {
    const double a = (m - 1) * 2 * 3.14159265358979 / n;
    s.Add(radius * std::cos(a), radius * std::sin(a), 1.0);
  }
  return s;
}

// The circle index (1-based) of a point made by Circle.
inline int CircleIndex(const points& p, int n) {
  double a = std::atan2(p.y, p.x);
  if (a < 0) a += 2 * 3.14159265358979;
  return static_cast<int>(std::lround(a / (2 * 3.14159265358979) * n)) % n + 1;
}

// A fixed scramble of 1..n.
inline std::vector<int> Scrambled(int n) {
  std::vector<int> order;
  for (int m = 0; m < n; ++m) order.push_back((m * 7 + 3) % n + 1);  // 7 is prime to the n used
  return order;
}

}  // namespace zantrel::test
