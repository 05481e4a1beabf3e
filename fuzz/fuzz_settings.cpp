// A print-settings record of arbitrary keys and values (the panels' own keys most of
// the time: stored by an earlier version, damaged, or edited by hand) restored into both
// panels on one of the known printer descriptions, then saved again. Every value the
// panels save must be one they could have written themselves; saving into the record
// keeps every key they do not write as it was; restoring what they saved and saving
// again gives the same record.
#include "fuzz/FuzzSupport.h"
#include "tests/support/PanelDriver.h"

#include "plugin/SharedPanelState.h"
#include "platform/PrintSettings.h"

#include <QMap>
#include <QStringList>

#include <array>

namespace {

const std::array<const char*, 10> kPpds = {
    "resources/Orvan.ppd",           "tests/data/minimal.ppd",         "tests/data/bad-defaults.ppd",
    "tests/data/empty-option.ppd",   "tests/data/jobtype-partial.ppd", "tests/data/no-grayguarantee.ppd",
    "tests/data/rgb-not-first.ppd",  "tests/data/tonermode-short.ppd", "tests/data/density-defaults-plus3.ppd",
    "tests/data/utf8-texts.ppd",
};

const std::array<const char*, 26> kKeys = {
    "colormodeSettings",  "imagequalitySettings", "imagetypeSettings",  "imageadjustSettings",
    "TonerSaveSettings",  "screenSettings",       "brightnessSettings", "GrayGuaranteeSettings",
    "stateEnableSettings", "statetargetColorSettings", "BlackLowSettings", "BlackMidSettings",
    "BlackHighSettings",  "CyanLowSettings",      "CyanMidSettings",    "CyanHighSettings",
    "MagentaLowSettings", "MagentaMidSettings",   "MagentaHighSettings", "YellowLowSettings",
    "YellowMidSettings",  "YellowHighSettings",   "jobtypeSettings",    "jobtypeUserID",
    "jobtypePasscode",    "jobtypeDocName",
};

const std::array<const char*, 24> kOddValues = {
    "2147483647", "2147483648", "-2147483648", "-2147483649", "9223372036854775807", "99999999999999999999",
    "-9223372036854775808", " 3", "\t-1", "+2", "3abc", "0x10", "1e3", "\xd9\xa1", "--1", "-", "+", " ",
    "True", "0.5", "-0", "007", "\xef\xbc\x91", "NaN",
};

QString key(fuzz::Reader& in)
{
    if (in.below(8) != 0) return QLatin1String(kKeys[static_cast<std::size_t>(in.below(static_cast<int>(kKeys.size())))]);
    return QString::fromUtf8(in.bytes(in.below(24)));
}

QString value(fuzz::Reader& in)
{
    switch (in.below(8)) {
    case 0:
    case 1: return QString::number(in.below(16) - 5);
    case 2: return QString::fromUtf8(kOddValues[static_cast<std::size_t>(in.below(static_cast<int>(kOddValues.size())))]);
    case 3: return QString();
    case 4: return QString::fromUtf8(in.bytes(in.below(40)));
    case 5: return QString::fromLatin1(in.bytes(in.below(40)));
    case 6: { // long: up to 10,000 characters
        const QString unit = QString::fromUtf8(in.bytes(1 + in.below(3)));
        return unit.repeated(in.word() % (10000 / std::max<qsizetype>(1, unit.size()) + 1));
    }
    default: return QStringLiteral("-1");
    }
}

// A setup result as the Secure Print dialog leaves it after OK, in either name mode.
void presetSetupResult(int which)
{
    static const std::array<SecurePrintSetup, 3> results = {
        SecurePrintSetup{1, QStringLiteral("user1"), QStringLiteral("1234"), QStringLiteral("Report"),
                         QStringLiteral("Enter Name Mode")},
        SecurePrintSetup{0, QStringLiteral("A"), QStringLiteral("000000000000"), {}, QStringLiteral("Use Existing Name")},
        SecurePrintSetup{1, QStringLiteral("12345678"), QStringLiteral("\u0661\u0662"), QString(),
                         QStringLiteral("Enter Name Mode")},
    };
    response = results[static_cast<std::size_t>(which) % results.size()];
    jobnameMode = response->jobNameMode;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startApplication(argc, argv);
    panels::setFailureHandler([](const char* file, int line, const QString& what) { fuzz::fail(file, line, what); });
    if (fuzz::tracing()) panels::setTraceSink([](const QString& line) { fuzz::trace(line); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    fuzz::Reader in(data, size);
    const uint8_t flags = in.byte();
    const uint8_t more = in.byte();
    const QString ppdPath = fuzz::sourcePath(QLatin1String(kPpds[flags % kPpds.size()]));
    const bool offersChoiceMarking = (flags & 0x10) == 0;
    const bool showViews = (flags & 0x20) == 0;
    const int language = (more & 3);
    if (more & 4) presetSetupResult(more >> 3);

    QMap<QString, QString> record;
    const int count = in.below(32);
    for (int i = 0; i < count; ++i) {
        const QString k = key(in);
        record.insert(k, value(in));
    }

    {
        host::PpdPtr ppd = host::openPpd(ppdPath);
        if (!ppd) fuzz::fail(__FILE__, __LINE__, QStringLiteral("cannot open %1").arg(ppdPath));
        panels::Panels both(ppd.get(), offersChoiceMarking, fuzz::bundle(language));
        platform::PrintSettings* settings = both.host().printSettings();
        settings->values = record;
        both.open(showViews);
        both.checkHandOvers();

        const QMap<QString, QString> written = both.saveIntoEmptyRecord();
        both.checkWritten(written);

        // Saving into the record as the host does: the panels' keys as written, every
        // other key as it was.
        both.imageOptions().saveValuesAndReturnError(nullptr);
        both.jobType().saveValuesAndReturnError(nullptr);
        const QMap<QString, QString>& saved = settings->values;
        for (auto it = saved.cbegin(); it != saved.cend(); ++it) {
            if (written.contains(it.key())) {
                FUZZ_CHECK(it.value() == written.value(it.key()), it.key() + QStringLiteral(" saved differently"));
            } else {
                FUZZ_CHECK(record.contains(it.key()) && record.value(it.key()) == it.value(),
                           it.key() + QStringLiteral(": a key the panels do not write was changed"));
            }
        }
        for (auto it = record.cbegin(); it != record.cend(); ++it)
            FUZZ_CHECK(saved.contains(it.key()), it.key() + QStringLiteral(": lost when saving"));

        both.finish(in);
    }
    panels::resetState();
    panels::checkNoWindowsLeft();
    return 0;
}
