#include "host/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace host {

bool CommandLine::parse(const QStringList& arguments, QString* error)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption printerOption(QStringLiteral("printer"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption ppdOption(QStringLiteral("ppd"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption outputOption(QStringLiteral("output"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption bundleOption(QStringLiteral("bundle"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption screenshotOption(QStringLiteral("screenshot"), QString(), QStringLiteral("PNG"));
    const QCommandLineOption panelOption(QStringLiteral("panel"), QString(), QStringLiteral("N|NAME"));
    const QCommandLineOption offscreenOption(QStringLiteral("offscreen"));
    const QCommandLineOption quitOption(QStringLiteral("quit-after-show"));
    const QCommandLineOption acceptOption(QStringLiteral("accept"));
    const QCommandLineOption defaultsOption(QStringLiteral("defaults"));
    const QCommandLineOption allUsersOption(QStringLiteral("all-users"));
    const QCommandLineOption testPageOption(QStringLiteral("test-page"));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versionOption(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({printerOption, ppdOption, outputOption, bundleOption, screenshotOption, panelOption,
                       offscreenOption, quitOption, acceptOption, defaultsOption, allUsersOption, testPageOption,
                       helpOption, versionOption});
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return false;
    }
    help = parser.isSet(helpOption);
    version = parser.isSet(versionOption);
    if (help || version) return true;

    auto single = [&](const QCommandLineOption& option, QString* value) {
        const QStringList values = parser.values(option);
        if (values.size() > 1) {
            *error = QStringLiteral("--%1 given more than once").arg(option.names().constLast());
            return false;
        }
        // "--ppd --offscreen" forgot the file: an option is never taken for a value.
        if (!values.isEmpty() && (values.first().isEmpty() || values.first().startsWith(QLatin1String("--")))) {
            *error = QStringLiteral("--%1 needs a value").arg(option.names().constLast());
            return false;
        }
        *value = values.value(0);
        return true;
    };
    if (!single(printerOption, &printer) || !single(ppdOption, &ppd) || !single(outputOption, &output) ||
        !single(bundleOption, &bundle) || !single(screenshotOption, &screenshot) || !single(panelOption, &panel))
        return false;
    // A number is a position: a negative one can name nothing. Names are checked against
    // the bundle's panels once it is loaded.
    bool isNumber = false;
    if (panel.trimmed().toInt(&isNumber) < 0 && isNumber) {
        *error = QStringLiteral("--panel %1: panels are counted from 0").arg(panel);
        return false;
    }
    offscreen = parser.isSet(offscreenOption);
    quitAfterShow = parser.isSet(quitOption);
    accept = parser.isSet(acceptOption);
    defaults = parser.isSet(defaultsOption);
    allUsers = parser.isSet(allUsersOption);
    testPage = parser.isSet(testPageOption);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        *error = QStringLiteral("one document at a time, not %1").arg(positional.size());
        return false;
    }
    document = positional.value(0);
    if (!printer.isEmpty() && !output.isEmpty()) {
        *error = QStringLiteral("--printer and --output name two destinations; give one");
        return false;
    }
    if (defaults && (!document.isEmpty() || !output.isEmpty() || testPage)) {
        *error = QStringLiteral("--defaults sets up a printer and prints nothing: no document, --output or --test-page");
        return false;
    }
    if (allUsers && !defaults) {
        *error = QStringLiteral("--all-users goes with --defaults");
        return false;
    }
    if (testPage && !document.isEmpty()) {
        *error = QStringLiteral("--test-page and a document name two things to print; give one");
        return false;
    }
    if (accept && quitAfterShow) {
        *error = QStringLiteral("--accept prints, --quit-after-show does not; give one");
        return false;
    }
    return true;
}

DialogOptions CommandLine::dialogOptions() const
{
    DialogOptions options;
    options.bundlePath = bundle;
    options.ppdPath = ppd;
    options.printer = printer;
    options.outputPath = output;
    options.panel = panel;
    options.defaultsOnly = defaults;
    options.defaultsForEveryone = allUsers;
    options.unattended = accept;
    return options;
}

bool CommandLine::needsStartPage() const
{
    return document.isEmpty() && !testPage && !defaults && !accept && !quitAfterShow && screenshot.isEmpty();
}

QString CommandLine::helpText()
{
    return QStringLiteral(
        "Usage: orvan-print [OPTION]... [DOCUMENT]\n"
        "Shows the print dialog of the Orvan colour laser printer and prints DOCUMENT (PDF or\n"
        "PostScript) to a CUPS queue or to a file. Without DOCUMENT it asks for one, beside the\n"
        "test page and the printer's defaults; an unattended run without one prints the test page.\n"
        "With --defaults it sets up a printer instead: the choices made in the dialog become the\n"
        "printer's defaults, which lp and every application printing to it start from.\n"
        "\n"
        "  --printer NAME     select the CUPS queue NAME once the server lists it\n"
        "                     (default: the user's default queue)\n"
        "  --ppd FILE         printer description for Save to File and for queues without one\n"
        "                     (default: Orvan.ppd in the bundle's resources)\n"
        "  --output FILE      select Save to File, writing FILE (the printer data that CUPS's\n"
        "                     filters make for the printer description, or a PDF when that\n"
        "                     format was chosen last) and FILE.ticket.json\n"
        "  --bundle DIR       the plug-in bundle (default: $ORVAN_PRINT_BUNDLE, the installed\n"
        "                     ../lib/orvan-print/OrvanPDE.bundle, then the build tree's)\n"
        "  --panel N|NAME     show this panel first: its position in the panel pop-up,\n"
        "                     counted from 0, or its name as the pop-up shows it\n"
        "                     (\"Job Type\"); an unknown panel is a usage error\n"
        "  --offscreen        run without a display (Qt's offscreen platform)\n"
        "  --screenshot PNG   once the dialog is ready, save a picture of it and quit\n"
        "  --quit-after-show  quit once the dialog is ready\n"
        "  --accept           print at once with the saved settings, without waiting for the user\n"
        "                     (with --defaults: save them as the defaults at once)\n"
        "  --defaults         no document: Save as Defaults for the printer chosen, in your\n"
        "                     lpoptions (~/.cups/lpoptions), the way lpoptions -p NAME -o ... does\n"
        "  --all-users        with --defaults: the server's defaults for every user, the way\n"
        "                     lpadmin -p NAME -o OPTION-default=VALUE does (administrators only)\n"
        "  --test-page        print the built-in test page\n"
        "  -h, --help         show this help and quit\n"
        "  -v, --version      show the version and quit\n"
        "\n"
        "The print server is the configured one: CUPS_SERVER, ~/.cups/client.conf, then\n"
        "/etc/cups/client.conf. Each printer's settings are kept in\n"
        "$XDG_CONFIG_HOME/orvan-print/ (readable by you alone); a Secure Print passcode is kept\n"
        "in the desktop's secret store, or not at all. The dialog starts from the\n"
        "printer's defaults (the server's, then your lpoptions), then from the settings kept.\n"
        "A Secure Print passcode, user ID and job name are never written as defaults, and\n"
        "Secure Print is never made one: every job would wait at the printer.\n"
        "\n"
        "Exit status:\n"
        "  0  printed or saved (with --quit-after-show or --screenshot: shown)\n"
        "  1  the dialog was cancelled\n"
        "  2  bad command line, unreadable document or printer description, plug-in bundle\n"
        "     not loadable, or no display\n"
        "  3  with --accept: the job could not be sent or written, a Secure Print has no passcode\n"
        "     in this run (nothing is sent), or the defaults could not be saved; the screenshot\n"
        "     could not be written");
}

QString CommandLine::versionText()
{
    return QStringLiteral("orvan-print " ORVAN_VERSION);
}

} // namespace host
