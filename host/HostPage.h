#pragma once
// A page of orvan-print's own under the pane pop-up, beside the bundle's panels: Layout
// and Paper, Printer Features, the Summary. A page costs nothing until it is first
// shown: its controls are built then, and until then it keeps its choices itself.
#include "host/JobOptions.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cups/ppd.h>

namespace host {

class HostCallback;
struct Destination;

// The printer the dialog works on now, and the document it prints.
struct PrinterContext {
    QString printer;                       // the queue; empty for Save to File
    ppd_file_t* ppd = nullptr;             // its description, defaults and saved choices marked; may be null
    HostCallback* callback = nullptr;      // the panels' callback over `ppd`
    const Destination* destination = nullptr; // what the server says of the queue; null for Save to File
    const Document* document = nullptr;    // the document to print
    QStringList panelKeywords;             // the PPD keywords the bundle's panels show
    QStringList ownedKeywords;             // every PPD keyword a panel or a host page shows
    QMap<QString, QString> queueDefaults;  // the queue's defaults as lp sends them (the server's,
                                           // then the user's lpoptions): where a page starts
};

class HostPage : public QWidget {
    Q_OBJECT
public:
    explicit HostPage(QWidget* parent = nullptr);
    ~HostPage() override;

    // The title in the pane pop-up, in the user's language.
    virtual QString title() const = 0;
    // A name that does not change with the language: --panel takes it, and the pane
    // shown stays shown across printers by it.
    virtual QString key() const = 0;

    // A new printer state, for every printer change, shown or not. The page forgets the
    // choices it kept for the earlier printer, then takes `saved` (its own values as
    // `saveValues` wrote them for this printer).
    virtual void bind(const PrinterContext& printer, const QMap<QString, QString>& saved);
    // The page's choices to keep with the printer's settings.
    virtual void saveValues(QMap<QString, QString>* values) const;
    // Job options the page sends beyond the PPD's marked choices (lp -o names).
    virtual void addJobOptions(JobOptions* options) const;
    // PPD keywords this page shows; Printer Features leaves them out. The same for
    // every printer.
    virtual QStringList ownedKeywords() const;
    // The Summary's row for job option `option` (one this page sends or shows) when the
    // page words it better than "Option text: choice text"; false leaves it to the host.
    virtual bool describeJobOption(const QString& option, const QString& value, QString* title,
                                   QString* text) const;
    // Whether the page's choices can be printed as they stand; false with a sentence
    // for the user (a page range the document does not have, a value out of range).
    virtual bool canPrint(QString* why) const;

    // The least size of the page while it is shown (a hidden page takes no room).
    virtual QSize shownMinimumSize() const;

    // Before each show: the first call builds the controls.
    void prepareToShow();
    bool isBuilt() const { return built_; }

signals:
    // The user changed a choice: marks or job options may differ now.
    void choicesChanged();

protected:
    virtual void build() = 0;
    // Brings the built controls up to date with the page's choices.
    virtual void refresh();

private:
    bool built_ = false;
};

} // namespace host
