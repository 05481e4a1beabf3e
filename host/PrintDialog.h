#pragma once
// The print dialog of orvan-print: printer pop-up, copies and job name, the bundle's
// panels one at a time under a panel pop-up, a summary, conflicts, help, and printing
// to a CUPS queue or to a file.
#include "host/CupsWorker.h"
#include "host/HostCallback.h"
#include "host/JobOptions.h"
#include "host/Presets.h"
#include "host/Translations.h"

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTextBrowser;
class QToolButton;
class QTreeWidget;

namespace platform {
class PDEPanel;
}

namespace host {

class PlugInHost;

struct DialogOptions {
    QString bundlePath;        // empty: defaultBundlePath()
    QString ppdPath;           // for Save to File and queues without one; empty: the bundled PPD
    QString printer;           // the queue to select once it is found; empty: the default queue
    QString outputPath;        // Save to File writes here; empty: ask when printing
    bool useServer = true;     // false: Save to File only, no server is asked
    QString presetDirectory;   // empty: $XDG_CONFIG_HOME/orvan-print
    QString panel;             // the panel shown first: its position in the panel pop-up
                               // (from 0), its name as the pop-up shows it, or its kind;
                               // empty: the first panel
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
    // Asked for the file to write when Save to File has no output path; empty cancels.
    using FileChooser = std::function<QString(const QString& suggestion)>;
    void setFileChooser(FileChooser chooser);

    // The selected destination: a queue name, or empty for Save to File.
    QString currentPrinter() const { return printer_; }
    bool isFileDestination() const { return printer_.isEmpty(); }
    // The printers are listed (or the server failed) and the chosen printer's
    // description is loaded.
    bool isSettled() const;
    bool isBusy() const { return submitRequest_ != 0; }

    const QList<platform::PDEPanel*>& panels() const { return panels_; }
    HostCallback* callback() const { return callback_.get(); }
    ppd_file_t* ppd() const { return ppd_.get(); }
    PresetStore& presets() { return presets_; }

    // What the notices show now (empty when hidden).
    QString serverNotice() const;
    QString presetNotice() const;
    QString conflictNotice() const;

    // The position of the panel that `panel` names (see DialogOptions::panel), or -1.
    int findPanel(const QString& panel) const;

    // The panel pop-up's entry `popUpIndex`: a panel, or the summary after them.
    void showPanel(int popUpIndex);
    void showSummary();
    // What the Print button does.
    void print();
    void showHelp();

signals:
    void settled();
    // After the job went out (jobId 0 for a file), just before the dialog accepts.
    void printed(int jobId);
    // The job could not be submitted or written; the dialog stays open.
    void printFailed(const QString& message);

public slots:
    // Cancel, Escape and the close box; ignored while a job is on its way.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    explicit PrintDialog(const DialogOptions& options, const Document& document);
    void buildWindow();

    // Destinations.
    void addDestination(const Destination& destination);
    void enumerationFinished(const QString& error);
    void destinationChosen(int index);
    void selectDestination(const QString& printer, bool isFile);
    void ppdFetched(quint64 request, const QString& queue, const SharedPpd& ppd, const QString& error);
    SharedPpd openFallbackPpd(QString* error) const;

    // A new printer state: description, callback, preset, panels.
    void activate(const QString& printer, SharedPpd ppd);
    void clearPages();
    void orderTabChain();
    void showPage(int index);
    void showInStack(QWidget* page);
    void refreshSummary();
    void updatePanelPopUp();
    void scheduleConstraintCheck(const QString& key, const QString& choice);
    void checkConstraints();
    void updateControls();
    void updateSettled();

    // Printing.
    bool writeToFile(const QString& path, const JobOptions& options, QString* error);
    void submitted(quint64 request, int jobId, const QString& error);
    void savePreset();
    void finishPrinting(int jobId);
    QString jobName() const;

    // First in, last out: every text of the window is made while it is installed.
    std::unique_ptr<Translations> translations_;
    DialogOptions options_;
    Document document_;
    PresetStore presets_;
    std::unique_ptr<PlugInHost> plugIn_;
    CupsClient* cups_ = nullptr; // child
    Confirmer confirmer_;
    FileChooser fileChooser_;

    // The printer state the panels work on.
    QString printer_;   // empty: Save to File
    SharedPpd ppd_;
    std::unique_ptr<HostCallback> callback_;
    QList<platform::PDEPanel*> panels_;
    QList<QPointer<QWidget>> pages_; // one per panel, in the stack

    // Destinations and requests.
    QString wantedPrinter_;           // select when it arrives, unless the user chose
    bool userChoseDestination_ = false;
    bool enumerating_ = false;
    quint64 ppdRequest_ = 0;
    QString ppdRequestQueue_;
    quint64 submitRequest_ = 0;
    JobOptions submittedOptions_;
    bool wasSettled_ = false;

    // Constraint checks are gathered and run once after the action that changed marks.
    bool constraintCheckPending_ = false;
    QList<HandOver> pendingChanges_;

    // Widgets (children of the dialog).
    QComboBox* printerPopUp_ = nullptr;
    QSpinBox* copiesField_ = nullptr;
    QLineEdit* jobNameField_ = nullptr;
    QLabel* serverNotice_ = nullptr;
    QLabel* presetNotice_ = nullptr;
    QComboBox* panelPopUp_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QWidget* emptyPage_ = nullptr;
    QLabel* emptyText_ = nullptr;
    QTreeWidget* summaryView_ = nullptr;
    QWidget* conflictRow_ = nullptr;
    QLabel* conflictText_ = nullptr;
    QToolButton* helpButton_ = nullptr;
    QPushButton* summaryButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QLabel* busyText_ = nullptr;
    QPointer<QDialog> helpWindow_;
};

} // namespace host
