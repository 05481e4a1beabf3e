#pragma once
// One printer as orvan-print serves it across runs: both panels on a fresh copy of its
// PPD, printing as the host prints (each panel's check before printing, then the
// records saved, then the job's options), what the host keeps for the next run (the
// records and the marked choices) and that next run. And the model the checks hold the
// panels to: what the controls show is what the job carries.
#include "host/JobOptions.h"
#include "tests/support/PanelDriver.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

namespace panels {

// Keyword -> choice name.
using OptionMap = QMap<QString, QString>;

// The job options the panels' controls stand for: the choice each pop-up shows, the
// gray guarantee check box, the brightness slider, the committed colour balance (the
// PPD defaults while there is none), the job type and, for a Secure Print with its
// setup, the user ID, the passcode and the new job name as the job carries them.
// Only what the printer description has, except the secure-print values.
OptionMap expectedJobOptions(Panels& panels);

// What a job sent now would carry for each keyword of `keywords`: its option in the
// job (the last hand-over, or a marked choice other than the default), else the
// printer's default. A null text for a keyword the job does not name and the PPD lacks.
OptionMap carriedJobOptions(Panels& panels, const QStringList& keywords);

// Checks that every control agrees with what the job will carry, and that the Color
// Balance dialog opens on what was committed. For a host that marks choices only.
void checkAgreement(Panels& panels);

// "keyword=choice ..." for failure messages; `against` marks the entries that differ.
QString describe(const OptionMap& options, const OptionMap& against = {});

class Printer {
public:
    // A printer whose description is the PPD file `ppdPath`, in a new process with
    // nothing kept from an earlier run.
    Printer(const QString& ppdPath, bool offersChoiceMarking, platform::Bundle* bundle);
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    Panels& panels() { return *panels_; }
    ppd_file_t* ppd() const { return ppd_.get(); }

    struct Job {
        bool sent = false;          // every panel let it go
        host::JobOptions options;   // what it was sent with
    };
    // Print as orvan-print does: each panel's check before printing (dialogs it opens
    // driven by `in`), stopping at the first that holds the job back; then each panel
    // saves its record, the job goes out, and the records and marked choices are kept
    // for the next run. `showsDialogs` false: an unattended run (--accept). With a host
    // that marks choices, checks that the job carries what the controls show.
    Job print(Choices& in, bool showsDialogs = true);

    // The next run of orvan-print: the process starts afresh, the PPD is opened anew
    // with the kept choices marked again, and the kept records are restored into new
    // panels after their views are loaded and shown. `keepPasscode`: the desktop's
    // secret store gives the passcode back into the record; without one it is not kept.
    void restart(bool keepPasscode = true);
    // The dialog opened again in the same process: the same, but the process-wide state
    // of the plug-in lives on.
    void reopen(bool keepPasscode = true);

    // What the host keeps from the last job sent.
    const QMap<QString, QString>& keptRecord() const { return keptRecord_; }
    const QList<host::HandOver>& keptMarks() const { return keptMarks_; }
    // What the controls stood for when the last job was sent; empty before.
    const OptionMap& expectedAtLastJob() const { return expectedAtLastJob_; }

private:
    void start(bool keepPasscode);

    QString ppdPath_;
    bool offersChoiceMarking_;
    platform::Bundle* bundle_;
    host::PpdPtr ppd_;
    std::unique_ptr<Panels> panels_;
    QMap<QString, QString> keptRecord_;
    QList<host::HandOver> keptMarks_;
    OptionMap expectedAtLastJob_;
};

} // namespace panels
