#pragma once
// Point records, point collections (one airfoil section each) and sets of sections.
// Positions are 1-based at the interface, as every point number of the system is.
#include <ostream>
#include <string>
#include <vector>

namespace zantrel {

// One point: coordinates, direction vector and two tolerance slots, all 0 when created.
struct points {
  double x = 0, y = 0, z = 0;
  double i = 0, j = 0, k = 0;
  double ltol = 0, utol = 0;
};

// An ordered collection of points. Item and Remove out of 1..Count throw std::out_of_range.
class ijk {
 public:
  points& Add(double x, double y, double z, double i = 0, double j = 0, double k = 0,
              double ltol = 0, double utol = 0);
  points& Add(const points& p);
  points& Item(long index);
  const points& Item(long index) const;
  long Count() const { return static_cast<long>(points_.size()); }
  void Remove(long index);
  // Throws std::domain_error on an empty collection.
  double AverageZ() const;
  void Reserve(long n) { points_.reserve(static_cast<size_t>(n)); }

  auto begin() { return points_.begin(); }
  auto end() { return points_.end(); }
  auto begin() const { return points_.begin(); }
  auto end() const { return points_.end(); }

 private:
  std::vector<points> points_;
};

// Sections in source order; for measured data two blocks per measured section.
class SectionSet {
 public:
  ijk& Add(ijk section);
  ijk& Item(long index);
  const ijk& Item(long index) const;
  long Count() const { return static_cast<long>(sections_.size()); }

  auto begin() { return sections_.begin(); }
  auto end() { return sections_.end(); }
  auto begin() const { return sections_.begin(); }
  auto end() const { return sections_.end(); }

 private:
  std::vector<ijk> sections_;
};

// Replaces destination's points by fresh copies of source's coordinates and vectors, with
// both tolerance slots 0.
void CopySection(ijk& destination, const ijk& source);

// "####0.00000" with the locale's decimal symbol.
std::string FormatCoord(double value);

// The one point line: x, y, z scaled by factor, then (unless coordinatesOnly) i, j, k
// unscaled, each followed by three blanks, then the end text. A factor of 0 or less is taken
// as 1 and written back. Without the line end.
std::string PointLineText(const points& p, const std::string& endText, bool coordinatesOnly,
                          double& factor);
// Writes the point line of the given point number followed by CR LF.
void WritePointLine(std::ostream& file, const ijk& section, long pointNumber,
                    const std::string& endText, bool coordinatesOnly, double& factor);

}  // namespace zantrel
