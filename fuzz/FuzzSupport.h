#pragma once
// What the fuzz targets share: one QApplication on the offscreen platform for the whole
// process, alerts and log lines recorded instead of shown or sent to syslog, paths into
// the source tree and the built bundle, an input reader, and a way to report a broken
// invariant as a crash.
#include "tests/support/Choices.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace platform {
class Bundle;
}

namespace fuzz {

// Makes the process's QApplication (offscreen unless QT_QPA_PLATFORM says otherwise)
// and installs the alert and log recorders. Call once, from LLVMFuzzerInitialize.
void startApplication(int* argc, char*** argv);

QString sourcePath(const QString& relative); // under the source tree
QString bundlePath();                        // the built OrvanPDE.bundle

// FUZZ_TRACE=1 in the environment: print what an input does, to follow a crash input.
bool tracing();
void trace(const QString& line);

// The bundle with its string tables in one of the languages it has (0 English,
// 1 German, 2 Japanese); made once per language for the process.
platform::Bundle* bundle(int language);

// Lets every object given up with deleteLater go.
void settle();

// Alerts and log lines so far in this process.
int alertCount();
int logLineCount();

// A broken invariant: prints what and where, then aborts so the fuzzer keeps the input.
[[noreturn]] void fail(const char* file, int line, const QString& what);

// Reads an input front to back, so that a seed can be written by hand; past the end
// every read answers 0.
class Reader final : public panels::Choices {
public:
    Reader(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool atEnd() const override { return pos_ >= size_; }
    std::size_t remaining() const { return atEnd() ? 0 : size_ - pos_; }
    uint8_t byte() override { return atEnd() ? 0 : data_[pos_++]; }
    // Up to `n` bytes.
    QByteArray bytes(std::size_t n)
    {
        n = std::min(n, remaining());
        QByteArray out(reinterpret_cast<const char*>(data_ + pos_), static_cast<qsizetype>(n));
        pos_ += n;
        return out;
    }

private:
    const uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

} // namespace fuzz

#define FUZZ_CHECK(condition, what)                                              \
    do {                                                                         \
        if (!(condition)) ::fuzz::fail(__FILE__, __LINE__, QStringLiteral(#condition ": ") + (what)); \
    } while (false)
