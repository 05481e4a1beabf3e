#include "host/PrintDialog.h"

#include "host/DestinationModel.h"
#include "host/FileDestination.h"
#include "host/FileJob.h"
#include "host/HostPage.h"
#include "host/PaneStack.h"
#include "host/PlugInHost.h"
#include "host/SecretStore.h"
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
    SharedPpd ppd = dialog->openFallbackPpd(error);
    if (!ppd) return nullptr;

    dialog->buildWindow();
    dialog->activate(QString(), std::move(ppd));
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
        setNotice(dialog->ui_->serverNotice,
                  tr("Looking for printers on %1\u2026").arg(CupsClient::serverName()), false);
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
}

PrintDialog::~PrintDialog()
{
    // The panels hold the callback and the printer description, and their views hold
    // raw pointers into the panels: the panels go first, while everything is alive.
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
    summaryPage_ = new SummaryPage([this] { return summarySections(); });
    panes_->setHostPages(leadingPages_, trailingPages_, summaryPage_);
    for (HostPage* page : hostPages())
        connect(page, &HostPage::choicesChanged, this, [this] { scheduleConstraintCheck(QString(), QString()); });

    connect(ui_->helpButton, &QToolButton::clicked, this, &PrintDialog::showHelp);
    connect(ui_->summaryButton, &QPushButton::clicked, this, &PrintDialog::showSummary);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->printButton, &QPushButton::clicked, this, &PrintDialog::print);
    const int answerWidth =
        std::max({ui_->cancelButton->sizeHint().width(), ui_->printButton->sizeHint().width(), 88});
    ui_->cancelButton->setMinimumWidth(answerWidth);
    ui_->printButton->setMinimumWidth(answerWidth);

    ui_->printerPopUp->setFocus();
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
        QString error;
        SharedPpd ppd = openFallbackPpd(&error);
        if (!ppd) {
            platform::runAlert(tr("The printer description cannot be read."), error);
            updateSettled();
            return;
        }
        activate(QString(), std::move(ppd));
        updateControls();
        updateSettled();
        return;
    }
    ppdRequestQueue_ = printer;
    ppdRequest_ = cups_->fetchPpd(printer);
    updateControls();
    updateSettled();
}

void PrintDialog::ppdFetched(quint64 request, const QString& queue, const SharedPpd& ppd, const QString& error)
{
    if (request != ppdRequest_) return; // the user has moved on; the description closes with `ppd`
    ppdRequest_ = 0;
    ppdRequestQueue_.clear();
    updateControls();
    SharedPpd description = ppd;
    if (!description) {
        if (!error.isEmpty())
            setNotice(ui_->serverNotice, tr("%1; the options shown are the bundled ones.").arg(capitalised(error)),
                      true);
        QString fallbackError;
        description = openFallbackPpd(&fallbackError);
        if (!description) {
            platform::runAlert(tr("The printer description cannot be read."), fallbackError);
            updateSettled();
            return;
        }
    }
    activate(queue, std::move(description));
    updateSettled();
}

SharedPpd PrintDialog::openFallbackPpd(QString* error) const
{
    PpdPtr ppd = openPpd(options_.ppdPath, error);
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

// ---------------------------------------------------------------------------------
// Printer state, panels and pages

void PrintDialog::activate(const QString& printer, SharedPpd ppd)
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
        completeActivation(printer, std::move(ppd), preset);
        return;
    }
    if (preset.secretsKept.isEmpty()) {
        completeActivation(printer, std::move(ppd), preset);
        return;
    }
    const quint64 request = ++lastSecretRequest_;
    secretRequest_ = request;
    updateControls();
    secrets_->read(printer, [this, request, printer, ppd, preset](const SecretStore::Secrets& secrets,
                                                                  const QString& why) mutable {
        if (request != secretRequest_) return; // another printer was chosen meanwhile
        secretRequest_ = 0;
        if (!why.isEmpty()) qWarning("orvan-print: the secret store cannot be read: %s", qPrintable(why));
        preset.secretsKept = secrets.keys();
        for (auto it = secrets.cbegin(); it != secrets.cend(); ++it) preset.settings.insert(it.key(), it.value());
        completeActivation(printer, std::move(ppd), preset);
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

void PrintDialog::completeActivation(const QString& printer, SharedPpd ppd, const Preset& preset)
{
    secretsKept_ = preset.secretsKept;
    markChoices(ppd.get(), preset.marked);

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
    callback->setPrintSession(std::move(session));

    // The old panels go when the plug-in answers the new ones; they still hold the old
    // callback and description, which therefore live until then.
    pendingChanges_.clear();
    if (callback_) callback_->setObserver({});
    const QString shownKey = panes_->shownKey();
    panes_->clearPanels();
    panels_ = plugIn_->printerModulePanels(callback.get());
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
    for (platform::PDEPanel* panel : std::as_const(panels_)) context.panelKeywords << panel->supportedPPDOptionKeys();
    context.ownedKeywords = context.panelKeywords;
    for (HostPage* page : hostPages()) context.ownedKeywords << page->ownedKeywords();
    for (HostPage* page : hostPages()) page->bind(context, preset.options);
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
    panes_->orderTabChain(this, {ui_->helpButton, ui_->summaryButton, ui_->cancelButton, ui_->printButton});
    for (platform::PDEPanel* panel : std::as_const(panels_)) panel->restoreValuesAndReturnError(nullptr);
    // The page shown before is shown again, with what the restore changed.
    panes_->showKeyOrFirst(shownKey);
    showPrinterState();
    checkConstraints();
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
    // Each panel's summary, asked anew every time the summary is shown.
    for (platform::PDEPanel* panel : panels_) {
        SummarySection section{panel->panelName(), {}};
        const QMap<QString, QString> info = panel->summaryInfo();
        for (auto it = info.cbegin(); it != info.cend(); ++it) section.rows.append({it.key(), it.value()});
        sections.append(section);
    }
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
QString PrintDialog::conflictNotice() const
{
    return ui_->conflictRow->isVisibleTo(this) ? ui_->conflictNotice->text() : QString();
}

void PrintDialog::updateControls()
{
    // Loading a description: the old panels are not this printer's, so they rest.
    // Sending a job: nothing may change under it.
    const bool loading = ppdRequest_ != 0 || secretRequest_ != 0;
    const bool sending = submitRequest_ != 0 || keepingSettings_ || fileJob_;
    if (fileJob_) {
        // A long name is elided: the window keeps its size while it saves.
        const QString file = ui_->busyText->fontMetrics().elidedText(QFileInfo(fileJob_->request().path).fileName(),
                                                                     Qt::ElideMiddle, 200);
        ui_->busyText->setText(fileJob_->step().isEmpty() ? tr("Saving %1\u2026").arg(file)
                                                          : tr("Saving %1: %2\u2026").arg(file, fileJob_->step()));
    } else if (keepingSettings_) ui_->busyText->setText(tr("Keeping the settings\u2026"));
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

void PrintDialog::reject()
{
    if (fileJob_) {
        fileJob_->cancel(); // stops the filters; the dialog stays, nothing written
        return;
    }
    if (isBusy()) return; // the server's answer decides what happens next
    QDialog::reject();
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
    return options;
}

void PrintDialog::print()
{
    if (isBusy() || ppdRequest_ != 0 || secretRequest_ != 0 || !callback_) return;

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
    preset.marked = markedNonDefaultChoices(ppd_.get());
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

} // namespace host
