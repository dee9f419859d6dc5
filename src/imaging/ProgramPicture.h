// The pictures of the program folder (skins, figures, dialog buttons) for the screen they are
// shown on: on a screen of more than one device pixel per logical pixel, the finer copy of a
// picture that the build draws beside it, when that copy is sound. User-interface thread only.
#pragma once

#include <QImage>
#include <string_view>

#include "imaging/PMultiImage.h"

namespace halvena {

// Loads the picture `windowsPath` of the program folder through `loader`, whose failures are
// reported as always; null when it is missing or fails. On a screen whose device pixel ratio is
// above 1, answers instead the picture's finer copy with that copy's device pixel ratio, so that
// it covers the same logical pixels — but only when the copy decodes without any fault at exactly
// that many times the size; a missing or damaged copy is passed over without a word.
QImage LoadProgramPicture(TPMultiImage& loader, std::string_view windowsPath,
                          double devicePixelRatio);

}  // namespace halvena
