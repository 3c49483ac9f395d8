#include "geometry/Points.h"

#include <stdexcept>

#include "foundation/Format.h"

namespace zantrel {

namespace {

size_t CheckedPosition(long index, size_t count, const char* what) {
  if (index < 1 || static_cast<size_t>(index) > count) {
    throw std::out_of_range(std::string(what) + ": position " + std::to_string(index) +
                            " outside 1.." + std::to_string(count));
  }
  return static_cast<size_t>(index - 1);
}

}  // namespace

points& ijk::Add(double x, double y, double z, double i, double j, double k, double ltol,
                 double utol) {
  points_.push_back(points{x, y, z, i, j, k, ltol, utol});
  return points_.back();
}

points& ijk::Add(const points& p) {
  points_.push_back(p);
  return points_.back();
}

points& ijk::Item(long index) {
  return points_[CheckedPosition(index, points_.size(), "ijk")];
}

const points& ijk::Item(long index) const {
  return points_[CheckedPosition(index, points_.size(), "ijk")];
}

void ijk::Remove(long index) {
  points_.erase(points_.begin() +
                static_cast<std::ptrdiff_t>(CheckedPosition(index, points_.size(), "ijk")));
}

double ijk::AverageZ() const {
  if (points_.empty()) throw std::domain_error("AverageZ of a section without points");
  double sum = 0;
  for (const points& p : points_) sum += p.z;
  return sum / static_cast<double>(points_.size());
}

ijk& SectionSet::Add(ijk section) {
  sections_.push_back(std::move(section));
  return sections_.back();
}

ijk& SectionSet::Item(long index) {
  return sections_[CheckedPosition(index, sections_.size(), "section set")];
}

const ijk& SectionSet::Item(long index) const {
  return sections_[CheckedPosition(index, sections_.size(), "section set")];
}

void CopySection(ijk& destination, const ijk& source) {
  for (long n = destination.Count(); n >= 1; --n) destination.Remove(n);
  destination.Reserve(source.Count());
  for (const points& p : source) destination.Add(p.x, p.y, p.z, p.i, p.j, p.k);
}

std::string FormatCoord(double value) {
  return FormatFixed(value, 5);
}

std::string PointLineText(const points& p, const std::string& endText, bool coordinatesOnly,
                          double& factor) {
  if (factor <= 0) factor = 1;
  static const std::string kGap = "   ";
  std::string line;
  line.reserve(96 + endText.size());
  line += FormatCoord(p.x * factor) + kGap;
  line += FormatCoord(p.y * factor) + kGap;
  line += FormatCoord(p.z * factor) + kGap;
  if (!coordinatesOnly) {
    line += FormatCoord(p.i) + kGap;
    line += FormatCoord(p.j) + kGap;
    line += FormatCoord(p.k) + kGap;
  }
  line += endText;
  return line;
}

void WritePointLine(std::ostream& file, const ijk& section, long pointNumber,
                    const std::string& endText, bool coordinatesOnly, double& factor) {
  file << PointLineText(section.Item(pointNumber), endText, coordinatesOnly, factor) << "\r\n";
}

}  // namespace zantrel
