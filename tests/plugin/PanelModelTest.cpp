// Seeded random sequences of a user's actions on both panels and both dialogs, with
// printing, reopening the print dialog and restarting orvan-print in between, over the
// bundled PPD and the host's own callback. After every step each control agrees with
// what the job will carry; each job goes out with what the controls show; after a
// restart the controls show what the last job carried.
//
// ORVAN_MODEL_SEED=<n> replays one sequence (the seed a failure names);
// ORVAN_MODEL_SEQUENCES=<n> runs that many sequences instead of the few of a normal run.
#include "tests/support/DriverChecks.h"
#include "tests/support/PrinterModel.h"
#include "tests/support/TestSupport.h"

#include "platform/Bundle.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

constexpr int kSequences = 24;
constexpr int kSteps = 40;

// What the controls stood for at the last job, less what the next run cannot know.
panels::OptionMap withoutSecrets(panels::OptionMap options)
{
    for (const char* keyword : {"UserID", "SecurePrintPasscode", "NewJob"}) options.remove(QLatin1String(keyword));
    return options;
}

class PanelModel : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { panels::resetState(); }

    void TearDown() override
    {
        panels::resetState();
        panels::checkNoWindowsLeft();
    }

    // One sequence; answers whether it ran without a failed check.
    bool run(uint64_t seed)
    {
        const bool marking = GetParam();
        panels::SeededChoices in(seed);
        checks_.clearTrace();
        const int before = checks_.failures();
        {
            panels::Printer printer(testsupport::bundledPpdPath(), marking, &bundle_);
            for (int step = 0; step < kSteps && checks_.failures() == before; ++step) {
                const int what = in.below(24);
                if (what < 17) {
                    printer.panels().userAction(in);
                } else if (what < 20) {
                    printer.print(in, in.below(5) != 0);
                } else if (what < 23) {
                    const bool keepPasscode = in.flag();
                    if (what == 22) {
                        printer.reopen(keepPasscode);
                    } else {
                        printer.restart(keepPasscode);
                        if (!printer.expectedAtLastJob().isEmpty()) {
                            const panels::OptionMap shown = panels::expectedJobOptions(printer.panels());
                            const panels::OptionMap last = printer.expectedAtLastJob();
                            PANELS_CHECK(keepPasscode ? shown == last : withoutSecrets(shown) == withoutSecrets(last),
                                         QStringLiteral("after the restart the controls show %1\nthe last job carried %2")
                                             .arg(panels::describe(shown, last), panels::describe(last, shown)));
                        }
                    }
                } else {
                    // The host shows the panels again (the user switched between them).
                    printer.panels().imageOptions().willShow();
                    printer.panels().jobType().willShow();
                }
                if (marking) panels::checkAgreement(printer.panels());
            }
        }
        panels::resetState();
        const bool passed = checks_.failures() == before;
        if (!passed)
            ADD_FAILURE() << "sequence with seed " << seed << (marking ? "" : " (host without choice marking)")
                          << " failed; replay it with ORVAN_MODEL_SEED=" << seed << "\n"
                          << checks_.trace().toStdString();
        return passed;
    }

    platform::Bundle bundle_{testsupport::bundlePath(), QLocale(QLocale::English, QLocale::UnitedStates)};
    testsupport::AlertRecorder alerts_;
    testsupport::DriverChecks checks_;
};

TEST_P(PanelModel, WhatTheControlsShowIsWhatTheJobCarries)
{
    const QByteArray replay = qgetenv("ORVAN_MODEL_SEED");
    if (!replay.isEmpty()) {
        run(replay.toULongLong());
        return;
    }
    const int sequences = qEnvironmentVariableIsSet("ORVAN_MODEL_SEQUENCES")
                              ? qEnvironmentVariableIntValue("ORVAN_MODEL_SEQUENCES")
                              : kSequences;
    int passed = 0;
    for (int i = 0; i < sequences; ++i) {
        // Seeds far apart, the same in every run.
        const uint64_t seed = 0x9E3779B97F4A7C15ull * static_cast<uint64_t>(i + 1) + (GetParam() ? 0 : 1);
        if (!run(seed)) break;
        ++passed;
    }
    RecordProperty("sequences", passed);
    std::printf("%d sequences of %d steps passed\n", passed, kSteps);
}

INSTANTIATE_TEST_SUITE_P(Hosts, PanelModel, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& host) {
                             return host.param ? std::string("MarkingHost") : std::string("RecordOnlyHost");
                         });

} // namespace
