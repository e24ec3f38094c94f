// The notebook's pages as pictures of their own, for the student to take
// away: each drawn as the window draws it, but onto a surface of its own,
// so that neither the window, the back buffer nor the page label changes.
#pragma once

#include <vector>

#include "model/ExperimentState.h"
#include "platform/Surface.h"

namespace Notebook {
// The pages worth handing in, in order: the cover, every page that holds
// rows, and the graph page once it has one. Blank pages are left out.
std::vector<int> PagesToHandIn(int count);

// Page `page` as it shows in the notebook's place (212 x 299 pixels); false
// when the drawing surface cannot be had.
bool DrawPagePicture(const ExperimentState& s, int page, Surface& picture);

// The pictures left to right, tops aligned, in one picture.
Surface SideBySide(const std::vector<Surface>& pictures);
} // namespace Notebook
