// ppdFindOption: the PPD interface, deprecated in CUPS 2.4.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

// From the dialog's widgets to a job on a real CUPS server: a private scheduler on a
// free loopback port with an "Orvan" queue (the bundled PPD, a file device), the
// dialog driven as a user drives it, and the job read back over IPP.
#include "platform/PDEPanel.h"
#include "tests/host/HostQueueTest.h"

#include <QDir>
#include <QSpinBox>

namespace {

using hosttest::find;
using hosttest::chooseItem;

using hosttest::panelView;

using HostEndToEnd = hosttest::HostQueueTest;

// The pop-ups' choices and Secure Print as the job carries them: HostModelTest and
// HostServerLoss (tests/robustness); here the printer's own entries and Color Balance.
TEST_F(HostEndToEnd, ThePrintersEntriesCopiesAndColorBalanceArriveWithTheJob)
{
    host::PrintDialog* dialog = open(queueOptions());
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog->currentPrinter(), QStringLiteral("Orvan")) << dialog->serverNotice().toStdString();
    EXPECT_EQ(dialog->callback()->printSession()->destinationType, platform::kPMDestinationPrinter);
    auto* printers = find<QComboBox>(dialog, "printerPopUp");
    EXPECT_EQ(printers->itemText(0), QStringLiteral("Orvan (default)"));
    EXPECT_GE(printers->findText(QStringLiteral("Save to File")), 2); // after a separator
    EXPECT_TRUE(dialog->serverNotice().isEmpty()) << dialog->serverNotice().toStdString();
    // The temporary copy of the queue's printer description is gone.
    EXPECT_TRUE(QDir(path(QStringLiteral("tmp"))).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());

    hosttest::chooseCyanHighlightsUp(dialog);
    find<QSpinBox>(dialog, "copiesField")->setValue(2);

    ASSERT_TRUE(print()) << (alerts_.alerts().isEmpty() ? std::string() : alerts_.alerts().first().second.toStdString());
    ASSERT_GT(lastJobId_, 0);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);

    const QMap<QString, QStringList> attributes = job(lastJobId_);
    auto value = [&](const char* name) { return attributes.value(QString::fromLatin1(name)).value(0); };
    EXPECT_EQ(value("job-name"), QStringLiteral("report.pdf"));
    EXPECT_EQ(value("copies"), QStringLiteral("2"));
    EXPECT_EQ(value("QVColorDensityCyanLow"), QStringLiteral("1"));
    EXPECT_EQ(value("QVColorDensityBlackLow"), QStringLiteral("0"));
    EXPECT_EQ(value("JobType"), QStringLiteral("Normal"));
    EXPECT_EQ(value("document-format"), QStringLiteral("application/pdf"));
}

TEST_F(HostEndToEnd, ARefusedJobShowsTheServersMessageAndLosesNothing)
{
    host::PrintDialog* dialog = open(queueOptions());
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog->currentPrinter(), QStringLiteral("Orvan"));
    QString error;
    ASSERT_TRUE(cupsd_.admin(QStringLiteral("cupsreject"), {QStringLiteral("Orvan")}, &error)) << error.toStdString();
    QWidget* imageOptions = panelView(dialog, QStringLiteral("Image Options"));
    ASSERT_TRUE(chooseItem(find<QComboBox>(imageOptions, "outputcolorButton"), QStringLiteral("Grayscale")));

    EXPECT_FALSE(print());
    ASSERT_EQ(alerts_.alerts().size(), 1);
    EXPECT_TRUE(alerts_.alerts().first().first.contains(QStringLiteral("Orvan")));
    EXPECT_TRUE(alerts_.alerts().first().second.contains(QStringLiteral("not accepting jobs")))
        << alerts_.alerts().first().second.toStdString();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isBusy());
    EXPECT_EQ(find<QComboBox>(imageOptions, "outputcolorButton")->currentText(), QStringLiteral("Grayscale"));
    EXPECT_FALSE(QDir(presetDirectory()).exists());

    ASSERT_TRUE(cupsd_.admin(QStringLiteral("cupsaccept"), {QStringLiteral("Orvan")}, &error)) << error.toStdString();
    ASSERT_TRUE(print());
    EXPECT_EQ(job(lastJobId_).value(QStringLiteral("ColorModel")).value(0), QStringLiteral("Gray"));
    host::Preset preset;
    EXPECT_EQ(host::PresetStore(presetDirectory()).load(QStringLiteral("Orvan"), &preset),
              host::PresetStore::Status::Found);
}

TEST_F(HostEndToEnd, EachPrinterGetsItsOwnDescriptionPanelsAndSettings)
{
    QString error;
    // A queue without a printer description of its own.
    ASSERT_TRUE(cupsd_.addQueue(QStringLiteral("Plain"), QString(), &error)) << error.toStdString();
    // Orvan's saved choice: grayscale.
    host::Preset saved;
    saved.marked = {{QStringLiteral("ColorModel"), QStringLiteral("Gray")}};
    saved.settings = {{QStringLiteral("colormodeSettings"), QStringLiteral("1")}};
    ASSERT_TRUE(host::PresetStore(presetDirectory()).save(QStringLiteral("Orvan"), saved, &error));

    host::PrintDialog* dialog = open(queueOptions());
    ASSERT_TRUE(dialog);
    auto* printers = find<QComboBox>(dialog, "printerPopUp");
    EXPECT_NE(printers->findText(QStringLiteral("Plain")), -1);
    auto output = [&] {
        return find<QComboBox>(panelView(dialog, QStringLiteral("Image Options")), "outputcolorButton")->currentText();
    };
    EXPECT_EQ(output(), QStringLiteral("Grayscale"));
    const QList<platform::PDEPanel*> first = dialog->panels();

    // Another queue: a new description (the bundled one), new panels, its own (no) settings.
    const int plain = printers->findText(QStringLiteral("Plain"));
    printers->setCurrentIndex(plain);
    emit printers->activated(plain);
    ASSERT_TRUE(hosttest::waitFor([&] { return dialog->isSettled() && dialog->currentPrinter() == QStringLiteral("Plain"); }));
    EXPECT_TRUE(dialog->serverNotice().isEmpty()) << dialog->serverNotice().toStdString();
    EXPECT_EQ(dialog->panels().size(), 2);
    EXPECT_EQ(output(), QStringLiteral("Color"));

    // Save to File, then back to Orvan: its saved choice again.
    const int file = printers->findText(QStringLiteral("Save to File"));
    printers->setCurrentIndex(file);
    emit printers->activated(file);
    EXPECT_TRUE(dialog->isFileDestination());
    EXPECT_EQ(dialog->callback()->printSession()->destinationType, platform::kPMDestinationFile);
    const int orvan = printers->findText(QStringLiteral("Orvan (default)"));
    printers->setCurrentIndex(orvan);
    emit printers->activated(orvan);
    ASSERT_TRUE(hosttest::waitFor([&] { return dialog->isSettled() && dialog->currentPrinter() == QStringLiteral("Orvan"); }));
    EXPECT_EQ(output(), QStringLiteral("Grayscale"));
    EXPECT_TRUE(QDir(path(QStringLiteral("tmp"))).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(HostEndToEnd, OrvanPrintItselfSubmitsToTheQueue)
{
    const QString document = path(QStringLiteral("letter.pdf"));
    ASSERT_TRUE(hosttest::writeBytes(document, hosttest::pdfDocument()));
    QByteArray output;
    ASSERT_EQ(acceptInNewProcess(cupsd_.server(), QStringLiteral("Orvan"), document, &output), 0) << output.toStdString();

    const QMap<QString, QStringList> attributes = job(1);
    EXPECT_EQ(attributes.value(QStringLiteral("job-name")).value(0), QStringLiteral("letter.pdf"));
    EXPECT_EQ(attributes.value(QStringLiteral("JobType")).value(0), QStringLiteral("Normal"));
    EXPECT_EQ(attributes.value(QStringLiteral("document-format")).value(0), QStringLiteral("application/pdf"));
    host::Preset preset;
    EXPECT_EQ(host::PresetStore(path(QStringLiteral("config/orvan-print"))).load(QStringLiteral("Orvan"), &preset),
              host::PresetStore::Status::Found);
}

TEST_F(HostEndToEnd, ALateDescriptionDoesNotReplaceThePrinterInUse)
{
    host::DialogOptions o = options(true); // an output file: Save to File stays chosen
    host::PrintDialog* dialog = open(o);
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(dialog->isFileDestination());
    auto* output = find<QComboBox>(panelView(dialog, QStringLiteral("Image Options")), "outputcolorButton");
    ASSERT_TRUE(chooseItem(output, QStringLiteral("Grayscale")));
    const QList<platform::PDEPanel*> panels = dialog->panels();

    auto* client = dialog->findChild<host::CupsClient*>();
    ASSERT_NE(client, nullptr);
    QSignalSpy answers(client, &host::CupsClient::ppdFetched);
    auto* printers = find<QComboBox>(dialog, "printerPopUp");
    // Orvan, then straight back to Save to File before Orvan's description arrives.
    for (const QString& title : {QStringLiteral("Orvan (default)"), QStringLiteral("Save to File")}) {
        const int index = printers->findText(title);
        ASSERT_GE(index, 0);
        printers->setCurrentIndex(index);
        emit printers->activated(index);
    }
    EXPECT_TRUE(dialog->isSettled());
    ASSERT_TRUE(hosttest::waitFor([&] { return answers.size() == 1; }));
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialog->isFileDestination());
    EXPECT_EQ(dialog->panels(), panels); // the same panels, not asked anew
    EXPECT_EQ(output->currentText(), QStringLiteral("Grayscale"));
    EXPECT_EQ(printers->currentText(), QStringLiteral("Save to File"));
}

} // namespace
