// Reads the level a student typed: the leading decimal number of the text,
// with a point or a comma as decimal separator ("12,5" is 12.5 cm, as a
// Catalan student writes it). Text after the number is ignored.
#pragma once

#include "platform/CString.h"

// True and `cm` set when the text starts (after blanks) with a finite number
// no larger than a million centimetres; false when it holds none ("", "abc",
// "nan", "inf", "1e999", "1e308").
bool ParseLevel(const CString& text, double& cm);

// The leading number of `text`, or 0 when it holds none.
double LevelOrZero(const CString& text);
