#pragma once
// Documents for the host's tests and benchmarks: PDF and PostScript of any number of
// pages and any page size, each page numbered and carrying a coloured block (so gray
// output shows), and an encrypted PDF made by ghostscript.
#include "host/JobOptions.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QSizeF>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

namespace hosttest {

// A PDF file of `objects`, numbered from 1 (the first is the catalog), with its
// cross-reference table.
inline QByteArray pdfFile(const QList<QByteArray>& objects)
{
    QByteArray pdf = "%PDF-1.4\n";
    QList<qsizetype> offsets;
    for (int i = 0; i < objects.size(); ++i) {
        offsets.append(pdf.size());
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype offset : offsets) pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
           QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

// A printer description with none of the paper options: only a colour choice.
inline const QByteArray kBarePpd =
    "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n*LanguageVersion: English\n"
    "*LanguageEncoding: ISOLatin1\n*PCFileName: \"BARE.PPD\"\n*Manufacturer: \"Test\"\n*Product: \"(Bare)\"\n"
    "*ModelName: \"Bare\"\n*ShortNickName: \"Bare\"\n*NickName: \"Bare\"\n*PSVersion: \"(3010.000) 0\"\n"
    "*OpenUI *ColorModel/Output Color: PickOne\n*DefaultColorModel: RGB\n"
    "*ColorModel RGB/Color: \"\"\n*ColorModel Gray/Grayscale: \"\"\n*CloseUI: *ColorModel\n";

// `pages` pages of `size` points, page N saying "Page N" over a red block.
inline QByteArray pdfPages(int pages, QSizeF size = QSizeF(595, 842))
{
    QList<QByteArray> objects;
    objects << "<< /Type /Catalog /Pages 2 0 R >>";
    QByteArray kids;
    for (int i = 0; i < pages; ++i) kids += QByteArray::number(4 + 2 * i) + " 0 R ";
    objects << "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(pages) + " >>";
    objects << "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>";
    const QByteArray w = QByteArray::number(qRound(size.width()));
    const QByteArray h = QByteArray::number(qRound(size.height()));
    for (int i = 0; i < pages; ++i) {
        objects << "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + w + " " + h + "] /Contents " +
                       QByteArray::number(5 + 2 * i) + " 0 R /Resources << /Font << /F1 3 0 R >> >> >>";
        const QByteArray stream = "1 0 0 rg 40 40 " + QByteArray::number(qRound(size.width()) - 80) + " " +
                                  QByteArray::number(qRound(size.height() / 2)) + " re f 0 g BT /F1 36 Tf 60 " +
                                  QByteArray::number(qRound(size.height()) - 100) + " Td (Page " +
                                  QByteArray::number(i + 1) + ") Tj ET";
        objects << "<< /Length " + QByteArray::number(stream.size()) + " >>\nstream\n" + stream + "\nendstream";
    }
    return pdfFile(objects);
}

// The same as DSC-conforming PostScript.
inline QByteArray postScriptPages(int pages, QSizeF size = QSizeF(595, 842))
{
    const QByteArray w = QByteArray::number(qRound(size.width()));
    const QByteArray h = QByteArray::number(qRound(size.height()));
    QByteArray ps = "%!PS-Adobe-3.0\n%%Pages: " + QByteArray::number(pages) + "\n%%BoundingBox: 0 0 " + w + " " + h +
                    "\n%%DocumentMedia: Plain " + w + " " + h + " 0 () ()\n%%EndComments\n";
    for (int i = 0; i < pages; ++i) {
        ps += "%%Page: " + QByteArray::number(i + 1) + " " + QByteArray::number(i + 1) + "\n";
        ps += "<< /PageSize [" + w + " " + h + "] >> setpagedevice\n";
        ps += "1 0 0 setrgbcolor 40 40 " + QByteArray::number(qRound(size.width()) - 80) + " " +
              QByteArray::number(qRound(size.height() / 2)) + " rectfill\n";
        ps += "0 setgray /Helvetica findfont 36 scalefont setfont 60 " + QByteArray::number(qRound(size.height()) - 100) +
              " moveto (Page " + QByteArray::number(i + 1) + ") show showpage\n";
    }
    ps += "%%EOF\n";
    return ps;
}

inline host::Document documentOf(const QByteArray& data, const QString& name)
{
    host::Document document;
    document.name = name;
    document.format = data.startsWith("%PDF-") ? QStringLiteral("application/pdf")
                                               : QStringLiteral("application/postscript");
    document.data = data;
    return document;
}

// `pdf` encrypted with a user password by ghostscript; empty when gs cannot.
inline QByteArray encryptedPdf(const QByteArray& pdf)
{
    const QString gs = QStandardPaths::findExecutable(QStringLiteral("gs"));
    QTemporaryDir dir;
    if (gs.isEmpty() || !dir.isValid()) return QByteArray();
    QFile in(dir.filePath(QStringLiteral("in.pdf")));
    if (!in.open(QIODevice::WriteOnly) || in.write(pdf) != pdf.size()) return QByteArray();
    in.close();
    QProcess process;
    process.start(gs, {QStringLiteral("-q"), QStringLiteral("-dSAFER"), QStringLiteral("-dBATCH"),
                       QStringLiteral("-dNOPAUSE"), QStringLiteral("-sDEVICE=pdfwrite"),
                       QStringLiteral("-sOwnerPassword=owner"), QStringLiteral("-sUserPassword=secret"),
                       QStringLiteral("-sOutputFile=") + dir.filePath(QStringLiteral("out.pdf")), in.fileName()});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return QByteArray();
    QFile out(dir.filePath(QStringLiteral("out.pdf")));
    return out.open(QIODevice::ReadOnly) ? out.readAll() : QByteArray();
}

} // namespace hosttest
