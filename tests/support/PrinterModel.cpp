// The libcups PPD interface is deprecated in CUPS 2.4, but it is how the host and the
// panels describe printer options; its deprecation warnings are silenced here only.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "tests/support/PrinterModel.h"

#include "colorbalance/ColorBalanceState.h"
#include "plugin/SharedPanelState.h"
#include "platform/Controls.h"
#include "platform/PrintSettings.h"
#include "plugin/PDETool.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRegularExpression>
#include <QSlider>

namespace panels {

namespace {

const char* const kPopUpKeywords[] = {"ColorModel", "DrvResolution", "ImageType",
                                      "ImageAdjustmentMode", "Screen", "TonerMode"};

ppd_option_t* findOption(ppd_file_t* ppd, const char* keyword)
{
    return ppd ? ppdFindOption(ppd, keyword) : nullptr;
}

// Gray output by the choice's name; every other name is colour.
bool isGrayChoice(const QString& name)
{
    static const QRegularExpression gray(
        QStringLiteral("^(k?gr[ae]y(scale)?\\d*|mono(chrome)?|black(white|andwhite)?|bw|k|w|whitescale)$"),
        QRegularExpression::CaseInsensitiveOption);
    return gray.match(name).hasMatch();
}

// The Brightness choice the slider's value stands for: the choice of that number when
// every choice is named by a number, else the choice at that position.
QString brightnessChoice(ppd_option_t* option, int value)
{
    bool numbered = option->num_choices > 0;
    for (int i = 0; i < option->num_choices && numbered; ++i)
        QString::fromLatin1(option->choices[i].choice).toInt(&numbered);
    for (int i = 0; i < option->num_choices; ++i) {
        const QString name = QString::fromLatin1(option->choices[i].choice);
        if (numbered ? name.toInt() == value : i == value) return name;
    }
    return QStringLiteral("(no choice for %1)").arg(value);
}

QString base64(const QString& text) { return QString::fromLatin1(text.toUtf8().toBase64()); }

} // namespace

OptionMap expectedJobOptions(Panels& panels)
{
    OptionMap expected;
    ppd_file_t* ppd = panels.ppd();
    PrinterPDEOrvan& io = panels.imageOptions();
    PrinterJobPDEOrvan& jt = panels.jobType();

    const QComboBox* popups[] = {io.outputcolorButton, io.imagequalityButton, io.imagetypeButton,
                                 io.imageadjustButton, io.screenButton,       io.TonerSaveButton};
    for (int i = 0; i < 6; ++i) {
        if (!findOption(ppd, kPopUpKeywords[i])) continue;
        const QString shown = selectedChoiceName(popups[i]);
        if (!shown.isNull()) expected.insert(QLatin1String(kPopUpKeywords[i]), shown);
    }
    if (findOption(ppd, "GrayGuarantee") && io.GrayGuaranteeButton)
        expected.insert(QStringLiteral("GrayGuarantee"),
                        io.GrayGuaranteeButton->isChecked() ? QStringLiteral("True") : QStringLiteral("False"));
    if (ppd_option_t* brightness = findOption(ppd, "Brightness"); brightness && io.brightnessSlider)
        expected.insert(QStringLiteral("Brightness"), brightnessChoice(brightness, io.brightnessSlider->value()));
    for (int i = 0; i < colorbalance::kDensityCount; ++i) {
        ppd_option_t* option = findOption(ppd, colorbalance::densityKeyword(i));
        if (!option) continue;
        expected.insert(QLatin1String(colorbalance::densityKeyword(i)),
                        ColorBlanceRes ? QString::number(ColorBlanceRes->value(i)) : QString::fromLatin1(option->defchoice));
    }

    if (findOption(ppd, "JobType") && jt.jobtypeButton && jt.hasInited) {
        const int shown = jt.jobtypeButton->currentIndex();
        if (shown == 0) expected.insert(QStringLiteral("JobType"), QStringLiteral("Normal"));
        if (shown == 1) {
            expected.insert(QStringLiteral("JobType"), QStringLiteral("Secure"));
            if (response) {
                const auto carried = [ppd](const char* keyword, const QString& text) {
                    return host::ppdChoiceFor(ppd, QLatin1String(keyword), base64(text));
                };
                expected.insert(QStringLiteral("UserID"), carried("UserID", response->userID));
                expected.insert(QStringLiteral("SecurePrintPasscode"),
                                carried("SecurePrintPasscode", response->passcode));
                if (response->jobNameMode != 0)
                    expected.insert(QStringLiteral("NewJob"), carried("NewJob", response->newJobName));
            }
        }
    }
    return expected;
}

OptionMap carriedJobOptions(Panels& panels, const QStringList& keywords)
{
    ppd_file_t* ppd = panels.ppd();
    const host::JobOptions options = host::jobOptionsFor(ppd, panels.host().handOvers());
    OptionMap carried;
    for (const QString& keyword : keywords) {
        if (options.contains(keyword)) {
            carried.insert(keyword, options.value(keyword));
        } else if (ppd_option_t* option = findOption(ppd, keyword.toLatin1().constData())) {
            carried.insert(keyword, QString::fromLatin1(option->defchoice));
        } else {
            carried.insert(keyword, QString());
        }
    }
    return carried;
}

QString describe(const OptionMap& options, const OptionMap& against)
{
    QStringList entries;
    for (auto it = options.cbegin(); it != options.cend(); ++it) {
        const bool differs = !against.isEmpty() && against.value(it.key()) != it.value();
        entries << QStringLiteral("%1%2=%3").arg(differs ? QStringLiteral("*") : QString(), it.key(), it.value());
    }
    return entries.join(QLatin1Char(' '));
}

void checkAgreement(Panels& panels)
{
    const OptionMap expected = expectedJobOptions(panels);
    const OptionMap carried = carriedJobOptions(panels, expected.keys());
    PANELS_CHECK(carried == expected, QStringLiteral("the controls show %1\nthe job carries %2")
                                          .arg(describe(expected, carried), describe(carried, expected)));

    // The Color Balance dialog opens on the committed switch and densities.
    if (ColorBlanceRes) {
        for (int i = 0; i < colorbalance::kDensityCount; ++i) {
            const int64_t shown = CBstate ? colorbalance::workingValue(i) : 0;
            PANELS_CHECK(ColorBlanceRes->value(i) == shown,
                         QStringLiteral("density %1: committed %2, the dialog would open on %3 (switch %4)")
                             .arg(i)
                             .arg(ColorBlanceRes->value(i))
                             .arg(shown)
                             .arg(CBstate ? QStringLiteral("on") : QStringLiteral("off")));
        }
    }

    // Gray guarantee only with colour output and no toner saving; never on while disabled.
    PrinterPDEOrvan& io = panels.imageOptions();
    if (io.GrayGuaranteeButton && io.GrayGuaranteeOption) {
        const QString toner = selectedChoiceName(io.TonerSaveButton);
        const QString colour = selectedChoiceName(io.outputcolorButton);
        const bool allowed = toner == QLatin1String("0") && !colour.isNull() && !isGrayChoice(colour);
        PANELS_CHECK(!io.GrayGuaranteeButton->isEnabled() || allowed,
                     QStringLiteral("gray guarantee offered with output %1 and toner saving %2").arg(colour, toner));
        PANELS_CHECK(io.GrayGuaranteeButton->isEnabled() || !io.GrayGuaranteeButton->isChecked(),
                     QStringLiteral("gray guarantee on while it cannot be changed"));
    }
    // An image type other than Normal prints with toner saving set by the image type
    // (image type processing switched off by gray output leaves toner saving alone).
    const QString imageType = selectedChoiceName(io.imagetypeButton);
    if (!imageType.isNull() && imageType != QLatin1String("Normal") && imageType != QLatin1String("Off")
        && platform::numberOfItems(io.TonerSaveButton) > 3)
        PANELS_CHECK(platform::indexOfSelectedItem(io.TonerSaveButton) == 3,
                     QStringLiteral("image type %1 with toner saving %2")
                         .arg(imageType, selectedChoiceName(io.TonerSaveButton)));
}

// ---------------------------------------------------------------------------------

Printer::Printer(const QString& ppdPath, bool offersChoiceMarking, platform::Bundle* bundle)
    : ppdPath_(ppdPath), offersChoiceMarking_(offersChoiceMarking), bundle_(bundle)
{
    start(true);
}

Printer::~Printer()
{
    panels_.reset();
    ppd_.reset();
}

void Printer::start(bool keepPasscode)
{
    // The panels go before the description they point into.
    panels_.reset();
    ppd_.reset();
    QString error;
    ppd_ = host::openPpd(ppdPath_, &error);
    PANELS_CHECK(ppd_, error);
    host::markChoices(ppd_.get(), keptMarks_);
    panels_ = std::make_unique<Panels>(ppd_.get(), offersChoiceMarking_, bundle_);
    if (platform::PrintSettings* settings = panels_->host().printSettings()) {
        settings->values = keptRecord_;
        // Without a secret store the passcode is not kept between runs.
        if (!keepPasscode) settings->values.remove(QStringLiteral("jobtypePasscode"));
        settings->jobName = QStringLiteral("Quarterly report.pdf");
    }
    trace(QStringLiteral("start: record %1 keys, %2 marks%3")
              .arg(keptRecord_.size())
              .arg(keptMarks_.size())
              .arg(keepPasscode ? QString() : QStringLiteral(", no passcode kept")));
    panels_->open();
}

void Printer::restart(bool keepPasscode)
{
    panels_.reset();
    ppd_.reset();
    resetState();
    start(keepPasscode);
}

void Printer::reopen(bool keepPasscode) { start(keepPasscode); }

Printer::Job Printer::print(Choices& in, bool showsDialogs)
{
    Job job;
    platform::PrintSession* session = panels_->host().printSession();
    if (session) session->showsDialogs = showsDialogs;
    trace(QStringLiteral("print%1").arg(showsDialogs ? QString() : QStringLiteral(" (unattended)")));
    bool go = true;
    panels_->withDialogsDriven(in, [&] {
        for (platform::PDEPanel* panel : {static_cast<platform::PDEPanel*>(&panels_->imageOptions()),
                                          static_cast<platform::PDEPanel*>(&panels_->jobType())}) {
            if (!panel->shouldPrint()) {
                go = false;
                return;
            }
        }
    });
    if (session) session->showsDialogs = true;
    if (!go) {
        trace(QStringLiteral("  held back"));
        return job;
    }
    panels_->imageOptions().saveValuesAndReturnError(nullptr);
    panels_->jobType().saveValuesAndReturnError(nullptr);
    job.sent = true;
    job.options = host::jobOptionsFor(ppd_.get(), panels_->host().handOvers());
    if (platform::PrintSettings* settings = panels_->host().printSettings()) keptRecord_ = settings->values;
    keptMarks_ = host::markedNonDefaultChoices(ppd_.get());
    expectedAtLastJob_ = expectedJobOptions(*panels_);
    trace(QStringLiteral("  sent with %1").arg(describe(expectedAtLastJob_)));

    // A host that takes no hand-overs sends what it marked itself; only the record is the panels'.
    if (!offersChoiceMarking_) return job;
    const OptionMap carried = carriedJobOptions(*panels_, expectedAtLastJob_.keys());
    PANELS_CHECK(carried == expectedAtLastJob_, QStringLiteral("the controls show %1\nthe job was sent with %2")
                                                    .arg(describe(expectedAtLastJob_, carried),
                                                         describe(carried, expectedAtLastJob_)));
    const PrinterJobPDEOrvan& jt = panels_->jobType();
    if (jt.jobtypeButton && jt.jobtypeButton->currentIndex() == 1)
        PANELS_CHECK(response.has_value(), QStringLiteral("a Secure Print job went out with no user ID and passcode"));
    return job;
}

} // namespace panels
