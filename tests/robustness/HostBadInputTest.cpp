// orvan-print's dialog against what it cannot control: saved settings holding anything
// at all, a disk that fills up, and a print server that goes away while the dialog is
// open.
#include "host/Presets.h"
#include "tests/robustness/RobustnessHost.h"

#include <QSlider>
#include <QSpinBox>

#include <csignal>

#include <sys/resource.h>

namespace {

using robust::find;
using robust::panelView;
using robust::chooseItem;

using HostBadPreset = hosttest::HostDialogTest;

// A preset written by anyone: texts far longer than the dialog admits, numbers that
// name nothing, marks of choices and options the printer does not have. The dialog
// opens on it; orvan-print prints with it (in a process of its own, so that no setup
// result of this one stands in for the saved texts): the long texts reach the job
// whole, and what the panels write back is theirs, the rest as it was.
TEST_F(HostBadPreset, AnythingInTheSavedSettings)
{
    const QString longUser(10000, QLatin1Char('u'));
    const QString longName = QString(5000, QChar(0x00e9)) + QString(5000, QLatin1Char(' '));
    host::Preset hostile;
    hostile.settings = {
        {QStringLiteral("colormodeSettings"), QStringLiteral("99999999999999999999")},
        {QStringLiteral("imagequalitySettings"), QStringLiteral("-99999999999999999999")},
        {QStringLiteral("imagetypeSettings"), QString(10000, QLatin1Char('7'))},
        {QStringLiteral("screenSettings"), QStringLiteral("-7")},
        {QStringLiteral("TonerSaveSettings"), QString()},
        {QStringLiteral("brightnessSettings"), QStringLiteral("2147483648")},
        {QStringLiteral("GrayGuaranteeSettings"), QStringLiteral("abc")},
        {QStringLiteral("stateEnableSettings"), QStringLiteral("-1")},
        {QStringLiteral("statetargetColorSettings"), QStringLiteral("9")},
        {QStringLiteral("CyanMidSettings"), QStringLiteral("99999999999999999999")},
        {QStringLiteral("jobtypeSettings"), QStringLiteral("99999999999999999999")},
        {QStringLiteral("jobtypeUserID"), longUser},
        {QStringLiteral("jobtypePasscode"), QString(10000, QLatin1Char('9'))},
        {QStringLiteral("jobtypeDocName"), longName},
        {QStringLiteral("someoneElsesKey"), QStringLiteral("kept")},
    };
    hostile.marked = {{QStringLiteral("ColorModel"), QStringLiteral("Sepia")},
                      {QStringLiteral("NoSuchOption"), QStringLiteral("x")},
                      {QString(), QString()},
                      {QStringLiteral("ImageType"), QString(10000, QLatin1Char('p'))}};
    hostile.jobName = QString(10000, QLatin1Char('j'));
    host::PresetStore store(presetDirectory());
    QString error;
    ASSERT_TRUE(store.save(QString(), hostile, &error)) << error.toStdString();

    // The dialog shows what the preset can mean, and nothing is kept without printing.
    host::PrintDialog* dialog = open(options());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->panels().size(), 2);
    EXPECT_TRUE(dialog->presetNotice().isEmpty()) << "well-formed, if odd: not damaged";
    QWidget* imageOptions = panelView(dialog, QStringLiteral("Image Options"));
    ASSERT_NE(imageOptions, nullptr);
    EXPECT_EQ(find<QComboBox>(imageOptions, "outputcolorButton")->currentText(), QStringLiteral("Color"));
    auto* brightness = find<QSlider>(imageOptions, "brightnessSlider");
    EXPECT_EQ(brightness->value(), brightness->maximum());
    EXPECT_EQ(find<QComboBox>(panelView(dialog, QStringLiteral("Job Type")), "jobtypeButton")->currentText(),
              QStringLiteral("Normal Print"));
    EXPECT_EQ(find<QLineEdit>(dialog, "jobNameField")->text(), QString(255, QLatin1Char('j')));
    QTest::mouseClick(find<QAbstractButton>(dialog, "cancelButton"), Qt::LeftButton);
    host::Preset unchanged;
    ASSERT_EQ(store.load(QString(), &unchanged), host::PresetStore::Status::Found);
    EXPECT_EQ(unchanged.settings, hostile.settings);

    const QString document = path(QStringLiteral("letter.pdf"));
    const QString out = path(QStringLiteral("letter-out.pdf"));
    ASSERT_TRUE(hosttest::writeBytes(document, hosttest::pdfDocument()));
    const hosttest::Outcome run = hosttest::runProcess(
        hosttest::orvanPrint(), {QStringLiteral("--offscreen"), QStringLiteral("--accept"), QStringLiteral("--output"), out, document},
        {{QStringLiteral("CUPS_SERVER"), unreachableServer()},
         {QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config"))},
         {QStringLiteral("ORVAN_PRINT_BUNDLE"), testsupport::bundlePath()}});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();

    const QJsonObject ticket = robust::readJson(out + QStringLiteral(".ticket.json"));
    const QJsonObject jobOptions = ticket.value(QStringLiteral("options")).toObject();
    // A normal job carries nothing of the record's Secure Print entries, however long.
    EXPECT_EQ(jobOptions.value(QStringLiteral("JobType")).toString(), QStringLiteral("Normal"));
    for (const QString& secret : {QStringLiteral("UserID"), QStringLiteral("NewJob"), QStringLiteral("SecurePrintPasscode")})
        EXPECT_EQ(jobOptions.value(secret).toString(QStringLiteral("None")), QStringLiteral("None")) << secret.toStdString();
    EXPECT_EQ(jobOptions.value(QStringLiteral("ColorModel")).toString(), QStringLiteral("RGB"));
    EXPECT_EQ(jobOptions.value(QStringLiteral("ImageType")).toString(), QStringLiteral("Normal"));
    EXPECT_FALSE(jobOptions.contains(QStringLiteral("NoSuchOption")));
    EXPECT_EQ(ticket.value(QStringLiteral("job-name")).toString(), QString(255, QLatin1Char('j')));

    // What the panels wrote back is what the dialog showed (every value a panel may write
    // back from any record: fuzz/fuzz_settings.cpp); what they do not write stays.
    host::Preset saved;
    ASSERT_EQ(store.load(QString(), &saved), host::PresetStore::Status::Found);
    const auto setting = [&](const char* key) { return saved.settings.value(QString::fromLatin1(key)); };
    EXPECT_EQ(setting("colormodeSettings"), QStringLiteral("0"));
    EXPECT_EQ(setting("brightnessSettings"), QString::number(brightness->maximum()));
    EXPECT_EQ(setting("stateEnableSettings"), QStringLiteral("0"));
    EXPECT_EQ(setting("statetargetColorSettings"), QStringLiteral("0"));
    EXPECT_EQ(setting("jobtypeSettings"), QStringLiteral("0"));
    for (const char* kept : {"CyanMidSettings", "jobtypeUserID", "jobtypeDocName", "someoneElsesKey"})
        EXPECT_EQ(setting(kept), hostile.settings.value(QString::fromLatin1(kept))) << kept;
    // A passcode is never kept in the file; here no secret store keeps it either.
    EXPECT_FALSE(saved.settings.contains(QStringLiteral("jobtypePasscode")));
    EXPECT_TRUE(saved.secretsKept.isEmpty());
    EXPECT_EQ(saved.jobName, QString(255, QLatin1Char('j')));
    for (const host::HandOver& mark : saved.marked) {
        EXPECT_NE(mark.first, QStringLiteral("NoSuchOption"));
        EXPECT_FALSE(mark.second.startsWith(QLatin1String("ppp"))) << mark.first.toStdString();
    }
    EXPECT_EQ(robust::modeOf(store.fileFor(QString())), 0600);
}

// Files of this process may grow to `bytes` while it lives: a disk that fills up.
// Writing past it fails (EFBIG) rather than ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

// Save to File onto a disk that fills up: a clear message, the earlier file and the
// dialog as they were; with room again, the whole printer data. (The document is small,
// so that the filters' own temporary files fit and it is the printer data, some 170 KB
// of PostScript, that meets the full disk.)
TEST_F(HostBadPreset, ADiskThatFillsUpWhileSavingToAFile)
{
    host::PrintDialog* dialog = open(options(), hosttest::pdf());
    ASSERT_TRUE(dialog);
    const QString out = options().outputPath;
    ASSERT_TRUE(hosttest::writeBytes(out, "an earlier document"));
    ASSERT_TRUE(chooseItem(find<QComboBox>(panelView(dialog, QStringLiteral("Image Options")), "outputcolorButton"),
                     QStringLiteral("Grayscale")));
    {
        FileSizeLimit full(64 * 1024);
        EXPECT_FALSE(print());
    }
    ASSERT_EQ(alerts_.alerts().size(), 1);
    EXPECT_EQ(alerts_.alerts().first().first, QStringLiteral("The document could not be saved."));
    EXPECT_TRUE(alerts_.alerts().first().second.contains(out)) << alerts_.alerts().first().second.toStdString();
    EXPECT_EQ(hosttest::readBytes(out), QByteArray("an earlier document"));
    EXPECT_FALSE(QFile::exists(out + QStringLiteral(".ticket.json")));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(find<QComboBox>(panelView(dialog, QStringLiteral("Image Options")), "outputcolorButton")->currentText(),
              QStringLiteral("Grayscale"));
    EXPECT_FALSE(QDir(presetDirectory()).exists()) << "nothing saved, nothing kept";

    ASSERT_TRUE(print());
    const QByteArray data = hosttest::readBytes(out);
    EXPECT_GT(data.size(), 64 * 1024);
    // Whole: from the header to the trailer (and the printer's end-of-job ^D after it).
    EXPECT_TRUE(data.startsWith("%!PS-Adobe-3.0") && data.right(16).contains("%%EOF")) << data.right(200).toStdString();
    EXPECT_EQ(robust::readJson(out + QStringLiteral(".ticket.json"))
                  .value(QStringLiteral("options")).toObject().value(QStringLiteral("ColorModel")).toString(),
              QStringLiteral("Gray"));
}

class HostServerLoss : public robust::QueueTest {
protected:
    // Grayscale, the brightest setting, 3 copies, a job name and Secure Print.
    void setUp(host::PrintDialog* dialog)
    {
        QWidget* imageOptions = panelView(dialog, QStringLiteral("Image Options"));
        ASSERT_NE(imageOptions, nullptr);
        ASSERT_TRUE(chooseItem(find<QComboBox>(imageOptions, "outputcolorButton"), QStringLiteral("Grayscale")));
        auto* brightness = find<QSlider>(imageOptions, "brightnessSlider");
        brightness->setFocus();
        QTest::keyClick(brightness, Qt::Key_End);
        find<QSpinBox>(dialog, "copiesField")->setValue(3);
        auto* jobName = find<QLineEdit>(dialog, "jobNameField");
        jobName->selectAll();
        QTest::keyClicks(jobName, QStringLiteral("Board minutes"));
        robust::chooseSecurePrint(dialog, QStringLiteral("robust"), QStringLiteral("8642"), QStringLiteral("Minutes"));
    }

    void expectStillSet(host::PrintDialog* dialog)
    {
        QWidget* imageOptions = panelView(dialog, QStringLiteral("Image Options"));
        EXPECT_EQ(find<QComboBox>(imageOptions, "outputcolorButton")->currentText(), QStringLiteral("Grayscale"));
        auto* brightness = find<QSlider>(imageOptions, "brightnessSlider");
        EXPECT_EQ(brightness->value(), brightness->maximum());
        EXPECT_EQ(find<QSpinBox>(dialog, "copiesField")->value(), 3);
        EXPECT_EQ(find<QLineEdit>(dialog, "jobNameField")->text(), QStringLiteral("Board minutes"));
        EXPECT_EQ(find<QComboBox>(panelView(dialog, QStringLiteral("Job Type")), "jobtypeButton")->currentText(),
                  QStringLiteral("Secure Print"));
    }

    // The server went away: a message that says so, the dialog open and ready again.
    void expectServerLossReported(host::PrintDialog* dialog)
    {
        ASSERT_EQ(alerts_.alerts().size(), 1);
        EXPECT_EQ(alerts_.alerts().first().first, QStringLiteral("The job could not be sent to Orvan."));
        EXPECT_TRUE(alerts_.alerts().first().second.contains(QStringLiteral("cannot reach the print server ") +
                                                             cupsd_.server()))
            << alerts_.alerts().first().second.toStdString();
        alerts_.clear();
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(dialog->isBusy());
        EXPECT_EQ(dialog->result(), 0);
        EXPECT_TRUE(find<QAbstractButton>(dialog, "printButton")->isEnabled());
        EXPECT_EQ(dialog->currentPrinter(), QStringLiteral("Orvan"));
        EXPECT_FALSE(QDir(presetDirectory()).exists()) << "nothing printed, nothing kept";
    }
};

TEST_F(HostServerLoss, PrintingWorksAgainOnceTheServerIsBack)
{
    host::PrintDialog* dialog = open(queueOptions());
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog->currentPrinter(), QStringLiteral("Orvan")) << dialog->serverNotice().toStdString();
    setUp(dialog);
    if (HasFatalFailure()) return;

    cupsd_.stop();
    EXPECT_FALSE(print());
    expectServerLossReported(dialog);
    expectStillSet(dialog);
    // Pressing Print again while the server is still away changes nothing either.
    EXPECT_FALSE(print());
    expectServerLossReported(dialog);

    QString error;
    ASSERT_TRUE(cupsd_.restart(&error)) << error.toStdString();
    ASSERT_TRUE(print()) << (alerts_.alerts().isEmpty() ? std::string() : alerts_.alerts().first().second.toStdString());
    const QMap<QString, QStringList> attributes = job(lastJobId_);
    const auto value = [&](const char* name) { return attributes.value(QString::fromLatin1(name)).value(0); };
    EXPECT_EQ(value("job-name"), QStringLiteral("Board minutes"));
    EXPECT_EQ(value("copies"), QStringLiteral("3"));
    EXPECT_EQ(value("ColorModel"), QStringLiteral("Gray"));
    EXPECT_EQ(value("JobType"), QStringLiteral("Secure"));
    EXPECT_EQ(value("UserID"), robust::customBase64(QStringLiteral("robust")));
    EXPECT_EQ(value("SecurePrintPasscode"), robust::customBase64(QStringLiteral("8642")));
    EXPECT_EQ(value("NewJob"), robust::customBase64(QStringLiteral("Minutes")));
    host::Preset preset;
    ASSERT_EQ(dialog->presets().load(QStringLiteral("Orvan"), &preset), host::PresetStore::Status::Found);
    EXPECT_EQ(preset.settings.value(QStringLiteral("brightnessSettings")), QStringLiteral("2"));
}

TEST_F(HostServerLoss, SaveToFileStillWorksWhileTheServerIsAway)
{
    host::PrintDialog* dialog = open(queueOptions());
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog->currentPrinter(), QStringLiteral("Orvan"));
    setUp(dialog);
    if (HasFatalFailure()) return;
    cupsd_.stop();
    EXPECT_FALSE(print());
    expectServerLossReported(dialog);

    const QString out = path(QStringLiteral("minutes.pdf"));
    dialog->setFileChooser([&](const QString&) { return out; });
    auto* printers = find<QComboBox>(dialog, "printerPopUp");
    ASSERT_TRUE(chooseItem(printers, QStringLiteral("Save to File")));
    ASSERT_TRUE(dialog->isFileDestination());
    // The file has settings of its own (none yet): Normal Print. Secure Print again
    // shows the entries confirmed before the server went away.
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog, "panelPopUp"), QStringLiteral("Job Type")));
    hosttest::inModal([&] { chooseItem(find<QComboBox>(panelView(dialog, QStringLiteral("Job Type")), "jobtypeButton"),
                                 QStringLiteral("Secure Print")); },
                      [&](QDialog* setup) {
                          EXPECT_EQ(find<QLineEdit>(setup, "TextUserIDBox")->text(), QStringLiteral("robust"));
                          EXPECT_EQ(find<QLineEdit>(setup, "TextPasscodeBox")->text(), QStringLiteral("8642"));
                          QTest::mouseClick(find<QAbstractButton>(setup, "okButton"), Qt::LeftButton);
                      });
    ASSERT_TRUE(print()) << (alerts_.alerts().isEmpty() ? std::string() : alerts_.alerts().first().second.toStdString());
    // The printer data holds the secure-print entries in the printer's own code.
    const QByteArray data = hosttest::readBytes(out);
    EXPECT_TRUE(data.contains("%%BeginFeature: *JobType Secure\n"));
    EXPECT_TRUE(data.contains("%%BeginFeature: *CustomSecurePrintPasscode True\n(" +
                              QByteArray("8642").toBase64() + ")\n"));
    EXPECT_TRUE(data.contains("%%BeginFeature: *CustomUserID True\n(" + QByteArray("robust").toBase64() + ")\n"));
    EXPECT_EQ(robust::modeOf(out), 0600);
    // The job's own settings went along.
    const QJsonObject ticket = robust::readJson(out + QStringLiteral(".ticket.json"));
    EXPECT_EQ(ticket.value(QStringLiteral("job-name")).toString(), QStringLiteral("Board minutes"));
    EXPECT_EQ(ticket.value(QStringLiteral("copies")).toInt(), 3);
    const QJsonObject jobOptions = ticket.value(QStringLiteral("options")).toObject();
    EXPECT_EQ(jobOptions.value(QStringLiteral("JobType")).toString(), QStringLiteral("Secure"));
    EXPECT_EQ(jobOptions.value(QStringLiteral("SecurePrintPasscode")).toString(),
              robust::customBase64(QStringLiteral("8642")));
    EXPECT_EQ(robust::modeOf(out + QStringLiteral(".ticket.json")), 0600);
}

} // namespace
