// The Image Options panel and the Color Balance dialog it opens: every change handler,
// Default, the settings record, the summary, the dialog's controls inside its modal
// loop, construction and first show.
#include "bench/actions/Harness.h"

#include "colorbalance/ColorBalance-Orvan.h"
#include "colorbalance/ColorBalanceState.h"
#include "imageoptions/PrinterPDE-Orvan.h"
#include "platform/Log.h"
#include "platform/Stepper.h"
#include "platform/Window.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace bench {

namespace {

using Shown = ShownPanel<PrinterPDEOrvan>;

// A pop-up of the panel, its user alternating between two items.
template <QPointer<QComboBox> PrinterPDEOrvan::*popup, int first, int second>
void popUpCase(benchmark::State& state, Ppd ppd, Mode mode)
{
    Shown s(ppd);
    QComboBox* box = s.panel.get()->*popup;
    measure(state, mode, {[&](int i) {
                chooseItem(box, i & 1 ? second : first);
                s.host.forgetHandOvers(i);
            }});
}

void grayGuarantee(benchmark::State& state, Ppd ppd, Mode mode)
{
    Shown s(ppd);
    QCheckBox* box = s.panel->GrayGuaranteeButton;
    if (!box->isEnabled()) return state.SkipWithError("the gray guarantee box is disabled");
    measure(state, mode, {[&](int i) {
                box->click();
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

void saveRecord(benchmark::State& state, Ppd ppd, Mode mode)
{
    Shown s(ppd);
    ColorBlanceRes = QList<int32_t>(colorbalance::kDensityCount, 1);
    measure(state, mode, {[&](int) { s.panel->saveValuesAndReturnError(nullptr); }});
}

void restoreRecord(benchmark::State& state, Ppd ppd, Mode mode)
{
    Shown s(ppd);
    ColorBlanceRes = QList<int32_t>(colorbalance::kDensityCount, 1);
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

// After the dialog's OK the panel hands the twelve densities to the host.
void densityHandOvers(benchmark::State& state, Ppd ppd, Mode mode)
{
    Shown s(ppd);
    const QList<int32_t> results[2] = {QList<int32_t>(colorbalance::kDensityCount, 2),
                                       QList<int32_t>(colorbalance::kDensityCount, -1)};
    measure(state, mode, {[&](int i) {
                ColorBlanceRes = results[i & 1];
                s.panel->changeColorBlanceOption();
                s.host.forgetHandOvers(i);
            }});
}

// Runs `body` inside the modal loop of the Color Balance dialog that the panel's button
// opens (colour output, switch on), then presses OK.
void inDialog(benchmark::State& state, Ppd ppd, const std::function<void(ColorBalanceOrvan*)>& body)
{
    Shown s(ppd);
    CBstate = true;
    CBtarget = 0;
    bool ran = false;
    QTimer::singleShot(0, s.panel.get(), [&] {
        ran = true;
        QPointer<ColorBalanceOrvan> c = s.panel->aColorBalance;
        if (!c || !platform::isRunningModal(c->window())) return state.SkipWithError("no Color Balance dialog runs");
        body(c);
        if (c) c->okButton->click();
    });
    s.panel->colorBalanceButton->click();
    settle();
    if (!ran) state.SkipWithError("the Color Balance dialog did not open");
}

void typeDigit(benchmark::State& state, Ppd ppd, Mode mode)
{
    inDialog(state, ppd, [&](ColorBalanceOrvan* c) {
        QLineEdit* field = c->TextOne;
        // The user has selected the field's digit; the keystroke replaces it.
        measure(state, mode, {[&](int i) { QTest::keyClick(field, i & 1 ? '1' : '2'); },
                              [&](int) { field->selectAll(); }});
        if (colorbalance::workingValue(0) != field->text().toInt() || field->text().isEmpty())
            state.SkipWithError("typing did not reach the working value");
    });
}

void stepperClick(benchmark::State& state, Ppd ppd, Mode mode)
{
    inDialog(state, ppd, [&](ColorBalanceOrvan* c) {
        QToolButton* up = c->StepperOne->findChild<QToolButton*>(QStringLiteral("stepperUp"));
        QToolButton* down = c->StepperOne->findChild<QToolButton*>(QStringLiteral("stepperDown"));
        if (!up || !down) return state.SkipWithError("the stepper has no arrows");
        measure(state, mode, {[&](int i) { (i & 1 ? down : up)->click(); }});
    });
}

void targetChange(benchmark::State& state, Ppd ppd, Mode mode)
{
    inDialog(state, ppd, [&](ColorBalanceOrvan* c) {
        measure(state, mode, {[&](int i) { chooseItem(c->targetColorButton, i & 1 ? 0 : 1); }});
    });
}

void enableSwitch(benchmark::State& state, Ppd ppd, Mode mode)
{
    inDialog(state, ppd, [&](ColorBalanceOrvan* c) {
        measure(state, mode, {[&](int) { c->EnableButton->click(); }});
    });
}

// The same with every log line going to syslog, as in production.
template <CaseFn fn>
void withSyslog(benchmark::State& state, Ppd ppd, Mode mode)
{
    platform::LogSink quiet = platform::setLogSink({});
    fn(state, ppd, mode);
    platform::setLogSink(std::move(quiet));
}

// The whole round trip of the button: the dialog is built, shown, OK pressed, the
// densities handed over.
void dialogRoundTrip(benchmark::State& state, Ppd ppd, Mode mode)
{
    Shown s(ppd);
    measure(state, mode,
            {[&](int i) {
                 QTimer::singleShot(0, s.panel.get(), [&] {
                     if (ColorBalanceOrvan* c = s.panel->aColorBalance) c->okButton->click();
                 });
                 s.panel->colorBalanceButton->click();
                 s.host.forgetHandOvers(i);
             },
             {},
             [](int) { settle(); }});
}

} // namespace

void registerImageOptions()
{
    using P = PrinterPDEOrvan;
    registerCases({
        {"ImageOptions/OutputColor", popUpCase<&P::outputcolorButton, 0, 1>, Kind::Action},
        {"ImageOptions/ImageQuality", popUpCase<&P::imagequalityButton, 0, 1>, Kind::Action},
        {"ImageOptions/ImageType", popUpCase<&P::imagetypeButton, 0, 1>, Kind::Action},
        {"ImageOptions/Screen", popUpCase<&P::screenButton, 0, 1>, Kind::Action},
        {"ImageOptions/ImageAdjust", popUpCase<&P::imageadjustButton, 0, 1>, Kind::Action},
        {"ImageOptions/TonerSave", popUpCase<&P::TonerSaveButton, 0, 1>, Kind::Action},
        {"ImageOptions/GrayGuarantee", grayGuarantee, Kind::Action},
        {"ImageOptions/Default", defaultButton, Kind::Action},
        {"ImageOptions/SaveRecord", saveRecord, Kind::Action},
        {"ImageOptions/RestoreRecord", restoreRecord, Kind::Action},
        {"ImageOptions/SummaryInfo", summary, Kind::Action},
        {"ImageOptions/DensityHandOvers", densityHandOvers, Kind::Action},
        {"ColorBalance/TypeDigit", typeDigit, Kind::Action, true},
        {"ColorBalance/StepperClick", stepperClick, Kind::Action},
        {"ColorBalance/TargetChange", targetChange, Kind::Action},
        {"ColorBalance/SwitchOnOff", enableSwitch, Kind::Action},
        {"ColorBalance/TypeDigit+syslog", withSyslog<typeDigit>, Kind::Info, true, false},
        {"ColorBalance/TargetChange+syslog", withSyslog<targetChange>, Kind::Info, false, false},
        {"ColorBalance/OpenAndOK", dialogRoundTrip, Kind::Info, true},
        {"ImageOptions/Construct", constructPanel<PrinterPDEOrvan>, Kind::Construction, true},
        {"ImageOptions/FirstShow", firstShowPanel<PrinterPDEOrvan>, Kind::Construction, true},
    });
}

} // namespace bench
