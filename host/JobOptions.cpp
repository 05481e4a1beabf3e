// The libcups PPD interface is deprecated in CUPS 2.4 but is what printer options
// are described in.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "host/JobOptions.h"

#include "host/PpdWalk.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace host {

void JobOptions::set(const QString& name, const QString& value)
{
    for (auto& item : items_) {
        if (item.first == name) {
            item.second = value;
            return;
        }
    }
    items_.append({name, value});
}

QString JobOptions::value(const QString& name) const
{
    for (const auto& item : items_)
        if (item.first == name) return item.second;
    return QString();
}

bool JobOptions::contains(const QString& name) const
{
    for (const auto& item : items_)
        if (item.first == name) return true;
    return false;
}

QList<HandOver> markedNonDefaultChoices(ppd_file_t* ppd)
{
    QList<HandOver> choices;
    if (!ppd) return choices;
    forEachPpdOption(ppd, [&](ppd_option_t* option) {
        const ppd_choice_t* marked = ppdFindMarkedChoice(ppd, option->keyword);
        if (!marked) return;
        if (std::strcmp(marked->choice, option->defchoice) == 0) return;
        // A custom value lives in the option's parameters, not in its choice name;
        // the panels hand over such values themselves.
        if (std::strcmp(marked->choice, "Custom") == 0) return;
        choices.append({QString::fromUtf8(option->keyword), QString::fromUtf8(marked->choice)});
    });
    return choices;
}

JobOptions jobOptionsFor(ppd_file_t* ppd, const QList<HandOver>& handOvers)
{
    JobOptions options;
    for (const HandOver& choice : markedNonDefaultChoices(ppd)) options.set(choice.first, choice.second);
    for (const HandOver& handOver : handOvers) {
        if (handOver.first.isEmpty()) continue;
        options.set(handOver.first, ppdChoiceFor(ppd, handOver.first, handOver.second));
    }
    return options;
}

void markChoices(ppd_file_t* ppd, const QList<HandOver>& choices)
{
    for (const HandOver& choice : choices) markChoice(ppd, choice.first, choice.second);
}

QStringList conflictingOptions(ppd_file_t* ppd)
{
    QStringList answer;
    if (!ppd || ppdConflicts(ppd) == 0) return answer;
    // ppdConflicts leaves each option's `conflicted` flag set.
    forEachPpdOption(ppd, [&](ppd_option_t* option) {
        if (!option->conflicted) return;
        const ppd_choice_t* marked = ppdFindMarkedChoice(ppd, option->keyword);
        QString text = QString::fromUtf8(option->text[0] ? option->text : option->keyword);
        if (marked)
            text += QStringLiteral(" (%1)").arg(
                QString::fromUtf8(marked->text[0] ? marked->text : marked->choice));
        answer.append(text);
    });
    return answer;
}

bool readDocument(const QString& path, Document* document, QString* error)
{
    QFile file(path);
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = QStringLiteral("cannot print %1: no such file").arg(path);
        return false;
    }
    if (info.isDir()) {
        *error = QStringLiteral("cannot print %1: it is a directory").arg(path);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot print %1: %2").arg(path, file.errorString());
        return false;
    }
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("cannot print %1: %2").arg(path, file.errorString());
        return false;
    }
    QString format;
    if (data.startsWith("%PDF-"))
        format = QStringLiteral("application/pdf");
    else if (data.startsWith("%!") || data.startsWith("\x04%!"))
        format = QStringLiteral("application/postscript");
    else {
        *error = data.isEmpty() ? QStringLiteral("cannot print %1: the file is empty").arg(path)
                                : QStringLiteral("cannot print %1: not a PDF or PostScript document").arg(path);
        return false;
    }
    document->name = info.fileName();
    document->path = info.absoluteFilePath();
    document->format = format;
    document->data = std::move(data);
    return true;
}

Document testPage()
{
    static const char page[] =
        "%!PS-Adobe-3.0\n"
        "%%Title: Orvan test page\n"
        "%%Pages: 1\n"
        "%%BoundingBox: 0 0 595 842\n"
        "%%EndComments\n"
        "%%Page: 1 1\n"
        "/Helvetica-Bold findfont 28 scalefont setfont\n"
        "72 720 moveto (Orvan test page) show\n"
        "/Helvetica findfont 12 scalefont setfont\n"
        "72 696 moveto (Printed by orvan-print with the options chosen in its dialog.) show\n"
        "0.5 setlinewidth\n"
        "% one swatch per toner: cyan, magenta, yellow, black\n"
        "72 560 100 100 rectstroke 1 0 0 0 setcmykcolor 72 560 100 100 rectfill\n"
        "192 560 100 100 rectstroke 0 1 0 0 setcmykcolor 192 560 100 100 rectfill\n"
        "312 560 100 100 rectstroke 0 0 1 0 setcmykcolor 312 560 100 100 rectfill\n"
        "432 560 100 100 rectstroke 0 0 0 1 setcmykcolor 432 560 100 100 rectfill\n"
        "% a gray ramp in eleven steps\n"
        "0 1 10 { dup 10 div 1 exch sub setgray 44 mul 72 add 480 40 40 rectfill } for\n"
        "showpage\n"
        "%%EOF\n";
    Document document;
    document.name = QCoreApplication::translate("host::Document", "Test Page");
    document.format = QStringLiteral("application/postscript");
    document.data = QByteArray(page);
    return document;
}

} // namespace host
