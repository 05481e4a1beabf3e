#pragma once
// orvan-print's command line and exit statuses.
#include "host/PrintDialog.h"

#include <QString>
#include <QStringList>

namespace host {

// Exit statuses of orvan-print.
enum ExitStatus : int {
    kExitPrinted = 0,   // printed or saved (or shown, with --quit-after-show / --screenshot)
    kExitCancelled = 1, // the user cancelled the dialog
    kExitUsage = 2,     // bad command line, unreadable document or printer description,
                        // bundle not loadable, no display
    kExitFailed = 3,    // unattended: the job could not be sent or written, the defaults
                        // could not be saved; the screenshot could not be written
};

struct CommandLine {
    QString printer;
    QString ppd;
    QString output;
    QString bundle;
    QString screenshot;
    QString panel;
    QString document;
    bool offscreen = false;
    bool quitAfterShow = false;
    bool accept = false;
    bool defaults = false;  // set up the queue's defaults, no document
    bool allUsers = false;  // with defaults: the server's, for every user
    bool testPage = false;  // print the built-in test page
    bool help = false;
    bool version = false;
    int settleTimeoutMs = 20000;

    // `arguments` includes the program name. False with a one-line reason.
    bool parse(const QStringList& arguments, QString* error);
    DialogOptions dialogOptions() const;
    // Without a document, an unattended run prints the test page; a person is asked.
    bool needsStartPage() const;

    static QString helpText();
    static QString versionText();
};

} // namespace host
