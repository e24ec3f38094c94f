// Which installed typeface stands in for a face the program asks for. The
// program names the faces of the machine it was drawn on; this one has free
// look-alikes instead, listed in the application's resources, and
// fontconfig's matcher picks a face for any other name. Both the text
// renderer and the Qt backend's dialog fonts go through here, so the two
// agree.
#pragma once

#include <string>

// The installed family that draws text asked for in face `requested`: the
// table's entry, otherwise fontconfig's best match (an empty name asks for
// the default sans face). Empty only when the machine has no font at all.
std::string SubstituteFontFace(const std::string& requested);
