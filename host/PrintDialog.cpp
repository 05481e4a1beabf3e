#include "host/PrintDialog.h"

#include "host/PlugInHost.h"

#include "platform/Alert.h"
#include "platform/Help.h"
#include "platform/PDEPanel.h"
#include "platform/PrintSettings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyle>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace host {

namespace {

// Item data of the printer pop-up.
constexpr int kQueueRole = Qt::UserRole;       // queue name; absent for Save to File
constexpr int kIsFileRole = Qt::UserRole + 1;  // true for Save to File

// Entries of the panel pop-up that are not panels.
constexpr int kEmptyEntry = -1;
constexpr int kSummaryEntry = -2;

// The least size of the pages that are the host's own.
constexpr int kPageWidth = 520;
constexpr int kSummaryHeight = 280;
constexpr int kEmptyPageHeight = 200;

QString fileDestinationTitle() { return PrintDialog::tr("Save to File"); }

// A notice: an icon and a wrapping text, hidden while it has no text.
QLabel* makeNotice(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setVisible(false);
    return label;
}

void setNotice(QLabel* label, const QString& text, bool warning)
{
    label->setText(text);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, warning ? QColor(0xa0, 0x3c, 0x00)
                                                   : QApplication::palette().color(QPalette::PlaceholderText));
    label->setPalette(palette);
    label->setVisible(!text.isEmpty());
}

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
    if (!options.panel.isEmpty()) {
        const int panel = dialog->findPanel(options.panel);
        if (panel < 0) {
            QStringList known;
            for (int i = 0; i < dialog->panels_.size(); ++i)
                known << QStringLiteral("%1 \u201c%2\u201d").arg(i).arg(dialog->panels_.at(i)->panelName());
            *error = QStringLiteral("no panel \u201c%1\u201d; the panels are %2")
                         .arg(options.panel, known.isEmpty() ? QStringLiteral("none") : known.join(QStringLiteral(", ")));
            return nullptr;
        }
        dialog->showPage(panel);
    }
    if (options.useServer) {
        dialog->wantedPrinter_ = options.printer;
        dialog->enumerating_ = true;
        setNotice(dialog->serverNotice_,
                  tr("Looking for printers on %1\u2026").arg(CupsClient::serverName()), false);
        dialog->cups_->enumerate();
    }
    dialog->updateSettled();
    return dialog;
}

PrintDialog::PrintDialog(const DialogOptions& options, const Document& document)
    : options_(options), document_(document), presets_(options.presetDirectory)
{
    setWindowTitle(tr("Print \u201c%1\u201d").arg(document.name));
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
    clearPages();
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
    auto* root = new QVBoxLayout(this);
    root->setSizeConstraint(QLayout::SetFixedSize); // the window follows the shown panel
    root->setContentsMargins(16, 14, 16, 12);
    root->setSpacing(10);

    // Printer, copies, job name.
    auto* top = new QGridLayout;
    top->setHorizontalSpacing(8);
    top->setVerticalSpacing(8);
    auto* printerLabel = new QLabel(tr("Printer:"), this);
    printerPopUp_ = new QComboBox(this);
    printerPopUp_->setObjectName(QStringLiteral("printerPopUp"));
    printerPopUp_->setMinimumWidth(300);
    printerPopUp_->setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
    printerPopUp_->addItem(style()->standardIcon(QStyle::SP_DialogSaveButton), fileDestinationTitle());
    printerPopUp_->setItemData(0, true, kIsFileRole);
    printerLabel->setBuddy(printerPopUp_);
    connect(printerPopUp_, &QComboBox::activated, this, &PrintDialog::destinationChosen);

    auto* copiesLabel = new QLabel(tr("Copies:"), this);
    copiesField_ = new QSpinBox(this);
    copiesField_->setObjectName(QStringLiteral("copiesField"));
    copiesField_->setRange(1, 999);
    copiesField_->setValue(1);
    copiesField_->setMinimumWidth(72);
    copiesLabel->setBuddy(copiesField_);

    auto* jobNameLabel = new QLabel(tr("Job name:"), this);
    jobNameField_ = new QLineEdit(this);
    jobNameField_->setObjectName(QStringLiteral("jobNameField"));
    jobNameField_->setText(document_.name);
    jobNameField_->setMaxLength(255);
    jobNameLabel->setBuddy(jobNameField_);
    connect(jobNameField_, &QLineEdit::textChanged, this, [this] {
        if (callback_ && callback_->printSettings()) callback_->printSettings()->jobName = jobName();
    });

    for (QLabel* label : {printerLabel, copiesLabel, jobNameLabel})
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    top->addWidget(printerLabel, 0, 0);
    top->addWidget(printerPopUp_, 0, 1);
    top->addWidget(copiesLabel, 0, 2);
    top->addWidget(copiesField_, 0, 3);
    top->addWidget(jobNameLabel, 1, 0);
    top->addWidget(jobNameField_, 1, 1, 1, 3);
    top->setColumnStretch(1, 1);
    top->setColumnMinimumWidth(2, 24);
    serverNotice_ = makeNotice(this, "serverNotice");
    presetNotice_ = makeNotice(this, "presetNotice");
    top->addWidget(serverNotice_, 2, 1, 1, 3);
    top->addWidget(presetNotice_, 3, 1, 1, 3);
    root->addLayout(top);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    root->addWidget(rule);

    // The panel pop-up and the panel box.
    auto* panelRow = new QHBoxLayout;
    panelPopUp_ = new QComboBox(this);
    panelPopUp_->setObjectName(QStringLiteral("panelPopUp"));
    panelPopUp_->setMinimumWidth(200);
    // Its caption is the panel shown; what it is for has no label of its own.
    panelPopUp_->setAccessibleName(tr("Options"));
    connect(panelPopUp_, &QComboBox::activated, this, &PrintDialog::showPanel);
    panelRow->addWidget(panelPopUp_);
    panelRow->addStretch(1);
    root->addLayout(panelRow);

    auto* box = new QFrame(this);
    box->setObjectName(QStringLiteral("panelBox"));
    box->setFrameShape(QFrame::StyledPanel);
    box->setFrameShadow(QFrame::Sunken);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->setContentsMargins(1, 1, 1, 1);
    stack_ = new QStackedWidget(box);
    stack_->setObjectName(QStringLiteral("panelStack"));
    boxLayout->addWidget(stack_);
    root->addWidget(box);

    emptyPage_ = new QWidget(stack_);
    emptyPage_->setObjectName(QStringLiteral("emptyPage"));
    auto* emptyLayout = new QVBoxLayout(emptyPage_);
    emptyLayout->setContentsMargins(24, 32, 24, 32);
    emptyText_ = new QLabel(emptyPage_);
    emptyText_->setObjectName(QStringLiteral("emptyText"));
    emptyText_->setAlignment(Qt::AlignCenter);
    emptyText_->setWordWrap(true);
    emptyText_->setTextFormat(Qt::RichText);
    emptyLayout->addWidget(emptyText_);
    emptyPage_->setMinimumSize(kPageWidth, kEmptyPageHeight);
    stack_->addWidget(emptyPage_);

    summaryView_ = new QTreeWidget(stack_);
    summaryView_->setObjectName(QStringLiteral("summaryView"));
    summaryView_->setColumnCount(2);
    summaryView_->setHeaderLabels({tr("Setting"), tr("Value")});
    summaryView_->setRootIsDecorated(false);
    summaryView_->setSelectionMode(QAbstractItemView::NoSelection);
    summaryView_->setFocusPolicy(Qt::NoFocus);
    summaryView_->setFrameShape(QFrame::NoFrame);
    summaryView_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    summaryView_->header()->setStretchLastSection(true);
    summaryView_->setMinimumSize(kPageWidth, kSummaryHeight);
    summaryView_->setAccessibleName(tr("Summary"));
    stack_->addWidget(summaryView_);

    // Conflicts, under the panel.
    conflictRow_ = new QWidget(this);
    conflictRow_->setObjectName(QStringLiteral("conflictRow"));
    auto* conflictLayout = new QHBoxLayout(conflictRow_);
    conflictLayout->setContentsMargins(0, 0, 0, 0);
    auto* conflictIcon = new QLabel(conflictRow_);
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize);
    conflictIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize, iconSize));
    conflictIcon->setAlignment(Qt::AlignTop);
    conflictText_ = new QLabel(conflictRow_);
    conflictText_->setObjectName(QStringLiteral("conflictNotice"));
    conflictText_->setWordWrap(true);
    conflictText_->setTextFormat(Qt::PlainText);
    conflictLayout->addWidget(conflictIcon);
    conflictLayout->addWidget(conflictText_, 1);
    conflictRow_->setVisible(false);
    root->addWidget(conflictRow_);

    // Help, summary, and the two answers.
    auto* buttons = new QHBoxLayout;
    helpButton_ = new QToolButton(this);
    helpButton_->setObjectName(QStringLiteral("helpButton"));
    helpButton_->setText(QStringLiteral("?"));
    helpButton_->setToolTip(tr("Help"));
    helpButton_->setAccessibleName(tr("Help"));
    helpButton_->setFixedSize(28, 28);
    connect(helpButton_, &QToolButton::clicked, this, &PrintDialog::showHelp);
    summaryButton_ = new QPushButton(tr("Summary..."), this);
    summaryButton_->setObjectName(QStringLiteral("summaryButton"));
    summaryButton_->setAutoDefault(false);
    connect(summaryButton_, &QPushButton::clicked, this, &PrintDialog::showSummary);
    busyText_ = new QLabel(this);
    busyText_->setObjectName(QStringLiteral("busyText"));
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    cancelButton_->setAutoDefault(false);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    printButton_ = new QPushButton(tr("Print"), this);
    printButton_->setObjectName(QStringLiteral("printButton"));
    printButton_->setDefault(true);
    connect(printButton_, &QPushButton::clicked, this, &PrintDialog::print);
    const int answerWidth = std::max({cancelButton_->sizeHint().width(), printButton_->sizeHint().width(), 88});
    cancelButton_->setMinimumWidth(answerWidth);
    printButton_->setMinimumWidth(answerWidth);
    buttons->addWidget(helpButton_);
    buttons->addSpacing(6);
    buttons->addWidget(summaryButton_);
    buttons->addStretch(1);
    buttons->addWidget(busyText_);
    buttons->addSpacing(6);
    buttons->addWidget(cancelButton_);
    buttons->addWidget(printButton_);
    root->addLayout(buttons);

    printerPopUp_->setFocus();
}

// ---------------------------------------------------------------------------------
// Destinations

void PrintDialog::addDestination(const Destination& destination)
{
    // Queues go before the separator and Save to File, in the order they arrive
    // (the default first).
    int fileIndex = -1;
    for (int i = 0; i < printerPopUp_->count(); ++i) {
        if (printerPopUp_->itemData(i, kIsFileRole).toBool()) fileIndex = i;
        if (printerPopUp_->itemData(i, kQueueRole).toString() == destination.name) return;
    }
    int at = 0;
    while (at < printerPopUp_->count() && !printerPopUp_->itemData(at, kQueueRole).toString().isEmpty()) ++at;
    QString title = destination.name;
    if (destination.isDefault) title = tr("%1 (default)").arg(destination.name);
    printerPopUp_->insertItem(at, style()->standardIcon(QStyle::SP_ComputerIcon), title);
    printerPopUp_->setItemData(at, destination.name, kQueueRole);
    QStringList tip;
    if (!destination.info.isEmpty()) tip << destination.info;
    if (!destination.location.isEmpty()) tip << destination.location;
    if (!tip.isEmpty()) printerPopUp_->setItemData(at, tip.join(QStringLiteral(" \u2014 ")), Qt::ToolTipRole);
    if (fileIndex >= 0 && at == 0) {
        // The first queue: separate the queues from Save to File.
        printerPopUp_->insertSeparator(1);
    }

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
    int queues = 0;
    for (int i = 0; i < printerPopUp_->count(); ++i)
        if (!printerPopUp_->itemData(i, kQueueRole).toString().isEmpty()) ++queues;
    if (!error.isEmpty()) {
        setNotice(serverNotice_, tr("%1. Save to File still works.").arg(error.left(1).toUpper() + error.mid(1)), true);
    } else if (!wantedPrinter_.isEmpty() && printerPopUp_->findData(wantedPrinter_, kQueueRole) < 0) {
        setNotice(serverNotice_, tr("There is no printer named \u201c%1\u201d on %2.")
                                     .arg(wantedPrinter_, CupsClient::serverName()), true);
    } else if (queues == 0) {
        setNotice(serverNotice_, tr("No printers on %1.").arg(CupsClient::serverName()), false);
    } else {
        setNotice(serverNotice_, QString(), false);
    }
    // Without a default queue the first one is chosen, unless a file was asked for.
    if (error.isEmpty() && !userChoseDestination_ && wantedPrinter_.isEmpty() && options_.outputPath.isEmpty() &&
        printer_.isEmpty() && ppdRequest_ == 0 && queues > 0)
        selectDestination(printerPopUp_->itemData(0, kQueueRole).toString(), false);
    updateSettled();
}

void PrintDialog::destinationChosen(int index)
{
    userChoseDestination_ = true;
    const bool isFile = printerPopUp_->itemData(index, kIsFileRole).toBool();
    selectDestination(printerPopUp_->itemData(index, kQueueRole).toString(), isFile);
}

void PrintDialog::selectDestination(const QString& printer, bool isFile)
{
    // Show the choice in the pop-up (it may come from code).
    for (int i = 0; i < printerPopUp_->count(); ++i) {
        const bool itemIsFile = printerPopUp_->itemData(i, kIsFileRole).toBool();
        if ((isFile && itemIsFile) || (!isFile && printerPopUp_->itemData(i, kQueueRole).toString() == printer)) {
            printerPopUp_->setCurrentIndex(i);
            break;
        }
    }
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
            setNotice(serverNotice_,
                      tr("%1; the options shown are the bundled ones.").arg(error.left(1).toUpper() + error.mid(1)),
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

// ---------------------------------------------------------------------------------
// Printer state and panels

void PrintDialog::activate(const QString& printer, SharedPpd ppd)
{
    // A fresh state: the description has its defaults marked; this printer's saved
    // choices are marked again and its saved records restored below.
    Preset preset;
    QString problem;
    const PresetStore::Status status = presets_.load(printer, &preset, &problem);
    if (status == PresetStore::Status::Damaged) {
        qWarning("orvan-print: saved settings are damaged and were not used: %s", qPrintable(problem));
        setNotice(presetNotice_,
                  tr("The saved settings of %1 are damaged; the defaults are shown. They are replaced "
                     "when you print. (%2)")
                      .arg(printer.isEmpty() ? fileDestinationTitle() : printer, problem),
                  true);
    } else {
        setNotice(presetNotice_, QString(), false);
    }
    markChoices(ppd.get(), preset.marked);

    auto callback = std::make_unique<HostCallback>(ppd.get());
    auto settings = std::make_unique<platform::PrintSettings>();
    settings->values = preset.settings;
    if (!preset.jobName.isEmpty()) {
        const QSignalBlocker block(jobNameField_);
        jobNameField_->setText(preset.jobName);
    }
    settings->jobName = jobName();
    callback->setPrintSettings(std::move(settings));
    auto session = std::make_unique<platform::PrintSession>();
    session->destinationType = printer.isEmpty() ? platform::kPMDestinationFile : platform::kPMDestinationPrinter;
    callback->setPrintSession(std::move(session));

    // The old panels go when the plug-in answers the new ones; they still hold the old
    // callback and description, which therefore live until then.
    const int shownPanel = pages_.indexOf(stack_->currentWidget());
    const QString shownKind =
        shownPanel >= 0 && shownPanel < panels_.size() ? panels_.at(shownPanel)->panelKind() : QString();
    const bool summaryShown = stack_->currentWidget() == summaryView_;
    pendingChanges_.clear();
    if (callback_) callback_->setObserver({});
    panels_ = plugIn_->printerModulePanels(callback.get());
    clearPages();
    callback_ = std::move(callback);
    ppd_ = std::move(ppd);
    printer_ = printer;
    callback_->setObserver([this](const QString& key, const QString& choice) { scheduleConstraintCheck(key, choice); });

    // panelView before willShow; the controls are filled before the record is applied,
    // so that what the record restores is what the panel shows.
    for (platform::PDEPanel* panel : panels_) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("panelPage"));
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        if (QWidget* view = panel->panelView()) {
            if (!view->layout() && view->minimumSize().isNull()) view->setMinimumSize(view->size());
            layout->addWidget(view, 0, Qt::AlignHCenter | Qt::AlignTop);
        } else {
            auto* missing = new QLabel(tr("This panel could not be loaded."), page);
            missing->setAlignment(Qt::AlignCenter);
            missing->setMinimumSize(520, 120);
            layout->addWidget(missing);
        }
        stack_->addWidget(page);
        pages_.append(page);
        panel->willShow();
    }
    orderTabChain();
    for (platform::PDEPanel* panel : panels_) panel->restoreValuesAndReturnError(nullptr);

    const QString name = printer.isEmpty() ? fileDestinationTitle() : printer;
    emptyText_->setText(tr("<p style='font-size:large'>No options for %1</p>"
                           "<p>The Orvan printer extension offers no panels for this printer. "
                           "The job is printed with the printer's defaults.</p>")
                            .arg(name.toHtmlEscaped()));
    updatePanelPopUp();
    int show = 0;
    for (int i = 0; i < panels_.size(); ++i)
        if (panels_.at(i)->panelKind() == shownKind) show = i;
    if (summaryShown) showSummary();
    else showPage(panels_.isEmpty() ? -1 : show);
    checkConstraints();
}

void PrintDialog::clearPages()
{
    for (const QPointer<QWidget>& page : std::as_const(pages_))
        if (page) delete page.data();
    pages_.clear();
}

void PrintDialog::orderTabChain()
{
    // Each page joins the end of the window's focus chain with its controls in the order
    // its panel gave them. The answers go after the pages: Tab runs from the panel
    // pop-up through the shown panel (hidden pages are passed over) to Help, Summary,
    // Cancel and Print.
    const QList<QWidget*> answers = {helpButton_, summaryButton_, cancelButton_, printButton_};
    QWidget* last = previousInFocusChain();
    while (last != this && (last->focusPolicy() == Qt::NoFocus || answers.contains(last)))
        last = last->previousInFocusChain();
    if (last == this) return;
    for (QWidget* answer : answers) {
        setTabOrder(last, answer);
        last = answer;
    }
}

int PrintDialog::findPanel(const QString& panel) const
{
    bool isNumber = false;
    const int index = panel.trimmed().toInt(&isNumber);
    if (isNumber) return index >= 0 && index < panels_.size() ? index : -1;
    for (int i = 0; i < panels_.size(); ++i) {
        platform::PDEPanel* candidate = panels_.at(i);
        if (candidate->panelName().compare(panel.trimmed(), Qt::CaseInsensitive) == 0 ||
            candidate->panelKind() == panel.trimmed())
            return i;
    }
    return -1;
}

void PrintDialog::updatePanelPopUp()
{
    // Item data: the panel's position, kEmptyEntry for the empty page, kSummaryEntry.
    const QSignalBlocker block(panelPopUp_);
    panelPopUp_->clear();
    for (int i = 0; i < panels_.size(); ++i) panelPopUp_->addItem(panels_.at(i)->panelName(), i);
    if (panels_.isEmpty()) panelPopUp_->addItem(tr("Printer Options"), kEmptyEntry);
    panelPopUp_->insertSeparator(panelPopUp_->count());
    panelPopUp_->addItem(tr("Summary"), kSummaryEntry);
}

void PrintDialog::showPanel(int popUpIndex)
{
    const int entry = panelPopUp_->itemData(popUpIndex).toInt();
    if (entry == kSummaryEntry) showSummary();
    else showPage(entry);
}

void PrintDialog::showPage(int index)
{
    // The panel shown now may keep the stage.
    const int current = pages_.indexOf(stack_->currentWidget());
    if (current >= 0 && current != index && current < panels_.size() && !panels_.at(current)->shouldHide()) {
        const QSignalBlocker block(panelPopUp_);
        panelPopUp_->setCurrentIndex(panelPopUp_->findData(current));
        return;
    }
    QWidget* page = emptyPage_;
    if (index >= 0 && index < panels_.size()) {
        page = pages_.at(index);
        panels_.at(index)->willShow();
    }
    showInStack(page);
    const QSignalBlocker block(panelPopUp_);
    panelPopUp_->setCurrentIndex(panelPopUp_->findData(index >= 0 && index < panels_.size() ? index : kEmptyEntry));
}

void PrintDialog::showInStack(QWidget* page)
{
    // Only the shown page counts for the window's height: each panel at its own size.
    // A stack heeds every page's minimum size, hidden or not: the summary's and the
    // empty page's heights hold only while they are shown.
    for (int i = 0; i < stack_->count(); ++i) {
        QWidget* w = stack_->widget(i);
        w->setSizePolicy(QSizePolicy::Preferred, w == page ? QSizePolicy::Preferred : QSizePolicy::Ignored);
    }
    summaryView_->setMinimumHeight(page == summaryView_ ? kSummaryHeight : 0);
    emptyPage_->setMinimumHeight(page == emptyPage_ ? kEmptyPageHeight : 0);
    stack_->setCurrentWidget(page);
    stack_->updateGeometry();
}

void PrintDialog::showSummary()
{
    const int current = pages_.indexOf(stack_->currentWidget());
    if (current >= 0 && current < panels_.size() && !panels_.at(current)->shouldHide()) {
        const QSignalBlocker block(panelPopUp_);
        panelPopUp_->setCurrentIndex(panelPopUp_->findData(current));
        return;
    }
    refreshSummary();
    showInStack(summaryView_);
    const QSignalBlocker block(panelPopUp_);
    panelPopUp_->setCurrentIndex(panelPopUp_->findData(kSummaryEntry));
}

void PrintDialog::refreshSummary()
{
    summaryView_->clear();
    auto section = [this](const QString& title) {
        auto* item = new QTreeWidgetItem(summaryView_, {title});
        QFont font = item->font(0);
        font.setBold(true);
        item->setFont(0, font);
        item->setFirstColumnSpanned(true);
        return item;
    };
    auto row = [](QTreeWidgetItem* parent, const QString& key, const QString& value) {
        auto* item = new QTreeWidgetItem(parent, {QStringLiteral("    ") + key, value});
        item->setToolTip(1, value);
    };
    QTreeWidgetItem* job = section(tr("Job"));
    row(job, tr("Printer:"), printer_.isEmpty() ? fileDestinationTitle() : printer_);
    row(job, tr("Job name:"), jobName());
    row(job, tr("Copies:"), QString::number(copiesField_->value()));
    row(job, tr("Document:"), document_.path.isEmpty() ? document_.name : QDir::toNativeSeparators(document_.path));
    // Each panel's summary, asked anew every time the summary is shown.
    for (platform::PDEPanel* panel : std::as_const(panels_)) {
        const QMap<QString, QString> info = panel->summaryInfo();
        QTreeWidgetItem* item = section(panel->panelName());
        if (info.isEmpty()) row(item, tr("(nothing to report)"), QString());
        for (auto it = info.cbegin(); it != info.cend(); ++it) row(item, it.key(), it.value());
    }
    summaryView_->expandAll();
}

void PrintDialog::scheduleConstraintCheck(const QString& key, const QString& choice)
{
    pendingChanges_.append({key, choice});
    if (constraintCheckPending_) return;
    constraintCheckPending_ = true;
    // After the panel's action has made all its hand-overs.
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
        conflictText_->clear();
        conflictRow_->setVisible(false);
        return;
    }
    conflictText_->setText(tr("Conflicting options: %1").arg(conflicts.join(QStringLiteral(", "))));
    conflictRow_->setVisible(true);
}

QString PrintDialog::serverNotice() const { return serverNotice_->isVisibleTo(this) ? serverNotice_->text() : QString(); }
QString PrintDialog::presetNotice() const { return presetNotice_->isVisibleTo(this) ? presetNotice_->text() : QString(); }
QString PrintDialog::conflictNotice() const
{
    return conflictRow_->isVisibleTo(this) ? conflictText_->text() : QString();
}

void PrintDialog::updateControls()
{
    // Loading a description: the old panels are not this printer's, so they rest.
    // Sending a job: nothing may change under it.
    const bool loading = ppdRequest_ != 0;
    const bool sending = submitRequest_ != 0;
    if (sending) busyText_->setText(tr("Sending to %1\u2026").arg(printer_));
    else if (loading) busyText_->setText(tr("Loading the options of %1\u2026").arg(ppdRequestQueue_));
    else busyText_->clear();
    printButton_->setEnabled(!loading && !sending);
    printerPopUp_->setEnabled(!sending);
    copiesField_->setEnabled(!sending);
    jobNameField_->setEnabled(!sending);
    panelPopUp_->setEnabled(!loading && !sending);
    stack_->setEnabled(!loading && !sending);
    summaryButton_->setEnabled(!loading && !sending);
}

bool PrintDialog::isSettled() const { return !enumerating_ && ppdRequest_ == 0 && submitRequest_ == 0; }

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
    const QString name = jobNameField_->text().trimmed();
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
    if (isBusy()) return; // the server's answer decides what happens next
    QDialog::reject();
}

void PrintDialog::closeEvent(QCloseEvent* event)
{
    if (isBusy()) {
        event->ignore(); // the job is on its way; its answer decides
        return;
    }
    QDialog::closeEvent(event);
}

// ---------------------------------------------------------------------------------
// Printing

void PrintDialog::print()
{
    if (isBusy() || ppdRequest_ != 0 || !callback_) return;

    QString outputPath = options_.outputPath;
    if (isFileDestination() && outputPath.isEmpty()) {
        const QString suffix = document_.format == QLatin1String("application/pdf") ? QStringLiteral(".pdf")
                                                                                      : QStringLiteral(".ps");
        // Never the document itself: a suggestion of its own name.
        const QString base = QFileInfo(document_.name).completeBaseName();
        outputPath = fileChooser_ ? fileChooser_(QDir::homePath() + QLatin1Char('/') +
                                                 (base.isEmpty() ? QStringLiteral("output") : base) +
                                                 QStringLiteral("-print") + suffix)
                                  : QString();
        if (outputPath.isEmpty()) return;
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

    const JobOptions options = jobOptionsFor(ppd_.get(), callback_->handOvers());
    if (isFileDestination()) {
        QString error;
        if (!writeToFile(outputPath, options, &error)) {
            platform::runAlert(tr("The document could not be saved."), error);
            emit printFailed(error);
            return;
        }
        finishPrinting(0);
        return;
    }

    JobRequest job;
    job.queue = printer_;
    job.title = jobName();
    job.copies = copiesField_->value();
    job.options = options;
    job.document = document_;
    submitRequest_ = cups_->submit(job);
    updateControls();
    updateSettled();
}

bool PrintDialog::writeToFile(const QString& path, const JobOptions& options, QString* error)
{
    QSaveFile document(path);
    if (!document.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), document.errorString());
        return false;
    }
    // QSaveFile takes a short write (a full disk) for success: a cut-off document or
    // ticket must not be committed as if it were whole.
    const auto writeAll = [](QSaveFile& file, const QByteArray& bytes, const QString& name, QString* why) {
        if (file.write(bytes) == bytes.size()) return true;
        file.cancelWriting();
        *why = tr("%1: not all of it could be written (is the disk full?)")
                   .arg(QDir::toNativeSeparators(name));
        return false;
    };
    if (!writeAll(document, document_.data, path, error)) return false;
    if (!document.commit()) {
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), document.errorString());
        return false;
    }

    // The ticket: what a queue would have been given, readable by people and programs.
    QJsonObject jobOptions;
    for (const auto& option : options.items()) jobOptions.insert(option.first, option.second);
    QJsonObject ticket;
    ticket.insert(QStringLiteral("document"), QFileInfo(path).fileName());
    ticket.insert(QStringLiteral("document-format"), document_.format);
    ticket.insert(QStringLiteral("job-name"), jobName());
    ticket.insert(QStringLiteral("copies"), copiesField_->value());
    ticket.insert(QStringLiteral("printer-description"), QFileInfo(options_.ppdPath).absoluteFilePath());
    ticket.insert(QStringLiteral("options"), jobOptions);
    const QString ticketPath = path + QStringLiteral(".ticket.json");
    QSaveFile ticketFile(ticketPath);
    if (!ticketFile.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(ticketPath), ticketFile.errorString());
        return false;
    }
    // The ticket carries the secure-print values: the user's alone.
    ticketFile.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (!writeAll(ticketFile, QJsonDocument(ticket).toJson(QJsonDocument::Indented), ticketPath, error)) return false;
    if (!ticketFile.commit()) {
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(ticketPath), ticketFile.errorString());
        return false;
    }
    return true;
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

void PrintDialog::finishPrinting(int jobId)
{
    savePreset();
    emit printed(jobId);
    accept();
}

void PrintDialog::savePreset()
{
    Preset preset;
    if (callback_->printSettings()) preset.settings = callback_->printSettings()->values;
    preset.marked = markedNonDefaultChoices(ppd_.get());
    // A name the user typed is kept; the document's own name is not a setting.
    const QString name = jobNameField_->text().trimmed();
    if (name != document_.name) preset.jobName = name;
    QString error;
    if (!presets_.save(printer_, preset, &error))
        qWarning("orvan-print: the settings could not be kept: %s", qPrintable(error));
    setNotice(presetNotice_, QString(), false);
}

} // namespace host
