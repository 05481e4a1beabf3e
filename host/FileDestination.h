#pragma once
// The row under the printer pop-up while Save to File is the destination: the file to
// write (its path elided in the middle, the whole of it in the tool tip), "Choose…"
// for a file chooser, and the format: the printer's own data or a PDF. The file's
// suffix follows the format.
#include "host/FileJob.h"

#include <QString>
#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace host {

class FileDestination : public QWidget {
    Q_OBJECT
public:
    explicit FileDestination(QWidget* parent = nullptr);
    ~FileDestination() override;

    // Asked for a file on "Choose…", with a suggestion; empty keeps the file as it is.
    using Chooser = std::function<QString(const QString& suggestion)>;
    void setChooser(Chooser chooser) { chooser_ = std::move(chooser); }

    // The suffix of what the printer description's filters send its printer
    // (FileJob::printerDataSuffix): names the first format and gives its files' suffix.
    void setPrinterDataSuffix(const QString& suffix);

    QString path() const { return path_; }
    void setPath(const QString& path);
    FileJob::Format format() const;
    // Shows `format` and leaves the file's name alone (--output's name is the user's);
    // a format the user picks in the pop-up renames a file named for the other one.
    void setFormat(FileJob::Format format);
    // The folder files are suggested in: the chosen file's, else the one given here (the
    // last one written to), else the home folder.
    QString folder() const;
    void setFolder(const QString& folder) { folder_ = folder; }
    // The suffix of the format chosen ("ps", "pdf").
    QString suffix() const;
    // Suggestions are named after the document.
    void setDocumentName(const QString& name) { documentName_ = name; }
    // The chosen file, else one to suggest: named after the document, never the
    // document itself, with the format's suffix, in folder().
    QString suggestion() const;

    // "Choose…": asks the chooser and takes its answer.
    void choose();

    // The controls, for the window's tab order.
    QWidget* firstControl() const;
    QWidget* lastControl() const;

private:
    void formatChosen();
    void showPath();
    void nameFormats();
    QString suffixOf(FileJob::Format format) const;


    Chooser chooser_;
    QString path_;
    QString folder_;
    QString documentName_;
    QString printerDataSuffix_ = QStringLiteral("ps");
    FileJob::Format lastFormat_ = FileJob::Format::PrinterData; // before the user's change
    QLabel* pathLabel_ = nullptr;     // child
    QPushButton* chooseButton_ = nullptr; // child
    QLabel* formatLabel_ = nullptr;   // child
    QComboBox* formatPopUp_ = nullptr; // child
};

} // namespace host
