// The Base64 codec: RFC 4648 vectors, the lenient decoding rules, and inputs far longer
// than the secure-print values, in both the caller's-area and the QByteArray forms.
#include "jobtype/B64Ecoder.h"

#include <QByteArray>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

// The pointer form into an area of exactly `size` bytes on the heap, so that the
// sanitizer catches a byte written past it.
template <class Codec>
std::string intoArea(Codec codec, const QByteArray& input, std::size_t size)
{
    auto area = std::make_unique<char[]>(size);
    std::memset(area.get(), '#', size);
    EXPECT_EQ(codec(input.constData(), area.get(), size), 0);
    EXPECT_NE(std::memchr(area.get(), '\0', size), nullptr) << "the area is terminated";
    return std::string(area.get());
}

int encodeC(const char* in, char* out, std::size_t size) { return base64_encode(in, out, size); }
int decodeC(const char* in, char* out, std::size_t size) { return base64_decode(in, out, size); }

TEST(Base64, Rfc4648VectorsBothWaysInBothForms)
{
    const std::pair<QByteArray, QByteArray> vectors[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="},
    };
    for (const auto& [plain, encoded] : vectors) {
        EXPECT_EQ(base64_encode(plain), encoded) << plain.constData();
        EXPECT_EQ(base64_decode(encoded), plain) << encoded.constData();
        EXPECT_EQ(intoArea(encodeC, plain, static_cast<std::size_t>(encoded.size()) + 1), encoded.toStdString());
        EXPECT_EQ(intoArea(decodeC, encoded, static_cast<std::size_t>(plain.size()) + 1), plain.toStdString());
    }
    // Every byte value, zero bytes included, at every padding length.
    QByteArray all;
    for (int i = 0; i < 256; ++i) all.append(static_cast<char>(i));
    for (qsizetype n = 0; n <= all.size(); n += 37) {
        const QByteArray part = all.left(n) + all.right(n % 3);
        EXPECT_EQ(base64_encode(part), part.toBase64());
        EXPECT_EQ(base64_decode(part.toBase64()), part);
    }
}

// What other encoders write, and what a user pastes, decodes as they meant it.
TEST(Base64, LenientDecoding)
{
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"Zm9v\r\nYmFy", "foobar"},
        {" Z m9\nvY\r mF y \n", "foobar"},
        {" \r\n ", ""},
        {"Zg==Zm8=Zm9v", "ffofoo"},                  // padding ends a group, not the text
        {"Zg=A", "f"},                               // padding third: the fourth is not read
        {"YQ=", "a"},
        {"==AA", QByteArray("\xff\xf0\x00", 3)},     // padding first counts as outside the alphabet
        {"Zm9vYg", QByteArray("foob\0\0", 6)},       // missing characters count as zero
        {"Zm9vY", QByteArray("foo`\0\0", 6)},
        {"Zm9*", QByteArray("fo\x7f", 3)},           // outside the alphabet counts as 63
        {"!!!!", QByteArray("\xff\xff\xff", 3)},
        {QByteArray("Zm\0v", 4), base64_decode("Zm/v")}, // a zero byte is no terminator here
    };
    for (const auto& [encoded, plain] : cases) EXPECT_EQ(base64_decode(encoded), plain) << encoded.toStdString();
    EXPECT_EQ(base64_decode("Zm9v\tYmFy").size(), 9) << "a tab is no white space here but a character";
    EXPECT_EQ(intoArea(decodeC, "Z g\n= =", 8), "f");
    EXPECT_EQ(intoArea(decodeC, "Zm9vYmE", 7), "fooba") << "the area holds the bytes up to the first zero";
}

TEST(Base64, InputsFarLongerThanTheOldWorkArea)
{
    QByteArray plain(6001, Qt::Uninitialized);
    QRandomGenerator generator(4648);
    for (char& c : plain) c = static_cast<char>(1 + generator.bounded(255)); // no zero byte
    const QByteArray encoded = plain.toBase64();
    EXPECT_EQ(base64_encode(plain), encoded);
    EXPECT_EQ(intoArea(encodeC, plain, static_cast<std::size_t>(encoded.size()) + 1), encoded.toStdString());

    // Line breaks every 76 characters, as mail programs write it.
    QByteArray wrapped;
    for (qsizetype i = 0; i < encoded.size(); i += 76) wrapped += encoded.mid(i, 76) + "\r\n";
    EXPECT_EQ(base64_decode(wrapped), plain);
    EXPECT_EQ(intoArea(decodeC, wrapped, static_cast<std::size_t>(plain.size()) + 1), plain.toStdString());

    // Undersized areas take what fits, terminated, and nothing past their end.
    EXPECT_EQ(intoArea(encodeC, plain, 2048), encoded.left(2047).toStdString());
    EXPECT_EQ(intoArea(decodeC, wrapped, 1000), plain.left(999).toStdString());
    EXPECT_EQ(intoArea(encodeC, plain, 1), "");
    char untouched = '#';
    EXPECT_EQ(base64_encode(plain.constData(), &untouched, 0), 0);
    EXPECT_EQ(base64_decode(encoded.constData(), &untouched, 0), 0);
    EXPECT_EQ(untouched, '#') << "an area of no bytes is not written";
}

} // namespace
