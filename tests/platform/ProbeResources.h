// The framework's tests bring a small resource table of their own: no
// application's templates, strings or pictures are needed to test the
// framework.
#pragma once

#include "platform/ApplicationResources.h"

namespace Probe {
constexpr UINT kString = 42;   // "Una cadena de prova"
constexpr UINT kBitmap = 7;    // 2 x 2, 24-bit: red, green / blue, white
constexpr UINT kIcon = 9;      // no picture: only its ID is drawn with
constexpr UINT kDialog = 5000; // a template with one edit (ID kEdit) and OK
constexpr int kEdit = 300;
// A window of four buttons and a labelled edit for the keyboard's tests:
// IDOK "&Sortir", kFirst, kSecond (disabled), a hidden IDCANCEL, then the
// label and kEdit.
constexpr UINT kKeysDialog = 5001;
constexpr int kFirst = 301;
constexpr int kSecond = 302;

const ApplicationResources& Resources();
} // namespace Probe
