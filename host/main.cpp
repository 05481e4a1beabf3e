// orvan-print: the print dialog of the Orvan colour laser printer.
#include "host/CommandLine.h"
#include "host/JobOptions.h"
#include "host/PlugInHost.h"
#include "host/PrintDialog.h"
#include "host/StartPage.h"
#include "host/Translations.h"

#include "platform/Alert.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

void say(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    host::CommandLine command;
    QString error;
    if (!command.parse(arguments, &error)) {
        say(stderr, QStringLiteral("orvan-print: %1\nTry 'orvan-print --help'.").arg(error));
        return host::kExitUsage;
    }
    if (command.help) {
        say(stdout, host::CommandLine::helpText());
        return host::kExitPrinted;
    }
    if (command.version) {
        say(stdout, host::CommandLine::versionText());
        return host::kExitPrinted;
    }

    if (command.offscreen) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
               qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        say(stderr, QStringLiteral("orvan-print: no display to show the dialog on; run it under 'xvfb-run -a "
                                   "orvan-print ...' or with '--offscreen --screenshot FILE.png'"));
        return host::kExitUsage;
    }

    // The document is checked before any window appears.
    host::Document document;
    if (!command.document.isEmpty() && !host::readDocument(command.document, &document, &error)) {
        say(stderr, QStringLiteral("orvan-print: %1").arg(error));
        return host::kExitUsage;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvan-print"));
    QApplication::setApplicationVersion(QStringLiteral(ORVAN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("orvan-print"));

    if (command.needsStartPage()) {
        // Started from the menu: the user says what to print; nothing goes out unasked.
        std::unique_ptr<host::Translations> texts = host::Translations::install(
            command.bundle.isEmpty() ? host::defaultBundlePath() : command.bundle);
        host::StartPage start;
        if (start.exec() != QDialog::Accepted) return host::kExitCancelled;
        if (start.choice() == host::StartPage::Choice::Defaults) command.defaults = true;
        else document = start.document();
    }
    // Without a document an unattended run prints the test page, as it always did; the
    // printer's defaults are set up with the test page as the document they never print.
    if (document.data.isEmpty()) document = host::testPage();

    const bool unattended = command.accept || command.quitAfterShow || !command.screenshot.isEmpty();
    if (command.accept) {
        // Nobody is there to read a message box.
        platform::setAlertRunner([](const QString& message, const QString& informative) {
            say(stderr, QStringLiteral("orvan-print: %1 %2").arg(message, informative).trimmed());
        });
    }

    std::unique_ptr<host::PrintDialog> dialog = host::PrintDialog::create(command.dialogOptions(), document, &error);
    if (!dialog) {
        say(stderr, QStringLiteral("orvan-print: %1").arg(error));
        return host::kExitUsage;
    }
    if (command.accept) {
        dialog->setConfirmer([](const QString& message, const QString& details) {
            say(stderr, QStringLiteral("orvan-print: warning: %1 %2").arg(message, details.section(QLatin1Char('\n'), 0, 0)));
            return true;
        });
        dialog->setFileChooser([](const QString&) { return QString(); });
    }

    int status = host::kExitCancelled;
    QObject::connect(dialog.get(), &QDialog::finished, &app, [&](int result) {
        if (status != host::kExitFailed) status = result == QDialog::Accepted ? host::kExitPrinted : host::kExitCancelled;
        app.exit(status);
    });
    QObject::connect(dialog.get(), &host::PrintDialog::printFailed, &app, [&](const QString&) {
        if (!command.accept) return; // the dialog stays open for the user
        status = host::kExitFailed;
        app.exit(status);
    });
    QObject::connect(dialog.get(), &host::PrintDialog::defaultsFailed, &app, [&](const QString&) {
        if (!command.accept) return; // the dialog stays open for the user
        status = host::kExitFailed;
        app.exit(status);
    });

    bool unattendedDone = false;
    auto runUnattended = [&] {
        if (unattendedDone) return;
        unattendedDone = true;
        if (!command.screenshot.isEmpty()) {
            if (!dialog->grab().save(command.screenshot)) {
                say(stderr, QStringLiteral("orvan-print: cannot write the screenshot %1").arg(command.screenshot));
                status = host::kExitFailed;
                app.exit(status);
                return;
            }
        }
        if (command.accept) {
            if (!command.printer.isEmpty() && dialog->currentPrinter() != command.printer) {
                // Never print somewhere else than asked.
                say(stderr, QStringLiteral("orvan-print: cannot print to %1: %2")
                                .arg(command.printer, dialog->serverNotice().isEmpty()
                                                          ? QStringLiteral("the printer is not available")
                                                          : dialog->serverNotice()));
                status = host::kExitFailed;
                app.exit(status);
                return;
            }
            if (command.defaults && dialog->isFileDestination()) {
                say(stderr, QStringLiteral("orvan-print: --defaults needs a printer: no queue was found on %1")
                                .arg(host::CupsClient::serverName()));
                status = host::kExitFailed;
                app.exit(status);
                return;
            }
            if (dialog->isFileDestination() && command.output.isEmpty()) {
                say(stderr, QStringLiteral("orvan-print: --accept with Save to File needs --output FILE"));
                status = host::kExitUsage;
                app.exit(status);
                return;
            }
            dialog->print();
            if (!dialog->isBusy() && dialog->result() != QDialog::Accepted && status != host::kExitFailed) {
                // Nothing went out and nothing is on its way (a panel held the job back).
                status = host::kExitFailed;
                app.exit(status);
            }
            return;
        }
        status = host::kExitPrinted;
        app.exit(status);
    };
    if (unattended) {
        QObject::connect(dialog.get(), &host::PrintDialog::settled, &app,
                         [&] { QTimer::singleShot(0, &app, runUnattended); });
        // A server that never answers must not keep an unattended run waiting for ever.
        QTimer::singleShot(command.settleTimeoutMs, &app, runUnattended);
    }

    dialog->show();
    if (unattended && dialog->isSettled()) QTimer::singleShot(0, &app, runUnattended);
    const int code = app.exec();
    dialog.reset();
    return code;
}
