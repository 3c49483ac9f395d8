#pragma once
// Plane geometry on airfoil sections: angles, nearest points, nose and tail, renumbering and
// arc positions. Point numbers are 1-based positions in the section; 0 means none.
#include <string>
#include <vector>

#include "geometry/Points.h"

namespace zantrel {

inline constexpr double kPi = 3.14159265358979;

// Direction of the vector (xFrom, yFrom) -> (xTo, yTo) in degrees, in [0, 360).
double LineAngle(double xFrom, double xTo, double yFrom, double yTo);
double RadToDeg(double radians);
double Minimum(double a, double b);

// Nearest point to (x, y) farther than 0 and nearer than 9999; 0 when there is none.
long ClosestXY(const ijk& section, double x, double y);
// Nearest point starting from point 1 whatever its distance; point 0 on an empty section.
void CClosestXY(const ijk& section, double x, double y, long& point, double& distance);
// Point with the smallest x (the lower number on ties); 0 on an empty section.
long MinX(const ijk& section);

// Nose and tail as the mutually farthest pair near the given or suggested positions.
// Sections of fewer than 3 points keep the nose and tail given.
void GetNoseTail(const ijk& section, long& nose, long& tail);
// Renumbers the section to start at the nose; the other numbers follow their points.
void sReorder(ijk& section, long& nose, long& nose1, long& nose2, long& tail, long& tail1,
              long& tail2);
void RevSec(ijk& section);
// One point number per percentage (words[1..]; words[0] is the section label) along the CC
// side (below 50) or the CV side. The section starts at its nose.
void GetArcPt(const ijk& section, const std::vector<std::string>& words, long nose, long tail,
              std::vector<long>& result);
// The nearest point to B whose direction from B turns less than testAngle from A->B; 0 when
// none does. angle receives the turn of the accepted point.
long ClosestForwardPt(const ijk& section, double xA, double xB, double yA, double yB, double& angle,
                      double testAngle);

// Removes and returns the first smallest number; 999999999 from an empty list.
double PopMinimum(std::vector<double>& list);
// The numbers in ascending order, equal ones in input order; the input ends empty.
std::vector<double> SortAscending(std::vector<double>& list);

}  // namespace zantrel
