// orvan-features: the last step of an Orvan queue's filter chain. It passes PostScript
// through as it comes and, in the document's setup (before its first page), makes each
// option setting ("%%BeginFeature: *Keyword Choice" ... "%%EndFeature") carry the choice
// the job asked for, marked on the printer description as pstops marks it. Filters
// before it may have left an option out of what they handed pstops (cups-filters'
// pdftops drops "Brightness" for a PDF, taking it for its own image option), so pstops
// wrote the description's default; a PostScript job arrives with every choice in place
// and passes unchanged.
//
// Usage: orvan-features job-id user title copies options [file]
// The printer description is $PPD. Custom values, options the description does not know
// and those the filters before apply to the pages stay as they are; so do embedded
// documents and binary data.

// The libcups PPD interface is deprecated in CUPS 2.4 but is what the queue's options
// are described in.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include <cups/cups.h>
#include <cups/ppd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr size_t kPiece = 64 * 1024;          // longer lines pass in pieces of this size
constexpr size_t kLargestSetting = 256 * 1024; // a setting longer than this is left alone

// Options the filters before apply to the pages themselves (a PDF's copies are collated,
// its pages ordered and mirrored by pdftopdf): the printer doing it again would undo or
// repeat it, so their settings stay as pstops wrote them.
constexpr std::string_view kDoneOnThePages[] = {"Collate", "OutputOrder", "MirrorPrint"};

struct PpdCloser {
    void operator()(ppd_file_t* ppd) const { ppdClose(ppd); }
};
struct FileCloser {
    void operator()(cups_file_t* file) const { cupsFileClose(file); }
};

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

class Output {
public:
    bool write(std::string_view bytes)
    {
        if (failed_ || bytes.empty()) return !failed_;
        if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) failed_ = true;
        return !failed_;
    }
    bool finish()
    {
        if (std::fflush(stdout) != 0) failed_ = true;
        return !failed_;
    }
    bool failed() const { return failed_; }

private:
    bool failed_ = false;
};

// An option setting of the setup being read: its first line and what followed it.
struct Setting {
    std::string keyword; // without the '*'
    std::string choice;
    std::string text;    // as read, from the "%%BeginFeature:" line on
};

class Filter {
public:
    Filter(cups_file_t* in, ppd_file_t* ppd) : in_(in), ppd_(ppd) {}

    // Copies the document to standard output; false when it could not be written.
    bool run()
    {
        char buffer[kPiece];
        bool lineStart = true;
        while (!out_.failed()) {
            const size_t length = cupsFileGetLine(in_, buffer, sizeof buffer);
            if (length == 0) break;
            const std::string_view piece(buffer, length);
            const bool startsLine = lineStart;
            lineStart = piece.back() == '\n' || piece.back() == '\r';
            if (!startsLine) {
                keep(piece);
                continue;
            }
            if (setting_) {
                if (startsWith(piece, "%%EndFeature")) {
                    replace(piece);
                    continue;
                }
                // A setting with no end before the next structure: left as it was.
                if (!startsWith(piece, "%%Begin") && !startsWith(piece, "%%Page:")) {
                    keep(piece);
                    continue;
                }
                giveUp();
            }
            if (nested_ == 0 && startsWith(piece, "%%Page:")) {
                out_.write(piece);
                break;
            }
            if (startsWith(piece, "%%BeginDocument")) {
                ++nested_;
            } else if (startsWith(piece, "%%EndDocument")) {
                if (nested_ > 0) --nested_;
            } else if (startsWith(piece, "%%BeginBinary:")) {
                out_.write(piece);
                copyBytes(std::strtoll(buffer + 14, nullptr, 10));
                lineStart = true;
                continue;
            } else if (startsWith(piece, "%%BeginData:")) {
                out_.write(piece);
                copyData(piece.substr(12));
                lineStart = true;
                continue;
            } else if (nested_ == 0 && lineStart && startsWith(piece, "%%BeginFeature:")) {
                begin(piece);
                continue;
            }
            out_.write(piece);
        }
        if (setting_) giveUp();
        // The pages: as they come.
        while (!out_.failed()) {
            const ssize_t length = cupsFileRead(in_, buffer, sizeof buffer);
            if (length <= 0) break;
            out_.write(std::string_view(buffer, static_cast<size_t>(length)));
        }
        return out_.finish();
    }

private:
    void keep(std::string_view piece)
    {
        if (!setting_) {
            out_.write(piece);
            return;
        }
        setting_->text.append(piece);
        if (setting_->text.size() > kLargestSetting) giveUp();
    }

    void begin(std::string_view line)
    {
        // "%%BeginFeature: *Keyword Choice"
        std::string_view words = trimmed(line.substr(15));
        if (!startsWith(words, "*")) {
            out_.write(line);
            return;
        }
        words.remove_prefix(1);
        const auto space = words.find_first_of(" \t");
        Setting setting;
        setting.keyword = std::string(words.substr(0, space));
        if (space != std::string_view::npos) setting.choice = std::string(trimmed(words.substr(space)));
        setting.text = std::string(line);
        setting_ = std::move(setting);
    }

    void giveUp()
    {
        out_.write(setting_->text);
        setting_.reset();
    }

    // At the setting's "%%EndFeature": the asked-for choice's code in place of the
    // setting's, when the two are plain choices of an option of the description.
    void replace(std::string_view endLine)
    {
        const Setting setting = std::move(*setting_);
        setting_.reset();
        const bool onThePages = std::find(std::begin(kDoneOnThePages), std::end(kDoneOnThePages), setting.keyword) !=
                                std::end(kDoneOnThePages);
        ppd_option_t* option = ppd_ && !onThePages ? ppdFindOption(ppd_, setting.keyword.c_str()) : nullptr;
        ppd_choice_t* asked = option ? ppdFindMarkedChoice(ppd_, setting.keyword.c_str()) : nullptr;
        ppd_choice_t* found = option ? ppdFindChoice(option, setting.choice.c_str()) : nullptr;
        if (!asked || !found || asked == found || std::strcmp(asked->choice, "Custom") == 0 ||
            std::strcmp(found->choice, "Custom") == 0) {
            out_.write(setting.text);
            out_.write(endLine);
            return;
        }
        std::fprintf(stderr, "DEBUG: orvan-features: *%s %s in place of %s\n", setting.keyword.c_str(), asked->choice,
                     found->choice);
        std::string text = "%%BeginFeature: *" + setting.keyword + " " + asked->choice + "\n";
        const std::string_view code(asked->code ? asked->code : "");
        text += code;
        if (!code.empty() && code.back() != '\n' && code.back() != '\r') text += '\n';
        out_.write(text);
        out_.write(endLine);
    }

    void copyBytes(long long count)
    {
        char buffer[kPiece];
        while (count > 0 && !out_.failed()) {
            const size_t want = static_cast<size_t>(std::min<long long>(count, sizeof buffer));
            const ssize_t length = cupsFileRead(in_, buffer, want);
            if (length <= 0) return;
            out_.write(std::string_view(buffer, static_cast<size_t>(length)));
            count -= length;
        }
    }

    // "%%BeginData: count [type [Bytes|Lines]]"
    void copyData(std::string_view arguments)
    {
        const std::string text(arguments);
        char* end = nullptr;
        long long count = std::strtoll(text.c_str(), &end, 10);
        if (text.find("Lines") == std::string::npos) {
            copyBytes(count);
            return;
        }
        char buffer[kPiece];
        while (count > 0 && !out_.failed()) {
            const size_t length = cupsFileGetLine(in_, buffer, sizeof buffer);
            if (length == 0) return;
            out_.write(std::string_view(buffer, length));
            if (buffer[length - 1] == '\n' || buffer[length - 1] == '\r') --count;
        }
    }

    cups_file_t* in_;
    ppd_file_t* ppd_;
    Output out_;
    std::optional<Setting> setting_;
    int nested_ = 0; // depth of embedded documents, whose settings are their own
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 6 || argc > 7) {
        std::fprintf(stderr, "Usage: %s job-id user title copies options [file]\n", argv[0]);
        return 1;
    }
    // A reader that went away is an error to report, not a signal to die of.
    std::signal(SIGPIPE, SIG_IGN);

    std::unique_ptr<cups_file_t, FileCloser> in(argc == 7 ? cupsFileOpen(argv[6], "r") : cupsFileStdin());
    if (!in) {
        std::fprintf(stderr, "ERROR: Unable to open print file \"%s\": %s\n", argv[6], std::strerror(errno));
        return 1;
    }

    std::unique_ptr<ppd_file_t, PpdCloser> ppd;
    if (const char* path = std::getenv("PPD"); path && *path) {
        ppd.reset(ppdOpenFile(path));
        if (!ppd) {
            int line = 0;
            const ppd_status_t status = ppdLastError(&line);
            std::fprintf(stderr, "WARNING: orvan-features: printer description \"%s\": %s on line %d; the options stay as they are\n",
                         path, ppdErrorString(status), line);
        }
    } else {
        std::fprintf(stderr, "DEBUG: orvan-features: no printer description; the options stay as they are\n");
    }
    if (ppd) {
        // As pstops marks them: the defaults, then the job's options.
        cups_option_t* options = nullptr;
        const int count = cupsParseOptions(argv[5], 0, &options);
        ppdMarkDefaults(ppd.get());
        cupsMarkOptions(ppd.get(), count, options);
        cupsFreeOptions(count, options);
    }

    Filter filter(in.get(), ppd.get());
    if (!filter.run()) {
        std::fprintf(stderr, "ERROR: orvan-features: unable to write the print data: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}
