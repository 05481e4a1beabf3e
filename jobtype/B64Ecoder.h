#pragma once
// Base64 (RFC 4648, standard alphabet, "=" padding).
#include <QByteArray>

#include <cstddef>

extern const char* base64char;

// Encodes the NUL-terminated `input` into `output`, which holds `outputSize` bytes
// (at least 4 * ceil(n / 3) + 1 for the whole text); never writes past it, always
// terminates when outputSize > 0. Returns 0.
int base64_encode(const char* input, char* output, std::size_t outputSize);
// Decodes the NUL-terminated Base64 `input` into `output` (`outputSize` bytes),
// leaving out line breaks and spaces; never writes past it. Returns 0.
int base64_decode(const char* input, char* output, std::size_t outputSize);

// The forms the panels use: any length, zero bytes included.
QByteArray base64_encode(const QByteArray& input);
QByteArray base64_decode(const QByteArray& input);
