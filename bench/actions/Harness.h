#pragma once
// What every action benchmark shares: the two printer descriptions, the host's callback
// over one of them, the bundle, fresh process-wide state, and the measuring loop that
// times an action or its libcups floor.
#include "tests/support/UserActions.h"
#include "host/HostCallback.h"
#include "platform/Bundle.h"

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QString>

#include <functional>
#include <initializer_list>
#include <vector>
#include <memory>

namespace bench {

// The bundled Orvan PPD, or the same with 3,000 options added (written at start-up).
enum class Ppd { Bundled, Big };
const char* ppdLabel(Ppd ppd);
QString ppdPath(Ppd ppd);
// Writes the large PPD into `directory`; false with the reason on stderr.
bool writeBigPpd(const QString& directory, int extraOptions);
inline constexpr int kExtraOptions = 3000;

// What the benchmark loop times: the action itself, or the libcups calls it makes.
enum class Mode { Action, Floor };

// The host's side: a PPD opened and defaults marked as the host does, and its callback.
struct Host {
    explicit Host(Ppd ppd);
    host::PpdPtr file;
    std::unique_ptr<host::HostCallback> callback;
    // The callback keeps every hand-over for the job; a benchmark makes millions.
    void forgetHandOvers(int iteration) const
    {
        if ((iteration & 1023) == 0) callback->clearHandOvers();
    }
};

// The built bundle, English strings; one for the process.
platform::Bundle& bundle();

// Every module-level state of the panels and dialogs back to its start.
void resetState();

// One user action. `run(i)` is timed; iterations alternate between two variants
// (i % 2) so that every one really changes something. `before`/`after`, when given,
// run untimed around each `run` (the clock is then read around `run` alone).
struct Action {
    Action(std::function<void(int)> run_, std::function<void(int)> before_ = {}, std::function<void(int)> after_ = {})
        : run(std::move(run_)), before(std::move(before_)), after(std::move(after_))
    {
    }
    std::function<void(int)> run;
    std::function<void(int)> before;
    std::function<void(int)> after;
};

// In Action mode times `action`; in Floor mode records the libcups calls of both
// variants and times them made alone. Either way each variant runs once untimed
// first, so both modes start from the same state.
void measure(benchmark::State& state, Mode mode, const Action& action);

using useractions::chooseItem;
// Delivers the posted events (repaints, deferred deletes) outside any timing.
void settle();

// A panel as the host has it once it is on screen, the hand-overs so far forgotten;
// let go, with the panels' shared state, when the case ends.
template <typename Panel>
struct ShownPanel {
    explicit ShownPanel(Ppd ppd) : host(ppd)
    {
        resetState();
        panel = Panel::initWithCallback(host.callback.get(), &bundle());
        panel->panelView()->show();
        panel->willShow();
        settle();
        host.callback->clearHandOvers();
    }
    ~ShownPanel()
    {
        panel.reset();
        settle();
        resetState();
    }
    ShownPanel(const ShownPanel&) = delete;
    ShownPanel& operator=(const ShownPanel&) = delete;

    Host host;
    std::unique_ptr<Panel> panel;
};

// A panel of type `Panel` built (constructPanel) or, built untimed, given its view and
// shown for the first time (firstShowPanel), and let go after each iteration.
template <typename Panel>
void constructPanel(benchmark::State& state, Ppd ppd, Mode mode)
{
    Host host(ppd);
    resetState();
    std::unique_ptr<Panel> panel;
    measure(state, mode,
            {[&](int) { panel = Panel::initWithCallback(host.callback.get(), &bundle()); },
             {},
             [&](int) { panel.reset(); }});
    resetState();
}

template <typename Panel>
void firstShowPanel(benchmark::State& state, Ppd ppd, Mode mode)
{
    Host host(ppd);
    resetState();
    std::unique_ptr<Panel> panel;
    measure(state, mode,
            {[&](int) {
                 panel->panelView();
                 panel->willShow();
             },
             [&](int) { panel = Panel::initWithCallback(host.callback.get(), &bundle()); },
             [&](int) {
                 panel.reset();
                 settle();
             }});
    resetState();
}

// Registration: each case runs for both PPDs and both modes.
enum class Kind {
    Action,       // a user action: at most 20 us of our own work over its floor
    Construction, // panel construction / first show: no growth beyond libcups' own
    Info,         // shown for reference
};
using CaseFn = void (*)(benchmark::State&, Ppd, Mode);
struct Case {
    Case(const char* name_, CaseFn fn_, Kind kind_, bool manualTime_ = false, bool bigToo_ = true)
        : name(name_), fn(fn_), kind(kind_), manualTime(manualTime_), bigToo(bigToo_)
    {
    }
    const char* name;
    CaseFn fn;
    Kind kind;
    bool manualTime = false; // its Action has before/after: the clock is read around run
    bool bigToo = true;      // also on the large PPD
};
void registerCases(std::initializer_list<Case> cases);
// For instruction counts under callgrind: every benchmark runs exactly `n` iterations
// (0: Google Benchmark chooses). Set before registering.
void setFixedIterations(int n);
// Every case registered, in order.
const std::vector<Case>& cases();

} // namespace bench
