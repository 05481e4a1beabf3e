// While the dialog is open, orvan-print follows what the print server says of its queues:
// the chosen queue's location, state and reasons under the printer pop-up (paused with
// the administrator's words, out of paper, not accepting jobs), queues that appear and
// go, and the chosen queue kept, marked as gone, when the server drops it. All through a
// private CUPS scheduler changed with its own administration commands.
#include "host/DestinationModel.h"
#include "tests/host/HostQueueTest.h"

#include <QLabel>

#include <cups/cups.h>

namespace {

using hosttest::find;

class PrinterState : public hosttest::HostQueueTest {
protected:
    host::PrintDialog* openWatching()
    {
        host::PrintDialog* dialog = open(queueOptions());
        if (!dialog) return nullptr;
        EXPECT_EQ(dialog->currentPrinter(), QStringLiteral("Orvan"));
        client_ = dialog->findChild<host::CupsClient*>();
        EXPECT_NE(client_, nullptr);
        if (!client_) return nullptr;
        EXPECT_TRUE(client_->isWatching()) << "a shown dialog watches the server";
        // A test need not wait seconds for each change.
        client_->setWatchInterval(150);
        return dialog;
    }

    // The line under the printer pop-up.
    QString stateLine() const
    {
        auto* label = find<QLabel>(dialog_.get(), "printerState");
        return label && label->isVisibleTo(dialog_.get()) ? label->text() : QString();
    }

    bool admin(const char* command, const QStringList& arguments)
    {
        QString error;
        const bool ok = cupsd_.admin(QString::fromLatin1(command), arguments, &error);
        EXPECT_TRUE(ok) << error.toStdString();
        return ok;
    }

    // What a printer's backend reports of itself (lpadmin has no option for it): the
    // server takes printer-state-reasons in CUPS-Add-Modify-Printer.
    bool setReasons(const QString& queue, const QList<QByteArray>& reasons)
    {
        http_t* http = httpConnect2("127.0.0.1", cupsd_.port(), nullptr, AF_INET, HTTP_ENCRYPTION_NEVER, 1, 10000, nullptr);
        if (!http) return false;
        ipp_t* request = ippNewRequest(IPP_OP_CUPS_ADD_MODIFY_PRINTER);
        const QByteArray uri = QStringLiteral("ipp://%1/printers/%2").arg(cupsd_.server(), queue).toUtf8();
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.constData());
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
        std::vector<const char*> values;
        for (const QByteArray& reason : reasons) values.push_back(reason.constData());
        ippAddStrings(request, IPP_TAG_PRINTER, IPP_TAG_KEYWORD, "printer-state-reasons", static_cast<int>(values.size()),
                      nullptr, values.data());
        ipp_t* response = cupsDoRequest(http, request, "/admin/");
        const bool ok = response && ippGetStatusCode(response) <= IPP_STATUS_OK_CONFLICTING;
        EXPECT_TRUE(ok) << cupsLastErrorString();
        ippDelete(response);
        httpClose(http);
        return ok;
    }

    bool waitForState(const QString& wanted)
    {
        return hosttest::waitFor([&] { return stateLine() == wanted; }, 15000);
    }

    host::CupsClient* client_ = nullptr;
};

TEST_F(PrinterState, TheChosenQueuesStateFollowsTheServerWhileTheDialogIsOpen)
{
    host::PrintDialog* dialog = openWatching();
    ASSERT_TRUE(dialog);
    // The test queue starts stopped.
    EXPECT_EQ(stateLine(), QStringLiteral("Paused"));

    struct Step {
        std::function<bool()> change;
        QString shows;
    };
    const QList<Step> steps = {
        {[&] { return admin("lpadmin", {"-p", "Orvan", "-L", "Room 4.12"}); }, "Room 4.12 \u2014 Paused"},
        {[&] { return admin("cupsenable", {"Orvan"}); }, "Room 4.12 \u2014 Idle"},
        {[&] { return setReasons("Orvan", {"media-empty-error"}); }, "Room 4.12 \u2014 Idle: out of paper"},
        {[&] { return setReasons("Orvan", {"none"}); }, "Room 4.12 \u2014 Idle"},
        {[&] { return admin("cupsdisable", {"-r", "Waiting for a new drum", "Orvan"}); },
         "Room 4.12 \u2014 Paused: Waiting for a new drum"},
        {[&] { return admin("cupsenable", {"Orvan"}) && admin("cupsreject", {"Orvan"}); },
         "Room 4.12 \u2014 Idle: not accepting jobs"},
    };
    for (const Step& step : steps) {
        ASSERT_TRUE(step.change()) << step.shows.toStdString();
        EXPECT_TRUE(waitForState(step.shows)) << "shows \u201c" << stateLine().toStdString() << "\u201d, not \u201c"
                                              << step.shows.toStdString() << "\u201d";
    }
    // The pop-up's row says the same.
    auto* printers = find<QComboBox>(dialog, "printerPopUp");
    EXPECT_TRUE(printers->itemData(printers->currentIndex(), Qt::ToolTipRole).toString().endsWith(
        QStringLiteral("Idle: not accepting jobs")));

    // Hidden, the dialog asks nothing more.
    dialog->hide();
    EXPECT_FALSE(client_->isWatching());
}

TEST_F(PrinterState, QueuesThatComeAndGoShowUpAndGoButTheChosenOneStaysMarkedAsGone)
{
    host::PrintDialog* dialog = openWatching();
    ASSERT_TRUE(dialog);
    auto* printers = find<QComboBox>(dialog, "printerPopUp");
    auto has = [&](const char* title) { return printers->findText(QString::fromUtf8(title)) >= 0; };

    QString error;
    ASSERT_TRUE(cupsd_.addQueue(QStringLiteral("Annex"), QString(), &error)) << error.toStdString();
    EXPECT_TRUE(hosttest::waitFor([&] { return has("Annex"); }, 15000));
    ASSERT_TRUE(admin("lpadmin", {"-x", "Annex"}));
    EXPECT_TRUE(hosttest::waitFor([&] { return !has("Annex"); }, 15000));

    // The queue in use goes: it stays chosen, said to be gone.
    ASSERT_TRUE(admin("lpadmin", {"-x", "Orvan"}));
    EXPECT_TRUE(waitForState(QStringLiteral("No longer on the print server"))) << stateLine().toStdString();
    EXPECT_EQ(dialog->currentPrinter(), QStringLiteral("Orvan"));
    EXPECT_EQ(printers->currentText(), QStringLiteral("Orvan (default)"));

    // Once another destination is chosen, it goes from the pop-up, its separator with it.
    ASSERT_TRUE(hosttest::chooseItem(printers, QStringLiteral("Save to File")));
    EXPECT_FALSE(has("Orvan (default)"));
    EXPECT_EQ(printers->count(), 1);
    EXPECT_EQ(printers->currentText(), QStringLiteral("Save to File"));
    EXPECT_TRUE(stateLine().isEmpty());

    // Back on the server, it is offered again.
    ASSERT_TRUE(cupsd_.addQueue(QStringLiteral("Orvan"), testsupport::bundledPpdPath(), &error)) << error.toStdString();
    EXPECT_TRUE(hosttest::waitFor([&] { return has("Orvan") || has("Orvan (default)"); }, 15000));
}

} // namespace
