#include "host/FileDestination.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>

namespace host {

namespace {

// Suffixes that name a format: a file ending in one of them takes the new format's.
bool namesAFormat(const QString& suffix)
{
    static const QStringList known = {QStringLiteral("ps"), QStringLiteral("pdf"), QStringLiteral("prn")};
    return known.contains(suffix, Qt::CaseInsensitive);
}

// A path shown in the room there is: the home folder as "~", elided in the middle so
// that both the folder's start and the file's name stay in view.
class PathLabel : public QLabel {
public:
    explicit PathLabel(QWidget* parent) : QLabel(parent)
    {
        setTextFormat(Qt::PlainText);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    }

    void setPath(const QString& path, const QString& placeholder)
    {
        path_ = path;
        placeholder_ = placeholder;
        const QString home = QDir::homePath();
        shown_ = QDir::toNativeSeparators(path);
        if (!home.isEmpty() && home != QLatin1String("/") && path.startsWith(home + QLatin1Char('/')))
            shown_ = QStringLiteral("~") + QDir::toNativeSeparators(path.mid(home.size()));
        setToolTip(QDir::toNativeSeparators(path));
        QPalette colours = QApplication::palette(this);
        if (path.isEmpty())
            colours.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::PlaceholderText));
        setPalette(colours);
        elide();
        updateGeometry();
    }

    QString fullText() const { return path_.isEmpty() ? placeholder_ : shown_; }

    QSize sizeHint() const override
    {
        // Room for a usual path; longer ones are elided rather than widening the window.
        const int wanted = fontMetrics().horizontalAdvance(fullText()) + 4;
        return {std::min(wanted, fontMetrics().averageCharWidth() * 32), QLabel::sizeHint().height()};
    }
    QSize minimumSizeHint() const override
    {
        return {fontMetrics().averageCharWidth() * 12, QLabel::minimumSizeHint().height()};
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QLabel::resizeEvent(event);
        elide();
    }
    void changeEvent(QEvent* event) override
    {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) elide();
    }

private:
    void elide()
    {
        const QString text = fontMetrics().elidedText(fullText(), Qt::ElideMiddle, std::max(0, contentsRect().width()));
        if (text != QLabel::text()) QLabel::setText(text);
    }

    QString path_;
    QString shown_;
    QString placeholder_;
};

} // namespace

FileDestination::FileDestination(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    auto* pathLabel = new PathLabel(this);
    pathLabel->setObjectName(QStringLiteral("filePath"));
    pathLabel_ = pathLabel;
    layout->addWidget(pathLabel_, 1);

    chooseButton_ = new QPushButton(tr("Choose\u2026"), this);
    chooseButton_->setObjectName(QStringLiteral("fileChooseButton"));
    chooseButton_->setAccessibleName(tr("Choose the file"));
    chooseButton_->setAutoDefault(false);
    connect(chooseButton_, &QPushButton::clicked, this, &FileDestination::choose);
    layout->addWidget(chooseButton_);
    layout->addSpacing(8);

    formatLabel_ = new QLabel(tr("Format:"), this);
    formatLabel_->setObjectName(QStringLiteral("fileFormatLabel"));
    layout->addWidget(formatLabel_);
    formatPopUp_ = new QComboBox(this);
    formatPopUp_->setObjectName(QStringLiteral("fileFormatPopUp"));
    formatPopUp_->setToolTip(
        tr("Printer data: the document as the printer receives it, made by the printer's own filters with "
           "every option. PDF document: the pages as they will print, to view or to share."));
    formatLabel_->setBuddy(formatPopUp_);
    nameFormats();
    connect(formatPopUp_, &QComboBox::activated, this, &FileDestination::formatChosen);
    layout->addWidget(formatPopUp_);

    showPath();
}

FileDestination::~FileDestination() = default;

void FileDestination::nameFormats()
{
    const int current = formatPopUp_->currentIndex();
    QString printerData = tr("Printer data");
    if (printerDataSuffix_ == QLatin1String("ps")) printerData = tr("Printer data (PostScript)");
    else if (printerDataSuffix_ == QLatin1String("pdf")) printerData = tr("Printer data (PDF)");
    formatPopUp_->clear();
    formatPopUp_->addItem(printerData, static_cast<int>(FileJob::Format::PrinterData));
    formatPopUp_->addItem(tr("PDF document"), static_cast<int>(FileJob::Format::Pdf));
    formatPopUp_->setCurrentIndex(std::max(0, current));
}

void FileDestination::setPrinterDataSuffix(const QString& suffix)
{
    printerDataSuffix_ = suffix;
    nameFormats();
}

FileJob::Format FileDestination::format() const
{
    return static_cast<FileJob::Format>(formatPopUp_->currentData().toInt());
}

void FileDestination::setFormat(FileJob::Format format)
{
    formatPopUp_->setCurrentIndex(formatPopUp_->findData(static_cast<int>(format)));
    lastFormat_ = format;
}

QString FileDestination::suffixOf(FileJob::Format format) const
{
    return format == FileJob::Format::Pdf ? QStringLiteral("pdf") : printerDataSuffix_;
}

QString FileDestination::suffix() const { return suffixOf(format()); }

void FileDestination::formatChosen()
{
    const FileJob::Format now = format();
    if (now == lastFormat_) return;
    // A chosen file named for the old format is renamed for the new one; a name of the
    // user's own making ("out.data") is left alone.
    const QFileInfo file(path_);
    const QString oldSuffix = file.suffix();
    if (!path_.isEmpty() && (oldSuffix.compare(suffixOf(lastFormat_), Qt::CaseInsensitive) == 0 || namesAFormat(oldSuffix)))
        setPath(path_.left(path_.size() - oldSuffix.size()) + suffixOf(now));
    lastFormat_ = now;
}

void FileDestination::setPath(const QString& path)
{
    const QString absolute = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    if (absolute == path_) return;
    path_ = absolute;
    showPath();
}

void FileDestination::showPath()
{
    static_cast<PathLabel*>(pathLabel_)->setPath(path_, tr("Chosen when you print"));
}

QString FileDestination::folder() const
{
    if (!path_.isEmpty()) return QFileInfo(path_).absolutePath();
    if (!folder_.isEmpty() && QFileInfo(folder_).isDir()) return folder_;
    return QDir::homePath();
}

QString FileDestination::suggestion() const
{
    if (!path_.isEmpty()) return path_;
    const QString base = QFileInfo(documentName_).completeBaseName();
    return folder() + QLatin1Char('/') + (base.isEmpty() ? QStringLiteral("output") : base) +
           QStringLiteral("-print.") + suffix();
}

void FileDestination::choose()
{
    if (!chooser_) return;
    const QString chosen = chooser_(suggestion());
    if (!chosen.isEmpty()) setPath(chosen);
}

QWidget* FileDestination::firstControl() const { return chooseButton_; }
QWidget* FileDestination::lastControl() const { return formatPopUp_; }

} // namespace host
