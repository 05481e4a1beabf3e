#include "host/StartPage.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace host {

StartPage::StartPage(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("startPage"));
    setWindowTitle(tr("Orvan Print"));
    chooser_ = [this] {
        return QFileDialog::getOpenFileName(this, tr("Open a Document to Print"), QDir::homePath(),
                                            tr("PDF and PostScript documents (*.pdf *.PDF *.ps *.PS *.eps)") +
                                                QStringLiteral(";;") + tr("All files (*)"));
    };

    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize) + 16;
    QIcon printer = QIcon::fromTheme(QStringLiteral("orvan-print"), QIcon::fromTheme(QStringLiteral("document-print")));
    if (printer.isNull()) printer = style()->standardIcon(QStyle::SP_FileDialogContentsView);
    icon->setPixmap(printer.pixmap(size, size));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* heading = new QLabel(tr("What would you like to print?"), this);
    heading->setObjectName(QStringLiteral("startHeading"));
    QFont big = heading->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    heading->setFont(big);
    auto* text = new QLabel(tr("Open a PDF or PostScript document to print it with every option of your printer. "
                               "The test page shows the printer's colours and grays. To have every application "
                               "print with your choices, save them as a printer's defaults."),
                            this);
    text->setWordWrap(true);
    text->setMinimumWidth(380);
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("startProblem"));
    problem_->setWordWrap(true);
    problem_->setTextFormat(Qt::PlainText);
    QPalette palette = problem_->palette();
    palette.setColor(QPalette::WindowText, QColor(0xa0, 0x3c, 0x00));
    problem_->setPalette(palette);
    problem_->setVisible(false);

    auto* words = new QVBoxLayout;
    words->setSpacing(8);
    words->addWidget(heading);
    words->addWidget(text);
    words->addWidget(problem_);
    words->addStretch(1);
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(icon);
    top->addLayout(words, 1);

    auto* defaults = new QPushButton(tr("Printer Defaults..."), this);
    defaults->setObjectName(QStringLiteral("defaultsButton"));
    defaults->setAutoDefault(false);
    auto* testPage = new QPushButton(tr("Print Test Page..."), this);
    testPage->setObjectName(QStringLiteral("testPageButton"));
    testPage->setAutoDefault(false);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    auto* openButton = new QPushButton(tr("Open..."), this);
    openButton->setObjectName(QStringLiteral("openButton"));
    openButton->setDefault(true);
    auto* answers = new QHBoxLayout;
    answers->addWidget(defaults);
    answers->addWidget(testPage);
    answers->addStretch(1);
    answers->addWidget(cancel);
    answers->addWidget(openButton);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(18, 18, 18, 14);
    root->setSpacing(16);
    root->addLayout(top);
    root->addLayout(answers);
    root->setSizeConstraint(QLayout::SetFixedSize);

    connect(openButton, &QPushButton::clicked, this, &StartPage::open);
    connect(testPage, &QPushButton::clicked, this, &StartPage::printTestPage);
    connect(defaults, &QPushButton::clicked, this, &StartPage::setUpDefaults);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    openButton->setFocus();
}

StartPage::~StartPage() = default;

void StartPage::open()
{
    const QString path = chooser_ ? chooser_() : QString();
    if (path.isEmpty()) return; // the page stays for another choice
    QString error;
    Document document;
    if (!readDocument(path, &document, &error)) {
        problem_->setText(error);
        problem_->setVisible(true);
        return;
    }
    document_ = document;
    choice_ = Choice::Document;
    accept();
}

void StartPage::printTestPage()
{
    document_ = testPage();
    choice_ = Choice::TestPage;
    accept();
}

void StartPage::setUpDefaults()
{
    choice_ = Choice::Defaults;
    accept();
}

} // namespace host
