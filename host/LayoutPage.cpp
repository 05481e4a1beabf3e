// The libcups PPD interface is deprecated in CUPS 2.4 but is what printer options
// are described in.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "host/LayoutPage.h"

#include "host/HostCallback.h"
#include "host/PreviewService.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPageSize>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <cups/pwg.h>

#include <cstring>

namespace host {

namespace {

const QString kMedia = QStringLiteral("layout.media");
const QString kSource = QStringLiteral("layout.source");
const QString kSides = QStringLiteral("layout.sides");
const QString kOrientation = QStringLiteral("layout.orientation");
const QString kNumberUp = QStringLiteral("layout.number-up");
const QString kNumberUpLayout = QStringLiteral("layout.number-up-layout");
const QString kPageBorder = QStringLiteral("layout.page-border");
const QString kCollate = QStringLiteral("layout.collate");
const QString kReverse = QStringLiteral("layout.reverse");
const QString kFitToPage = QStringLiteral("layout.fit-to-page");

const QList<int> kNumbersUp = {1, 2, 4, 6, 9, 16};
const QStringList kLayouts = {QStringLiteral("lrtb"), QStringLiteral("lrbt"), QStringLiteral("rltb"),
                              QStringLiteral("rlbt"), QStringLiteral("tblr"), QStringLiteral("tbrl"),
                              QStringLiteral("btlr"), QStringLiteral("btrl")};
const QStringList kBorders = {QStringLiteral("none"), QStringLiteral("single"), QStringLiteral("single-thick"),
                              QStringLiteral("double"), QStringLiteral("double-thick")};
// After the page first shows, the document's pages are counted on the preview worker:
// the page range is checked against them, an encrypted document is found out before
// printing, and the preview's renderer is loaded by the time it is asked for. Late
// enough that start-up never waits for it or shares the processor with it.
constexpr int kCountDelayMs = 1500;

const QStringList kSidesValues = {QStringLiteral("one-sided"), QStringLiteral("two-sided-long-edge"),
                                  QStringLiteral("two-sided-short-edge")};

bool isTrue(const QString& value) { return value == QLatin1String("true"); }
QString truth(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }

// A size CUPS knows by a legacy or PWG name, in points.
QSizeF mediaSize(const QString& name)
{
    const QByteArray n = name.toUtf8();
    const pwg_media_t* media = pwgMediaForLegacy(n.constData());
    if (!media) media = pwgMediaForPWG(n.constData());
    if (!media) media = pwgMediaForPPD(n.constData());
    if (!media || media->width <= 0 || media->length <= 0) return QSizeF();
    return QSizeF(media->width * 72.0 / 2540.0, media->length * 72.0 / 2540.0);
}

QComboBox* newPopUp(const char* name, QWidget* parent)
{
    auto* popup = new QComboBox(parent);
    popup->setObjectName(QString::fromLatin1(name));
    popup->setMinimumWidth(180);
    return popup;
}

} // namespace

LayoutPage::LayoutPage(QWidget* parent) : HostPage(parent) { setObjectName(QStringLiteral("layoutPage")); }

LayoutPage::~LayoutPage() = default;

QString LayoutPage::title() const { return tr("Layout and Paper"); }

QSize LayoutPage::shownMinimumSize() const { return QSize(560, 220); }

QStringList LayoutPage::ownedKeywords() const
{
    return {QStringLiteral("PageSize"), QStringLiteral("PageRegion"), QStringLiteral("InputSlot"),
            QStringLiteral("Duplex")};
}

bool LayoutPage::hasOption(const char* keyword) const
{
    ppd_option_t* option = ppd_ ? ppdFindOption(ppd_, keyword) : nullptr;
    return option && option->num_choices > 0;
}

// ---------------------------------------------------------------------------------
// Choices

void LayoutPage::bind(const PrinterContext& printer, const QMap<QString, QString>& saved)
{
    ppd_ = printer.ppd;
    if (document_ != printer.document) {
        // Another document: its pages are not counted yet.
        document_ = printer.document;
        count_ = Count::NotStarted;
        pageCount_ = -1;
        countProblem_ = PreviewProblem::None;
    }
    const Choices defaults;
    Choices c;
    c.media = saved.value(kMedia);
    c.source = saved.value(kSource);
    c.sides = kSidesValues.contains(saved.value(kSides)) ? saved.value(kSides) : defaults.sides;
    const int orientation = saved.value(kOrientation).toInt();
    c.orientation = orientation >= Portrait && orientation <= ReversePortrait ? orientation : defaults.orientation;
    const int numberUp = saved.value(kNumberUp).toInt();
    c.numberUp = kNumbersUp.contains(numberUp) ? numberUp : defaults.numberUp;
    c.numberUpLayout =
        kLayouts.contains(saved.value(kNumberUpLayout)) ? saved.value(kNumberUpLayout) : defaults.numberUpLayout;
    c.pageBorder = kBorders.contains(saved.value(kPageBorder)) ? saved.value(kPageBorder) : defaults.pageBorder;
    c.collate = isTrue(saved.value(kCollate));
    c.reverse = isTrue(saved.value(kReverse));
    c.fitToPage = isTrue(saved.value(kFitToPage));
    // The page range belongs to the document, not to the printer: it is never kept, but
    // it stays as typed across a change of printer.
    c.allPages = choices_.allPages;
    c.range = choices_.range;
    choices_ = c;
    if (isBuilt()) {
        fillPopUps();
        refresh();
    }
}

void LayoutPage::saveValues(QMap<QString, QString>* values) const
{
    values->insert(kMedia, choices_.media);
    values->insert(kSource, choices_.source);
    values->insert(kSides, choices_.sides);
    values->insert(kOrientation, QString::number(choices_.orientation));
    values->insert(kNumberUp, QString::number(choices_.numberUp));
    values->insert(kNumberUpLayout, choices_.numberUpLayout);
    values->insert(kPageBorder, choices_.pageBorder);
    values->insert(kCollate, truth(choices_.collate));
    values->insert(kReverse, truth(choices_.reverse));
    values->insert(kFitToPage, truth(choices_.fitToPage));
}

void LayoutPage::addJobOptions(JobOptions* options) const
{
    // Paper size and source the printer description does not offer go as `media`,
    // "size,source" as lp takes it.
    QStringList media;
    if (!hasOption("PageSize") && !choices_.media.isEmpty()) media << choices_.media;
    if (!hasOption("InputSlot") && !choices_.source.isEmpty()) media << choices_.source;
    if (!media.isEmpty()) options->set(QStringLiteral("media"), media.join(QLatin1Char(',')));
    if (!hasOption("Duplex")) options->set(QStringLiteral("sides"), choices_.sides);
    if (choices_.orientation != Portrait)
        options->set(QStringLiteral("orientation-requested"), QString::number(choices_.orientation));
    if (choices_.numberUp > 1) {
        options->set(QStringLiteral("number-up"), QString::number(choices_.numberUp));
        if (choices_.numberUpLayout != QLatin1String("lrtb"))
            options->set(QStringLiteral("number-up-layout"), choices_.numberUpLayout);
        if (choices_.pageBorder != QLatin1String("none"))
            options->set(QStringLiteral("page-border"), choices_.pageBorder);
    }
    QList<PageRange> ranges;
    QString problem;
    if (!choices_.allPages && checkRange(&ranges, &problem))
        options->set(QStringLiteral("page-ranges"), PageRanges::format(ranges));
    if (choices_.collate) options->set(QStringLiteral("collate"), QStringLiteral("true"));
    if (choices_.reverse) options->set(QStringLiteral("outputorder"), QStringLiteral("reverse"));
    if (choices_.fitToPage) options->set(QStringLiteral("fit-to-page"), QStringLiteral("true"));
}

bool LayoutPage::checkRange(QList<PageRange>* ranges, QString* problem) const
{
    // With several pages a sheet, CUPS's filters read the range as sheets of paper.
    const bool sheets = choices_.numberUp > 1;
    int count = count_ == Count::Done ? pageCount_ : 0;
    if (sheets && count > 0) count = (count + choices_.numberUp - 1) / choices_.numberUp;
    return PageRanges::parse(choices_.range, ranges, problem, count, sheets);
}

bool LayoutPage::canPrint(QString* why) const
{
    if (countProblem_ == PreviewProblem::Encrypted) {
        *why = PreviewService::problemText(countProblem_);
        return false;
    }
    if (choices_.allPages) return true;
    QList<PageRange> ranges;
    if (!checkRange(&ranges, why)) return false;
    if (count_ == Count::Counting) {
        *why = tr("The document's pages are still being counted to check the page range; print again in a moment.");
        return false;
    }
    return true;
}

QString LayoutPage::rangeProblem() const
{
    return rangeProblem_ && rangeProblem_->isVisibleTo(this) ? rangeProblem_->text() : QString();
}

PrintLayout LayoutPage::printLayout(const JobOptions& options) const
{
    PrintLayout layout;
    QSizeF paper;
    if (hasOption("PageSize")) {
        // The marked size, PageSize or PageRegion.
        if (const ppd_size_t* size = ppdPageSize(ppd_, nullptr); size && size->width > 0 && size->length > 0)
            paper = QSizeF(size->width, size->length);
    } else if (!choices_.media.isEmpty()) {
        paper = mediaSize(choices_.media);
    }
    if (paper.isEmpty()) {
        // The printer's own default is not known here: the user's country's.
        const QPageSize::PageSizeId id =
            QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
        paper = QPageSize(id).size(QPageSize::Point);
    }
    layout.paper = paper;
    layout.orientation = choices_.orientation;
    layout.numberUp = choices_.numberUp;
    layout.numberUpLayout = choices_.numberUpLayout;
    layout.pageBorder = choices_.pageBorder;
    QString problem;
    if (!choices_.allPages && !checkRange(&layout.ranges, &problem)) layout.ranges.clear();
    layout.fitToPage = choices_.fitToPage;
    layout.gray = printsInGray(ppd_, options);
    return layout;
}

SummarySection LayoutPage::summary()
{
    if (!isBuilt()) prepareToShow();
    SummarySection section{title(), {}};
    const QList<QPair<QString, QComboBox*>> popups = {
        {tr("Paper size:"), paperSize_},       {tr("Paper source:"), paperSource_},
        {tr("Two-sided:"), twoSided_},         {tr("Orientation:"), orientation_},
        {tr("Pages per sheet:"), pagesPerSheet_}};
    for (const auto& [label, popup] : popups) section.rows.append({label, popup->currentText()});
    if (choices_.numberUp > 1) {
        section.rows.append({tr("Page order:"), pageOrder_->currentText()});
        section.rows.append({tr("Borders:"), pageBorder_->currentText()});
    }
    section.rows.append({tr("Pages:"), choices_.allPages ? tr("All") : choices_.range.trimmed()});
    QStringList output;
    for (QCheckBox* box : {collate_, reverse_, fitToPage_})
        if (box->isChecked()) output << box->text();
    section.rows.append({tr("Output:"), output.isEmpty() ? tr("As the document is") : output.join(QStringLiteral(", "))});
    return section;
}

// ---------------------------------------------------------------------------------
// Page count

PreviewService* LayoutPage::previewService()
{
    if (!service_) {
        service_ = new PreviewService(this);
        connect(service_, &PreviewService::pagesCounted, this,
                [this](quint64, int pages, PreviewProblem problem, const QString&) { pagesCounted(pages, problem); });
    }
    return service_;
}

void LayoutPage::startCounting()
{
    if (!document_ || count_ != Count::NotStarted) return;
    count_ = Count::Counting;
    previewService()->countPages(*document_);
    showRangeState();
}

void LayoutPage::pagesCounted(int pages, PreviewProblem problem)
{
    // Any count of the document will do, the preview's as well as the page's own.
    pageCount_ = problem == PreviewProblem::None ? pages : -1;
    countProblem_ = problem;
    count_ = problem == PreviewProblem::None ? Count::Done : Count::Failed;
    showRangeState();
    emit choicesChanged();
}

// ---------------------------------------------------------------------------------
// Controls

void LayoutPage::build()
{
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(20, 16, 20, 14);
    root->setSpacing(10);

    // Paper on the left, pages per sheet on the right, row by row as they are read.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    grid->setColumnMinimumWidth(2, 18);
    auto addRow = [&](int row, int column, const QString& text, QWidget* control) {
        auto* label = new QLabel(text, this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(control);
        grid->addWidget(label, row, column);
        grid->addWidget(control, row, column + 1);
        return label;
    };
    paperSize_ = newPopUp("paperSizePopUp", this);
    pagesPerSheet_ = newPopUp("pagesPerSheetPopUp", this);
    paperSource_ = newPopUp("paperSourcePopUp", this);
    pageOrder_ = newPopUp("pageOrderPopUp", this);
    twoSided_ = newPopUp("twoSidedPopUp", this);
    pageBorder_ = newPopUp("pageBorderPopUp", this);
    orientation_ = newPopUp("orientationPopUp", this);
    addRow(0, 0, tr("Paper size:"), paperSize_);
    addRow(0, 3, tr("Pages per sheet:"), pagesPerSheet_);
    addRow(1, 0, tr("Paper source:"), paperSource_);
    pageOrderLabel_ = addRow(1, 3, tr("Page order:"), pageOrder_);
    addRow(2, 0, tr("Two-sided:"), twoSided_);
    pageBorderLabel_ = addRow(2, 3, tr("Borders:"), pageBorder_);
    addRow(3, 0, tr("Orientation:"), orientation_);

    for (int n : kNumbersUp) pagesPerSheet_->addItem(QString::number(n), n);
    const QStringList layoutTexts = {tr("Left to right, top to bottom"), tr("Left to right, bottom to top"),
                                     tr("Right to left, top to bottom"), tr("Right to left, bottom to top"),
                                     tr("Top to bottom, left to right"), tr("Top to bottom, right to left"),
                                     tr("Bottom to top, left to right"), tr("Bottom to top, right to left")};
    for (int i = 0; i < kLayouts.size(); ++i) pageOrder_->addItem(layoutTexts.at(i), kLayouts.at(i));
    // The longest order is read whole.
    grid->setColumnMinimumWidth(4, pageOrder_->sizeHint().width());
    const QStringList borderTexts = {tr("None"), tr("Single line"), tr("Single thick line"), tr("Double line"),
                                     tr("Double thick line")};
    for (int i = 0; i < kBorders.size(); ++i) pageBorder_->addItem(borderTexts.at(i), kBorders.at(i));
    orientation_->addItem(tr("Portrait"), int(Portrait));
    orientation_->addItem(tr("Landscape"), int(Landscape));
    orientation_->addItem(tr("Reverse landscape"), int(ReverseLandscape));
    orientation_->addItem(tr("Reverse portrait"), int(ReversePortrait));
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    grid->addWidget(rule, 4, 0, 1, 5);

    // Pages: all, or a range with what is wrong with it right under it; the labels in
    // the same column as the paper's.
    QGridLayout* pages = grid;
    auto* pagesLabel = new QLabel(tr("Pages:"), this);
    pagesLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    allPages_ = new QRadioButton(tr("All"), this);
    allPages_->setObjectName(QStringLiteral("allPagesButton"));
    pagesLabel->setBuddy(allPages_);
    rangePages_ = new QRadioButton(tr("Range:"), this);
    rangePages_->setObjectName(QStringLiteral("rangeButton"));
    auto* group = new QButtonGroup(this);
    group->addButton(allPages_);
    group->addButton(rangePages_);
    rangeField_ = new QLineEdit(this);
    rangeField_->setObjectName(QStringLiteral("rangeField"));
    rangeField_->setPlaceholderText(tr("e.g. 1-3, 7"));
    rangeField_->setAccessibleName(tr("Page range"));
    rangeField_->setMaxLength(200);
    rangeField_->setMinimumWidth(140);
    pageCountText_ = new QLabel(this);
    pageCountText_->setObjectName(QStringLiteral("pageCountText"));
    pageCountText_->setForegroundRole(QPalette::PlaceholderText);
    auto* pageRow = new QHBoxLayout;
    pageRow->setSpacing(8);
    pageRow->addWidget(allPages_);
    pageRow->addSpacing(8);
    pageRow->addWidget(rangePages_);
    pageRow->addWidget(rangeField_);
    pageRow->addWidget(pageCountText_);
    pageRow->addStretch(1);
    pages->addWidget(pagesLabel, 5, 0);
    pages->addLayout(pageRow, 5, 1, 1, 4);
    rangeProblem_ = new QLabel(this);
    rangeProblem_->setObjectName(QStringLiteral("rangeProblem"));
    rangeProblem_->setWordWrap(true);
    rangeProblem_->setTextFormat(Qt::PlainText);
    QPalette warning = rangeProblem_->palette();
    warning.setColor(QPalette::WindowText, QColor(0xa0, 0x3c, 0x00));
    rangeProblem_->setPalette(warning);
    rangeProblem_->setVisible(false);
    pages->addWidget(rangeProblem_, 6, 1, 1, 4);

    auto* outputLabel = new QLabel(tr("Output:"), this);
    outputLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    collate_ = new QCheckBox(tr("Collate copies"), this);
    collate_->setObjectName(QStringLiteral("collateBox"));
    reverse_ = new QCheckBox(tr("Reverse order"), this);
    reverse_->setObjectName(QStringLiteral("reverseBox"));
    fitToPage_ = new QCheckBox(tr("Fit to page"), this);
    fitToPage_->setObjectName(QStringLiteral("fitToPageBox"));
    outputLabel->setBuddy(collate_);
    auto* outputRow = new QHBoxLayout;
    outputRow->setSpacing(16);
    outputRow->addWidget(collate_);
    outputRow->addWidget(reverse_);
    outputRow->addWidget(fitToPage_);
    outputRow->addStretch(1);
    pages->addWidget(outputLabel, 7, 0);
    pages->addLayout(outputRow, 7, 1, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    root->addLayout(grid);
    root->addStretch(1);

    // Tab runs row by row, as the page is read.
    const QList<QWidget*> order = {paperSize_, pagesPerSheet_, paperSource_, pageOrder_, twoSided_, pageBorder_,
                                   orientation_, allPages_,    rangePages_,  rangeField_, collate_,  reverse_,
                                   fitToPage_};
    for (int i = 1; i < order.size(); ++i) setTabOrder(order.at(i - 1), order.at(i));

    for (QComboBox* popup : {paperSize_, paperSource_, twoSided_, orientation_, pagesPerSheet_, pageOrder_, pageBorder_})
        connect(popup, &QComboBox::activated, this, [this, popup] { popUpChosen(popup); });
    connect(allPages_, &QRadioButton::clicked, this, [this] {
        choices_.allPages = true;
        changed();
    });
    connect(rangePages_, &QRadioButton::clicked, this, [this] {
        choices_.allPages = false;
        startCounting();
        rangeField_->setFocus(Qt::OtherFocusReason);
        changed();
    });
    connect(rangeField_, &QLineEdit::textEdited, this, &LayoutPage::rangeEdited);
    connect(collate_, &QCheckBox::clicked, this, [this](bool on) {
        choices_.collate = on;
        changed();
    });
    connect(reverse_, &QCheckBox::clicked, this, [this](bool on) {
        choices_.reverse = on;
        changed();
    });
    connect(fitToPage_, &QCheckBox::clicked, this, [this](bool on) {
        choices_.fitToPage = on;
        changed();
    });
    fillPopUps();
    QTimer::singleShot(kCountDelayMs, this, &LayoutPage::startCounting);
}

void LayoutPage::fillFromPpd(QComboBox* popup, const char* keyword, bool skipCustom)
{
    ppd_option_t* option = ppdFindOption(ppd_, keyword);
    for (int i = 0; option && i < option->num_choices; ++i) {
        const ppd_choice_t& choice = option->choices[i];
        if (skipCustom && std::strcmp(choice.choice, "Custom") == 0) continue;
        popup->addItem(QString::fromUtf8(choice.text[0] ? choice.text : choice.choice), QString::fromUtf8(choice.choice));
    }
}

void LayoutPage::fillPopUps()
{
    const QSignalBlocker b1(paperSize_);
    const QSignalBlocker b2(paperSource_);
    const QSignalBlocker b3(twoSided_);
    paperSize_->clear();
    paperSource_->clear();
    twoSided_->clear();
    if (hasOption("PageSize")) {
        // A custom size needs its width and length asked for: not offered here.
        fillFromPpd(paperSize_, "PageSize", true);
    } else {
        paperSize_->addItem(tr("Printer's default"), QString());
        const QList<QPair<QString, QString>> sizes = {
            {tr("US Letter"), QStringLiteral("Letter")}, {tr("US Legal"), QStringLiteral("Legal")},
            {tr("Executive"), QStringLiteral("Executive")}, {tr("Tabloid"), QStringLiteral("Tabloid")},
            {tr("A3"), QStringLiteral("A3")},             {tr("A4"), QStringLiteral("A4")},
            {tr("A5"), QStringLiteral("A5")},             {tr("Envelope #10"), QStringLiteral("COM10")},
            {tr("Envelope DL"), QStringLiteral("DL")}};
        for (const auto& size : sizes) paperSize_->addItem(size.first, size.second);
    }
    if (hasOption("InputSlot")) {
        fillFromPpd(paperSource_, "InputSlot", false);
    } else {
        paperSource_->addItem(tr("Automatic"), QString());
        paperSource_->addItem(tr("Upper tray"), QStringLiteral("Upper"));
        paperSource_->addItem(tr("Lower tray"), QStringLiteral("Lower"));
        paperSource_->addItem(tr("Multi-purpose tray"), QStringLiteral("MultiPurpose"));
        paperSource_->addItem(tr("Large-capacity tray"), QStringLiteral("LargeCapacity"));
    }
    if (hasOption("Duplex")) {
        fillFromPpd(twoSided_, "Duplex", false);
    } else {
        twoSided_->addItem(tr("Off"), kSidesValues.at(0));
        twoSided_->addItem(tr("Long-edge binding"), kSidesValues.at(1));
        twoSided_->addItem(tr("Short-edge binding"), kSidesValues.at(2));
    }
}

void LayoutPage::choose(QComboBox* popup, const QString& data)
{
    const QSignalBlocker block(popup);
    popup->setCurrentIndex(popup->findData(data));
}

void LayoutPage::refresh()
{
    auto marked = [this](const char* keyword) {
        const ppd_choice_t* choice = ppd_ ? ppdFindMarkedChoice(ppd_, keyword) : nullptr;
        return choice ? QString::fromUtf8(choice->choice) : QString();
    };
    if (hasOption("PageSize")) {
        // libcups keeps one of PageSize and PageRegion marked: whichever was marked last.
        QString size = marked("PageSize");
        if (size.isEmpty()) size = marked("PageRegion");
        choose(paperSize_, size);
    } else {
        choose(paperSize_, choices_.media);
        if (paperSize_->currentIndex() < 0) choose(paperSize_, QString());
    }
    if (hasOption("InputSlot")) {
        choose(paperSource_, marked("InputSlot"));
    } else {
        choose(paperSource_, choices_.source);
        if (paperSource_->currentIndex() < 0) choose(paperSource_, QString());
    }
    choose(twoSided_, hasOption("Duplex") ? marked("Duplex") : choices_.sides);
    {
        const QSignalBlocker block(orientation_);
        orientation_->setCurrentIndex(orientation_->findData(choices_.orientation));
    }
    {
        const QSignalBlocker block(pagesPerSheet_);
        pagesPerSheet_->setCurrentIndex(pagesPerSheet_->findData(choices_.numberUp));
    }
    choose(pageOrder_, choices_.numberUpLayout);
    choose(pageBorder_, choices_.pageBorder);
    const bool several = choices_.numberUp > 1;
    pageOrder_->setEnabled(several);
    pageOrderLabel_->setEnabled(several);
    pageBorder_->setEnabled(several);
    pageBorderLabel_->setEnabled(several);
    allPages_->setChecked(choices_.allPages);
    rangePages_->setChecked(!choices_.allPages);
    if (rangeField_->text() != choices_.range) rangeField_->setText(choices_.range);
    collate_->setChecked(choices_.collate);
    reverse_->setChecked(choices_.reverse);
    fitToPage_->setChecked(choices_.fitToPage);
    showRangeState();
}

void LayoutPage::popUpChosen(QComboBox* popup)
{
    const QVariant data = popup->currentData();
    if (popup == paperSize_) {
        if (hasOption("PageSize")) markChoice(ppd_, QStringLiteral("PageSize"), data.toString());
        else choices_.media = data.toString();
    } else if (popup == paperSource_) {
        if (hasOption("InputSlot")) markChoice(ppd_, QStringLiteral("InputSlot"), data.toString());
        else choices_.source = data.toString();
    } else if (popup == twoSided_) {
        if (hasOption("Duplex")) markChoice(ppd_, QStringLiteral("Duplex"), data.toString());
        else choices_.sides = data.toString();
    } else if (popup == orientation_) {
        choices_.orientation = data.toInt();
    } else if (popup == pagesPerSheet_) {
        choices_.numberUp = data.toInt();
    } else if (popup == pageOrder_) {
        choices_.numberUpLayout = data.toString();
    } else if (popup == pageBorder_) {
        choices_.pageBorder = data.toString();
    }
    changed();
}

void LayoutPage::rangeEdited()
{
    choices_.range = rangeField_->text();
    choices_.allPages = false;
    rangePages_->setChecked(true);
    startCounting();
    changed();
}

void LayoutPage::changed()
{
    refresh();
    emit choicesChanged();
}

void LayoutPage::showRangeState()
{
    if (!isBuilt() || !rangeProblem_) return;
    switch (count_) {
    case Count::Done:
        if (choices_.numberUp > 1) {
            const int sheets = (pageCount_ + choices_.numberUp - 1) / choices_.numberUp;
            pageCountText_->setText(sheets == 1 ? tr("of 1 sheet") : tr("of %1 sheets").arg(sheets));
        } else {
            pageCountText_->setText(pageCount_ == 1 ? tr("of 1 page") : tr("of %1 pages").arg(pageCount_));
        }
        break;
    case Count::Counting: pageCountText_->setText(tr("counting pages\u2026")); break;
    default: pageCountText_->clear(); break;
    }
    QString problem;
    if (countProblem_ == PreviewProblem::Encrypted) {
        problem = PreviewService::problemText(countProblem_);
    } else if (!choices_.allPages) {
        QList<PageRange> ranges;
        // An empty field is not yet a mistake while it is being typed into.
        if (!choices_.range.trimmed().isEmpty() || !rangeField_->hasFocus()) checkRange(&ranges, &problem);
    }
    rangeProblem_->setText(problem);
    rangeProblem_->setVisible(!problem.isEmpty());
}

} // namespace host
