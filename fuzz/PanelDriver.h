#pragma once
// Both panels on one PPD as orvan-print builds them (the Image Options panel first, each
// view loaded and shown, then the record restored), hosted by the host's own callback,
// and the user's actions on them, the two modal dialogs included. The checks here are
// what a panel may write to the print settings and hand over to the host.
#include "fuzz/FuzzSupport.h"
#include "host/HostCallback.h"
#include "imageoptions/PrinterPDE-Orvan.h"
#include "jobtype/PrinterJobPDE-Orvan.h"
#include "platform/Bundle.h"

#include <QMap>
#include <QObject>
#include <QString>

#include <cups/ppd.h>

#include <memory>

namespace fuzz {

// Every module's process-wide state as when the plug-in is loaded; recorders emptied.
// Lets deleted controllers go first, so none outlives the state it uses.
void resetState();

// Nothing the input made is left: no window, no dialog controller.
void checkNoWindowsLeft();

// The bundle with its string tables in one of the languages it has (0 English,
// 1 German, 2 Japanese); made once per language for the process.
platform::Bundle* bundle(int language);

class Panels {
public:
    // Both panels on `ppd` (null: none), hosted by a callback that takes hand-overs or not.
    Panels(ppd_file_t* ppd, bool offersChoiceMarking, platform::Bundle* bundle);
    ~Panels();
    Panels(const Panels&) = delete;
    Panels& operator=(const Panels&) = delete;

    // What the host does before the user sees them: views loaded and shown (unless
    // `showViews` is false: a host that restores panels it never showed), then the
    // record in the print settings restored.
    void open(bool showViews = true);
    // One user (or host) action chosen by the input.
    void act(Reader& in);
    // Save, check what was saved, restore it, save again, summarise, check before printing.
    void finish();

    // Checks every value the panels wrote into `written` (a record they wrote into an
    // empty one): only their own keys, and only values they could have set themselves.
    void checkWritten(const QMap<QString, QString>& written) const;
    // Checks the hand-overs so far: known keywords, choices the PPD or the panel knows.
    void checkHandOvers() const;
    // Checks the colour-balance and secure-print state.
    void checkState() const;

    // Both panels' save into an empty record; the host's record is left as it was.
    QMap<QString, QString> saveIntoEmptyRecord();

    host::HostCallback& host() { return *host_; }
    PrinterPDEOrvan& imageOptions() { return *imageOptions_; }
    PrinterJobPDEOrvan& jobType() { return *jobType_; }

private:
    void choosePopUp(Reader& in);
    void runColorBalance(Reader& in);
    void runSecurePrint(Reader& in, bool fromPopUp);
    void colorBalanceInside(Reader& in);
    void securePrintInside(Reader& in);
    void reloadView(bool imageOptions);

    ppd_file_t* ppd_;
    platform::Bundle* bundle_;
    std::unique_ptr<host::HostCallback> host_;
    std::unique_ptr<PrinterPDEOrvan> imageOptions_;
    std::unique_ptr<PrinterJobPDEOrvan> jobType_;
    // Context of the timers that drive the modal dialogs: none outlives the input.
    std::unique_ptr<QObject> timers_;
};

} // namespace fuzz
