// Seeded sequences of what a user does in orvan-print on an Orvan queue whose device is a
// file and that runs CUPS's filters: Image Options and Job Type changed, Secure Print set
// up, Print pressed, the dialog opened again, and orvan-print started anew as its own
// process with --accept. After every job its attributes, the settings in the printer data
// and the Summary all say what the controls showed; after a restart the controls show
// what the last job carried.
//
// ORVAN_HOST_MODEL_SEED=<n> replays one sequence; ORVAN_HOST_MODEL_SEQUENCES=<n> runs that
// many instead of the few of a normal run.

// The libcups PPD interface is deprecated in CUPS 2.4; the test reads choice texts through it.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "tests/host/HostQueueTest.h"
#include "tests/host/PrinterFeatures.h"

#include <QSlider>

#include <random>

namespace {

// The Image Options pop-ups and the keyword each one's choice goes out under.
constexpr std::pair<const char*, const char*> kPopUps[] = {
    {"outputcolorButton", "ColorModel"}, {"imagequalityButton", "DrvResolution"},
    {"imagetypeButton", "ImageType"},    {"screenButton", "Screen"},
    {"imageadjustButton", "ImageAdjustmentMode"}, {"TonerSaveButton", "TonerMode"},
};

constexpr int kSequences = 3;
constexpr int kSteps = 10;

using Options = QMap<QString, QString>;

class HostModel : public hosttest::HostQueueTest {
protected:
    HostModel() { filtering_ = true; }

    void SetUp() override
    {
        HostQueueTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        ppd_ = testsupport::openTestPpd(testsupport::bundledPpdPath());
        ASSERT_TRUE(ppd_);
        document_ = path(QStringLiteral("letter.pdf"));
        ASSERT_TRUE(hosttest::writeBytes(document_, hosttest::pdfDocument()));
    }

    // The choice of `keyword` whose text a control shows.
    QString choiceShown(const char* keyword, const QString& text) const
    {
        const QString choice = hosttest::choiceNamed(ppd_.get(), keyword, text);
        return choice.isEmpty() ? QStringLiteral("(no choice reads \"%1\")").arg(text) : choice;
    }

    // What the controls of both panels say the job carries.
    Options shown() const
    {
        host::PrintDialog* dialog = dialog_.get();
        Options options;
        for (const auto& [name, keyword] : kPopUps)
            if (auto* popup = hosttest::find<QComboBox>(dialog, name))
                options.insert(QLatin1String(keyword), choiceShown(keyword, popup->currentText()));
        if (auto* gray = hosttest::find<QAbstractButton>(dialog, "GrayGuaranteeButton"))
            options.insert(QStringLiteral("GrayGuarantee"), gray->isChecked() ? QStringLiteral("True") : QStringLiteral("False"));
        if (auto* slider = hosttest::find<QSlider>(dialog, "brightnessSlider"))
            options.insert(QStringLiteral("Brightness"), QString::number(slider->value()));
        if (auto* jobType = hosttest::find<QComboBox>(dialog, "jobtypeButton"))
            options.insert(QStringLiteral("JobType"), jobType->currentText() == QLatin1String("Secure Print")
                                                          ? QStringLiteral("Secure")
                                                          : QStringLiteral("Normal"));
        return options;
    }

    // The job's value of each option: what it names, else the PPD's default.
    Options carried(const QMap<QString, QStringList>& attributes, const Options& like) const
    {
        Options options;
        for (auto it = like.cbegin(); it != like.cend(); ++it) {
            QString value = attributes.value(it.key()).value(0);
            if (value.isEmpty())
                if (ppd_option_t* option = ppdFindOption(ppd_.get(), it.key().toLatin1().constData()))
                    value = QString::fromLatin1(option->defchoice);
            // Boolean choices may come back as IPP booleans.
            if (value == QLatin1String("true") || value == QLatin1String("false")) value[0] = value[0].toUpper();
            options.insert(it.key(), value);
        }
        return options;
    }

    static std::string describe(const Options& options)
    {
        QStringList entries;
        for (auto it = options.cbegin(); it != options.cend(); ++it) entries << it.key() + QLatin1Char('=') + it.value();
        return entries.join(QLatin1Char(' ')).toStdString();
    }

    // One user action on the open dialog; its description.
    QString act(std::mt19937_64& random)
    {
        host::PrintDialog* dialog = dialog_.get();
        const auto below = [&](int n) { return static_cast<int>(random() % static_cast<uint64_t>(n)); };
        switch (below(5)) {
        case 0:
        case 1: {
            const auto& [name, keyword] = kPopUps[below(static_cast<int>(std::size(kPopUps)))];
            auto* popup = hosttest::find<QComboBox>(dialog, name);
            if (!popup || !popup->isEnabled() || popup->count() == 0) return QStringLiteral("nothing");
            const int index = below(popup->count());
            const QString text = popup->itemText(index);
            hosttest::chooseItem(popup, text);
            return QStringLiteral("%1: %2").arg(QLatin1String(keyword), text);
        }
        case 2: {
            auto* gray = hosttest::find<QAbstractButton>(dialog, "GrayGuaranteeButton");
            if (!gray || !gray->isEnabled()) return QStringLiteral("nothing");
            gray->click();
            return QStringLiteral("gray guarantee clicked");
        }
        case 3: {
            auto* slider = hosttest::find<QSlider>(dialog, "brightnessSlider");
            if (!slider || !slider->isEnabled()) return QStringLiteral("nothing");
            const bool right = below(2) == 0;
            QTest::keyClick(slider, right ? Qt::Key_Right : Qt::Key_Left);
            return QStringLiteral("brightness %1").arg(right ? QStringLiteral("up") : QStringLiteral("down"));
        }
        default:
            if (below(2) == 0) {
                hosttest::chooseItem(hosttest::find<QComboBox>(dialog, "jobtypeButton"), QStringLiteral("Normal Print"));
                return QStringLiteral("Normal Print");
            }
            hosttest::chooseSecurePrint(dialog, QStringLiteral("u%1").arg(below(100)), QStringLiteral("%1").arg(1000 + below(9000)),
                                        QStringLiteral("Minutes"));
            return QStringLiteral("Secure Print set up");
        }
    }

    // Print pressed: the job, its printer data and the Summary against the controls.
    void printAndCheck(Options* last)
    {
        const Options expected = shown();
        ASSERT_TRUE(print()) << (alerts_.alerts().isEmpty() ? std::string() : alerts_.alerts().last().first.toStdString());
        QString error;
        ASSERT_TRUE(cupsd_.waitForJob(lastJobId_, &error)) << error.toStdString();
        const QMap<QString, QStringList> attributes = cupsd_.jobAttributes(lastJobId_, &error);
        const Options job = carried(attributes, expected);
        EXPECT_EQ(describe(job), describe(expected)) << "the job's attributes against the controls";
        // A normal job carries nothing of a Secure Print set up before.
        if (expected.value(QStringLiteral("JobType")) == QLatin1String("Normal")) {
            for (const char* secret : {"SecurePrintPasscode", "UserID", "NewJob"})
                EXPECT_EQ(attributes.value(QLatin1String(secret)).value(0, QStringLiteral("None")), QStringLiteral("None"))
                    << secret << " in a normal job";
        }

        const QMap<QString, hosttest::Feature> data = hosttest::features(cupsd_.printerData(QStringLiteral("Orvan")));
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            EXPECT_EQ(data.value(it.key()).choice, it.value()) << "printer data of " << it.key().toStdString();

        // The Summary names each pop-up's choice that the job carries as the pop-up shows
        // it (a default the job leaves to the printer is not sent), never a passcode.
        QTest::mouseClick(hosttest::find<QAbstractButton>(dialog_.get(), "summaryButton"), Qt::LeftButton);
        const QStringList values = hosttest::summary(dialog_.get()).values();
        for (const auto& [name, keyword] : kPopUps) {
            auto* popup = hosttest::find<QComboBox>(dialog_.get(), name);
            if (popup && attributes.contains(QLatin1String(keyword))) {
                EXPECT_TRUE(values.contains(popup->currentText()))
                    << keyword << " \"" << popup->currentText().toStdString() << "\" is not in the Summary: "
                    << values.join(QStringLiteral(" | ")).toStdString();
            }
        }
        const QString passcode = attributes.value(QStringLiteral("SecurePrintPasscode")).value(0);
        if (passcode.startsWith(QLatin1String("Custom."))) {
            const QString plain = QString::fromUtf8(QByteArray::fromBase64(passcode.mid(7).toLatin1()));
            for (const QString& value : values) EXPECT_FALSE(value.contains(plain)) << value.toStdString();
        }
        *last = expected;
    }

    // orvan-print started anew on the settings kept: with no secret store it cannot
    // complete a Secure Print and sends nothing; otherwise it sends what was last sent.
    void restartUnattended(const Options& last)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=/nonexistent"));
        QByteArray output;
        const int status = acceptInNewProcess(cupsd_.server(), QStringLiteral("Orvan"), document_, &output, environment);
        if (last.value(QStringLiteral("JobType")) == QLatin1String("Secure")) {
            EXPECT_EQ(status, 3) << output.toStdString();
            EXPECT_TRUE(output.contains("Secure Print needs its passcode.")) << output.toStdString();
            return;
        }
        ASSERT_EQ(status, 0) << output.toStdString();
        ++lastJobId_;
        QString error;
        ASSERT_TRUE(cupsd_.waitForJob(lastJobId_, &error)) << error.toStdString();
        EXPECT_EQ(describe(carried(cupsd_.jobAttributes(lastJobId_, &error), last)), describe(last))
            << "the restarted run's job against the last one";
    }

    void run(uint64_t seed)
    {
        SCOPED_TRACE("seed " + std::to_string(seed) + " (replay with ORVAN_HOST_MODEL_SEED)");
        std::mt19937_64 random(seed);
        ASSERT_TRUE(open(queueOptions()));
        ASSERT_EQ(dialog_->currentPrinter(), QStringLiteral("Orvan"));
        Options last;
        for (int step = 0; step < kSteps && !HasFailure(); ++step) {
            const int what = static_cast<int>(random() % 10);
            if (what < 6) {
                const QString done = act(random);
                SCOPED_TRACE(done.toStdString());
            } else if (what < 8) {
                printAndCheck(&last);
            } else if (!last.isEmpty()) {
                // Opened again, in this process and as a new one.
                dialog_.reset();
                restartUnattended(last);
                ASSERT_TRUE(open(queueOptions()));
                EXPECT_EQ(describe(shown()), describe(last)) << "the controls after reopening";
            }
        }
        dialog_.reset();
    }

    host::PpdPtr ppd_;
    QString document_;
};

TEST_F(HostModel, TheControlsTheJobThePrinterDataAndTheSummaryAgree)
{
    const QByteArray replay = qgetenv("ORVAN_HOST_MODEL_SEED");
    if (!replay.isEmpty()) return run(replay.toULongLong());
    const int sequences = qEnvironmentVariableIsSet("ORVAN_HOST_MODEL_SEQUENCES")
                              ? qEnvironmentVariableIntValue("ORVAN_HOST_MODEL_SEQUENCES")
                              : kSequences;
    for (int i = 0; i < sequences && !HasFailure(); ++i) run(0x2545F4914F6CDD1Dull * static_cast<uint64_t>(i + 1));
}

} // namespace
