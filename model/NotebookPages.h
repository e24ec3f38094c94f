// What a page label means: the page number and the kind of page it shows.
#pragma once

#include "platform/CString.h"

// What a page shows below its label. Page 1 and the put-away notebook show
// no rows (None): the cover goes by its own label "-1-".
enum class PageKind { None, Measurements, Graph, Blank };

// The label read as a signed decimal integer and negated: "-3-" is page 3,
// the empty label (the notebook put away) page 0.
int PageNumber(const CString& label);

// The kind of page N with `count` noted rows; rows 10(N-2).. fill page N.
PageKind PageKindFor(int page, int count);

// "I" .. "XII" for months 1..12.
const char* RomanMonth(int month);
