#pragma once
// Both panels on one PPD as orvan-print builds them (the Image Options panel first, each
// view loaded and shown, then the record restored), hosted by the host's own callback,
// and a user's actions on every control of both panels and both dialogs. What to do
// next is read from a Choices source: a fuzz input, or a seeded generator for the
// model-based tests. No test framework here: the fuzz targets and the tests share it,
// and a broken check goes to the failure handler the caller installs.
#include "tests/support/UserActions.h"
#include "host/HostCallback.h"
#include "tests/support/Choices.h"
#include "imageoptions/PrinterPDE-Orvan.h"
#include "jobtype/PrinterJobPDE-Orvan.h"
#include "platform/Bundle.h"

#include <QMap>
#include <QObject>
#include <QString>

#include <cups/ppd.h>

#include <cstdint>
#include <functional>
#include <memory>

namespace panels {

// A broken check: by default printed to standard error, and the process aborts. Tests
// install their own (a test failure); the driver goes on as far as it safely can.
using FailureHandler = std::function<void(const char* file, int line, const QString& what)>;
FailureHandler setFailureHandler(FailureHandler handler);
void fail(const char* file, int line, const QString& what);

// What the driver does, step by step, for following a failing sequence.
using TraceSink = std::function<void(const QString& line)>;
TraceSink setTraceSink(TraceSink sink);
bool tracing();
void trace(const QString& line);

// Lets every object given up with deleteLater go.
void settle();
// Every module's process-wide state as when the plug-in is loaded. Lets deleted
// controllers go first, so none outlives the state it uses.
void resetState();
// Nothing the driver made is left: no window, no dialog controller.
void checkNoWindowsLeft();

using useractions::chooseItem;
using useractions::click;
using useractions::typeKeys;

class Panels {
public:
    // Both panels on `ppd` (null: none; not owned), hosted by a callback that takes
    // hand-overs or not.
    Panels(ppd_file_t* ppd, bool offersChoiceMarking, platform::Bundle* bundle);
    ~Panels();
    Panels(const Panels&) = delete;
    Panels& operator=(const Panels&) = delete;

    // What the host does before the user sees them: views loaded and shown (unless
    // `showViews` is false: a host that restores panels it never showed), then the
    // record in the print settings restored.
    void open(bool showViews = true);
    // One action of the user on a control of either panel, or in a dialog it opens.
    void userAction(Choices& in);
    // One user or host action: the user's, or the host's own saves, restores, checks
    // before printing, views destroyed and marks.
    void act(Choices& in);
    // Runs `work`; whichever dialog it opens is driven inside its modal loop by `in`.
    void withDialogsDriven(Choices& in, const std::function<void()>& work);
    // Save, check what was saved, restore it, save again, summarise, check before printing
    // (a dialog that check opens is driven by `in`).
    void finish(Choices& in);

    // Checks every value the panels wrote into `written` (a record they wrote into an
    // empty one): only their own keys, and only values they could have set themselves.
    void checkWritten(const QMap<QString, QString>& written) const;
    // Checks the hand-overs so far: known keywords, choices the PPD or the panel knows.
    void checkHandOvers() const;
    // Checks the colour-balance and secure-print state.
    void checkState() const;

    // Both panels' save into an empty record; the host's record is left as it was.
    QMap<QString, QString> saveIntoEmptyRecord();

    ppd_file_t* ppd() const { return ppd_; }
    host::HostCallback& host() { return *host_; }
    const host::HostCallback& host() const { return *host_; }
    PrinterPDEOrvan& imageOptions() { return *imageOptions_; }
    const PrinterPDEOrvan& imageOptions() const { return *imageOptions_; }
    PrinterJobPDEOrvan& jobType() { return *jobType_; }
    const PrinterJobPDEOrvan& jobType() const { return *jobType_; }

private:
    void choosePopUp(Choices& in);
    void colorBalanceInside(Choices& in);
    void securePrintInside(Choices& in);
    void reloadView(bool imageOptions);

    ppd_file_t* ppd_;
    platform::Bundle* bundle_;
    std::unique_ptr<host::HostCallback> host_;
    std::unique_ptr<PrinterPDEOrvan> imageOptions_;
    std::unique_ptr<PrinterJobPDEOrvan> jobType_;
    // Context of the timers that drive the modal dialogs: none outlives the panels.
    std::unique_ptr<QObject> timers_;
};

} // namespace panels

#define PANELS_CHECK(condition, what)                                                            \
    do {                                                                                         \
        if (!(condition)) ::panels::fail(__FILE__, __LINE__, QStringLiteral(#condition ": ") + (what)); \
    } while (false)
