#pragma once
// The libcups floor of a user action: the PPD calls the action makes, recorded while
// it runs once, then replayed alone. The benchmark executable defines the four PPD
// look-up and marking functions itself; each forwards to libcups and, while a
// recording is open, notes the call (calls libcups makes from inside itself are not
// noted: they are part of the outer call's cost).
#include <QByteArray>
#include <QList>

#include <cups/ppd.h>

namespace cupstrace {

struct Call {
    enum Kind { MarkOption, FindMarkedChoice, FindOption, FindChoice } kind;
    ppd_file_t* ppd = nullptr;
    ppd_option_t* option = nullptr; // FindChoice only
    QByteArray first;               // keyword (choice name for FindChoice)
    QByteArray second;              // choice name for MarkOption
};
using Calls = QList<Call>;

// Notes every PPD call made from outside libcups into `calls` until stop(); nesting is
// not supported.
void start(Calls* calls);
void stop();

// Makes the same calls again, straight to libcups; answers a value that depends on
// every result so that the compiler keeps them.
quintptr replay(const Calls& calls);

} // namespace cupstrace
