#pragma once
// The "Job Type" panel: Normal Print or Secure Print. Secure Print opens the setup
// dialog; the user ID, passcode and new job name go to the host in Base64, and the
// panel keeps its own record in the print settings.
#include "jobtype/JobTypeSetup.h"
#include "platform/Bundle.h"
#include "platform/PDEPanel.h"
#include "plugin/PDEChoice.h"
#include "plugin/PDELogging.h"

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <cups/ppd.h>

#include <cstdint>
#include <memory>
#include <optional>

class QComboBox;
class QPushButton;
class QWidget;

namespace platform {
class PDEPluginCallback;
struct PrintSettings;
} // namespace platform

class PrinterJobPDEOrvan : public QObject,
                           public platform::PDEPanel,
                           public platform::LayoutOwner,
                           public PDEObject {
    Q_OBJECT

public:
    // initWithCallback:andBundle:. Never fails: what the PPD lacks stays none. Neither
    // the callback nor the bundle is owned; both outlive the panel.
    static std::unique_ptr<PrinterJobPDEOrvan> initWithCallback(platform::PDEPluginCallback* callback,
                                                                platform::Bundle* bundle);
    PrinterJobPDEOrvan(platform::PDEPluginCallback* callback, platform::Bundle* bundle);
    ~PrinterJobPDEOrvan() override;
    PrinterJobPDEOrvan(const PrinterJobPDEOrvan&) = delete;
    PrinterJobPDEOrvan& operator=(const PrinterJobPDEOrvan&) = delete;

    // Panel operations the host calls.
    QWidget* panelView() override;
    QString panelName() override;
    QString panelKind() override;
    const QStringList& supportedPPDOptionKeys() override;
    void willShow() override;
    bool shouldHide() override;
    bool shouldShowHelp() override;
    bool saveValuesAndReturnError(QString* error) override;
    bool restoreValuesAndReturnError(QString* error) override;
    bool shouldPrint() override;
    QMap<QString, QString> summaryInfo() override;
    void PPDOptionKeyValueDidChange(const QString& key, const QString& choice) override;
    void panelViewDidResize() override;

    void bindOutlets(const platform::Outlets& outlets) override;

    // The panel's own operations.
    void initializeUI();
    // Hand the text to the host in Base64 (UTF-8 bytes) as "UserID",
    // "SecurePrintPasscode" and "NewJob".
    void changejobUserIDOption(const QString& text);
    void changejobPasscodeOption(const QString& text);
    void changejobnameOption(const QString& text);

public slots:
    // Actions: the sender is the control, or null when called from code.
    void jobtypeButtonPushed(QObject* sender);
    void setupButtonPushed(QObject* sender);
    void defaultButtonPushed(QObject* sender);
    void changejobtypeModeOption(QObject* sender);

public:
    bool isNeedUpdate = false;
    // The setup dialog made last; it gives itself up when its window closes.
    QPointer<JobTypeSetup> aJobTypeSetup;
    platform::PDEPluginCallback* JobTypePDEPluginCallbackObject = nullptr;
    QString thePDEName; // null until first asked for
    // The host may reparent the view into its window and destroy it there, so the view
    // and its controls are held weakly.
    QPointer<QWidget> JobTypeView;
    QPointer<QPushButton> defaultButton;
    QPointer<QPushButton> setupButton;
    QPointer<QComboBox> jobtypeButton;
    bool useConstraintHandling = false;
    bool hasInited = false;
    QSizeF basicSize;
    std::optional<QStringList> supportedOptions;
    ppd_option_t* jobtypeOption = nullptr;

private:
    void handOver(const QString& key, const QString& choice);
    void handOverText(const QString& key, const QString& text);
    // The setup result's values to the host: job type, user ID, passcode and, in job
    // name mode 1, the new job name.
    void handOverSetupResult();
    // Runs a new setup dialog; unavailable when it cannot be loaded.
    enum class SetupOutcome { Confirmed, Cancelled, Unavailable };
    SetupOutcome runSetupDialog();
    // Runs the setup dialog and hands its confirmed result over.
    SetupOutcome setupAndHandOver();
    // The free-text options handed over with a value since the job type was last normal.
    QStringList textsHanded_;
    // A Secure Print record whose entries the setup dialog would take stands for a setup
    // confirmed in an earlier run: the setup result is made again from it. Otherwise
    // what it knows (user ID, job name mode, new job name) is kept for the dialog.
    void takeSecureEntries(const platform::PrintSettings* settings, bool secureShown);
    // The job type the pop-up shows. Until the pop-up is loaded and filled, the panel
    // keeps that position itself, so a panel the user never looked at still saves,
    // prints and summarises the job type it stands for.
    int selectedJobType() const;
    void selectJobType(int index);
    bool popUpFilled() const;

    int shownJobType_ = 0;
    // A JobType option without the "Secure" choice offers Normal Print only.
    bool secureOffered_ = true;
    // A user ID from the record, shown by the setup dialog while there is no setup result.
    QString knownUserID_;
    // The "JobType" list this panel built; a later panel replaces the shared one.
    std::shared_ptr<ChoiceList> ownChoices_;
};
