#include "geometry/SecSort.h"

#include <cmath>
#include <string>

#include "foundation/Debug.h"
#include "geometry/Support.h"
#include "geometry/blMath.h"

namespace zantrel {

namespace {

std::string N(long value) {
  return std::to_string(value);
}

void Bar(Progress& progress, double value) {
  progress.SetValue(static_cast<int>(std::lround(Minimum(value, 100))));
  progress.Refresh();
}

// ClosestXY, or the first remaining point when every one lies on (x, y) or 9999 and more away.
long NearestOrFirst(const ijk& remaining, double x, double y) {
  const long r = ClosestXY(remaining, x, y);
  if (r != 0 || remaining.Count() == 0) return r;
  DebugLog("SecSort: no point nearer than 9999 apart from the last one, taking point 1.", 9);
  return 1;
}

bool StartValid(const ijk& section, long start, const char* who) {
  if (start >= 1 && start <= section.Count()) return true;
  DebugLog(std::string(who) + ": start point " + N(start) + " is not a point of the section of " +
               N(section.Count()) + " points, section left as it was.",
           0);
  return false;
}

}  // namespace

void SecSort(ijk& section, long start, Progress& progress) {
  DebugLog("SecSort: Start", 9);
  if (!StartValid(section, start, "SecSort")) return;
  ijk work;
  CopySection(work, section);
  ijk out;
  out.Reserve(work.Count());
  out.Add(work.Item(start));
  work.Remove(start);
  const long m = work.Count();
  for (long t = 1; t <= m; ++t) {
    Bar(progress, static_cast<double>(t) / static_cast<double>(m) * 100.0);
    const points& last = out.Item(out.Count());
    const long r = NearestOrFirst(work, last.x, last.y);
    out.Add(work.Item(r));
    work.Remove(r);
  }
  section = std::move(out);
}

void FullSecSort(ijk& section, long start, Progress& progress) {
  DebugLog("FullSecSort: Start", 9);
  if (!StartValid(section, start, "FullSecSort")) return;
  const long n = section.Count();
  ijk work;
  CopySection(work, section);
  ijk out;
  out.Reserve(n);
  out.Add(work.Item(start));
  work.Remove(start);
  DebugLog("FullSecSort: Adding " + N(out.Count()) + " point", 10);
  points a = out.Item(1);
  if (work.Count() == 0) {
    section = std::move(out);
    return;
  }
  long r = 0;
  double distance = 0;
  CClosestXY(work, a.x, a.y, r, distance);
  out.Add(work.Item(r));
  DebugLog("FullSecSort: Adding " + N(out.Count()) + " point", 10);
  points b = work.Item(r);
  work.Remove(r);

  const long m = work.Count();
  for (long t = 1; t <= m && work.Count() > 0; ++t) {
    Bar(progress, static_cast<double>(t) / static_cast<double>(n) * 100.0);
    double angle = 0;
    r = ClosestForwardPt(work, a.x, b.x, a.y, b.y, angle, 45);
    if (r == 0 && out.Count() > 3) {
      a = out.Item(out.Count() - 2);
      b = out.Item(out.Count() - 1);
      r = ClosestForwardPt(work, a.x, b.x, a.y, b.y, angle, 45);
    }
    if (r == 0) r = ClosestForwardPt(work, a.x, b.x, a.y, b.y, angle, 89);
    if (r == 0 && out.Count() <= 2) {
      // Never drop a start point: step on to the nearest remaining point instead.
      b = out.Item(out.Count());
      a = out.Item(out.Count() - 1);
      r = NearestOrFirst(work, b.x, b.y);
    }
    if (r != 0) {
      out.Add(work.Item(r));
      if (Logs(10)) {
        DebugLog("FullSecSort: Adding " + N(out.Count()) + " point, input section has " +
                     N(work.Count()) + " points left.",
                 10);
      }
      a = b;
      b = work.Item(r);
      work.Remove(r);
    } else {
      if (Logs(10)) {
        DebugLog("FullSecSort: Removing " + N(out.Count()) + " point, input section has " +
                     N(work.Count()) + " points left.",
                 10);
      }
      out.Remove(out.Count());
      a = out.Item(out.Count() - 1);
      b = out.Item(out.Count());
    }
  }
  section = std::move(out);
}

}  // namespace zantrel
