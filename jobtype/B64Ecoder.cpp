#include "jobtype/B64Ecoder.h"

#include <array>
#include <cstring>

const char* base64char = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

namespace {

constexpr char kPad = '=';

// Where the codec's output goes: a caller's fixed area that is never overrun (output
// beyond its size is dropped), or a growing QByteArray. Both codec directions are
// written once, over this sink, so the two forms cannot drift apart.
class Sink {
public:
    Sink(char* area, std::size_t size) : area_(area), size_(size) {}
    explicit Sink(QByteArray* bytes) : bytes_(bytes) {}

    void put(char c)
    {
        if (bytes_) {
            bytes_->append(c);
        } else if (size_ > 0 && used_ < size_ - 1) {
            area_[used_++] = c;
        }
    }
    // The terminator of the fixed area, just after what fitted.
    void finish()
    {
        if (!bytes_ && size_ > 0) area_[used_] = '\0';
    }

private:
    QByteArray* bytes_ = nullptr;
    char* area_ = nullptr;
    std::size_t size_ = 0;
    std::size_t used_ = 0;
};

void encode(const unsigned char* in, std::size_t n, Sink& out)
{
    std::size_t i = 0;
    for (; i + 3 <= n; i += 3) {
        const unsigned v = (unsigned{in[i]} << 16) | (unsigned{in[i + 1]} << 8) | in[i + 2];
        out.put(base64char[(v >> 18) & 0x3F]);
        out.put(base64char[(v >> 12) & 0x3F]);
        out.put(base64char[(v >> 6) & 0x3F]);
        out.put(base64char[v & 0x3F]);
    }
    const std::size_t rest = n - i;
    if (rest == 1) {
        const unsigned v = unsigned{in[i]} << 16;
        out.put(base64char[(v >> 18) & 0x3F]);
        out.put(base64char[(v >> 12) & 0x3F]);
        out.put(kPad);
        out.put(kPad);
    } else if (rest == 2) {
        const unsigned v = (unsigned{in[i]} << 16) | (unsigned{in[i + 1]} << 8);
        out.put(base64char[(v >> 18) & 0x3F]);
        out.put(base64char[(v >> 12) & 0x3F]);
        out.put(base64char[(v >> 6) & 0x3F]);
        out.put(kPad);
    }
    out.finish();
}

// Walks the Base64 text leaving out carriage returns, line feeds and spaces wherever
// they stand, so a group may be split by a line break.
class FilteredText {
public:
    FilteredText(const char* text, std::size_t n) : text_(text), n_(n) {}
    // The next character, or -1 past the end.
    int next()
    {
        while (pos_ < n_) {
            const char c = text_[pos_++];
            if (c != '\r' && c != '\n' && c != ' ') return static_cast<unsigned char>(c);
        }
        return -1;
    }

private:
    const char* text_;
    std::size_t n_;
    std::size_t pos_ = 0;
};

// The 6-bit value of a character: its position in the alphabet, 63 for anything else
// (padding included), 0 past the end of the text.
unsigned sextet(int c)
{
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t;
        t.fill(63);
        for (unsigned char i = 0; i < 64; ++i) t[static_cast<unsigned char>(base64char[i])] = i;
        return t;
    }();
    return c < 0 ? 0u : table[static_cast<std::size_t>(c)];
}

void decode(const char* in, std::size_t n, Sink& out)
{
    FilteredText text(in, n);
    // Padding ends a group, not the text: groups after a padded one are decoded too.
    for (int c0 = text.next(); c0 >= 0; c0 = text.next()) {
        const int c1 = text.next();
        const int c2 = text.next();
        const int c3 = text.next();
        const unsigned v0 = sextet(c0), v1 = sextet(c1), v2 = sextet(c2), v3 = sextet(c3);
        out.put(static_cast<char>((v0 << 2) | (v1 >> 4)));
        if (c2 == kPad) continue;
        out.put(static_cast<char>(((v1 & 0x0F) << 4) | (v2 >> 2)));
        if (c3 == kPad) continue;
        out.put(static_cast<char>(((v2 & 0x03) << 6) | v3));
    }
    out.finish();
}

} // namespace

int base64_encode(const char* input, char* output, std::size_t outputSize)
{
    Sink out(output, output ? outputSize : 0);
    const std::size_t n = input ? std::strlen(input) : 0;
    encode(reinterpret_cast<const unsigned char*>(input), n, out);
    return 0;
}

int base64_decode(const char* input, char* output, std::size_t outputSize)
{
    Sink out(output, output ? outputSize : 0);
    const std::size_t n = input ? std::strlen(input) : 0;
    decode(input, n, out);
    return 0;
}

QByteArray base64_encode(const QByteArray& input)
{
    QByteArray result;
    result.reserve((input.size() + 2) / 3 * 4);
    Sink out(&result);
    encode(reinterpret_cast<const unsigned char*>(input.constData()),
           static_cast<std::size_t>(input.size()), out);
    return result;
}

QByteArray base64_decode(const QByteArray& input)
{
    QByteArray result;
    result.reserve((input.size() + 3) / 4 * 3);
    Sink out(&result);
    decode(input.constData(), static_cast<std::size_t>(input.size()), out);
    return result;
}
