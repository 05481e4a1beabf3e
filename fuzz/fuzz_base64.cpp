// Base64 codec: any bytes of any length through both forms. Encoding then decoding
// gives the input back; the sized forms never write past the area they are given,
// always terminate it, and agree with the QByteArray forms as far as the area reaches.
#include "fuzz/FuzzSupport.h"
#include "jobtype/B64Ecoder.h"

#include <QByteArray>

#include <cstring>
#include <memory>

namespace {

// An area of exactly `size` bytes on the heap, so that AddressSanitizer sees any write
// past it; filled with a marker to tell written bytes from untouched ones.
std::unique_ptr<char[]> area(std::size_t size)
{
    auto bytes = std::make_unique<char[]>(size);
    std::memset(bytes.get(), '\x7f', size);
    return bytes;
}

// `size` bytes as given to a sized form: what fits, then the terminator.
void checkSized(const QByteArray& whole, const char* out, std::size_t size, const char* which)
{
    if (size == 0) return;
    const std::size_t fits = std::min<std::size_t>(size - 1, static_cast<std::size_t>(whole.size()));
    FUZZ_CHECK(std::memcmp(out, whole.constData(), fits) == 0,
               QStringLiteral("%1 differs from the QByteArray form").arg(QLatin1String(which)));
    FUZZ_CHECK(out[fits] == '\0', QStringLiteral("%1 not terminated after %2 bytes").arg(QLatin1String(which)).arg(fits));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // The QByteArray forms: any bytes, NUL included.
    const QByteArray encoded = base64_encode(input);
    FUZZ_CHECK(encoded == input.toBase64(), QStringLiteral("encoding differs from RFC 4648"));
    FUZZ_CHECK(base64_decode(encoded) == input, QStringLiteral("round trip lost bytes"));

    // Decoding any text at all must stay within its input and never crash; text that
    // is valid Base64 decodes as the standard says.
    const QByteArray decodedAny = base64_decode(input);
    FUZZ_CHECK(decodedAny.size() <= (input.size() + 3) / 4 * 3 + 3, QStringLiteral("decoded text too long"));
    const auto strict = QByteArray::fromBase64Encoding(input, QByteArray::AbortOnBase64DecodingErrors);
    if (strict && input.size() % 4 == 0)
        FUZZ_CHECK(decodedAny == *strict, QStringLiteral("valid Base64 decoded wrongly"));

    // The sized forms take NUL-terminated text: the input up to its first NUL.
    const QByteArray text(input.constData());
    const QByteArray textEncoded = base64_encode(text);
    const QByteArray textDecodedAny = base64_decode(text);
    const std::size_t exactEncode = static_cast<std::size_t>(textEncoded.size()) + 1;
    const std::size_t exactDecode = static_cast<std::size_t>(textDecodedAny.size()) + 1;
    // Exact, one short, and a few sizes picked by the input, down to none at all.
    const std::size_t pick = size > 0 ? data[0] : 0;
    for (std::size_t areaSize : {exactEncode, exactEncode - 1, pick % (exactEncode + 1), std::size_t(0), std::size_t(1)}) {
        auto out = area(areaSize);
        FUZZ_CHECK(base64_encode(text.constData(), areaSize ? out.get() : nullptr, areaSize) == 0,
                   QStringLiteral("encode status"));
        checkSized(textEncoded, out.get(), areaSize, "sized encode");
    }
    {
        // The whole text decodes back into an exact area.
        auto encodedArea = area(exactEncode);
        base64_encode(text.constData(), encodedArea.get(), exactEncode);
        const std::size_t back = static_cast<std::size_t>(text.size()) + 1;
        auto out = area(back);
        FUZZ_CHECK(base64_decode(encodedArea.get(), out.get(), back) == 0, QStringLiteral("decode status"));
        FUZZ_CHECK(std::memcmp(out.get(), text.constData(), static_cast<std::size_t>(text.size())) == 0
                       && out[static_cast<std::ptrdiff_t>(text.size())] == '\0',
                   QStringLiteral("sized round trip lost bytes"));
    }
    for (std::size_t areaSize : {exactDecode, exactDecode - 1, pick % (exactDecode + 1), std::size_t(0), std::size_t(1)}) {
        auto out = area(areaSize);
        FUZZ_CHECK(base64_decode(text.constData(), areaSize ? out.get() : nullptr, areaSize) == 0,
                   QStringLiteral("decode status"));
        checkSized(textDecodedAny, out.get(), areaSize, "sized decode");
    }
    // No input at all.
    FUZZ_CHECK(base64_encode(nullptr, nullptr, 0) == 0 && base64_decode(nullptr, nullptr, 0) == 0,
               QStringLiteral("null input"));
    return 0;
}
