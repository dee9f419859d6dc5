// The body model behind the figures: the solids of the female and the male body, each with
// its region name, colour and layer, and the keyword query of every region, read from the
// model file under content/anatomy (its format is described in the README there). Plain data
// and a reader; no state of its own.
#pragma once

#include <QRgb>
#include <string>
#include <string_view>
#include <vector>

#include "assets/figures/Geometry.h"

namespace halvena::figures {

enum class TGender { Female, Male };

// How a solid takes part in the figure.
enum class TLayer {
  Skin,   // the body's outer surface, drawn translucent; names the points it covers
  Zone,   // not drawn: gives its name to the skin inside it (a joint, for example)
  Organ,  // drawn opaque under the skin; names the points where it is in front
  Bone,   // drawn like an organ but names nothing: its points keep the skin's name
};

enum class TShape {
  Ellipsoid,  // Centre, Size = the three radii, turned by Turn
  Box,        // Centre, Size = the three half edges, turned by Turn
  Cone,       // a capsule from Centre (radius R1) to End (radius R2), both ends rounded
};

struct TSolid {
  TLayer Layer = TLayer::Organ;
  TShape Shape = TShape::Ellipsoid;
  int Region = -1;  // index into TBodyModel::Regions; -1 for bones
  QRgb Colour = 0;  // unused for zones
  TVec3 Centre;
  TVec3 Size;
  TVec3 Turn;  // degrees about x, then y, then z
  TVec3 End;
  double R1 = 0;
  double R2 = 0;
};

struct TRegion {
  std::string Name;
  std::string Query;  // in the keyword query language of the dictionary
};

struct TBodyModel {
  std::vector<TRegion> Regions;  // in file order
  std::vector<TSolid> Female;
  std::vector<TSolid> Male;

  const std::vector<TSolid>& Solids(TGender gender) const {
    return gender == TGender::Female ? Female : Male;
  }
  // The regions that at least one solid of `gender` names, in file order.
  std::vector<int> RegionsOf(TGender gender) const;
};

// Parses a model file's text. On the first fault answers false with `error` set to
// "<fileName>:<line>: <reason>"; `model` is then incomplete.
bool ParseBodyModel(std::string_view text, const std::string& fileName, TBodyModel& model,
                    std::string& error);

// Reads and parses the model file at `path`; an unreadable file is a fault too.
bool ReadBodyModel(const std::string& path, TBodyModel& model, std::string& error);

}  // namespace halvena::figures
