// The Job Type panel and its Secure Print setup dialog: the pop-up, Default, the
// hand-overs of a setup result, the settings record, the summary, construction and
// first show.
#include "bench/actions/Harness.h"

#include "jobtype/JobTypeSetup.h"
#include "jobtype/PrinterJobPDE-Orvan.h"
#include "plugin/SharedPanelState.h"
#include "platform/Window.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace bench {

namespace {

struct Shown : ShownPanel<PrinterJobPDEOrvan> {
    using ShownPanel::ShownPanel;

    // The user picks Secure Print, fills the setup dialog and presses OK.
    bool secureSetup()
    {
        bool ran = false;
        QTimer::singleShot(0, panel.get(), [&] {
            QPointer<JobTypeSetup> d = panel->aJobTypeSetup;
            if (!d || !platform::isRunningModal(d->window())) return;
            ran = true;
            d->TextUserIDBox->setText(QStringLiteral("Agent007"));
            d->TextPasscodeBox->setText(QStringLiteral("86753090"));
            d->okButton->click();
            if (d && platform::isRunningModal(d->window())) d->closeBtnClick(nullptr);
        });
        chooseItem(panel->jobtypeButton, 1);
        settle();
        return ran && response.has_value();
    }
};

void chooseNormal(benchmark::State& state, Ppd ppd, Mode mode)
{
    Shown s(ppd);
    measure(state, mode, {[&](int i) {
                chooseItem(s.panel->jobtypeButton, 0);
                s.host.forgetHandOvers(i);
            }});
}

void defaultButton(benchmark::State& state, Ppd ppd, Mode mode)
{
    Shown s(ppd);
    measure(state, mode, {[&](int i) {
                s.panel->defaultButton->click();
                s.host.forgetHandOvers(i);
            }});
}

// What the panel hands over once the setup dialog's OK has left its result: the job
// type, user ID, passcode (and new job name) in Base64. shouldPrint makes exactly
// these hand-overs when a result exists.
void setupHandOvers(benchmark::State& state, Ppd ppd, Mode mode)
{
    Shown s(ppd);
    if (!s.secureSetup()) return state.SkipWithError("the setup dialog gave no result");
    measure(state, mode, {[&](int i) {
                s.panel->shouldPrint();
                s.host.forgetHandOvers(i);
            }});
}

void saveRecord(benchmark::State& state, Ppd ppd, Mode mode)
{
    Shown s(ppd);
    if (!s.secureSetup()) return state.SkipWithError("the setup dialog gave no result");
    measure(state, mode, {[&](int) { s.panel->saveValuesAndReturnError(nullptr); }});
}

void restoreRecord(benchmark::State& state, Ppd ppd, Mode mode)
{
    Shown s(ppd);
    if (!s.secureSetup()) return state.SkipWithError("the setup dialog gave no result");
    s.panel->saveValuesAndReturnError(nullptr);
    measure(state, mode, {[&](int i) {
                s.panel->restoreValuesAndReturnError(nullptr);
                s.host.forgetHandOvers(i);
            }});
}

void summary(benchmark::State& state, Ppd ppd, Mode mode)
{
    Shown s(ppd);
    measure(state, mode, {[&](int) { benchmark::DoNotOptimize(s.panel->summaryInfo()); }});
}

// Setup... pressed, the dialog built and shown, OK pressed, the values handed over.
void setupRoundTrip(benchmark::State& state, Ppd ppd, Mode mode)
{
    Shown s(ppd);
    if (!s.secureSetup()) return state.SkipWithError("the setup dialog gave no result");
    measure(state, mode,
            {[&](int i) {
                 QTimer::singleShot(0, s.panel.get(), [&] {
                     if (JobTypeSetup* d = s.panel->aJobTypeSetup) d->okButton->click();
                 });
                 s.panel->setupButton->click();
                 s.host.forgetHandOvers(i);
             },
             {},
             [](int) { settle(); }});
}

} // namespace

void registerJobType()
{
    registerCases({
        {"JobType/ChooseNormal", chooseNormal, Kind::Action},
        {"JobType/Default", defaultButton, Kind::Action},
        {"JobType/HandOversAfterSetupOK", setupHandOvers, Kind::Action},
        {"JobType/SaveRecord", saveRecord, Kind::Action},
        {"JobType/RestoreRecord", restoreRecord, Kind::Action},
        {"JobType/SummaryInfo", summary, Kind::Action},
        {"SecurePrint/OpenAndOK", setupRoundTrip, Kind::Info, true},
        {"JobType/Construct", constructPanel<PrinterJobPDEOrvan>, Kind::Construction, true},
        {"JobType/FirstShow", firstShowPanel<PrinterJobPDEOrvan>, Kind::Construction, true},
    });
}

} // namespace bench
