// The edit rule of the restricted text field, without any widget.
#include "plugin/CustomTextFieldFormatter.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using Text = std::u16string;

// Replaces [from, to) of `text` with `with`, as typing, paste or delete over a selection
// does, and asks the formatter; the caret ends after what was put in.
bool edit(const CustomTextFieldFormatterPrinter& f, const Text& text, std::size_t from, std::size_t to,
          const Text& with)
{
    const Text proposed = text.substr(0, from) + with + text.substr(to);
    return f.isPartialStringValid(proposed, from + with.size(), text, from);
}

bool typeAtEnd(const CustomTextFieldFormatterPrinter& f, const Text& text, const Text& with)
{
    return edit(f, text, text.size(), text.size(), with);
}

CustomTextFieldFormatterPrinter densityFormatter()
{
    CustomTextFieldFormatterPrinter f;
    f.setMaximumLength(2);
    f.setCBNumber(true);
    return f;
}

CustomTextFieldFormatterPrinter passcodeFormatter()
{
    CustomTextFieldFormatterPrinter f;
    f.setMaximumLength(12);
    f.setNumberOnly(true);
    return f;
}

CustomTextFieldFormatterPrinter nameFormatter(int32_t limit)
{
    CustomTextFieldFormatterPrinter f;
    f.setMaximumLength(limit);
    f.setNameAlpha(true);
    return f;
}

std::string utf8(const Text& t)
{
    std::string out;
    for (char16_t u : t)
        out += u < 0x80 ? std::string(1, char(u)) : "\\u" + std::to_string(unsigned(u));
    return out;
}

} // namespace

// Every text a user can reach in a density field, by any sequence of typing, pasting
// and deleting over any selection, starting from an empty field.
TEST(FormatterRule, DensityFieldReachesExactlyTheDensityTexts)
{
    const auto f = densityFormatter();
    const Text alphabet = u"0123456789-+ x.";
    std::vector<Text> pieces{u""};
    for (char16_t a : alphabet) {
        pieces.push_back(Text(1, a));
        for (char16_t b : alphabet)
            pieces.push_back(Text{a, b});
    }

    std::set<Text> reached{u""};
    std::vector<Text> queue{u""};
    while (!queue.empty()) {
        const Text text = queue.back();
        queue.pop_back();
        for (std::size_t from = 0; from <= text.size(); ++from) {
            for (std::size_t to = from; to <= text.size(); ++to) {
                for (const Text& piece : pieces) {
                    if (!edit(f, text, from, to, piece))
                        continue;
                    const Text next = text.substr(0, from) + piece + text.substr(to);
                    if (reached.insert(next).second)
                        queue.push_back(next);
                }
            }
        }
    }

    std::set<Text> expected{u"", u"-"};
    for (char16_t d = u'0'; d <= u'3'; ++d) {
        expected.insert(Text(1, d));
        expected.insert(Text{u'-', d});
        expected.insert(Text{u'0', d});
        expected.insert(Text{d, u'-'});
    }
    EXPECT_EQ(expected.size(), 18u);
    for (const Text& t : reached)
        EXPECT_TRUE(expected.count(t)) << "reached " << utf8(t);
    for (const Text& t : expected)
        EXPECT_TRUE(reached.count(t)) << "not reached " << utf8(t);
}

// Texts set by code are not judged, but what a deletion leaves of them is.
TEST(FormatterRule, DensityFieldDeletionsMustLeaveADensity)
{
    const auto f = densityFormatter();
    EXPECT_FALSE(edit(f, u"-4", 0, 1, u""));  // "4"
    EXPECT_FALSE(edit(f, u"54", 1, 2, u""));  // "5"
    EXPECT_TRUE(edit(f, u"12", 0, 1, u""));   // "2"
    CustomTextFieldFormatterPrinter wide;
    wide.setMaximumLength(3);
    wide.setCBNumber(true);
    EXPECT_FALSE(edit(wide, u"-1-", 1, 2, u""));  // "--"
    EXPECT_FALSE(edit(wide, u"123", 1, 2, u""));  // "13"
    EXPECT_TRUE(edit(wide, u"-1-", 2, 3, u""));   // "-1"
}

TEST(FormatterRule, PasscodeTakesTwelveDecimalDigitsOfAnyScript)
{
    const auto f = passcodeFormatter();
    const std::pair<Text, Text> accepted[] = {
        {u"", u"0"}, {u"12345678901", u"2"}, // the 12th digit
        // Arabic-Indic, Devanagari, fullwidth, and beyond the basic plane (surrogate pairs).
        {u"", u"\u0660\u0663\u0669"}, {u"12", u"\u0966"}, {u"", u"\uFF19"}, {u"", u"\U0001D7CE"},
        {u"", u"\U0001FBF9"}};
    const std::pair<Text, Text> refused[] = {
        {u"12", u"a"}, {u"12", u"-"}, {u"", u"12a4"}, {u"123456789012", u"3"}, {u"", u"1234567890123"},
        // Look like numbers but are not decimal digits: superscript two, roman twelve, the
        // Arabic decimal separator, neighbours of digit blocks, half a surrogate pair.
        {u"", u"\u00B2"}, {u"", u"\u216B"}, {u"", u"\u066B"}, {u"", u"\u0670"}, {u"", u"\U0001D7CD"},
        {u"", Text(1, char16_t(0xD835))}};
    for (const auto& [text, with] : accepted) EXPECT_TRUE(typeAtEnd(f, text, with)) << utf8(with);
    for (const auto& [text, with] : refused) EXPECT_FALSE(typeAtEnd(f, text, with)) << utf8(with);
    // An edit between the halves of a pair would leave half a digit on each side; one
    // that joins two halves again makes a whole digit.
    const Text two = u"\U0001D7FF\U0001D7FF";
    EXPECT_FALSE(edit(f, two, 1, 1, u"1"));
    EXPECT_FALSE(edit(f, two, 1, 1, u"\U0001D7FF"));
    EXPECT_FALSE(edit(f, two, 1, 2, u""));
    EXPECT_TRUE(edit(f, two, 1, 3, u""));
    EXPECT_TRUE(edit(f, two, 2, 2, u"1"));

    // Two bytes each in UTF-8: six fill the field.
    const Text six(6, u'\u0663');
    EXPECT_TRUE(typeAtEnd(f, u"", six));
    EXPECT_FALSE(typeAtEnd(f, six, u"1"));
    // Four bytes each: three fill it.
    EXPECT_TRUE(typeAtEnd(f, u"\U0001D7CE\U0001D7CF", u"\U0001D7D0"));
    EXPECT_FALSE(typeAtEnd(f, u"\U0001D7CE\U0001D7CF\U0001D7D0", u"1"));
}

TEST(FormatterRule, NumberOnlyJudgesOnlyWhatIsPutIn)
{
    const auto f = passcodeFormatter();
    // Deleting is accepted whatever the rest holds (letters set by code, say).
    EXPECT_TRUE(edit(f, u"ab12", 2, 3, u""));
    EXPECT_TRUE(edit(f, u"123456", 2, 4, u""));
    EXPECT_TRUE(edit(f, u"123", 0, 3, u""));
    // Typing a digit next to letters set by code.
    EXPECT_TRUE(typeAtEnd(f, u"ab", u"1"));
    // The caret after the edit before where the selection began: a deletion.
    EXPECT_TRUE(f.isPartialStringValid(u"1x", 1, u"1", 1));
    // A caret past the end is taken as the end.
    EXPECT_FALSE(f.isPartialStringValid(u"1x", 99, u"1", 1));
}

TEST(FormatterRule, UserIdTakesEightLatin1Characters)
{
    const auto f = nameFormatter(8);
    EXPECT_TRUE(typeAtEnd(f, u"abcdefg", u"h"));
    EXPECT_FALSE(typeAtEnd(f, u"abcdefgh", u"i"));  // ninth character
    for (const Text ok : {u"~", u"\u00A0", u"\u00E9", u"\u00FE"}) EXPECT_TRUE(typeAtEnd(f, u"ab", ok)) << utf8(ok);
    for (char16_t u : {char16_t(127), char16_t(128), char16_t(0x9F), char16_t(0xFF),
                       char16_t(0x100), char16_t(0x20AC)})
        EXPECT_FALSE(typeAtEnd(f, u"ab", Text(1, u))) << unsigned(u);
    EXPECT_FALSE(typeAtEnd(f, u"", u"\U0001F600"));
    // é takes two bytes: seven of them do not fit in eight bytes.
    EXPECT_TRUE(typeAtEnd(f, Text(3, u'\u00E9'), u"\u00E9"));
    EXPECT_FALSE(typeAtEnd(f, Text(4, u'\u00E9'), u"a"));
}

TEST(FormatterRule, NameModeJudgesTheWholeText)
{
    const auto jobName = nameFormatter(12);
    const Text six(6, u'\u00E9');
    EXPECT_TRUE(typeAtEnd(jobName, u"", six));   // 12 bytes
    EXPECT_FALSE(typeAtEnd(jobName, six, u"a"));
    EXPECT_TRUE(typeAtEnd(jobName, u"a" + Text(5, u'\u00E9'), u"b"));
    // Deletions are judged on what is left: still refused while a character set by code
    // breaks the rule, accepted once it is gone.
    EXPECT_TRUE(edit(jobName, u"abc", 1, 2, u""));
    EXPECT_FALSE(edit(jobName, u"a\u0100bc", 2, 3, u""));
    EXPECT_TRUE(edit(jobName, u"a\u0100bc", 1, 2, u""));
    EXPECT_TRUE(edit(jobName, u"\u0100", 0, 1, u""));
}

TEST(FormatterRule, PlainModeCountsUtf8Bytes)
{
    const CustomTextFieldFormatterPrinter fresh;
    EXPECT_TRUE(typeAtEnd(fresh, u"", u"anything at all: \u0100\u20AC\U0001F600 -- 4 + x"));
    // A large text of three-byte characters, well past what a 16-bit count would hold.
    const Text large(1'000'000, u'\u20AC');
    EXPECT_TRUE(typeAtEnd(fresh, u"", large));

    CustomTextFieldFormatterPrinter limited;
    limited.setMaximumLength(3'000'000);
    EXPECT_TRUE(typeAtEnd(limited, u"", large));
    limited.setMaximumLength(2'999'999);
    EXPECT_FALSE(typeAtEnd(limited, u"", large));

    // A surrogate pair is one four-byte character; a lone half counts as three bytes.
    limited.setMaximumLength(4);
    EXPECT_TRUE(typeAtEnd(limited, u"", u"\U0001F600"));
    EXPECT_FALSE(typeAtEnd(limited, u"a", u"\U0001F600"));
    limited.setMaximumLength(3);
    EXPECT_FALSE(typeAtEnd(limited, u"", u"\U0001F600"));
    EXPECT_TRUE(typeAtEnd(limited, u"", Text(1, char16_t(0xD83D))));
    EXPECT_TRUE(typeAtEnd(limited, u"", Text(1, char16_t(0xDE00))));

    // A limit below zero leaves nothing acceptable, not even an empty field.
    limited.setMaximumLength(-1);
    EXPECT_FALSE(edit(limited, u"a", 0, 1, u""));
}

TEST(FormatterRule, FirstModeFlagDecides)
{
    CustomTextFieldFormatterPrinter f;
    f.setMaximumLength(12);
    f.setNumberOnly(true);
    f.setCBNumber(true);
    f.setNameAlpha(true);
    EXPECT_TRUE(typeAtEnd(f, u"", u"98"));        // number-only, not CB-number
    EXPECT_FALSE(typeAtEnd(f, u"", u"-"));
    f.setNumberOnly(false);
    EXPECT_FALSE(typeAtEnd(f, u"", u"9"));        // CB-number
    EXPECT_TRUE(typeAtEnd(f, u"", u"-"));
    f.setCBNumber(false);
    EXPECT_TRUE(typeAtEnd(f, u"", u"Name \u00E9")); // name
    EXPECT_FALSE(typeAtEnd(f, u"", u"\u0100"));
}
