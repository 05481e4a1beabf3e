#include "host/PrintDialog.h"

#include "host/DestinationModel.h"
#include "host/FeaturesPage.h"
#include "host/FileDestination.h"
#include "host/FileJob.h"
#include "host/HostPage.h"
#include "host/LayoutPage.h"
#include "host/PaneStack.h"
#include "host/PlugInHost.h"
#include "host/SecretStore.h"
#include "host/Summary.h"
#include "host/PreviewWindow.h"
#include "ui_PrintDialog.h"

#include "platform/Alert.h"
#include "platform/Help.h"
#include "platform/PDEPanel.h"
#include "platform/PrintSettings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QStyle>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace host {

namespace {

// A notice: a wrapping text under the top row, hidden while it has no text.
void setNotice(QLabel* label, const QString& text, bool warning)
{
    label->setText(text);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, warning ? QColor(0xa0, 0x3c, 0x00)
                                                   : QApplication::palette().color(QPalette::PlaceholderText));
    label->setPalette(palette);
    label->setVisible(!text.isEmpty());
}

QString capitalised(const QString& text) { return text.left(1).toUpper() + text.mid(1); }

// How long the printer list may take before the dialog says it is looking.
constexpr int kSlowServerMs = 500;

} // namespace

std::unique_ptr<PrintDialog> PrintDialog::create(const DialogOptions& options, const Document& document,
                                                 QString* error)
{
    const QString bundlePath = options.bundlePath.isEmpty() ? defaultBundlePath() : options.bundlePath;
    // The user's language for every text of the window, its title first.
    std::unique_ptr<Translations> translations = Translations::install(bundlePath);
    std::unique_ptr<PrintDialog> dialog(new PrintDialog(options, document));
    dialog->translations_ = std::move(translations);
    dialog->plugIn_ = PlugInHost::load(bundlePath, error);
    if (!dialog->plugIn_) return nullptr;
    if (dialog->options_.ppdPath.isEmpty()) dialog->options_.ppdPath = bundledPpdPath(bundlePath);
    QStringList warnings;
    SharedPpd ppd = dialog->openFallbackPpd(error, &warnings);
    if (!ppd) return nullptr;

    dialog->buildWindow();
    dialog->activate(QString(), std::move(ppd), warnings);
    // The first state is complete before the window shows (and --panel is looked up).
    if (dialog->secretRequest_ != 0) {
        PrintDialog* raw = dialog.get();
        QEventLoop wait;
        const QMetaObject::Connection done = connect(raw, &PrintDialog::activated, &wait, &QEventLoop::quit);
        if (raw->secretRequest_ != 0) wait.exec(QEventLoop::ExcludeUserInputEvents);
        disconnect(done);
    }
    if (!options.panel.isEmpty()) {
        const int entry = dialog->findPanel(options.panel);
        if (entry < 0) {
            QStringList known;
            const QStringList titles = dialog->panes_->entryTitles();
            for (int i = 0; i < titles.size(); ++i) known << QStringLiteral("%1 \u201c%2\u201d").arg(i).arg(titles.at(i));
            *error = QStringLiteral("no panel \u201c%1\u201d; the panels are %2")
                         .arg(options.panel, known.isEmpty() ? QStringLiteral("none") : known.join(QStringLiteral(", ")));
            return nullptr;
        }
        dialog->panes_->showEntry(entry);
    }
    if (options.useServer) {
        dialog->wantedPrinter_ = options.printer;
        dialog->enumerating_ = true;
        // Said only when the answer is slow: a notice that came and went at once would
        // make the window jump under the user's eyes.
        PrintDialog* raw = dialog.get();
        QTimer::singleShot(kSlowServerMs, raw, [raw] {
            if (raw->enumerating_)
                setNotice(raw->ui_->serverNotice, tr("Looking for printers on %1\u2026").arg(CupsClient::serverName()),
                          false);
        });
        dialog->cups_->enumerate();
    }
    dialog->updateFileRow();
    dialog->updateSettled();
    return dialog;
}

PrintDialog::PrintDialog(const DialogOptions& options, const Document& document)
    : options_(options), document_(document), presets_(options.presetDirectory)
{
    confirmer_ = [this](const QString& message, const QString& details) {
        QMessageBox box(QMessageBox::Warning, tr("Print"), message, QMessageBox::NoButton, this);
        box.setInformativeText(details);
        QPushButton* anyway = box.addButton(tr("Print Anyway"), QMessageBox::AcceptRole);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
        box.exec();
        return box.clickedButton() == anyway;
    };
    fileChooser_ = [this](const QString& suggestion) {
        return QFileDialog::getSaveFileName(this, tr("Save to File"), suggestion);
    };
    cups_ = new CupsClient(this);
    secrets_ = new SecretStore(this);
    connect(cups_, &CupsClient::destinationFound, this, &PrintDialog::addDestination);
    connect(cups_, &CupsClient::enumerationFinished, this, &PrintDialog::enumerationFinished);
    connect(cups_, &CupsClient::ppdFetched, this, &PrintDialog::ppdFetched);
    connect(cups_, &CupsClient::submitted, this, &PrintDialog::submitted);
    connect(cups_, &CupsClient::queueDefaultsFetched, this,
            [this](quint64 request, const QString&, const QueueOptions& defaults) {
                if (request == ppdRequest_) fetchedDefaults_ = defaults;
            });
    connect(cups_, &CupsClient::defaultsSaved, this, &PrintDialog::defaultsAnswered);
    connect(cups_, &CupsClient::polled, this, &PrintDialog::printersPolled);
}

PrintDialog::~PrintDialog()
{
    // The panels hold the callback and the printer description, and their views hold
    // raw pointers into the panels: the panels go first, while everything is alive.
    if (preview_) delete preview_.data();
    if (plugIn_) plugIn_->releasePanels();
    panels_.clear();
    if (panes_) panes_->clearPanels();
    if (helpWindow_) delete helpWindow_.data();
    // The worker may still answer; its answers are dropped with the client.
    delete cups_;
    cups_ = nullptr;
    callback_.reset();
    ppd_.reset();
    plugIn_.reset();
}

void PrintDialog::setConfirmer(Confirmer confirmer) { confirmer_ = std::move(confirmer); }
void PrintDialog::setFileChooser(FileChooser chooser) { fileChooser_ = std::move(chooser); }

void PrintDialog::buildWindow()
{
    ui_ = std::make_unique<Ui::PrintDialogForm>();
    ui_->setupUi(this);
    setWindowTitle(tr("Print \u201c%1\u201d").arg(document_.name));

    destinations_ = new DestinationModel(this);
    ui_->printerPopUp->setModel(destinations_);
    ui_->printerPopUp->setCurrentIndex(destinations_->fileRow());
    connect(ui_->printerPopUp, &QComboBox::activated, this, &PrintDialog::destinationChosen);

    // Save to File's row: the file (--output's, or chosen), and the format.
    FileDestination* file = ui_->fileDestination;
    file->setChooser([this](const QString& suggestion) { return fileChooser_ ? fileChooser_(suggestion) : QString(); });
    file->setDocumentName(document_.name);
    file->setPath(options_.outputPath);
    ui_->fileLabel->setBuddy(file->firstControl());
    QWidget::setTabOrder(ui_->copiesField, file->firstControl());
    QWidget::setTabOrder(file->firstControl(), file->lastControl());
    QWidget::setTabOrder(file->lastControl(), ui_->jobNameField);

    ui_->copiesField->setValue(1);
    ui_->jobNameField->setText(document_.name);
    connect(ui_->jobNameField, &QLineEdit::textChanged, this, [this] {
        if (callback_ && callback_->printSettings()) callback_->printSettings()->jobName = jobName();
    });

    panes_ = new PaneStack(ui_->panelPopUp, ui_->panelStack, this);
    layoutPage_ = new LayoutPage;
    leadingPages_.append(layoutPage_);
    summaryPage_ = new SummaryPage([this] { return summarySections(); });
    trailingPages_.append(new FeaturesPage);
    panes_->setHostPages(leadingPages_, trailingPages_, summaryPage_);
    for (HostPage* page : hostPages())
        connect(page, &HostPage::choicesChanged, this, [this] { scheduleConstraintCheck(QString(), QString()); });
    // A host page builds its controls when first shown: the answers go after them again.
    connect(panes_, &PaneStack::shown, this, &PrintDialog::orderAnswers);

    connect(ui_->helpButton, &QToolButton::clicked, this, &PrintDialog::showHelp);
    connect(ui_->summaryButton, &QPushButton::clicked, this, &PrintDialog::showSummary);
    connect(ui_->previewButton, &QPushButton::clicked, this, &PrintDialog::showPreview);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->printButton, &QPushButton::clicked, this, &PrintDialog::print);
    const int answerWidth =
        std::max({ui_->cancelButton->sizeHint().width(), ui_->printButton->sizeHint().width(), 88});
    ui_->cancelButton->setMinimumWidth(answerWidth);
    ui_->printButton->setMinimumWidth(answerWidth);

    buildDefaultsMenu();

    ui_->printerPopUp->setFocus();
}

void PrintDialog::orderAnswers()
{
    panes_->orderTabChain(this, {ui_->helpButton, ui_->summaryButton, ui_->previewButton, ui_->defaultsButton,
                                 ui_->cancelButton, ui_->printButton});
}

QList<HostPage*> PrintDialog::hostPages() const { return leadingPages_ + trailingPages_; }

// ---------------------------------------------------------------------------------
// Destinations

void PrintDialog::addDestination(const Destination& destination)
{
    destinations_->upsert(destination);
    if (destination.name == printer_) showPrinterState();

    if (userChoseDestination_) return;
    if (!wantedPrinter_.isEmpty()) {
        if (destination.name == wantedPrinter_) selectDestination(destination.name, false);
        return;
    }
    // A file was asked for: the queues are only offered.
    if (options_.outputPath.isEmpty() && destination.isDefault) selectDestination(destination.name, false);
}

void PrintDialog::enumerationFinished(const QString& error)
{
    enumerating_ = false;
    const int queues = destinations_->queueCount();
    if (!error.isEmpty()) {
        setNotice(ui_->serverNotice, tr("%1. Save to File still works.").arg(capitalised(error)), true);
    } else if (!wantedPrinter_.isEmpty() && destinations_->rowOf(wantedPrinter_) < 0) {
        setNotice(ui_->serverNotice,
                  tr("There is no printer named \u201c%1\u201d on %2.").arg(wantedPrinter_, CupsClient::serverName()),
                  true);
    } else if (queues == 0) {
        setNotice(ui_->serverNotice, tr("No printers on %1.").arg(CupsClient::serverName()), false);
    } else {
        setNotice(ui_->serverNotice, QString(), false);
    }
    // Without a default queue the first one is chosen, unless a file was asked for.
    if (error.isEmpty() && !userChoseDestination_ && wantedPrinter_.isEmpty() && options_.outputPath.isEmpty() &&
        printer_.isEmpty() && ppdRequest_ == 0 && queues > 0)
        selectDestination(destinations_->index(0).data(DestinationModel::QueueRole).toString(), false);
    updateFileRow();
    updateSettled();
}

void PrintDialog::destinationChosen(int row)
{
    userChoseDestination_ = true;
    const QModelIndex index = destinations_->index(row);
    selectDestination(index.data(DestinationModel::QueueRole).toString(),
                      index.data(DestinationModel::IsFileRole).toBool());
}

void PrintDialog::selectDestination(const QString& printer, bool isFile)
{
    // Show the choice in the pop-up (it may come from code).
    const int row = isFile ? destinations_->fileRow() : destinations_->rowOf(printer);
    if (row >= 0) ui_->printerPopUp->setCurrentIndex(row);
    const QString target = isFile ? QString() : printer;
    if (target == printer_) {
        // Back to the printer in use while another one loaded: keep what the panels hold.
        ppdRequest_ = 0;
        ppdRequestQueue_.clear();
        updateControls();
        updateSettled();
        return;
    }
    if (ppdRequest_ != 0 && ppdRequestQueue_ == target) return;

    if (isFile) {
        ppdRequest_ = 0;
        ppdRequestQueue_.clear();
        queueDefaults_.clear();
        QString error;
        QStringList warnings;
        SharedPpd ppd = openFallbackPpd(&error, &warnings);
        if (!ppd) {
            platform::runAlert(tr("The printer description cannot be read."), error);
            updateSettled();
            return;
        }
        activate(QString(), std::move(ppd), warnings);
        updateControls();
        updateSettled();
        return;
    }
    ppdRequestQueue_ = printer;
    ppdRequest_ = cups_->fetchPpd(printer);
    updateControls();
    updateSettled();
}

void PrintDialog::ppdFetched(quint64 request, const QString& queue, const SharedPpd& ppd, const QString& error,
                             const QStringList& warnings)
{
    if (request != ppdRequest_) return; // the user has moved on; the description closes with `ppd`
    ppdRequest_ = 0;
    queueDefaults_ = std::exchange(fetchedDefaults_, {});
    ppdRequestQueue_.clear();
    updateControls();
    SharedPpd description = ppd;
    QStringList damage = warnings;
    if (!description) {
        if (!error.isEmpty())
            setNotice(ui_->serverNotice, tr("%1; the options shown are the bundled ones.").arg(capitalised(error)),
                      true);
        QString fallbackError;
        description = openFallbackPpd(&fallbackError, &damage);
        if (!description) {
            platform::runAlert(tr("The printer description cannot be read."), fallbackError);
            updateSettled();
            return;
        }
    }
    activate(queue, std::move(description), damage);
    updateSettled();
}

SharedPpd PrintDialog::openFallbackPpd(QString* error, QStringList* warnings) const
{
    PpdPtr ppd = openPpd(options_.ppdPath, error, warnings);
    if (!ppd) return nullptr;
    return SharedPpd(ppd.release(), PpdCloser());
}

void PrintDialog::showPrinterState()
{
    const Destination* destination = printer_.isEmpty() ? nullptr : destinations_->destination(printer_);
    QStringList parts;
    if (destination) {
        if (!destination->location.isEmpty()) parts << destination->location;
        const QString state = DestinationModel::stateText(*destination);
        if (!state.isEmpty()) parts << state;
    }
    setNotice(ui_->printerState, parts.join(QStringLiteral(" \u2014 ")), false);
}

void PrintDialog::printersPolled(const QList<Destination>& queues, const QString& error)
{
    // A server that does not answer now keeps what it said before.
    if (!error.isEmpty()) return;
    destinations_->sync(queues, printer_);
    showPrinterState();
}

// ---------------------------------------------------------------------------------
// Printer state, panels and pages

void PrintDialog::activate(const QString& printer, SharedPpd ppd, const QStringList& ppdWarnings)
{
    // A fresh state: the description has its defaults marked; this printer's saved
    // choices are marked again and its saved records restored below.
    Preset preset;
    QString problem;
    const PresetStore::Status status = presets_.load(printer, &preset, &problem);
    if (status == PresetStore::Status::Damaged) {
        qWarning("orvan-print: saved settings are damaged and were not used: %s", qPrintable(problem));
        setNotice(ui_->presetNotice,
                  tr("The saved settings of %1 are damaged; the defaults are shown. They are replaced "
                     "when you print. (%2)")
                      .arg(printer.isEmpty() ? tr("Save to File") : printer, problem),
                  true);
    } else {
        setNotice(ui_->presetNotice, QString(), false);
    }

    secretRequest_ = 0;
    bool inFile = false;
    for (const QString& key : plugIn_->secretSettings()) inFile = inFile || preset.settings.contains(key);
    if (inFile) {
        // An older file holds them in clear: used now, and moved out of it.
        moveSecretsOutOfFile(printer, preset);
        completeActivation(printer, std::move(ppd), preset, ppdWarnings);
        return;
    }
    if (preset.secretsKept.isEmpty()) {
        completeActivation(printer, std::move(ppd), preset, ppdWarnings);
        return;
    }
    const quint64 request = ++lastSecretRequest_;
    secretRequest_ = request;
    updateControls();
    secrets_->read(printer, [this, request, printer, ppd, preset, ppdWarnings](const SecretStore::Secrets& secrets,
                                                                               const QString& why) mutable {
        if (request != secretRequest_) return; // another printer was chosen meanwhile
        secretRequest_ = 0;
        if (!why.isEmpty()) qWarning("orvan-print: the secret store cannot be read: %s", qPrintable(why));
        preset.secretsKept = secrets.keys();
        for (auto it = secrets.cbegin(); it != secrets.cend(); ++it) preset.settings.insert(it.key(), it.value());
        completeActivation(printer, std::move(ppd), preset, ppdWarnings);
        updateControls();
        updateSettled();
    });
}

void PrintDialog::moveSecretsOutOfFile(const QString& printer, const Preset& preset)
{
    SecretStore::Secrets secret;
    Preset rest = preset;
    for (const QString& key : plugIn_->secretSettings())
        if (rest.settings.contains(key)) secret.insert(key, rest.settings.take(key));
    const quint64 saves = presetSaves_;
    secrets_->write(printer, secret, [this, printer, rest, secret, saves](bool kept, const QString&) mutable {
        // A save since (a job printed) wrote the file anew already.
        if (saves != presetSaves_) return;
        rest.secretsKept = kept ? secret.keys() : QStringList();
        if (printer == printer_) secretsKept_ = rest.secretsKept;
        QString error;
        if (!presets_.save(printer, rest, &error))
            qWarning("orvan-print: the settings could not be kept: %s", qPrintable(error));
    });
}

void PrintDialog::completeActivation(const QString& printer, SharedPpd ppd, const Preset& preset,
                                     const QStringList& ppdWarnings)
{
    secretsKept_ = preset.secretsKept;
    // The queue's defaults first (what `lp` starts from), then what this user kept.
    if (ppd != ppd_) descriptionDefaults_.clear();
    const QueueMarks queueMarks = applyQueueDefaults(ppd.get(), queueDefaults_, descriptionDefaults_);
    queueDecided_ = queueMarks.decided;
    descriptionDefaults_ = queueMarks.descriptionDefaults;
    markChoices(ppd.get(), preset.marked);
    // A damaged description is used as far as it could be read, and said so.
    const QString described = printer.isEmpty() ? QDir::toNativeSeparators(options_.ppdPath) : printer;
    for (const QString& warning : ppdWarnings)
        qWarning("orvan-print: warning: the printer description of %s: %s", qPrintable(described), qPrintable(warning));
    setNotice(ui_->ppdNotice,
              ppdWarnings.isEmpty()
                  ? QString()
                  : tr("The printer description of %1 looks damaged; some of its options may be missing. %2")
                        .arg(described, ppdWarnings.join(QStringLiteral("; "))),
              true);

    auto callback = std::make_unique<HostCallback>(ppd.get());
    auto settings = std::make_unique<platform::PrintSettings>();
    settings->values = preset.settings;
    if (!preset.jobName.isEmpty()) {
        const QSignalBlocker block(ui_->jobNameField);
        ui_->jobNameField->setText(preset.jobName);
    }
    settings->jobName = jobName();
    callback->setPrintSettings(std::move(settings));
    auto session = std::make_unique<platform::PrintSession>();
    session->destinationType = printer.isEmpty() ? platform::kPMDestinationFile : platform::kPMDestinationPrinter;
    session->showsDialogs = !options_.unattended;
    callback->setPrintSession(std::move(session));

    // The old panels go when the plug-in answers the new ones; they still hold the old
    // callback and description, which therefore live until then.
    pendingChanges_.clear();
    if (callback_) callback_->setObserver({});
    const QString shownKey = panes_->shownKey();
    panes_->clearPanels();
    // The bundle's panels are for the printers whose description names the bundle.
    if (dialogExtensionOf(ppd.get()) == QFileInfo(plugIn_->bundlePath()).fileName()) {
        panels_ = plugIn_->printerModulePanels(callback.get());
    } else {
        plugIn_->releasePanels();
        panels_.clear();
    }
    callback_ = std::move(callback);
    ppd_ = std::move(ppd);
    printer_ = printer;
    callback_->setObserver([this](const QString& key, const QString& choice) { scheduleConstraintCheck(key, choice); });

    PrinterContext context;
    context.printer = printer_;
    context.ppd = ppd_.get();
    context.callback = callback_.get();
    context.destination = printer_.isEmpty() ? nullptr : destinations_->destination(printer_);
    context.document = &document_;
    context.queueDefaults = queueDefaults_;
    for (platform::PDEPanel* panel : std::as_const(panels_)) context.panelKeywords << panel->supportedPPDOptionKeys();
    context.ownedKeywords = context.panelKeywords;
    for (HostPage* page : hostPages()) context.ownedKeywords << page->ownedKeywords();
    for (HostPage* page : hostPages()) page->bind(context, preset.options);
    // A queue that left the server while in use goes once another is chosen.
    destinations_->dropGone(printer_);
    if (printer_.isEmpty()) {
        ui_->fileDestination->setPrinterDataSuffix(FileJob::printerDataSuffix(ppd_.get()));
        ui_->fileDestination->setFolder(preset.options.value(QStringLiteral("file-folder")));
        ui_->fileDestination->setFormat(preset.options.value(QStringLiteral("file-format")) == QLatin1String("pdf")
                                            ? FileJob::Format::Pdf
                                            : FileJob::Format::PrinterData);
    }
    updateFileRow();

    // panelView before willShow; the controls are filled before the record is applied,
    // so that what the record restores is what the panel shows.
    const QString name = printer.isEmpty() ? tr("Save to File") : printer;
    panes_->setPanels(panels_,
                      tr("<p style='font-size:large'>No options for %1</p>"
                         "<p>The Orvan printer extension offers no panels for this printer. "
                         "The job is printed with the printer's defaults.</p>")
                          .arg(name.toHtmlEscaped()));
    for (platform::PDEPanel* panel : std::as_const(panels_)) panel->willShow();
    orderAnswers();
    for (platform::PDEPanel* panel : std::as_const(panels_)) panel->restoreValuesAndReturnError(nullptr);
    // The page shown before is shown again, with what the restore changed.
    panes_->showKeyOrFirst(shownKey);
    showPrinterState();
    checkConstraints();
    updateControls();
    emit activated();
}

QList<SummarySection> PrintDialog::summarySections() const
{
    QList<SummarySection> sections;
    SummarySection job{tr("Job"), {}};
    job.rows.append({tr("Printer:"), printer_.isEmpty() ? tr("Save to File") : printer_});
    job.rows.append({tr("Job name:"), jobName()});
    job.rows.append({tr("Copies:"), QString::number(ui_->copiesField->value())});
    job.rows.append({tr("Document:"),
                     document_.path.isEmpty() ? document_.name : QDir::toNativeSeparators(document_.path)});
    if (printer_.isEmpty()) {
        const QString file = ui_->fileDestination->path();
        job.rows.append({tr("File:"), file.isEmpty() ? tr("chosen when you print") : QDir::toNativeSeparators(file)});
        job.rows.append({tr("Format:"), ui_->fileDestination->format() == FileJob::Format::Pdf ? tr("PDF document")
                                                                                                 : tr("Printer data")});
    }
    sections.append(job);

    const auto pageSource = [](HostPage* page) {
        SummarySource source{page->title(), page->ownedKeywords(), {}, {}};
        JobOptions own;
        page->addJobOptions(&own);
        for (const auto& option : own.items())
            if (!source.keywords.contains(option.first)) source.keywords << option.first;
        source.describe = [page](const QString& option, const QString& value, SummaryRow* row) {
            return page->describeJobOption(option, value, &row->key, &row->value);
        };
        return source;
    };

    // The Layout and Paper page words its own section.
    sections.append(layoutPage_->summary());
    const QStringList layoutOptions = pageSource(layoutPage_).keywords;

    // Everything else is what Print would send, by who shows it, asked anew each time.
    SummaryInput input;
    input.ppd = ppd_.get();
    const JobOptions sent = jobOptions();
    for (const auto& option : sent.items())
        if (!layoutOptions.contains(option.first)) input.options.set(option.first, option.second);
    input.encodings = plugIn_->optionEncodings();
    input.secretOptions = plugIn_->secretOptions();
    input.otherTitle = tr("Other options");
    for (HostPage* page : leadingPages_)
        if (page != layoutPage_) input.sources.append(pageSource(page));
    for (platform::PDEPanel* panel : panels_)
        input.sources.append({panel->panelName(), panel->supportedPPDOptionKeys(), panel->summaryInfo(), {}});
    for (HostPage* page : trailingPages_) input.sources.append(pageSource(page));
    sections.append(summarize(input));
    return sections;
}

int PrintDialog::findPanel(const QString& name) const { return panes_->findEntry(name); }

void PrintDialog::showPanel(int panelIndex) { panes_->showPanel(panelIndex); }

void PrintDialog::showSummary() { panes_->showSummary(); }

bool PrintDialog::showEntry(const QString& key) { return panes_->showKey(key); }

void PrintDialog::scheduleConstraintCheck(const QString& key, const QString& choice)
{
    if (!key.isEmpty()) pendingChanges_.append({key, choice});
    if (constraintCheckPending_) return;
    constraintCheckPending_ = true;
    // After the action has made all its hand-overs.
    QTimer::singleShot(0, this, [this] {
        constraintCheckPending_ = false;
        const QList<HandOver> changes = std::exchange(pendingChanges_, {});
        for (const HandOver& change : changes)
            for (platform::PDEPanel* panel : std::as_const(panels_))
                panel->PPDOptionKeyValueDidChange(change.first, change.second);
        checkConstraints();
    });
}

void PrintDialog::checkConstraints()
{
    if (preview_) preview_->setPrintLayout(layoutPage_->printLayout(jobOptions()));
    const QStringList conflicts = conflictingOptions(ppd_.get());
    if (conflicts.isEmpty()) {
        ui_->conflictNotice->clear();
        ui_->conflictRow->setVisible(false);
        return;
    }
    ui_->conflictNotice->setText(tr("Conflicting options: %1").arg(conflicts.join(QStringLiteral(", "))));
    if (ui_->conflictIcon->pixmap().isNull()) {
        // Made when first needed: a style icon costs the start-up a good part of a millisecond.
        const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize);
        ui_->conflictIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize, iconSize));
    }
    ui_->conflictRow->setVisible(true);
}

QString PrintDialog::serverNotice() const
{
    return ui_->serverNotice->isVisibleTo(this) ? ui_->serverNotice->text() : QString();
}
QString PrintDialog::presetNotice() const
{
    return ui_->presetNotice->isVisibleTo(this) ? ui_->presetNotice->text() : QString();
}
QString PrintDialog::ppdNotice() const
{
    return ui_->ppdNotice->isVisibleTo(this) ? ui_->ppdNotice->text() : QString();
}
QString PrintDialog::conflictNotice() const
{
    return ui_->conflictRow->isVisibleTo(this) ? ui_->conflictNotice->text() : QString();
}

void PrintDialog::updateControls()
{
    // Loading a description: the old panels are not this printer's, so they rest.
    // Sending a job: nothing may change under it.
    const bool loading = ppdRequest_ != 0 || secretRequest_ != 0;
    const bool sending = isBusy();
    if (fileJob_) {
        // A long name is elided: the window keeps its size while it saves.
        const QString file = ui_->busyText->fontMetrics().elidedText(QFileInfo(fileJob_->request().path).fileName(),
                                                                     Qt::ElideMiddle, 200);
        ui_->busyText->setText(fileJob_->step().isEmpty() ? tr("Saving %1\u2026").arg(file)
                                                          : tr("Saving %1: %2\u2026").arg(file, fileJob_->step()));
    } else if (defaultsRequest_ != 0) ui_->busyText->setText(tr("Saving the defaults of %1\u2026").arg(printer_));
    else if (keepingSettings_) ui_->busyText->setText(tr("Keeping the settings\u2026"));
    else if (sending) ui_->busyText->setText(tr("Sending to %1\u2026").arg(printer_));
    else if (secretRequest_ != 0) ui_->busyText->setText(tr("Reading the secret store\u2026"));
    else if (loading) ui_->busyText->setText(tr("Loading the options of %1\u2026").arg(ppdRequestQueue_));
    else ui_->busyText->clear();
    ui_->printButton->setEnabled(!loading && !sending);
    ui_->printerPopUp->setEnabled(!sending);
    ui_->copiesField->setEnabled(!sending);
    ui_->jobNameField->setEnabled(!sending);
    ui_->fileDestination->setEnabled(!sending);
    ui_->panelPopUp->setEnabled(!loading && !sending);
    ui_->panelStack->setEnabled(!loading && !sending);
    ui_->summaryButton->setEnabled(!loading && !sending);
    ui_->defaultsButton->setEnabled(!loading && !sending);
    // Save to File has no queue to keep defaults for.
    if (QMenu* menu = ui_->defaultsButton->menu())
        for (QAction* action : menu->actions())
            if (action->objectName().startsWith(QLatin1String("saveDefaults"))) action->setEnabled(!isFileDestination());
    if (options_.defaultsOnly) ui_->printButton->setEnabled(!loading && !sending && !isFileDestination());
    ui_->previewButton->setEnabled(!loading && !sending);
    updateFileRow();
}

bool PrintDialog::isSettled() const
{
    return !enumerating_ && ppdRequest_ == 0 && secretRequest_ == 0 && !isBusy();
}

void PrintDialog::updateSettled()
{
    const bool now = isSettled();
    if (now && !wasSettled_) {
        wasSettled_ = true;
        emit settled();
        return;
    }
    wasSettled_ = now;
}

QString PrintDialog::jobName() const
{
    const QString name = ui_->jobNameField->text().trimmed();
    return name.isEmpty() ? document_.name : name;
}

void PrintDialog::showHelp()
{
    const QString index = platform::helpBookIndex(plugIn_->bundlePath());
    if (index.isEmpty()) {
        platform::runAlert(tr("No help is available."), tr("The printer extension has no help book."));
        return;
    }
    if (!helpWindow_) {
        auto* window = new QDialog(this, Qt::Window);
        window->setObjectName(QStringLiteral("helpWindow"));
        window->setWindowTitle(tr("Orvan Printer Help"));
        auto* layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* browser = new QTextBrowser(window);
        browser->setObjectName(QStringLiteral("helpBrowser"));
        browser->setOpenExternalLinks(true);
        layout->addWidget(browser);
        window->resize(560, 520);
        helpWindow_ = window;
    }
    auto* browser = helpWindow_->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    browser->setSource(QUrl::fromLocalFile(index));
    helpWindow_->show();
    helpWindow_->raise();
}

void PrintDialog::showPreview()
{
    if (!preview_) preview_ = new PreviewWindow(layoutPage_->previewService(), document_, this);
    preview_->setPrintLayout(layoutPage_->printLayout(jobOptions()));
    preview_->show();
    preview_->raise();
    preview_->activateWindow();
}

PreviewWindow* PrintDialog::previewWindow() const { return preview_.data(); }

void PrintDialog::reject()
{
    if (fileJob_) {
        fileJob_->cancel(); // stops the filters; the dialog stays, nothing written
        return;
    }
    if (isBusy()) return; // the server's answer decides what happens next
    QDialog::reject();
}

void PrintDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (options_.useServer) cups_->startWatching();
}

void PrintDialog::hideEvent(QHideEvent* event)
{
    cups_->stopWatching();
    QDialog::hideEvent(event);
}

void PrintDialog::closeEvent(QCloseEvent* event)
{
    if (fileJob_) {
        fileJob_->cancel();
        event->ignore();
        return;
    }
    if (isBusy()) {
        event->ignore(); // the job is on its way; its answer decides
        return;
    }
    QDialog::closeEvent(event);
}

// ---------------------------------------------------------------------------------
// Printing

JobOptions PrintDialog::jobOptions() const
{
    JobOptions options = jobOptionsFor(ppd_.get(), callback_ ? callback_->handOvers() : QList<HandOver>());
    for (HostPage* page : hostPages()) page->addJobOptions(&options);
    // A choice the queue's defaults decide goes by name even where it is the description's
    // own default: the server or lpoptions would put theirs in its place.
    const JobOptions marked = markedChoices(ppd_.get());
    for (const QString& keyword : queueDecided_)
        if (!options.contains(keyword) && marked.contains(keyword)) options.set(keyword, marked.value(keyword));
    return options;
}

void PrintDialog::print()
{
    if (isBusy() || ppdRequest_ != 0 || secretRequest_ != 0 || !callback_) return;
    if (options_.defaultsOnly) {
        saveAsDefaults(options_.defaultsForEveryone);
        return;
    }

    QString outputPath = ui_->fileDestination->path();
    if (isFileDestination() && outputPath.isEmpty()) {
        outputPath = fileChooser_ ? fileChooser_(ui_->fileDestination->suggestion()) : QString();
        if (outputPath.isEmpty()) return;
        ui_->fileDestination->setPath(outputPath);
    }

    for (HostPage* page : hostPages()) {
        QString why;
        if (page->canPrint(&why)) continue;
        platform::runAlert(tr("The job cannot be printed as it is set up."), why);
        panes_->showKey(page->key());
        return;
    }

    const QStringList conflicts = conflictingOptions(ppd_.get());
    if (!conflicts.isEmpty() &&
        !confirmer_(tr("Some of the chosen options conflict with each other."),
                    tr("%1\n\nThe printer may ignore some of them. Print anyway?")
                        .arg(conflicts.join(QLatin1Char('\n')))))
        return;

    // Final hand-overs, then the records for the next time.
    for (platform::PDEPanel* panel : std::as_const(panels_))
        if (!panel->shouldPrint()) return;
    for (platform::PDEPanel* panel : std::as_const(panels_)) panel->saveValuesAndReturnError(nullptr);
    callback_->printSettings()->jobName = jobName();
    checkConstraints();

    const JobOptions options = jobOptions();
    if (isFileDestination()) {
        saveToFile(outputPath, options);
        return;
    }

    JobRequest job;
    job.queue = printer_;
    job.title = jobName();
    job.copies = ui_->copiesField->value();
    job.options = options;
    job.document = document_;
    submitRequest_ = cups_->submit(job);
    updateControls();
    updateSettled();
}

void PrintDialog::submitted(quint64 request, int jobId, const QString& error)
{
    if (request != submitRequest_) return;
    submitRequest_ = 0;
    updateControls();
    if (jobId <= 0) {
        const QString message = error.isEmpty() ? tr("The print server gave no reason.") : error;
        platform::runAlert(tr("The job could not be sent to %1.").arg(printer_), message);
        emit printFailed(message);
        updateSettled();
        return;
    }
    finishPrinting(jobId);
}

void PrintDialog::saveToFile(const QString& path, const JobOptions& options)
{
    FileJob::Request request;
    request.path = path;
    request.document = document_;
    request.options = options;
    request.jobName = jobName();
    request.copies = ui_->copiesField->value();
    request.ppdPath = options_.ppdPath;
    request.format = ui_->fileDestination->format();
    request.privateOptions = FileJob::textOptionsOf(ppd_.get());
    auto* job = new FileJob(std::move(request), this);
    fileJob_ = job;
    connect(job, &FileJob::stepChanged, this, &PrintDialog::updateControls);
    connect(job, &FileJob::finished, this, &PrintDialog::fileJobFinished);
    job->start();
    updateControls();
    updateSettled();
}

void PrintDialog::fileJobFinished(FileJob::Outcome outcome, const QString& message)
{
    // The job has said its last word; it goes once this returns to the event loop.
    if (fileJob_) fileJob_->deleteLater();
    fileJob_.clear();
    updateControls();
    switch (outcome) {
    case FileJob::Outcome::Written:
        finishPrinting(0);
        return;
    case FileJob::Outcome::Cancelled:
        ui_->busyText->setText(tr("Stopped; nothing was written."));
        break;
    case FileJob::Outcome::Failed:
        platform::runAlert(tr("The document could not be saved."), message);
        emit printFailed(message);
        break;
    }
    updateSettled();
}

void PrintDialog::updateFileRow()
{
    // Shown while Save to File is chosen; not while the server may still name a default
    // queue, so that the row does not come and go as the window opens.
    const bool fileChosen = ui_->printerPopUp->currentIndex() == destinations_->fileRow();
    const bool undecided = enumerating_ && options_.outputPath.isEmpty() && !userChoseDestination_;
    const bool shown = fileChosen && !undecided;
    ui_->fileLabel->setVisible(shown);
    ui_->fileDestination->setVisible(shown);
}

void PrintDialog::finishPrinting(int jobId)
{
    // The settings are kept before the dialog closes: a secret store answers later.
    keepingSettings_ = true;
    updateControls();
    savePreset([this, jobId] {
        keepingSettings_ = false;
        updateControls();
        emit printed(jobId);
        accept();
    });
}

void PrintDialog::savePreset(std::function<void()> then)
{
    ++presetSaves_;
    Preset preset;
    if (callback_->printSettings()) preset.settings = callback_->printSettings()->values;
    preset.marked = presetMarks();
    for (HostPage* page : hostPages()) page->saveValues(&preset.options);
    if (printer_.isEmpty()) {
        preset.options.insert(QStringLiteral("file-folder"), ui_->fileDestination->folder());
        preset.options.insert(QStringLiteral("file-format"), ui_->fileDestination->format() == FileJob::Format::Pdf
                                                                 ? QStringLiteral("pdf")
                                                                 : QStringLiteral("printer-data"));
    }
    // A name the user typed is kept; the document's own name is not a setting.
    const QString name = ui_->jobNameField->text().trimmed();
    if (name != document_.name) preset.jobName = name;
    setNotice(ui_->presetNotice, QString(), false);

    const auto save = [this](const Preset& kept) {
        QString error;
        if (!presets_.save(printer_, kept, &error))
            qWarning("orvan-print: the settings could not be kept: %s", qPrintable(error));
    };
    // Secret settings go to the secret store, never into the file; without a store they
    // are not kept at all.
    SecretStore::Secrets secret;
    for (const QString& key : plugIn_->secretSettings())
        if (preset.settings.contains(key)) secret.insert(key, preset.settings.take(key));
    if (secret.isEmpty() && secretsKept_.isEmpty()) {
        save(preset);
        then();
        return;
    }
    secrets_->write(printer_, secret, [this, preset, secret, save, then](bool kept, const QString& why) mutable {
        if (!kept && !secret.isEmpty())
            qWarning("orvan-print: settings marked secret are not kept for next time: %s", qPrintable(why));
        preset.secretsKept = kept ? secret.keys() : QStringList();
        secretsKept_ = preset.secretsKept;
        save(preset);
        then();
    });
}

// ---------------------------------------------------------------------------------
// Defaults

void PrintDialog::buildDefaultsMenu()
{
    auto* menu = new QMenu(ui_->defaultsButton);
    menu->setObjectName(QStringLiteral("defaultsMenu"));
    QAction* mine = menu->addAction(tr("Save as Defaults"));
    mine->setObjectName(QStringLiteral("saveDefaultsAction"));
    mine->setToolTip(tr("lp and every application printing to this printer start from these choices"));
    connect(mine, &QAction::triggered, this, [this] { saveAsDefaults(false); });
    QAction* everyone = menu->addAction(tr("Save as Defaults for Every User"));
    everyone->setObjectName(QStringLiteral("saveDefaultsForEveryoneAction"));
    connect(everyone, &QAction::triggered, this, [this] { saveAsDefaults(true); });
    menu->addSeparator();
    QAction* reset = menu->addAction(tr("Reset to the Printer's Defaults"));
    reset->setObjectName(QStringLiteral("resetDefaultsAction"));
    connect(reset, &QAction::triggered, this, &PrintDialog::resetToQueueDefaults);
    ui_->defaultsButton->setMenu(menu);

    if (!options_.defaultsOnly) return;
    // Without a document the dialog sets up the printer: nothing of one job is asked.
    setWindowTitle(tr("Printer Defaults"));
    for (QWidget* widget : {static_cast<QWidget*>(ui_->copiesLabel), static_cast<QWidget*>(ui_->copiesField),
                            static_cast<QWidget*>(ui_->jobNameLabel), static_cast<QWidget*>(ui_->jobNameField)})
        widget->setVisible(false);
    ui_->printButton->setText(options_.defaultsForEveryone ? tr("Save for Every User") : tr("Save as Defaults"));
}

QList<HandOver> PrintDialog::presetMarks() const
{
    // The queue's defaults are the description's defaults here (applyQueueDefaults): what
    // differs from them is what this user chose.
    return markedNonDefaultChoices(ppd_.get());
}

void PrintDialog::saveAsDefaults(bool forEveryone)
{
    if (isBusy() || ppdRequest_ != 0 || secretRequest_ != 0 || !callback_) return;
    if (isFileDestination()) {
        platform::runAlert(tr("Save to File has no defaults."),
                           tr("Choose a printer: its defaults are what every application prints with."));
        return;
    }
    for (HostPage* page : hostPages()) {
        QString why;
        if (page->canPrint(&why)) continue;
        platform::runAlert(tr("These choices cannot be saved as defaults."), why);
        panes_->showKey(page->key());
        return;
    }

    // No shouldPrint: it may ask for a passcode, and nothing of one job belongs in a
    // default. The panels' records are kept for the next start, as after a job.
    for (platform::PDEPanel* panel : std::as_const(panels_)) panel->saveValuesAndReturnError(nullptr);
    JobOptions choices = markedChoices(ppd_.get());
    for (const HandOver& handOver : callback_->handOvers())
        if (!handOver.first.isEmpty()) choices.set(handOver.first, ppdChoiceFor(ppd_.get(), handOver.first, handOver.second));
    for (HostPage* page : hostPages()) page->addJobOptions(&choices);
    savingDefaults_ = selectDefaults(choices, ppd_.get(), DefaultsRules::fromList(plugIn_->neverDefaults()),
                                     descriptionDefaults_);

    for (const HandOver& refused : savingDefaults_.refused) {
        // Named as the dialog shows it.
        const RefusalTexts texts = refusalTexts(ppd_.get(), refused);
        const QString why = tr("A default would hold every job from every application at the printer, waiting "
                               "for a passcode nobody has entered.");
        platform::runAlert(tr("\u201c%1: %2\u201d cannot be a default.").arg(texts.option, texts.choice),
                           texts.standIn.isEmpty()
                               ? tr("%1 The other choices are saved.").arg(why)
                               : tr("%1 The other choices are saved, with \u201c%2\u201d.").arg(why, texts.standIn));
    }

    DefaultsRequest request;
    request.queue = printer_;
    request.forEveryone = forEveryone;
    request.options = savingDefaults_.options.items();
    request.decided = savingDefaults_.decided;
    request.descriptionDefaults = savingDefaults_.descriptionDefaults;
    defaultsForEveryone_ = forEveryone;
    defaultsRequest_ = cups_->saveDefaults(request);
    setNotice(ui_->presetNotice, QString(), false);
    updateControls();
    updateSettled();
}

void PrintDialog::defaultsAnswered(quint64 request, const QString& error, bool refused)
{
    if (request != defaultsRequest_) return;
    defaultsRequest_ = 0;
    const QString printer = printer_;
    if (!error.isEmpty()) {
        updateControls();
        const QString message = refused ? tr("You may not change the defaults of %1 for every user.").arg(printer)
                                        : tr("The defaults of %1 could not be saved.").arg(printer);
        const QString details =
            refused ? tr("The print server %1 answered: %2. Its administrators may; you can still save these "
                         "choices as your own defaults.")
                          .arg(CupsClient::serverName(), error)
                    : error;
        platform::runAlert(message, details);
        emit defaultsFailed(message + QLatin1Char(' ') + details);
        updateSettled();
        return;
    }

    // The queue starts from these choices now; so does the next dialog on it.
    for (const QString& name : std::as_const(savingDefaults_.decided)) queueDefaults_.remove(name);
    for (const auto& [name, value] : savingDefaults_.options.items()) queueDefaults_.insert(name, value);
    // The marks stay as they are: the job still to be printed may carry what no default may.
    for (const QString& keyword : descriptionKeywords(ppd_.get(), queueDefaults_))
        if (!queueDecided_.contains(keyword)) queueDecided_ << keyword;
    const bool forEveryone = defaultsForEveryone_;
    keepingSettings_ = true;
    updateControls();
    savePreset([this, printer, forEveryone] {
        keepingSettings_ = false;
        updateControls();
        setNotice(ui_->presetNotice,
                  forEveryone ? tr("Saved as the defaults of %1 for every user: lp and every application "
                                   "printing to it start from these choices.")
                                    .arg(printer)
                              : tr("Saved as your defaults of %1: lp and every application printing to it "
                                   "start from these choices.")
                                    .arg(printer),
                  false);
        emit defaultsSaved(printer, forEveryone);
        updateSettled();
        if (options_.defaultsOnly) accept();
    });
}

void PrintDialog::resetToQueueDefaults()
{
    if (isBusy() || ppdRequest_ != 0 || secretRequest_ != 0 || !callback_ || !ppd_) return;
    // Nothing kept for this printer is used from now on, this run or the next.
    ++presetSaves_;
    QString error;
    if (!presets_.save(printer_, Preset(), &error))
        qWarning("orvan-print: the settings could not be kept: %s", qPrintable(error));
    if (!secretsKept_.isEmpty()) secrets_->write(printer_, {}, [](bool, const QString&) {});
    markDescriptionDefaults(ppd_.get());
    completeActivation(printer_, ppd_, Preset(), {});
    setNotice(ui_->presetNotice,
              printer_.isEmpty() ? tr("The printer description's defaults are shown.")
                                 : tr("The defaults of %1 are shown: what lp and every application start from.")
                                       .arg(printer_),
              false);
}

} // namespace host
