// SPDX-License-Identifier: MIT
// Where the binding's widgets put ink, for the model to arrange a window's parts around it.
#pragma once

#include <optional>

#include "windows/form.h"

namespace tovimel {

// The ink of a label's caption (its glyphs' tight boxes, laid out as the label draws them) or of
// a root sign stretched to its box, in twips from the control's top-left corner, as drawn on a
// device with `pixel_ratio` device pixels to a logical one. nullopt for anything else and for
// an empty caption.
std::optional<InkBox> MeasureInk(const Control& c, double pixel_ratio);

}  // namespace tovimel
