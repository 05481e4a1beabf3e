// orvan-print's dialog in this process, with the bundle loaded from the build tree:
// panels and summary, Save to File, presets, an unreachable server, conflicts, help.
#include "host/FileDestination.h"
#include "host/Presets.h"
#include "platform/PDEPanel.h"
#include "tests/host/HostTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QTreeWidget>

namespace {

using hosttest::find;
using hosttest::chooseItem;

using hosttest::items;
using hosttest::modeOf;
using hosttest::panelView;
using hosttest::readJson;
using hosttest::summary;

using HostDialog = hosttest::HostDialogTest;

TEST_F(HostDialog, ShowsEachPanelUnderThePanelPopUpAndASummaryAskedAnew)
{
    host::PrintDialog* dialog = open(options());
    ASSERT_TRUE(dialog);
    auto* printers = find<QComboBox>(dialog, "printerPopUp");
    EXPECT_EQ(items(printers), QStringList{QStringLiteral("Save to File")});
    EXPECT_TRUE(dialog->isFileDestination());

    auto* panelPopUp = find<QComboBox>(dialog, "panelPopUp");
    auto* stack = find<QStackedWidget>(dialog, "panelStack");
    EXPECT_EQ(items(panelPopUp),
              (QStringList{QStringLiteral("Layout and Paper"), QStringLiteral("Image Options"), QStringLiteral("Job Type"),
                           QStringLiteral("Printer Features"), QStringLiteral("Summary")}));
    ASSERT_EQ(dialog->panels().size(), 2);
    // The host's Layout and Paper page first, then one panel at a time.
    EXPECT_EQ(stack->currentWidget()->objectName(), QStringLiteral("layoutPage"));
    for (int i = 0; i < dialog->panels().size(); ++i) {
        chooseItem(panelPopUp, dialog->panels().at(i)->panelName());
        QWidget* view = dialog->panels().at(i)->panelView();
        ASSERT_NE(view, nullptr);
        EXPECT_TRUE(stack->currentWidget()->isAncestorOf(view));
        EXPECT_TRUE(view->isVisible());
        for (int j = 0; j < dialog->panels().size(); ++j)
            if (j != i) {
                EXPECT_FALSE(dialog->panels().at(j)->panelView()->isVisible());
            }
    }

    chooseItem(panelPopUp, QStringLiteral("Summary"));
    EXPECT_EQ(stack->currentWidget()->objectName(), QStringLiteral("summaryPage"));
    QMap<QString, QString> rows = summary(dialog);
    EXPECT_EQ(rows.value(QStringLiteral("Job/Printer:")), QStringLiteral("Save to File"));
    EXPECT_EQ(rows.value(QStringLiteral("Job/Job name:")), QStringLiteral("report.pdf"));
    EXPECT_EQ(rows.value(QStringLiteral("Job/File:")), options().outputPath);
    EXPECT_EQ(rows.value(QStringLiteral("Job/Format:")), QStringLiteral("Printer data"));
    EXPECT_TRUE(rows.contains(QStringLiteral("Image Options")));
    EXPECT_EQ(rows.value(QStringLiteral("Image Options/Output Color:")), QStringLiteral("Color"));
    EXPECT_EQ(rows.value(QStringLiteral("Job Type/Job Type")), QStringLiteral("Normal Print"));

    // A change in a panel shows in the next summary: the panels are asked each time.
    chooseItem(panelPopUp, QStringLiteral("Image Options"));
    ASSERT_TRUE(chooseItem(find<QComboBox>(panelView(dialog, QStringLiteral("Image Options")), "outputcolorButton"),
                     QStringLiteral("Grayscale")));
    QTest::mouseClick(find<QAbstractButton>(dialog, "summaryButton"), Qt::LeftButton);
    EXPECT_EQ(panelPopUp->currentText(), QStringLiteral("Summary"));
    rows = summary(dialog);
    EXPECT_EQ(rows.value(QStringLiteral("Image Options/Output Color:")), QStringLiteral("Grayscale"));

    // Cancel prints nothing and keeps nothing.
    QTest::mouseClick(find<QAbstractButton>(dialog, "cancelButton"), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(QFileInfo::exists(options().outputPath));
    EXPECT_FALSE(QDir(presetDirectory()).exists());
}

TEST_F(HostDialog, SaveToFileWritesPrinterDataAndAReadableTicket)
{
    host::PrintDialog* dialog = open(options());
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(chooseItem(find<QComboBox>(panelView(dialog, QStringLiteral("Image Options")), "outputcolorButton"),
                     QStringLiteral("Grayscale")));
    find<QSpinBox>(dialog, "copiesField")->setValue(3);
    auto* jobName = find<QLineEdit>(dialog, "jobNameField");
    jobName->selectAll();
    QTest::keyClicks(jobName, QStringLiteral("Budget 2025"));
    EXPECT_EQ(dialog->callback()->printSession()->destinationType, platform::kPMDestinationFile);

    ASSERT_TRUE(print());
    EXPECT_EQ(lastJobId_, 0);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    const QString out = options().outputPath;
    // What the printer is sent: PostScript with the choices' code and the copies.
    const QByteArray data = hosttest::readBytes(out);
    EXPECT_TRUE(data.startsWith("%!PS-Adobe-3.0")) << data.left(200).toStdString();
    EXPECT_TRUE(data.contains("%%BeginFeature: *ColorModel Gray\n<</ProcessColorModel /DeviceGray>>setpagedevice"));
    EXPECT_TRUE(data.contains("%RBINumCopies: 3"));
    EXPECT_EQ(modeOf(out), 0600); // as the ticket: printer data may carry secure-print values
    const QString ticketPath = out + QStringLiteral(".ticket.json");
    EXPECT_EQ(modeOf(ticketPath), 0600); // it may carry secure-print values
    const QJsonObject ticket = readJson(ticketPath);
    EXPECT_EQ(ticket.value(QStringLiteral("document")).toString(), QStringLiteral("out.pdf"));
    EXPECT_EQ(ticket.value(QStringLiteral("document-format")).toString(), QStringLiteral("application/vnd.cups-raw"));
    EXPECT_EQ(ticket.value(QStringLiteral("source-document-format")).toString(), QStringLiteral("application/pdf"));
    EXPECT_EQ(ticket.value(QStringLiteral("job-name")).toString(), QStringLiteral("Budget 2025"));
    EXPECT_EQ(ticket.value(QStringLiteral("copies")).toInt(), 3);
    const QJsonObject jobOptions = ticket.value(QStringLiteral("options")).toObject();
    EXPECT_EQ(jobOptions.value(QStringLiteral("ColorModel")).toString(), QStringLiteral("Gray"));
    // The Job Type panel's final hand-over travels too.
    EXPECT_EQ(jobOptions.value(QStringLiteral("JobType")).toString(), QStringLiteral("Normal"));
    EXPECT_FALSE(jobOptions.contains(QStringLiteral("PageSize")));
    EXPECT_TRUE(alerts_.alerts().isEmpty());
}

TEST_F(HostDialog, AFailedWriteKeepsTheDialogOpenWithNothingLost)
{
    host::DialogOptions o = options();
    o.outputPath.clear();
    host::PrintDialog* dialog = open(o);
    ASSERT_TRUE(dialog);
    QStringList answers = {path(QStringLiteral("no/such/dir/out.ps")), path(QStringLiteral("good.ps"))};
    QStringList suggestions;
    dialog->setFileChooser([&](const QString& suggestion) {
        suggestions << suggestion;
        return answers.takeFirst();
    });
    ASSERT_TRUE(chooseItem(find<QComboBox>(panelView(dialog, QStringLiteral("Image Options")), "outputcolorButton"),
                     QStringLiteral("Grayscale")));

    EXPECT_FALSE(print());
    // Print asked for a file named after the document, in the printer data's format.
    ASSERT_EQ(suggestions.size(), 1);
    EXPECT_TRUE(suggestions.first().endsWith(QStringLiteral("/report-print.ps"))) << suggestions.first().toStdString();
    ASSERT_EQ(alerts_.alerts().size(), 1);
    EXPECT_TRUE(alerts_.alerts().first().second.contains(QStringLiteral("no/such/dir"))) ;
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(find<QComboBox>(panelView(dialog, QStringLiteral("Image Options")), "outputcolorButton")->currentText(),
              QStringLiteral("Grayscale"));
    EXPECT_FALSE(QDir(presetDirectory()).exists()); // nothing printed, nothing kept

    // The file stays chosen, shown in the dialog; Choose… picks another.
    EXPECT_EQ(dialog->findChild<host::FileDestination*>()->path(), path(QStringLiteral("no/such/dir/out.ps")));
    QTest::mouseClick(find<QAbstractButton>(dialog, "fileChooseButton"), Qt::LeftButton);
    ASSERT_EQ(suggestions.size(), 2);
    EXPECT_EQ(suggestions.last(), path(QStringLiteral("no/such/dir/out.ps")));
    ASSERT_TRUE(print());
    EXPECT_EQ(readJson(path(QStringLiteral("good.ps.ticket.json")))
                  .value(QStringLiteral("options")).toObject().value(QStringLiteral("ColorModel")).toString(),
              QStringLiteral("Gray"));
}

TEST_F(HostDialog, PresetsComeBackInAFreshProcess)
{
    host::PrintDialog* dialog = open(options());
    ASSERT_TRUE(dialog);
    QWidget* imageOptions = panelView(dialog, QStringLiteral("Image Options"));
    ASSERT_TRUE(chooseItem(find<QComboBox>(imageOptions, "outputcolorButton"), QStringLiteral("Grayscale")));
    ASSERT_TRUE(chooseItem(find<QComboBox>(imageOptions, "screenButton"), QStringLiteral("Smooth Gradation")));
    auto* brightness = find<QSlider>(imageOptions, "brightnessSlider");
    ASSERT_NE(brightness, nullptr);
    brightness->setValue(brightness->minimum() + 1);
    const int brightnessValue = brightness->value();
    auto* jobName = find<QLineEdit>(dialog, "jobNameField");
    jobName->selectAll();
    QTest::keyClicks(jobName, QStringLiteral("Budget"));
    hosttest::chooseSecurePrint(dialog, QStringLiteral("abc"), QStringLiteral("1234"));
    ASSERT_TRUE(print());

    host::PresetStore store(presetDirectory());
    const QString file = store.fileFor(QString());
    EXPECT_EQ(modeOf(file), 0600); // the user's settings, the user's alone
    EXPECT_EQ(modeOf(presetDirectory()), 0700);
    host::Preset preset;
    ASSERT_EQ(store.load(QString(), &preset), host::PresetStore::Status::Found);
    EXPECT_EQ(preset.jobName, QStringLiteral("Budget"));
    // The passcode is no file's: without a secret store (none in this test) it is not kept.
    EXPECT_FALSE(preset.settings.contains(QStringLiteral("jobtypePasscode")));
    EXPECT_TRUE(preset.secretsKept.isEmpty());
    EXPECT_FALSE(hosttest::readBytes(file).contains("1234"));
    EXPECT_TRUE(preset.marked.contains({QStringLiteral("ColorModel"), QStringLiteral("Gray")}));

    // A restart: a new process opens the dialog on the same preset directory.
    const QJsonObject report = hosttest::probeDialog(presetDirectory());
    const QJsonObject controls = report.value(QStringLiteral("controls")).toObject();
    EXPECT_EQ(controls.value(QStringLiteral("outputcolorButton")).toString(), QStringLiteral("Grayscale"));
    EXPECT_EQ(controls.value(QStringLiteral("screenButton")).toString(), QStringLiteral("Smooth Gradation"));
    EXPECT_EQ(controls.value(QStringLiteral("brightnessSlider")).toInt(), brightnessValue);
    EXPECT_EQ(controls.value(QStringLiteral("jobtypeButton")).toString(), QStringLiteral("Secure Print"));
    EXPECT_EQ(controls.value(QStringLiteral("jobNameField")).toString(), QStringLiteral("Budget"));
    EXPECT_EQ(report.value(QStringLiteral("marked")).toObject().value(QStringLiteral("ColorModel")).toString(),
              QStringLiteral("Gray"));
    EXPECT_TRUE(report.value(QStringLiteral("presetNotice")).toString().isEmpty());
}

TEST_F(HostDialog, ADamagedPresetWarnsShowsTheDefaultsAndIsKeptUntilPrinting)
{
    host::PresetStore store(presetDirectory());
    ASSERT_TRUE(QDir().mkpath(presetDirectory()));
    const QByteArray garbage = "{\"version\": 1, \"settings\": {\"colormodeSettings\": ";
    ASSERT_TRUE(hosttest::writeBytes(store.fileFor(QString()), garbage));

    host::PrintDialog* dialog = open(options());
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->presetNotice().contains(QStringLiteral("damaged"))) << dialog->presetNotice().toStdString();
    EXPECT_TRUE(find<QLabel>(dialog, "presetNotice")->isVisible());
    EXPECT_EQ(find<QComboBox>(panelView(dialog, QStringLiteral("Image Options")), "outputcolorButton")->currentText(),
              QStringLiteral("Color"));
    QTest::mouseClick(find<QAbstractButton>(dialog, "cancelButton"), Qt::LeftButton);
    EXPECT_EQ(hosttest::readBytes(store.fileFor(QString())), garbage);

    dialog = open(options());
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(dialog->presetNotice().isEmpty());
    ASSERT_TRUE(print());
    host::Preset preset;
    EXPECT_EQ(store.load(QString(), &preset), host::PresetStore::Status::Found);
}

TEST_F(HostDialog, AnUnreachableServerLeavesSaveToFileWorking)
{
    host::DialogOptions o = options(true);
    o.printer = QStringLiteral("Orvan");
    host::PrintDialog* dialog = open(o);
    ASSERT_TRUE(dialog);
    const QString notice = dialog->serverNotice();
    EXPECT_TRUE(notice.contains(QStringLiteral("print server 127.0.0.1:9"))) << notice.toStdString();
    EXPECT_TRUE(notice.contains(QStringLiteral("Save to File still works"))) << notice.toStdString();
    EXPECT_EQ(items(find<QComboBox>(dialog, "printerPopUp")), QStringList{QStringLiteral("Save to File")});
    EXPECT_TRUE(dialog->isFileDestination());
    EXPECT_EQ(dialog->panels().size(), 2);
    ASSERT_TRUE(print());
    EXPECT_TRUE(hosttest::readBytes(options().outputPath).startsWith("%!PS-Adobe-3.0"));
}

// "Looking for printers" is said only of a server that keeps the dialog waiting over
// half a second; an answer that came sooner is never replaced by it.
TEST_F(HostDialog, OnlyASlowServerIsSaidToBeLookedFor)
{
    hosttest::SilentServer silent;
    ASSERT_FALSE(silent.server().isEmpty());
    qputenv("CUPS_SERVER", silent.server());
    QString error;
    std::unique_ptr<host::PrintDialog> waiting = host::PrintDialog::create(options(true), hosttest::pdf(), &error);
    ASSERT_TRUE(waiting) << error.toStdString();
    waiting->show();
    EXPECT_TRUE(waiting->serverNotice().isEmpty());
    EXPECT_TRUE(hosttest::waitFor([&] { return waiting->serverNotice().startsWith(QStringLiteral("Looking for printers")); },
                                  5000));
    waiting.reset();

    // Nothing listens: the answer comes at once, and stays.
    qputenv("CUPS_SERVER", unreachableServer().toUtf8());
    host::PrintDialog* dialog = open(options(true));
    ASSERT_TRUE(dialog);
    QTest::qWait(700);
    EXPECT_TRUE(dialog->serverNotice().contains(QStringLiteral("Save to File still works")))
        << dialog->serverNotice().toStdString();
}

TEST_F(HostDialog, ConflictsShowUnderThePanelAndPrintingAsksFirst)
{
    QByteArray text = hosttest::readBytes(testsupport::bundledPpdPath());
    text += "\n*UIConstraints: *ImageAdjustmentMode Vivid *Screen Smooth\n"
            "*UIConstraints: *Screen Smooth *ImageAdjustmentMode Vivid\n";
    const QString ppd = path(QStringLiteral("constrained.ppd"));
    ASSERT_TRUE(hosttest::writeBytes(ppd, text));
    host::DialogOptions o = options();
    o.ppdPath = ppd;
    host::PrintDialog* dialog = open(o);
    ASSERT_TRUE(dialog);
    QWidget* view = panelView(dialog, QStringLiteral("Image Options"));
    EXPECT_TRUE(dialog->conflictNotice().isEmpty());

    ASSERT_TRUE(chooseItem(find<QComboBox>(view, "imageadjustButton"), QStringLiteral("Vivid")));
    ASSERT_TRUE(chooseItem(find<QComboBox>(view, "screenButton"), QStringLiteral("Smooth Gradation")));
    ASSERT_TRUE(hosttest::waitFor([&] { return !dialog->conflictNotice().isEmpty(); }, 5000));
    EXPECT_TRUE(find<QWidget>(dialog, "conflictRow")->isVisible());
    EXPECT_EQ(dialog->conflictNotice(),
              QStringLiteral("Conflicting options: Image Adjust Mode (Vivid), Screen (Smooth Gradation)"));
    // Undone, the warning goes; done again, it is back.
    ASSERT_TRUE(chooseItem(find<QComboBox>(view, "screenButton"), QStringLiteral("Auto")));
    ASSERT_TRUE(hosttest::waitFor([&] { return dialog->conflictNotice().isEmpty(); }, 5000));
    EXPECT_FALSE(find<QWidget>(dialog, "conflictRow")->isVisible());
    ASSERT_TRUE(chooseItem(find<QComboBox>(view, "screenButton"), QStringLiteral("Smooth Gradation")));
    ASSERT_TRUE(hosttest::waitFor([&] { return !dialog->conflictNotice().isEmpty(); }, 5000));

    confirmAnswer_ = false;
    EXPECT_FALSE(print());
    ASSERT_EQ(confirmations_.size(), 1);
    EXPECT_TRUE(confirmations_.first().contains(QStringLiteral("Screen (Smooth Gradation)")));
    EXPECT_FALSE(QFileInfo::exists(o.outputPath));
    EXPECT_TRUE(dialog->isVisible());

    confirmAnswer_ = true;
    ASSERT_TRUE(print());
    EXPECT_EQ(confirmations_.size(), 2);
    EXPECT_TRUE(QFileInfo::exists(o.outputPath));
}

TEST_F(HostDialog, HelpOpensTheRegisteredHelpBook)
{
    host::PrintDialog* dialog = open(options());
    ASSERT_TRUE(dialog);
    const QString index = platform::helpBookIndex(testsupport::bundlePath());
    ASSERT_FALSE(index.isEmpty()) << "the bundle registered no help book";
    QTest::mouseClick(find<QAbstractButton>(dialog, "helpButton"), Qt::LeftButton);
    auto* browser = find<QTextBrowser>(dialog, "helpBrowser");
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->window()->isVisible());
    EXPECT_EQ(browser->source(), QUrl::fromLocalFile(index));
    EXPECT_FALSE(browser->toPlainText().trimmed().isEmpty());
    EXPECT_TRUE(alerts_.alerts().isEmpty());
}

TEST_F(HostDialog, UnloadableBundleOrDescriptionIsAOneLineError)
{
    host::DialogOptions noBundle = options();
    noBundle.bundlePath = path(QStringLiteral("nowhere.bundle"));
    host::DialogOptions brokenPpd = options();
    brokenPpd.ppdPath = path(QStringLiteral("broken.ppd"));
    ASSERT_TRUE(hosttest::writeBytes(brokenPpd.ppdPath, "*PPD-Adobe: \"4.3\"\nthis is no PPD\n"));
    for (const auto& [o, says] : {std::pair{noBundle, "cannot load the plug-in bundle"},
                                  std::pair{brokenPpd, "cannot read the printer description"}}) {
        QString error;
        EXPECT_FALSE(host::PrintDialog::create(o, hosttest::pdf(), &error));
        EXPECT_TRUE(error.contains(QString::fromLatin1(says))) << error.toStdString();
        EXPECT_FALSE(error.contains(QLatin1Char('\n')));
    }
}

} // namespace
