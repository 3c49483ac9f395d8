#include "sim/kormet/Scan.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "foundation/FileOps.h"
#include "foundation/Format.h"
#include "foundation/StringM.h"
#include "foundation/TextFile.h"
#include "sim/kormet/Rtf.h"

namespace zantrel::kormetsim {

namespace fs = std::filesystem;

namespace {

constexpr double kPi = 3.14159265358979323846;

struct V2 {
  double x = 0, y = 0;
};

double Distance2(const NominalPoint& a, const NominalPoint& b) {
  const double dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
  return dx * dx + dy * dy + dz * dz;
}

bool IsNumber(const std::string& word) {
  return ToDouble(word).has_value();
}

int Nearest(const std::vector<NominalPoint>& points, double x, double y) {
  int best = 0;
  double bestDistance = std::numeric_limits<double>::max();
  for (size_t i = 0; i < points.size(); ++i) {
    const double d = std::hypot(points[i].x - x, points[i].y - y);
    if (d < bestDistance) {
      bestDistance = d;
      best = static_cast<int>(i) + 1;
    }
  }
  return best;
}

// An edge line: "NOSE n" or "NOSE a b TYPE"; a range is settled once the points are known.
struct Edge {
  int point = 0;
  int from = 0, to = 0;
};

bool ReadEdge(const Words& words, Edge& edge) {
  if (words.size() >= 2 && words.size() <= 3) {
    edge.point = static_cast<int>(NumberOr(words[1], 0));
    return edge.point > 0;
  }
  if (words.size() >= 4 && words.size() <= 5) {
    edge.from = static_cast<int>(NumberOr(words[1], 0));
    edge.to = static_cast<int>(NumberOr(words[2], 0));
    return edge.from > 0 && edge.to > 0;
  }
  return false;
}

int SettleEdge(const Edge& edge, const std::vector<NominalPoint>& points) {
  const int n = static_cast<int>(points.size());
  if (edge.point > 0) return edge.point <= n ? edge.point : 0;
  if (edge.from < 1 || edge.to < 1 || edge.from > n || edge.to > n) return 0;
  const auto& a = points[edge.from - 1];
  const auto& b = points[edge.to - 1];
  return Nearest(points, (a.x + b.x) / 2, (a.y + b.y) / 2);
}

// Nose and tail not given: the two points farthest apart, the nose the one with smaller x.
void FindEdges(NominalSection& section) {
  const auto& p = section.points;
  double best = -1;
  for (size_t i = 0; i < p.size(); ++i)
    for (size_t j = i + 1; j < p.size(); ++j) {
      const double d = Distance2(p[i], p[j]);
      if (d > best) {
        best = d;
        const bool iFirst = p[i].x <= p[j].x;
        section.nose = static_cast<int>(iFirst ? i : j) + 1;
        section.tail = static_cast<int>(iFirst ? j : i) + 1;
      }
    }
}

// The profile from one point forward (wrapping) to another, both included.
std::vector<V2> Half(const NominalSection& section, int from, int to) {
  const int n = static_cast<int>(section.points.size());
  std::vector<V2> half;
  for (int i = from - 1;; i = (i + 1) % n) {
    half.push_back({section.points[i].x, section.points[i].y});
    if (i == to - 1) break;
  }
  return half;
}

// count points evenly spaced along the polyline, with the direction of travel at each.
void Resample(const std::vector<V2>& line, int count, std::vector<V2>& points,
              std::vector<V2>& tangents) {
  std::vector<double> length{0};
  for (size_t i = 1; i < line.size(); ++i)
    length.push_back(length.back() +
                     std::hypot(line[i].x - line[i - 1].x, line[i].y - line[i - 1].y));
  const double total = length.back();
  size_t segment = 1;
  for (int k = 0; k < count; ++k) {
    const double s = total * k / (count - 1);
    while (segment + 1 < line.size() && length[segment] < s) ++segment;
    const V2& a = line[segment - 1];
    const V2& b = line[segment];
    const double span = length[segment] - length[segment - 1];
    const double t = span > 0 ? (s - length[segment - 1]) / span : 0;
    points.push_back({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t});
    tangents.push_back({b.x - a.x, b.y - a.y});
  }
}

fs::path NominalFile(const fs::path& nominal, const std::string& part) {
  if (fs::is_directory(nominal)) return nominal / part / (part + ".nom");
  return nominal;
}

}  // namespace

std::vector<NominalSection> ReadNominal(const fs::path& file, std::string& error) {
  const auto lines = ReadLines(file);
  if (!lines) {
    error = "nominal file not found: " + file.string();
    return {};
  }
  std::vector<NominalSection> sections;
  Edge nose, tail;
  auto finish = [&] {
    if (sections.empty()) return;
    NominalSection& s = sections.back();
    s.nose = SettleEdge(nose, s.points);
    s.tail = SettleEdge(tail, s.points);
    if (s.nose == 0 || s.tail == 0 || s.nose == s.tail) FindEdges(s);
    nose = tail = Edge{};
  };
  int number = 0;
  for (const std::string& raw : *lines) {
    ++number;
    const std::string line = Trim(raw);
    if (line.empty() || line[0] == '!' || line.rfind("$$", 0) == 0) continue;
    const Words words = Tokenize(std::string_view(line));
    auto bad = [&](const std::string& what) {
      error = what + " in " + file.string() + " line " + std::to_string(number);
      return std::vector<NominalSection>{};
    };
    if (ContainsNoCase(line, "NUM_SECT") || ContainsNoCase(line, "UNITS")) continue;
    if (ContainsNoCase(line, "SECTION")) {
      if (words.size() < 2) return bad("SECTION without label");
      finish();
      sections.push_back(NominalSection{Trim(words[1]), {}, 0, 0});
    } else if (ContainsNoCase(line, "NOSE") || ContainsNoCase(line, "TAIL")) {
      const bool isNose = ContainsNoCase(line, "NOSE");
      if (!ReadEdge(words, isNose ? nose : tail)) return bad(isNose ? "bad NOSE" : "bad TAIL");
    } else if (ContainsNoCase(line, "OFFSETS") || ContainsNoCase(line, "CHANGES")) {
      continue;
    } else {
      if (sections.empty()) return bad("point before the first SECTION");
      if (words.size() < 3 || !IsNumber(words[0]) || !IsNumber(words[1]) || !IsNumber(words[2]))
        return bad("bad point line");
      sections.back().points.push_back(
          {*ToDouble(words[0]), *ToDouble(words[1]), *ToDouble(words[2])});
    }
  }
  finish();
  if (sections.empty()) error = "no SECTION in " + file.string();
  for (const auto& s : sections)
    if (s.points.size() < 3) {
      error = "section " + s.label + " has fewer than 3 points in " + file.string();
      return {};
    }
  return sections;
}

ScanResult ScanBlade(const fs::path& bladeTxt, const fs::path& nominal, const fs::path& output,
                     const ScanSettings& settings) {
  ScanResult result;
  const auto lines = ReadLines(bladeTxt);
  if (!lines) {
    result.error = "routine input file not found: " + bladeTxt.string();
    return result;
  }
  std::string part;
  std::vector<NominalPoint> targets;
  for (const std::string& line : *lines) {
    const Words words = Tokenize(std::string_view(line));
    if (words.empty()) continue;
    if (EqualsNoCase(words[0], "PART")) {
      if (words.size() >= 2) part = words[1];
      continue;
    }
    if (words.size() >= 6 && IsNumber(words[0]) && IsNumber(words[1]) && IsNumber(words[2]))
      targets.push_back({*ToDouble(words[0]), *ToDouble(words[1]), *ToDouble(words[2])});
  }
  if (targets.empty()) {
    result.error = "no points to measure in " + bladeTxt.string();
    return result;
  }
  const fs::path nominalFile = NominalFile(nominal, part);
  std::vector<NominalSection> sections = ReadNominal(nominalFile, result.error);
  if (sections.empty()) return result;

  // Every probing point belongs to the nominal section that holds the point nearest to it.
  std::vector<int> order;
  for (const auto& target : targets) {
    int best = -1;
    double bestDistance = std::numeric_limits<double>::max();
    for (size_t s = 0; s < sections.size(); ++s)
      for (const auto& p : sections[s].points) {
        const double d = Distance2(p, target);
        if (d < bestDistance) {
          bestDistance = d;
          best = static_cast<int>(s);
        }
      }
    if (std::find(order.begin(), order.end(), best) == order.end()) order.push_back(best);
  }

  std::mt19937 random(settings.seed);
  std::normal_distribution<double> gauss(0.0, 1.0);
  const double angle = settings.rotation * kPi / 180.0;
  const double cosA = std::cos(angle), sinA = std::sin(angle);
  const int count = std::max(11, settings.pointsPerHalf);

  std::vector<std::string> out{"KORMET MEASURED DATA", "Input: " + bladeTxt.string(),
                               "Nominal: " + nominalFile.string(),
                               "Sections: " + std::to_string(order.size()), ""};
  for (int s : order) {
    const NominalSection& section = sections[s];
    result.sections.push_back(section.label);
    double cx = 0, cy = 0;
    for (const auto& p : section.points) {
      cx += p.x;
      cy += p.y;
    }
    cx /= section.points.size();
    cy /= section.points.size();
    const double z = section.points[section.nose - 1].z;
    const struct {
      int from, to;
      const char* name;
    } halves[] = {{section.nose, section.tail, "NOSE TO TAIL"},
                  {section.tail, section.nose, "TAIL TO NOSE"}};
    for (const auto& half : halves) {
      out.push_back(settings.marker + " SECTION " + section.label + " " + half.name);
      std::vector<V2> points, tangents;
      Resample(Half(section, half.from, half.to), count, points, tangents);
      for (size_t k = 0; k < points.size(); ++k) {
        const V2 p = points[k];
        const double length = std::hypot(tangents[k].x, tangents[k].y);
        V2 normal = length > 0 ? V2{tangents[k].y / length, -tangents[k].x / length} : V2{0, 0};
        if (normal.x * (p.x - cx) + normal.y * (p.y - cy) < 0) normal = {-normal.x, -normal.y};
        const double rx = cx + cosA * (p.x - cx) - sinA * (p.y - cy) + settings.offsetX;
        const double ry = cy + sinA * (p.x - cx) + cosA * (p.y - cy) + settings.offsetY;
        const double scatter = settings.noise * gauss(random);
        const double mx = rx + scatter * normal.x;
        const double my = ry + scatter * normal.y;
        const double deviation = (mx - p.x) * normal.x + (my - p.y) * normal.y;
        const double values[] = {mx, my, z, normal.x, normal.y, 0.0, deviation};
        std::string text = "PNT" + std::to_string(k + 1);
        for (double v : values) text += "   " + FormatFixed(v, 5);
        out.push_back(text);
      }
    }
  }
  try {
    WriteAll(output, RtfDocument(out));
  } catch (const std::exception& e) {
    result.error = e.what();
  }
  return result;
}

}  // namespace zantrel::kormetsim
