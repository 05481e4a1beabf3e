#pragma once
// Readable failure messages for texts, and for the lists and maps that hold them.
#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
