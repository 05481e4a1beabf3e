// Opens a printer description the way orvan-print does, in a fresh process whose
// language comes from its environment, and prints every text a dialog reads from it,
// one per line in UTF-8:
//   group <TAB> name <TAB> text
//   option <TAB> keyword <TAB> text
//   choice <TAB> keyword <TAB> choice <TAB> text
//   param <TAB> keyword <TAB> name <TAB> text
// Usage: host_ppd_probe PPD. Exit status 1 when the description cannot be opened.

// The libcups PPD interface is deprecated in CUPS 2.4 but is what the texts live in.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "host/HostCallback.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    // As in orvan-print, the application sets the process locale from the environment.
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: host_ppd_probe PPD\n", stderr);
        return 2;
    }
    QString error;
    host::PpdPtr ppd = host::openPpd(QString::fromLocal8Bit(argv[1]), &error);
    if (!ppd) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    const auto text = [](const char* s) { return QString::fromUtf8(s); };
    for (int g = 0; g < ppd->num_groups; ++g) {
        const ppd_group_t& group = ppd->groups[g];
        out << "group\t" << text(group.name) << '\t' << text(group.text) << '\n';
        for (int o = 0; o < group.num_options; ++o) {
            const ppd_option_t& option = group.options[o];
            out << "option\t" << text(option.keyword) << '\t' << text(option.text) << '\n';
            for (int c = 0; c < option.num_choices; ++c)
                out << "choice\t" << text(option.keyword) << '\t' << text(option.choices[c].choice) << '\t'
                    << text(option.choices[c].text) << '\n';
            ppd_coption_t* custom = ppdFindCustomOption(ppd.get(), option.keyword);
            for (auto* param = custom ? ppdFirstCustomParam(custom) : nullptr; param;
                 param = ppdNextCustomParam(custom))
                out << "param\t" << text(option.keyword) << '\t' << text(param->name) << '\t' << text(param->text)
                    << '\n';
        }
    }
    return 0;
}
