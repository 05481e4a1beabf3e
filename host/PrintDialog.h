#pragma once
// The print dialog of orvan-print: the printer and the job on top, the host's own pages
// and the bundle's panels one at a time under the pane pop-up, a summary, conflicts,
// help, and printing to a CUPS queue or to a file.
#include "host/CupsWorker.h"
#include "host/FileJob.h"
#include "host/HostCallback.h"
#include "host/JobOptions.h"
#include "host/Presets.h"
#include "host/QueueDefaults.h"
#include "host/SummaryPage.h"
#include "host/Translations.h"

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QLabel;

namespace Ui {
class PrintDialogForm;
}

namespace platform {
class PDEPanel;
}

namespace host {

class DestinationModel;
class HostPage;
class LayoutPage;
class PaneStack;
class PlugInHost;
class SecretStore;
class PreviewWindow;

struct DialogOptions {
    QString bundlePath;        // empty: defaultBundlePath()
    QString ppdPath;           // for Save to File and queues without one; empty: the bundled PPD
    QString printer;           // the queue to select once it is found; empty: the default queue
    QString outputPath;        // Save to File writes here; empty: ask when printing
                               // (or the file chosen in the dialog)
    bool useServer = true;     // false: Save to File only, no server is asked
    QString presetDirectory;   // empty: $XDG_CONFIG_HOME/orvan-print
    QString panel;             // the entry shown first: its position in the pane pop-up
                               // (from 0), its title, a panel's kind or a page's key;
                               // empty: the first entry
    bool defaultsOnly = false;       // no document: the choices become the queue's
                                     // defaults (orvan-print --defaults)
    bool defaultsForEveryone = false; // with defaultsOnly: the server's, for every user
    bool unattended = false;   // nobody answers a panel's dialog (orvan-print --accept):
                               // a job a panel cannot complete without one is held back
};

class PrintDialog : public QDialog {
    Q_OBJECT
public:
    // Null with a one-line reason when the bundle cannot be loaded or the printer
    // description cannot be read.
    static std::unique_ptr<PrintDialog> create(const DialogOptions& options, const Document& document,
                                               QString* error);
    ~PrintDialog() override;

    // Asked before printing with conflicting options; true prints. The default asks
    // with a message box.
    using Confirmer = std::function<bool(const QString& message, const QString& details)>;
    void setConfirmer(Confirmer confirmer);
    // Asked for the file to write ("Choose…", or Print when Save to File has no file
    // yet); empty cancels.
    using FileChooser = std::function<QString(const QString& suggestion)>;
    void setFileChooser(FileChooser chooser);

    // The selected destination: a queue name, or empty for Save to File.
    QString currentPrinter() const { return printer_; }
    bool isFileDestination() const { return printer_.isEmpty(); }
    // The printers are listed (or the server failed), the chosen printer's description
    // is loaded, and no job is on its way.
    bool isSettled() const;
    // A job is on its way (to the server, or through the filters into the file), or the
    // settings are being kept after it.
    bool isBusy() const { return submitRequest_ != 0 || keepingSettings_ || defaultsRequest_ != 0 || fileJob_; }
    bool isDefaultsOnly() const { return options_.defaultsOnly; }

    const QList<platform::PDEPanel*>& panels() const { return panels_; }
    HostCallback* callback() const { return callback_.get(); }
    ppd_file_t* ppd() const { return ppd_.get(); }
    PresetStore& presets() { return presets_; }

    // What the notices show now (empty when hidden).
    QString serverNotice() const;
    QString presetNotice() const;
    QString conflictNotice() const;
    QString ppdNotice() const;

    // The pane pop-up's entry that `name` names (see DialogOptions::panel), or -1.
    int findPanel(const QString& name) const;
    // Shows panel `panelIndex` of the bundle (from 0), the Summary, or the entry whose
    // key (a page's key, a panel's kind) is `key`.
    void showPanel(int panelIndex);
    void showSummary();
    bool showEntry(const QString& key);
    // The job options that Print would send now (lp -o names).
    JobOptions jobOptions() const;

    // What the Print button does (Save as Defaults without a document).
    void print();

    // Writes the choices of every page and panel as the queue's defaults, for this user
    // (lpoptions) or, for an administrator, for every user (the server's). A passcode
    // and the other per-job secure-print texts are never written; choices that cannot be
    // defaults are said so and left at the printer's own.
    void saveAsDefaults(bool forEveryone);
    // Back to the queue's defaults (the server's, then the user's lpoptions): the saved
    // settings of this printer are forgotten and every page and panel starts anew.
    void resetToQueueDefaults();
    // The queue's defaults the dialog started from (empty for Save to File).
    const QueueOptions& queueDefaults() const { return queueDefaults_; }
    void showHelp();
    // Opens the preview (or brings it up) with the sheets as they will print now.
    void showPreview();
    PreviewWindow* previewWindow() const;

signals:
    void settled();
    // A printer state is complete: its panels and pages show its settings.
    void activated();
    // After the job went out (jobId 0 for a file), just before the dialog accepts.
    void printed(int jobId);
    // The job could not be submitted or written; the dialog stays open.
    void printFailed(const QString& message);
    // The choices are the queue's defaults now.
    void defaultsSaved(const QString& printer, bool forEveryone);
    // They could not be saved (the server refused or did not answer).
    void defaultsFailed(const QString& message);

public slots:
    // Cancel, Escape and the close box; ignored while a job is on its way.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // The queues' state is watched while the window is shown.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    explicit PrintDialog(const DialogOptions& options, const Document& document);
    void buildWindow();

    // Destinations.
    void addDestination(const Destination& destination);
    void enumerationFinished(const QString& error);
    void destinationChosen(int row);
    void selectDestination(const QString& printer, bool isFile);
    void ppdFetched(quint64 request, const QString& queue, const SharedPpd& ppd, const QString& error,
                    const QStringList& warnings);
    SharedPpd openFallbackPpd(QString* error, QStringList* warnings) const;
    void showPrinterState();
    void printersPolled(const QList<Destination>& queues, const QString& error);

    // A new printer state: description, callback, preset, panels, pages. The settings
    // kept in the secret store are read first (asynchronously); then completeActivation.
    void activate(const QString& printer, SharedPpd ppd, const QStringList& ppdWarnings);
    void completeActivation(const QString& printer, SharedPpd ppd, const Preset& preset,
                            const QStringList& ppdWarnings);
    // Moves secret settings that an older file holds in clear into the secret store.
    void moveSecretsOutOfFile(const QString& printer, const Preset& preset);
    QList<SummarySection> summarySections() const;
    void scheduleConstraintCheck(const QString& key, const QString& choice);
    void checkConstraints();
    void updateControls();
    void updateSettled();
    QList<HostPage*> hostPages() const;
    // The answers last in the tab order, after whatever the shown page has built.
    void orderAnswers();

    // Printing.
    void submitted(quint64 request, int jobId, const QString& error);
    void saveToFile(const QString& path, const JobOptions& options);
    void fileJobFinished(FileJob::Outcome outcome, const QString& message);
    void updateFileRow();
    // Keeps the printer's settings (secret ones in the secret store), then `then`.
    void savePreset(std::function<void()> then);
    // The choices to keep with the settings: those that differ from where the dialog
    // starts (the description's defaults, or the queue's where it names one).
    QList<HandOver> presetMarks() const;

    // Defaults.
    void buildDefaultsMenu();
    void defaultsAnswered(quint64 request, const QString& error, bool refused);
    void finishPrinting(int jobId);
    QString jobName() const;

    // First in, last out: every text of the window is made while it is installed.
    std::unique_ptr<Translations> translations_;
    DialogOptions options_;
    Document document_;
    PresetStore presets_;
    std::unique_ptr<PlugInHost> plugIn_;
    std::unique_ptr<Ui::PrintDialogForm> ui_;
    CupsClient* cups_ = nullptr;             // child
    DestinationModel* destinations_ = nullptr; // child
    PaneStack* panes_ = nullptr;             // child
    SecretStore* secrets_ = nullptr;         // child
    SummaryPage* summaryPage_ = nullptr;     // in the stack
    QList<HostPage*> leadingPages_;          // before the panels, in the stack
    QList<HostPage*> trailingPages_;         // after the panels, in the stack
    Confirmer confirmer_;
    FileChooser fileChooser_;

    // The printer state the panels and pages work on.
    QString printer_;   // empty: Save to File
    SharedPpd ppd_;
    std::unique_ptr<HostCallback> callback_;
    QList<platform::PDEPanel*> panels_;

    // Destinations and requests.
    QString wantedPrinter_;           // select when it arrives, unless the user chose
    bool userChoseDestination_ = false;
    bool enumerating_ = false;
    quint64 ppdRequest_ = 0;
    QString ppdRequestQueue_;
    quint64 submitRequest_ = 0;
    quint64 secretRequest_ = 0;       // reading the secret store for the next printer state
    quint64 lastSecretRequest_ = 0;
    QStringList secretsKept_;         // what the secret store holds for the printer now
    bool keepingSettings_ = false;    // after a job: saving the settings, then closing
    quint64 presetSaves_ = 0;         // each save of a preset counts
    bool wasSettled_ = false;

    // Constraint checks are gathered and run once after the action that changed marks.
    bool constraintCheckPending_ = false;
    QList<HandOver> pendingChanges_;

    QPointer<QDialog> helpWindow_;

    // The queue's defaults: marked before the saved settings; the PPD keywords they decide
    // go with every job by name.
    QueueOptions queueDefaults_;
    QueueOptions fetchedDefaults_;    // for the description being fetched
    QStringList queueDecided_;
    QMap<QString, QString> descriptionDefaults_; // the description's own, where the queue's stand in
    quint64 defaultsRequest_ = 0;
    bool defaultsForEveryone_ = false;
    DefaultsSelection savingDefaults_;
    LayoutPage* layoutPage_ = nullptr;     // in the stack, first
    QPointer<PreviewWindow> preview_;      // deletes itself when closed
    QPointer<FileJob> fileJob_; // child while the filters run
};

} // namespace host
