#pragma once
// Where the splash logo goes: scaled into its frame keeping the picture's aspect ratio.
#include <string>

namespace zantrel {

struct LogoPlace {
  std::string shape;  // "Tall", "Short" or "Square"
  int left = 0, top = 0, width = 0, height = 0;
};

// frame: the picture frame's size; picture: the picture's own size. Logs the case and place.
LogoPlace FitLogo(int frameWidth, int frameHeight, int pictureWidth, int pictureHeight);

}  // namespace zantrel
