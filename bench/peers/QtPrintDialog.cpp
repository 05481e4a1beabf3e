// bench-peer-qtprint: Qt's own print dialog for a queue (argument 1, else the default
// one) of the configured CUPS server (CUPS_SERVER). Run with the first-frame library
// preloaded, it measures how long Qt's dialog takes to appear.
#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QPrinter printer(QPrinter::HighResolution);
    if (argc > 1) printer.setPrinterName(QString::fromLocal8Bit(argv[1]));
    QPrintDialog dialog(&printer);
    dialog.show();
    return app.exec();
}
