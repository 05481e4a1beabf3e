#pragma once
// An IPP attribute's values as text, the way cupsGetDests and lpstat show them:
// integers and enums as numbers, booleans as true/false, ranges as "lower-upper",
// everything else as its string.
#include <QStringList>

#include <cups/ipp.h>

namespace host {

QStringList ippValues(ipp_attribute_t* attribute);

} // namespace host
