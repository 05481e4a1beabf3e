#pragma once
// What orvan-print shows when it is started without a document (from the desktop's menu):
// "Open…" a PDF or PostScript file, or print the test page, or set up a printer's
// defaults. Nothing is printed until the user says what.
#include "host/JobOptions.h"

#include <QDialog>
#include <QString>

#include <functional>

class QLabel;
class QPushButton;

namespace host {

class StartPage : public QDialog {
    Q_OBJECT
public:
    enum class Choice { None, Document, TestPage, Defaults };

    explicit StartPage(QWidget* parent = nullptr);
    ~StartPage() override;

    // Asked for the file to open; empty cancels. The default is a file dialog for PDF and
    // PostScript documents.
    using FileChooser = std::function<QString()>;
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

    // What the user chose once the page is accepted; the document read for Choice::Document.
    Choice choice() const { return choice_; }
    const Document& document() const { return document_; }

    // The actions of the buttons.
    void open();
    void printTestPage();
    void setUpDefaults();

private:
    FileChooser chooser_;
    Choice choice_ = Choice::None;
    Document document_;
    QLabel* problem_ = nullptr;
};

} // namespace host
