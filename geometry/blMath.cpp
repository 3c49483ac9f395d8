#include "geometry/blMath.h"

#include <algorithm>
#include <cmath>

#include "foundation/Debug.h"
#include "foundation/Format.h"
#include "foundation/Lang.h"
#include "geometry/Support.h"

namespace zantrel {

namespace {

std::string N(long value) {
  return std::to_string(value);
}

double Planar(const points& p, double x, double y) {
  const double dx = p.x - x;
  const double dy = p.y - y;
  return std::sqrt(dx * dx + dy * dy);
}

double Spatial(const points& a, const points& b) {
  const double dx = a.x - b.x;
  const double dy = a.y - b.y;
  const double dz = a.z - b.z;
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

}  // namespace

double RadToDeg(double radians) {
  return radians * 180.0 / kPi;
}

double LineAngle(double xFrom, double xTo, double yFrom, double yTo) {
  const double dx = xTo - xFrom;
  const double dy = yTo - yFrom;
  double angle = 0;
  if (dx != 0) {
    const double t = RadToDeg(std::atan(dy / dx));
    if (dx < 0) {
      angle = 180 + t;
    } else if (dy >= 0) {
      angle = t;
    } else {
      angle = 360 + t;
    }
  } else if (dy > 0) {
    angle = 90;
  } else if (dy < 0) {
    angle = 270;
  } else {
    DebugLog("LineAngle: Point input was 0,0, zero angle returned.", 0);
  }
  if (Logs(0)) DebugLog("LineAngle: " + NumText(angle), 0);
  return angle;
}

double Minimum(double a, double b) {
  const double result = a < b ? a : b;
  if (Logs(10)) {
    DebugLog("Minimum found min: " + NumText(result) + " from: " + NumText(a) + "," + NumText(b),
             10);
  }
  return result;
}

long ClosestXY(const ijk& section, double x, double y) {
  double best = 9999.0;
  long result = 0;
  long n = 0;
  for (const points& p : section) {
    ++n;
    const double d = Planar(p, x, y);
    if (d > 0 && d < best) {
      best = d;
      result = n;
    }
  }
  if (section.Count() == 0) DebugLog("ClosestXY: section has no points.", 0);
  if (Logs(0)) DebugLog("ClosestXY found: " + N(result) + " at distance: " + NumText(best), 0);
  return result;
}

void CClosestXY(const ijk& section, double x, double y, long& point, double& distance) {
  if (section.Count() == 0) {
    point = 0;
    distance = 0;
    DebugLog("CClosestXY: section has no points.", 0);
    return;
  }
  long result = 1;
  double best = Planar(section.Item(1), x, y);
  for (long n = 2; n <= section.Count(); ++n) {
    const double d = Planar(section.Item(n), x, y);
    if (d > 0 && d < best) {
      best = d;
      result = n;
    }
  }
  point = result;
  distance = best;
  if (Logs(0)) DebugLog("CClosestXY found: " + N(result) + " at distance: " + NumText(best), 0);
}

long MinX(const ijk& section) {
  if (section.Count() == 0) {
    DebugLog("MinX: section has no points.", 0);
    return 0;
  }
  long result = 1;
  for (long n = 2; n <= section.Count(); ++n) {
    if (section.Item(n).x < section.Item(result).x) result = n;
  }
  if (Logs(10)) DebugLog("MinX found minimum X point: " + N(result), 10);
  return result;
}

void GetNoseTail(const ijk& section, long& nose, long& tail) {
  DebugLog("GetNoseTail start: Nose: " + N(nose) + " Tail: " + N(tail), 7);
  const long n = section.Count();
  if (n < 3) {
    DebugLog("GetNoseTail: section of " + N(n) + " points, nose and tail left as given.", 0);
    return;
  }
  if (nose < 0 || nose > n) nose = 0;
  if (tail < 0 || tail > n) tail = 0;
  const long w = std::lround(static_cast<double>(n) / 3.0);
  const long h = n / 2;

  double best = 0;
  // The first point of greatest distance from the reference within the window of the centre;
  // a window reaching past point 1 or point n is empty, so the centre stands.
  auto farthest = [&](long centre, long reference) {
    long a = centre - w;
    if (a < 1) a += n;
    long b = centre + w;
    if (b > n) b -= n;
    long result = centre;
    best = 0;
    const points& r = section.Item(reference);
    for (long i = a; i <= b; ++i) {
      const double d = Spatial(r, section.Item(i));
      if (d > best) {
        best = d;
        result = i;
      }
    }
    return result;
  };

  if (nose == 0 && tail == 0) nose = MinX(section);
  if (nose != 0 && tail == 0) {
    DebugLog("GetNoseTail: Nose known or suggested, find tail.", 0);
    long c = nose + h;
    if (c > n) c -= n;
    tail = farthest(c, nose);
    DebugLog("GetNoseTail: Tail set to: " + N(tail) + " distance was: " + NumText(best), 0);
  } else if (nose == 0 && tail != 0) {
    DebugLog("GetNoseTail: Tail known, find nose.", 0);
    long c = tail + h;
    if (c > n) c -= n;
    nose = farthest(c, tail);
    DebugLog("GetNoseTail: Nose set to: " + N(nose) + " distance was: " + NumText(best), 0);
  }
  nose = farthest(nose, tail);
  DebugLog("GetNoseTail: Nose set to: " + N(nose) + " distance was: " + NumText(best), 0);
  tail = farthest(tail, nose);
  DebugLog("GetNoseTail: Tail set to: " + N(tail) + " distance was: " + NumText(best), 0);
  DebugLog("GetNoseTail found Nose: " + N(nose) + ", Tail: " + N(tail), 0);
  DebugLog("GetNoseTail end", 7);
}

void sReorder(ijk& section, long& nose, long& nose1, long& nose2, long& tail, long& tail1,
              long& tail2) {
  DebugLog("sReorder: Start", 9);
  DebugLog("sReorder: input nose: " + N(nose) + " input tail: " + N(tail), 9);
  const long n = section.Count();
  if (nose < 1 || nose > n) {
    DebugLog("sReorder: nose " + N(nose) + " is not a point of the section of " + N(n) +
                 " points, section left as it was.",
             0);
    return;
  }
  ijk renumbered;
  renumbered.Reserve(n);
  long newTail = 0, newNose1 = 0, newNose2 = 0, newTail1 = 0, newTail2 = 0;
  long j = nose;
  for (long k = 1; k <= n; ++k) {
    renumbered.Add(section.Item(j));
    if (tail == j) newTail = k;
    if (nose1 == j) newNose1 = k;
    if (nose2 == j) newNose2 = k;
    if (tail1 == j) newTail1 = k;
    if (tail2 == j) newTail2 = k;
    j = j == n ? 1 : j + 1;
  }
  tail = newTail;
  nose1 = newNose1;
  nose2 = newNose2;
  tail1 = newTail1;
  tail2 = newTail2;
  nose = 1;
  section = std::move(renumbered);
  DebugLog("sReorder: output nose: " + N(nose) + " output tail: " + N(tail), 9);
  DebugLog("sReorder: output nose1: " + N(nose1) + " output tail1: " + N(tail1), 9);
  DebugLog("sReorder: output nose2: " + N(nose2) + " output tail2: " + N(tail2), 9);
  DebugLog("sReorder end", 9);
}

void RevSec(ijk& section) {
  DebugLog("RevSec: Start", 10);
  ijk reversed;
  reversed.Reserve(section.Count());
  for (long n = section.Count(); n >= 1; --n) {
    const points& p = section.Item(n);
    reversed.Add(p.x, p.y, p.z, p.i, p.j, p.k);
  }
  section = std::move(reversed);
}

void GetArcPt(const ijk& section, const std::vector<std::string>& words, long /*nose*/, long tail,
              std::vector<long>& result) {
  DebugLog("GetArcPt: Start", 7);
  const long count = words.empty() ? 0 : static_cast<long>(words.size()) - 1;
  DebugLog("GetArcPt: Number of percentages passed " + N(count), 7);
  const long n = section.Count();
  std::vector<double> arc(static_cast<size_t>(n) + 1, 0.0);
  double run = 0;
  double ccLength = 0;
  for (long i = 2; i <= n; ++i) {
    const points& a = section.Item(i - 1);
    run += Planar(section.Item(i), a.x, a.y);
    if (i == tail) {
      ccLength = run;
      run = 0;
    }
    arc[static_cast<size_t>(i)] = run;
  }
  const double cvLength = run;

  for (size_t index = 1; index < words.size(); ++index) {
    const std::string& word = words[index];
    DebugLog("GetArcPt: Percentage number " + N(static_cast<long>(index)) + " is " + word, 3);
    const std::optional<double> value = ToDouble(word);
    if (!value || *value < 0 || *value > 100) {
      DebugLog(Translate("Error in airfoil definition file, percentage read as") + " " + word + ".",
               0, true, kErrr);
      break;
    }
    const double p = *value;
    long first = 1, last = tail - 1;
    double target = p / 50.0 * ccLength;
    if (p >= 50) {
      first = tail;
      last = n;
      target = (p - 50.0) / 50.0 * cvLength;
    }
    first = std::max(first, 1L);
    last = std::min(last, n);
    long chosen = 0;
    double bestDiff = 9999;
    for (long i = first; i <= last; ++i) {
      const double diff = std::fabs(target - arc[static_cast<size_t>(i)]);
      if (diff < bestDiff) {
        bestDiff = diff;
        chosen = i;
      }
    }
    if (chosen == 0) {
      DebugLog("GetArcPt: Percentage " + word + " finds no point with tail " + N(tail) + " of " +
                   N(n) + " points.",
               0);
      continue;
    }
    result.push_back(chosen);
    DebugLog("GetArcPt: Percentage " + word + " yields point number " + N(chosen), 9);
  }
  DebugLog("GetArcPt: Total circumferential point to point arc of airfoil section is: " +
               NumText(ccLength + cvLength),
           9);
  DebugLog("GetArcPt: Point to point arc of airfoil section CC side is: " + NumText(ccLength), 9);
  DebugLog("GetArcPt: Point to point arc of airfoil section CV side is: " + NumText(cvLength), 9);
}

long ClosestForwardPt(const ijk& section, double xA, double xB, double yA, double yB, double& angle,
                      double testAngle) {
  if (Logs(10)) DebugLog("ClosestForwardPt: Start: Test Angle is: " + NumText(testAngle), 10);
  ijk copy;
  CopySection(copy, section);
  // Numbers of the copy's points in the section given, kept beside the copy as it shrinks.
  std::vector<long> numbers(static_cast<size_t>(section.Count()));
  for (size_t n = 0; n < numbers.size(); ++n) numbers[n] = static_cast<long>(n) + 1;

  const double walking = LineAngle(xA, xB, yA, yB);
  long result = 0;
  double distance = 0;
  double measured = 0;
  // Every remaining point is a candidate, the last one too.
  const long attempts = section.Count();
  for (long attempt = 1; attempt <= attempts; ++attempt) {
    long candidate = 0;
    CClosestXY(copy, xB, yB, candidate, distance);
    if (candidate == 0) break;
    const points c = copy.Item(candidate);
    const long number = numbers[static_cast<size_t>(candidate - 1)];
    copy.Remove(candidate);
    numbers.erase(numbers.begin() + (candidate - 1));
    const double toCandidate = LineAngle(xB, c.x, yB, c.y);
    const double difference = std::fabs(walking - toCandidate);
    const double turn = Minimum(360 - difference, difference);
    if (turn < testAngle) {
      result = number;
      measured = turn;
      angle = turn;
      break;
    }
    if (Logs(0)) {
      DebugLog("ClosestForwardPt Failed Angle: " + N(number) +
                   " at distance: " + NumText(distance) + " and angle: " + NumText(turn) +
                   " Test Angle: " + NumText(testAngle),
               0);
    }
  }
  if (Logs(0)) {
    DebugLog("ClosestForwardPt found: " + N(result) + " at distance: " + NumText(distance) +
                 " and Measured Angle: " + NumText(measured) +
                 " and Test Angle: " + NumText(testAngle),
             0);
  }
  return result;
}

double PopMinimum(std::vector<double>& list) {
  if (list.empty()) return 999999999;
  auto smallest = list.begin();
  for (auto it = list.begin() + 1; it != list.end(); ++it) {
    if (*it < *smallest) smallest = it;
  }
  const double value = *smallest;
  list.erase(smallest);
  return value;
}

std::vector<double> SortAscending(std::vector<double>& list) {
  // The same order as popping the minimum repeatedly, without its quadratic cost.
  std::vector<double> sorted = std::move(list);
  list.clear();
  std::stable_sort(sorted.begin(), sorted.end());
  return sorted;
}

}  // namespace zantrel
