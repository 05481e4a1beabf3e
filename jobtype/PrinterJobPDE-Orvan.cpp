// The PPD functions of libcups are deprecated in CUPS 2.4 but remain the interface
// to the host's PPD; nothing else is silenced here.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "jobtype/PrinterJobPDE-Orvan.h"

#include "jobtype/B64Ecoder.h"
#include "platform/Alert.h"
#include "platform/Controls.h"
#include "platform/PDEPluginCallback.h"
#include "platform/PrintSettings.h"
#include "platform/TextValue.h"
#include "plugin/PDETool.h"

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QWidget>

#include <utility>

namespace {

// Items of the job type pop-up, in this order.
constexpr int kNormalPrint = 0;
constexpr int kSecurePrint = 1;
constexpr int kJobTypeCount = 2;

const char* const kJobTypeTitles[kJobTypeCount] = {"Normal Print", "Secure Print"};

QString localized(const char* key, const char* table = nullptr)
{
    const QString text = QString::fromUtf8(key);
    if (!pluginBundle) return text;
    return pluginBundle->localizedString(text, table ? QString::fromLatin1(table) : QString());
}

} // namespace

// ---------------------------------------------------------------------------------
// Construction

std::unique_ptr<PrinterJobPDEOrvan> PrinterJobPDEOrvan::initWithCallback(platform::PDEPluginCallback* callback,
                                                                         platform::Bundle* bundle)
{
    return std::make_unique<PrinterJobPDEOrvan>(callback, bundle);
}

PrinterJobPDEOrvan::PrinterJobPDEOrvan(platform::PDEPluginCallback* callback, platform::Bundle* bundle)
{
    VelkaRefppd = nullptr;
    JobTypePDEPluginCallbackObject = callback;
    pluginBundle = bundle;
    useConstraintHandling = callback && callback->offersChoiceMarking();
    VelkaRefppd = callback ? callback->ppdFile() : nullptr;

    const auto lookUp = [](const char* keyword) -> ppd_option_t* {
        return VelkaRefppd ? ppdFindOption(VelkaRefppd, keyword) : nullptr;
    };
    jobtypeOption = lookUp("JobType");
    ownChoices_ = std::shared_ptr<ChoiceList>(ArrayFromPPDOption(jobtypeOption));
    jobtypeChoices = ownChoices_;
    // A printer whose job types leave out Secure Print is never offered it.
    secureOffered_ = !jobtypeOption || FindChoiceForString(QStringLiteral("Secure"), ownChoices_.get());
    jobnameOption = lookUp("JobNameMode");
    jobidOption = lookUp("UserID");
    secureprintOption = lookUp("SecurePrintPasscode");
    newjobOption = lookUp("NewJob");

    // The first setup dialog of the process starts with a new job name to enter.
    if (firstRun == 0) jobnameMode = 1;

    // The pop-up, once filled, shows the job type of the process, as far as this
    // printer offers it.
    selectJobType(secureIndex);
}

PrinterJobPDEOrvan::~PrinterJobPDEOrvan()
{
    // A dialog controller still around would otherwise outlive the panel it reports to.
    delete aJobTypeSetup.data();
    // The host may have taken the view into its window and destroyed it already.
    delete JobTypeView.data();
    // The shared list points into this panel's PPD, which the host may close next.
    if (jobtypeChoices == ownChoices_) jobtypeChoices.reset();
}

// ---------------------------------------------------------------------------------
// Panel operations

QWidget* PrinterJobPDEOrvan::panelView()
{
    if (JobTypeView) return JobTypeView;
    QWidget* view = pluginBundle ? pluginBundle->loadLayout(QStringLiteral("JobTypeMain"), this) : nullptr;
    JobTypeView = view;
    basicSize = view ? QSizeF(view->size()) : QSizeF(0, 0);
    if (view) {
        view->resize(basicSize.toSize());
        // A view loaded afresh (the host destroyed the earlier one) has unfilled controls.
        hasInited = false;
    }
    return JobTypeView;
}

void PrinterJobPDEOrvan::bindOutlets(const platform::Outlets& outlets)
{
    JobTypeView = outlets.root();
    defaultButton = outlets.find<QPushButton>("defaultButton");
    setupButton = outlets.find<QPushButton>("setupButton");
    jobtypeButton = outlets.find<QComboBox>("jobtypeButton");
}

QString PrinterJobPDEOrvan::panelName()
{
    if (thePDEName.isNull()) thePDEName = localized("Job Type_Title");
    return thePDEName;
}

QString PrinterJobPDEOrvan::panelKind() { return QStringLiteral("com.PrinterJobTypePDE"); }

const QStringList& PrinterJobPDEOrvan::supportedPPDOptionKeys()
{
    if (!supportedOptions) {
        QStringList keys;
        keys.reserve(16);
        const auto announce = [&keys](ppd_option_t* option, const char* keyword) {
            if (option) keys.append(QLatin1String(keyword));
        };
        announce(jobtypeOption, "JobType");
        announce(jobidOption, "UserID");
        announce(jobnameOption, "JobNameMode");
        announce(secureprintOption, "SecurePrintPasscode");
        announce(newjobOption, "NewJob");
        supportedOptions = std::move(keys);
    }
    return *supportedOptions;
}

void PrinterJobPDEOrvan::willShow()
{
    initializeUI();
    if (firstRun != 0) selectJobType(secureIndex);
    platform::setEnabled(setupButton, selectedJobType() != kNormalPrint);
    firstRun = 1;
}

bool PrinterJobPDEOrvan::shouldHide() { return true; }

bool PrinterJobPDEOrvan::shouldShowHelp() { return true; }

bool PrinterJobPDEOrvan::saveValuesAndReturnError(QString* error)
{
    Q_UNUSED(error);
    platform::PrintSettings* settings =
        JobTypePDEPluginCallbackObject ? JobTypePDEPluginCallbackObject->printSettings() : nullptr;
    if (!settings) return true;

    // With no item shown, the job type the panel stands for is still the user's.
    const int shown = selectedJobType();
    PMPrintSettingsSetValue(settings, QStringLiteral("jobtypeSettings"),
                            QString::number(shown >= 0 ? shown : secureIndex), false);
    if (response) {
        PMPrintSettingsSetValue(settings, QStringLiteral("jobtypeUserID"), response->userID, false);
        PMPrintSettingsSetValue(settings, QStringLiteral("jobtypePasscode"), response->passcode, false);
        if (response->jobNameMode != 0)
            PMPrintSettingsSetValue(settings, QStringLiteral("jobtypeDocName"), response->newJobName, false);
    }
    return true;
}

bool PrinterJobPDEOrvan::restoreValuesAndReturnError(QString* error)
{
    Q_UNUSED(error);
    platform::PrintSettings* settings =
        JobTypePDEPluginCallbackObject ? JobTypePDEPluginCallbackObject->printSettings() : nullptr;
    if (!settings) return true;

    // A position that names no job type reads as Normal Print, as a missing key does:
    // the pop-up always shows a job type, and Secure Print is chosen only on purpose.
    QString value;
    int stored = kNormalPrint;
    if (PMPrintSettingsGetValue(settings, QStringLiteral("jobtypeSettings"), &value) == noErr) {
        const int32_t index = platform::intValue(value);
        if (index >= 0 && index < kJobTypeCount && (index != kSecurePrint || secureOffered_)) stored = index;
    }
    takeSecureEntries(settings, stored == kSecurePrint);

    // The record's entries go to the host as they stand.
    QString userID, passcode, jobName;
    const bool hasUserID = PMPrintSettingsGetValue(settings, QStringLiteral("jobtypeUserID"), &userID) == noErr;
    if (hasUserID) changejobUserIDOption(userID);
    bool passcodeHanded = false;
    if (PMPrintSettingsGetValue(settings, QStringLiteral("jobtypePasscode"), &passcode) == noErr) {
        passcodeHanded = response && response->jobNameMode != 0;
        if (passcodeHanded) changejobPasscodeOption(passcode);
    }
    const bool hasJobName = PMPrintSettingsGetValue(settings, QStringLiteral("jobtypeDocName"), &jobName) == noErr;
    if (hasJobName) changejobnameOption(jobName);

    selectJobType(stored);
    secureIndex = selectedJobType();
    platform::setEnabled(setupButton, secureIndex != 0);
    changejobtypeModeOption(nullptr);

    // A Secure Print with its setup goes out with the setup's values: where the record's
    // differ, the host is given the setup's, as printing will.
    if (secureIndex == kSecurePrint && response) {
        if (!hasUserID || userID != response->userID) changejobUserIDOption(response->userID);
        if (!passcodeHanded || passcode != response->passcode) changejobPasscodeOption(response->passcode);
        if (response->jobNameMode != 0 && (!hasJobName || jobName != response->newJobName))
            changejobnameOption(response->newJobName);
    }
    return true;
}

void PrinterJobPDEOrvan::takeSecureEntries(const platform::PrintSettings* settings, bool secureShown)
{
    QString userID;
    if (PMPrintSettingsGetValue(settings, QStringLiteral("jobtypeUserID"), &userID) != noErr) return;
    QString passcode;
    const bool passcodeKept =
        PMPrintSettingsGetValue(settings, QStringLiteral("jobtypePasscode"), &passcode) == noErr;
    QString jobName;
    const int mode =
        PMPrintSettingsGetValue(settings, QStringLiteral("jobtypeDocName"), &jobName) == noErr ? 1 : 0;

    // The dialog starts from the entries of the record, as it would after their OK.
    jobnameMode = mode;
    if (mode != 0) docName = jobName;
    knownUserID_ = userID;

    if (!secureShown || !passcodeKept || !JobTypeSetup::acceptsEntries(userID, passcode)) return;
    response = SecurePrintSetup{mode, userID, passcode, mode != 0 ? jobName : QString(),
                                localized(mode != 0 ? "Enter Name Mode" : "Use Existing Name")};
}

bool PrinterJobPDEOrvan::shouldPrint()
{
    if (selectedJobType() == kSecurePrint && !response) {
        // A Secure Print without its user ID and passcode must not go out openly: the
        // user completes the setup, or the job is held back.
        platform::PrintSession* session =
            JobTypePDEPluginCallbackObject ? JobTypePDEPluginCallbackObject->printSession() : nullptr;
        const bool canAsk = !session || session->showsDialogs;
        const SetupOutcome outcome = canAsk ? runSetupDialog() : SetupOutcome::Unavailable;
        if (outcome == SetupOutcome::Unavailable)
            platform::runAlert(localized("Secure Print needs its passcode."),
                               localized("Open the dialog and enter it under Job Type > Setup..., or choose Normal Print."));
        if (outcome != SetupOutcome::Confirmed) return false;
        handOverSetupResult();
        return true;
    }
    if (selectedJobType() == kSecurePrint) {
        handOverSetupResult();
    } else {
        // A normal job prints at once: nothing of a Secure Print set up or restored before
        // goes with it, least of all its passcode. The setup stays for a return to Secure
        // Print.
        selectJobType(kNormalPrint);
        changejobtypeModeOption(nullptr);
        for (const QString& keyword : std::exchange(textsHanded_, {})) handOver(keyword, QStringLiteral("None"));
    }
    return true;
}

QMap<QString, QString> PrinterJobPDEOrvan::summaryInfo()
{
    QString value;
    if (popUpFilled()) {
        value = platform::titleOfSelectedItem(jobtypeButton);
    } else if (shownJobType_ >= 0 && shownJobType_ < kJobTypeCount) {
        value = localized(kJobTypeTitles[shownJobType_]);
    }
    QMap<QString, QString> info;
    info.insert(localized("Job Type", "msg"), value);
    return info;
}

void PrinterJobPDEOrvan::PPDOptionKeyValueDidChange(const QString& key, const QString& choice)
{
    Q_UNUSED(key);
    Q_UNUSED(choice);
}

void PrinterJobPDEOrvan::panelViewDidResize() {}

// ---------------------------------------------------------------------------------
// Controls

void PrinterJobPDEOrvan::initializeUI()
{
    if (hasInited) return;
    platform::setStringValue(platform::viewWithTag(JobTypeView, 1), localized("Job Type"));
    platform::setTitle(platform::viewWithTag(JobTypeView, 2), localized("Setup..."));
    platform::setTitle(platform::viewWithTag(JobTypeView, 3), localized("Default"));

    platform::removeAllItems(jobtypeButton);
    platform::addItem(jobtypeButton, localized(kJobTypeTitles[kNormalPrint]));
    if (secureOffered_) platform::addItem(jobtypeButton, localized(kJobTypeTitles[kSecurePrint]));
    hasInited = true;
    selectJobType(secureIndex);
}

bool PrinterJobPDEOrvan::popUpFilled() const { return jobtypeButton && hasInited; }

int PrinterJobPDEOrvan::selectedJobType() const
{
    return popUpFilled() ? platform::indexOfSelectedItem(jobtypeButton) : shownJobType_;
}

void PrinterJobPDEOrvan::selectJobType(int index)
{
    if (index == kSecurePrint && !secureOffered_) index = kNormalPrint;
    shownJobType_ = index;
    if (popUpFilled()) platform::select(jobtypeButton, index);
}

// ---------------------------------------------------------------------------------
// Actions

void PrinterJobPDEOrvan::jobtypeButtonPushed(QObject* /*sender*/)
{
    const int before = secureIndex;
    secureIndex = selectedJobType();
    shownJobType_ = secureIndex;
    platform::setEnabled(setupButton, secureIndex != 0);
    if (secureIndex == 0) {
        changejobtypeModeOption(nullptr);
        return;
    }
    if (setupAndHandOver() == SetupOutcome::Confirmed || before != kNormalPrint
        || selectedJobType() == kNormalPrint)
        return;
    // Secure Print chosen but not confirmed: the job stays the normal one it was, and the
    // pop-up says so (an earlier setup kept in this process does not make it secure).
    selectJobType(kNormalPrint);
    secureIndex = kNormalPrint;
    platform::setEnabled(setupButton, false);
    changejobtypeModeOption(nullptr);
}

PrinterJobPDEOrvan::SetupOutcome PrinterJobPDEOrvan::runSetupDialog()
{
    QPointer<JobTypeSetup> setup = new JobTypeSetup();
    aJobTypeSetup = setup;
    QPointer<QWidget> root =
        pluginBundle ? pluginBundle->loadLayout(QStringLiteral("JobTypeSetup"), setup.data()) : nullptr;
    if (!setup || !root || setup->window() != root) {
        // No dialog window to run: nothing changes. The controller takes its window
        // with it; a root that is no dialog window goes on its own.
        delete setup.data();
        delete root.data();
        return SetupOutcome::Unavailable;
    }

    setup->knownUserID = knownUserID_;
    isNeedUpdate = setup->Start(pluginBundle);
    // Closing the window lets the controller give itself up.
    if (setup && setup->window()) setup->window()->close();
    return isNeedUpdate ? SetupOutcome::Confirmed : SetupOutcome::Cancelled;
}

void PrinterJobPDEOrvan::setupButtonPushed(QObject* sender)
{
    Q_UNUSED(sender);
    setupAndHandOver();
}

PrinterJobPDEOrvan::SetupOutcome PrinterJobPDEOrvan::setupAndHandOver()
{
    const SetupOutcome outcome = runSetupDialog();
    if (outcome == SetupOutcome::Unavailable) return outcome;

    if (response) {
        // After Cancel the host keeps what it was handed before.
        if (isNeedUpdate) handOverSetupResult();
    } else {
        // No OK yet in this process: back to a normal job, also for the next time the
        // panel shows.
        selectJobType(kNormalPrint);
        secureIndex = kNormalPrint;
        platform::setEnabled(setupButton, false);
        changejobtypeModeOption(nullptr);
    }
    return outcome;
}

void PrinterJobPDEOrvan::defaultButtonPushed(QObject* sender)
{
    Q_UNUSED(sender);
    selectJobType(kNormalPrint);
    secureIndex = kNormalPrint;
    changejobtypeModeOption(nullptr);
    platform::setEnabled(setupButton, false);
}

void PrinterJobPDEOrvan::changejobtypeModeOption(QObject* sender)
{
    Q_UNUSED(sender);
    switch (selectedJobType()) {
    case kNormalPrint:
        handOver(QStringLiteral("JobType"), QStringLiteral("Normal"));
        break;
    case kSecurePrint:
        handOver(QStringLiteral("JobType"), QStringLiteral("Secure"));
        break;
    default:
        break;
    }
}

void PrinterJobPDEOrvan::changejobUserIDOption(const QString& text)
{
    handOverText(QStringLiteral("UserID"), text);
}

void PrinterJobPDEOrvan::changejobPasscodeOption(const QString& text)
{
    handOverText(QStringLiteral("SecurePrintPasscode"), text);
}

void PrinterJobPDEOrvan::changejobnameOption(const QString& text)
{
    handOverText(QStringLiteral("NewJob"), text);
}

// ---------------------------------------------------------------------------------
// Hand-overs

void PrinterJobPDEOrvan::handOver(const QString& key, const QString& choice)
{
    if (useConstraintHandling && JobTypePDEPluginCallbackObject)
        JobTypePDEPluginCallbackObject->willChangePPDOptionKeyValue(key, choice);
}

void PrinterJobPDEOrvan::handOverText(const QString& key, const QString& text)
{
    // Any length: a value longer than the dialog admits (read back from the print
    // settings, say) is handed over whole rather than cut inside a character.
    handOver(key, QString::fromLatin1(base64_encode(text.toUtf8())));
    if (!textsHanded_.contains(key)) textsHanded_.append(key);
}

void PrinterJobPDEOrvan::handOverSetupResult()
{
    changejobtypeModeOption(nullptr);
    changejobUserIDOption(response->userID);
    changejobPasscodeOption(response->passcode);
    if (response->jobNameMode != 0) {
        changejobnameOption(response->newJobName);
    } else if (textsHanded_.removeAll(QStringLiteral("NewJob")) > 0) {
        handOver(QStringLiteral("NewJob"), QStringLiteral("None")); // the document's own name
    }
}
