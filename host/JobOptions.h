#pragma once
// What a print job carries besides its document: the options (lp -o name=value), its
// name and copies; and the documents orvan-print accepts.
#include "host/HostCallback.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <cups/ppd.h>

namespace host {

// Job options in the order they are given; a name given twice keeps its last value at
// the place of its first.
class JobOptions {
public:
    void set(const QString& name, const QString& value);
    QString value(const QString& name) const;
    bool contains(const QString& name) const;
    const QList<QPair<QString, QString>>& items() const { return items_; }
    bool isEmpty() const { return items_.isEmpty(); }

private:
    QList<QPair<QString, QString>> items_;
};

// Every marked choice of `ppd` that differs from the option's default, in PPD order,
// then every hand-over in order (also for keywords or choices the PPD does not know;
// free-text values of custom options in their "Custom." form).
JobOptions jobOptionsFor(ppd_file_t* ppd, const QList<HandOver>& handOvers);

// The choices of `ppd` marked now that differ from their option's default, in PPD order.
QList<HandOver> markedNonDefaultChoices(ppd_file_t* ppd);

// Marks each choice with ppdMarkOption (choices the PPD does not know change nothing).
void markChoices(ppd_file_t* ppd, const QList<HandOver>& choices);

// The options the PPD's UIConstraints say conflict with each other now, as
// "Option text (choice text)", in PPD order; empty when there is no conflict.
QStringList conflictingOptions(ppd_file_t* ppd);

// A document to print: its bytes and their MIME type.
struct Document {
    QString name;        // shown as the default job name
    QString path;        // empty for the built-in test page
    QString format;      // "application/pdf" or "application/postscript"
    QByteArray data;
};

// Reads a PDF or PostScript file; false with a one-line reason for anything else.
bool readDocument(const QString& path, Document* document, QString* error);

// A one-page PostScript test page naming the printer description it was made for.
Document testPage();

} // namespace host
