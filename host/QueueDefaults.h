#pragma once
// A queue's default options, the CUPS way: what `lp`, the GTK and Qt dialogs and every
// other application start from. The server keeps every user's defaults (the printer's
// `*-default` attributes, set by CUPS-Add-Modify-Printer as `lpadmin -o NAME-default=VALUE`
// does); each user's own come on top from lpoptions (cupsSetDests2). orvan-print starts
// from both, and Save as Defaults writes the dialog's choices back to one of them.
//
// The choosing is plain code over libcups' PPD records; reading and writing talk to the
// server and run on the CUPS worker thread.
#include "host/JobOptions.h"

#include <QList>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include <cups/cups.h>
#include <cups/ppd.h>

namespace host {

// The queue's defaults as `lp` sends them: the server's, then the user's lpoptions.
using QueueOptions = QMap<QString, QString>;

// What may never become a default. `keywords` are never written at all (a passcode, a
// user ID, a job name: they belong to one job); `choices` (keyword, choice) cannot be a
// default and are written as the option's own default instead, or left out.
struct DefaultsRules {
    QStringList keywords;
    QList<HandOver> choices;

    // From a bundle's list: "KEYWORD" or "KEYWORD=CHOICE" entries.
    static DefaultsRules fromList(const QStringList& entries);
};

// Options that describe one job and never a queue: the pages of one document.
const QStringList& jobOnlyOptions();

// The standard job options a print dialog decides even when it sends none of them (a
// page at its default sends nothing): a user default for one of them that the dialog
// did not choose is one it undid.
const QStringList& standardDialogOptions();

struct DefaultsSelection {
    JobOptions options;        // the queue's new defaults, lp -o names
    QStringList decided;       // every option name the dialog decides, sent or not
    QList<HandOver> refused;   // choices that cannot be defaults (keyword, choice)
    QMap<QString, QString> descriptionDefaults; // keyword -> the description's own default
};

// The defaults that the dialog's choices make. `choices`: every option the dialog would
// print with (every PPD option's marked choice, the panels' hand-overs, the pages'
// options); `ppd` (may be null): the queue's description, for the names of its options
// and their own defaults.
// `descriptionDefaults`: the description's own defaults where the queue's stand in their
// place in `ppd` (see applyQueueDefaults).
DefaultsSelection selectDefaults(const JobOptions& choices, ppd_file_t* ppd, const DefaultsRules& rules,
                                 const QMap<QString, QString>& descriptionDefaults = {});

// Every option of `ppd` with its marked choice, in PPD order (custom values, which live
// in the option's parameters, are left to the hand-overs).
JobOptions markedChoices(ppd_file_t* ppd);

// Makes the queue's defaults the description's own, as `lpadmin -o NAME=VALUE` makes them
// in the server's copy, and marks them: the page size and two-sided printing named the IPP
// way, then every option of the description by its keyword. A panel's Default button then
// goes back to them too. `known` holds the description's own defaults from an earlier call
// on the same description (they are put back first); the answer holds them for the next.
// `decided`: the PPD keywords whose choice the queue decides; a job names them explicitly,
// since the server or lpoptions would put their value in place of a missing one.
struct QueueMarks {
    QStringList decided;
    QMap<QString, QString> descriptionDefaults;
};
QueueMarks applyQueueDefaults(ppd_file_t* ppd, const QueueOptions& defaults,
                              const QMap<QString, QString>& known = {});

// How the dialog shows a refused choice: the option's text, the choice's, and the text
// of the choice that stands in for it (empty when none does).
struct RefusalTexts {
    QString option;
    QString choice;
    QString standIn;
};
RefusalTexts refusalTexts(ppd_file_t* ppd, const HandOver& refused);

// The names of `defaults` that are options of `ppd`.
QStringList descriptionKeywords(ppd_file_t* ppd, const QueueOptions& defaults);

// Every option of `ppd` back at the description's own default.
void markDescriptionDefaults(ppd_file_t* ppd);

// What a save asks of the server (made on the user-interface thread, carried out on the
// worker).
struct DefaultsRequest {
    QString queue;
    bool forEveryone = false;            // the server's defaults rather than the user's
    QList<QPair<QString, QString>> options;
    QStringList decided;
    QMap<QString, QString> descriptionDefaults;
};

// --- The server side, on the worker thread ------------------------------------------

// The queue that the user's lpoptions (~/.cups/lpoptions), else the system's, names as
// the default ("Default NAME[/INSTANCE]"); empty for none.
QString lpoptionsDefaultQueue();

// The queue's defaults for this user (cupsGetNamedDest: the server's, then lpoptions).
// Empty with a reason when the server does not know the queue.
QueueOptions readQueueDefaults(http_t* http, const QString& queue, QString* error);

// The printer's `*-default` attributes, as option names ("ColorModel" for
// "ColorModel-default") and texts.
QueueOptions readServerDefaults(http_t* http, const QString& queue, QString* error);

// Writes the user's lpoptions for the queue: every decided option the user had is
// replaced by the dialog's choice, dropped where the choice equals the server's default.
// The user's default destination stays what it was. False with a reason.
bool saveUserDefaults(http_t* http, const DefaultsRequest& request, QString* error);

// Sets the printer's `*-default` attributes for every user (CUPS-Add-Modify-Printer with
// the server's own authentication) and drops the decided options from the user's own
// lpoptions, so that this user, too, starts from them. False with a reason; `refused`
// tells a server that would not let this user change the printer.
bool saveServerDefaults(http_t* http, const DefaultsRequest& request, QString* error, bool* refused);

} // namespace host

Q_DECLARE_METATYPE(host::DefaultsRequest)
