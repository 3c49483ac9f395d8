#include "console/LogoFit.h"

#include <algorithm>

#include "foundation/Debug.h"

namespace zantrel {

LogoPlace FitLogo(int frameWidth, int frameHeight, int pictureWidth, int pictureHeight) {
  LogoPlace place;
  pictureWidth = std::max(pictureWidth, 1);
  pictureHeight = std::max(pictureHeight, 1);
  // The picture fills the frame in its longer direction and is centred in the other.
  const double scale = std::min(static_cast<double>(frameWidth) / pictureWidth,
                                static_cast<double>(frameHeight) / pictureHeight);
  place.width = static_cast<int>(pictureWidth * scale + 0.5);
  place.height = static_cast<int>(pictureHeight * scale + 0.5);
  place.left = (frameWidth - place.width) / 2;
  place.top = (frameHeight - place.height) / 2;
  place.shape = pictureHeight > pictureWidth   ? "Tall"
                : pictureHeight < pictureWidth ? "Short"
                                               : "Square";
  DebugLog("Picture is " + place.shape, 10);
  DebugLog("Logo Left is " + std::to_string(place.left), 10);
  DebugLog("Logo Top is " + std::to_string(place.top), 10);
  DebugLog("Logo Width is " + std::to_string(place.width), 10);
  DebugLog("Logo Height is " + std::to_string(place.height), 10);
  return place;
}

}  // namespace zantrel
