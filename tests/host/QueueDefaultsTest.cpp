// ppdFindMarkedChoice: the PPD interface, deprecated in CUPS 2.4.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

// Save as Defaults and the queue's defaults, end to end through a private print server:
// the dialog's choices reach a plain `lp` job and `lpoptions`, an administrator sets them
// for every user and anyone else is refused, a passcode is never written anywhere, and
// the next dialog starts from them. Each test has its own HOME, so lpoptions is private.
#include "host/QueueDefaults.h"
#include "host/StartPage.h"
#include "platform/PDEPanel.h"
#include "tests/host/HostQueueTest.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <cups/cups.h>
#include <unistd.h>

namespace {

using hosttest::find;
using hosttest::chooseItem;

using hosttest::panelView;

QString marked(host::PrintDialog* dialog, const char* keyword) { return hosttest::marked(dialog->ppd(), keyword); }

using Outcome = hosttest::Outcome;

class QueueDefaults : public hosttest::HostQueueTest {
protected:
    void SetUp() override
    {
        hosttest::HostQueueTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        home_ = path(QStringLiteral("home"));
        ASSERT_TRUE(QDir().mkpath(home_));
        savedHome_ = qgetenv("HOME");
        qputenv("HOME", home_.toUtf8());
    }

    void TearDown() override
    {
        hosttest::HostQueueTest::TearDown();
        qputenv("HOME", savedHome_);
        qunsetenv("CUPS_STATEDIR");
        qunsetenv("LPDEST");
        qunsetenv("PRINTER");
    }

    // A CUPS command against the private server, as this user (HOME included).
    Outcome command(const QString& program, const QStringList& arguments, const QString& home = QString())
    {
        return hosttest::runProcess(program, arguments,
                                    {{QStringLiteral("CUPS_SERVER"), cupsd_.server()},
                                     {QStringLiteral("HOME"), home.isEmpty() ? home_ : home},
                                     {QStringLiteral("LD_PRELOAD"), QString()}},
                                    true);
    }

    // A plain `lp` job with no options at all; its id.
    int plainLp(const QString& home = QString())
    {
        const QString document = path(QStringLiteral("plain.pdf"));
        hosttest::writeBytes(document, hosttest::pdfDocument());
        const Outcome run = command(QStringLiteral("lp"), {QStringLiteral("-d"), QStringLiteral("Orvan"), document}, home);
        EXPECT_EQ(run.status, 0) << run.out.toStdString();
        const qsizetype at = run.out.indexOf(QStringLiteral("Orvan-"));
        return at < 0 ? 0 : run.out.mid(at + 6).section(QLatin1Char(' '), 0, 0).toInt();
    }

    QString lpoptionsFile() const { return hosttest::readBytes(home_ + QStringLiteral("/.cups/lpoptions")); }

    // The printer's attributes, every value as text.
    QMap<QString, QString> printerAttributes()
    {
        QMap<QString, QString> attributes;
        http_t* http = httpConnect2("127.0.0.1", cupsd_.port(), nullptr, AF_INET, HTTP_ENCRYPTION_NEVER, 1, 10000, nullptr);
        if (!http) return attributes;
        ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
        const QByteArray uri = QStringLiteral("ipp://%1/printers/Orvan").arg(cupsd_.server()).toUtf8();
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.constData());
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "all");
        ipp_t* response = cupsDoRequest(http, request, "/");
        for (ipp_attribute_t* a = response ? ippFirstAttribute(response) : nullptr; a; a = ippNextAttribute(response)) {
            if (!ippGetName(a)) continue;
            char value[2048];
            ippAttributeString(a, value, sizeof value);
            attributes.insert(QString::fromUtf8(ippGetName(a)), QString::fromUtf8(value));
        }
        ippDelete(response);
        httpClose(http);
        return attributes;
    }

    // Who may change printers: root through the scheduler's own certificate, or nobody
    // (a user no test runs as).
    void restrictAdministration(bool rootMay)
    {
        const QString file = cupsd_.directory() + QStringLiteral("/cupsd.conf");
        if (originalConf_.isEmpty()) originalConf_ = hosttest::readBytes(file);
        QByteArray conf = originalConf_;
        const QByteArray limit = "<Policy default>\n  <Limit CUPS-Add-Modify-Printer CUPS-Delete-Printer>\n"
                                 "    AuthType Basic\n    Require user " +
                                 QByteArray(rootMay ? "@SYSTEM" : "orvan-nobody") +
                                 "\n    Order deny,allow\n  </Limit>\n";
        conf.replace("<Policy default>\n", limit);
        // Authentication as the policy asks, everywhere.
        conf.replace("DefaultAuthType None", "DefaultAuthType Basic");
        ASSERT_TRUE(hosttest::writeBytes(file, conf));
        QString error;
        ASSERT_TRUE(cupsd_.restart(&error)) << error.toStdString();
        // libcups finds the scheduler's certificate for root here.
        qputenv("CUPS_STATEDIR", (cupsd_.directory() + QStringLiteral("/state")).toUtf8());
    }

    // Image Options: Grayscale, Photo, Color Balance on with Cyan highlights one up; Job
    // Type: Secure Print set up with a user ID and the passcode 1234.
    void chooseImageOptionsAndSecurePrint(host::PrintDialog* dialog)
    {
        QWidget* imageOptions = panelView(dialog, QStringLiteral("Image Options"));
        ASSERT_TRUE(chooseItem(find<QComboBox>(imageOptions, "imagetypeButton"), QStringLiteral("Photo")));
        hosttest::chooseCyanHighlightsUp(dialog);
        ASSERT_TRUE(chooseItem(find<QComboBox>(imageOptions, "outputcolorButton"), QStringLiteral("Grayscale")));
        hosttest::chooseSecurePrint(dialog, QStringLiteral("abc"), QStringLiteral("1234"));
    }

    // Triggers an action of the Defaults menu and waits for the answer; true when saved.
    bool defaultsAction(host::PrintDialog* dialog, const char* action)
    {
        QSignalSpy saved(dialog, &host::PrintDialog::defaultsSaved);
        QSignalSpy failed(dialog, &host::PrintDialog::defaultsFailed);
        auto* menu = find<QPushButton>(dialog, "defaultsButton")->menu();
        QAction* item = menu ? menu->findChild<QAction*>(QString::fromLatin1(action)) : nullptr;
        EXPECT_NE(item, nullptr) << action;
        if (!item) return false;
        EXPECT_TRUE(item->isEnabled()) << action;
        item->trigger();
        hosttest::waitFor([&] { return !saved.isEmpty() || !failed.isEmpty(); });
        hosttest::waitFor([&] { return !dialog->isBusy(); });
        return !saved.isEmpty();
    }

    QString home_;
    QByteArray savedHome_;
    QByteArray originalConf_;
};

// The passcode, user ID and new job name as the job carries them, and as typed.
const QStringList kSecrets{QStringLiteral("1234"), QStringLiteral("MTIzNA=="), QStringLiteral("YWJj"),
                           QStringLiteral("SecurePrintPasscode"), QStringLiteral("UserID"), QStringLiteral("NewJob")};

TEST_F(QueueDefaults, SavedChoicesReachAPlainLpJobAndLpoptionsButNeverThePasscode)
{
    host::PrintDialog* dialog = open(queueOptions());
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog->currentPrinter(), QStringLiteral("Orvan"));
    chooseImageOptionsAndSecurePrint(dialog);
    // What the dialog would print now, less what belongs to one job.
    QMap<QString, QString> expected;
    const host::JobOptions wouldPrint = dialog->jobOptions();
    for (const auto& [name, value] : wouldPrint.items())
        // A choice at the printer's own default needs no line anywhere.
        if (ppdFindOption(dialog->ppd(), name.toUtf8().constData())->defchoice != value &&
            !QStringList{QStringLiteral("JobType"), QStringLiteral("UserID"), QStringLiteral("SecurePrintPasscode"),
                         QStringLiteral("NewJob")}
                 .contains(name))
            expected.insert(name, value);
    EXPECT_EQ(expected.value(QStringLiteral("ColorModel")), QStringLiteral("Gray"));
    EXPECT_EQ(expected.value(QStringLiteral("QVColorDensityCyanLow")), QStringLiteral("1"));
    ASSERT_TRUE(defaultsAction(dialog, "saveDefaultsAction"))
        << (alerts_.alerts().isEmpty() ? std::string() : alerts_.alerts().last().second.toStdString());

    // The dialog said why Secure Print is not one of them.
    ASSERT_EQ(alerts_.alerts().size(), 1);
    EXPECT_TRUE(alerts_.alerts().first().first.contains(QStringLiteral("Secure Print")))
        << alerts_.alerts().first().first.toStdString();
    EXPECT_TRUE(alerts_.alerts().first().second.contains(QStringLiteral("Normal Print")));
    EXPECT_TRUE(dialog->presetNotice().contains(QStringLiteral("Orvan")));
    EXPECT_TRUE(dialog->isVisible()); // the job is still to be printed

    // lpoptions keeps them, CUPS's way; the server's default destination is not pinned.
    const QString file = lpoptionsFile();
    EXPECT_TRUE(file.startsWith(QStringLiteral("Dest Orvan "))) << file.toStdString();
    const Outcome listed = command(QStringLiteral("lpoptions"), {QStringLiteral("-p"), QStringLiteral("Orvan")});
    ASSERT_EQ(listed.status, 0) << listed.out.toStdString();
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const QString option = it.key() + QLatin1Char('=') + it.value();
        EXPECT_TRUE(listed.out.contains(option)) << option.toStdString() << " in " << listed.out.toStdString();
    }
    for (const QString& secret : kSecrets) EXPECT_FALSE(file.contains(secret)) << secret.toStdString();
    EXPECT_FALSE(file.contains(QStringLiteral("JobType=Secure")));

    // A plain lp job carries every saved choice.
    const int id = plainLp();
    ASSERT_GT(id, 0);
    const QMap<QString, QStringList> attributes = job(id);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        // lp sends True and False as IPP booleans, which come back as true and false.
        const bool boolean = it.value() == QLatin1String("True") || it.value() == QLatin1String("False");
        EXPECT_EQ(boolean ? attributes.value(it.key()).value(0).toLower() : attributes.value(it.key()).value(0),
                  boolean ? it.value().toLower() : it.value())
            << it.key().toStdString();
    }
    for (const QString& secret : {QStringLiteral("SecurePrintPasscode"), QStringLiteral("UserID"), QStringLiteral("NewJob")})
        EXPECT_FALSE(attributes.contains(secret)) << secret.toStdString();
    EXPECT_NE(attributes.value(QStringLiteral("JobType")).value(0), QStringLiteral("Secure"));

    // The job printed from the dialog itself is still Secure Print, passcode and all.
    ASSERT_TRUE(print());
    EXPECT_EQ(job(lastJobId_).value(QStringLiteral("JobType")).value(0), QStringLiteral("Secure"));
    EXPECT_FALSE(lpoptionsFile().contains(QStringLiteral("MTIzNA==")));
}

TEST_F(QueueDefaults, TheNextDialogStartsFromTheQueuesDefaultsThenTheSavedSettings)
{
    // Someone's lpoptions: grayscale, a brightness, and a user ID that is no default at all.
    Outcome set = command(QStringLiteral("lpoptions"), {QStringLiteral("-p"), QStringLiteral("Orvan"), QStringLiteral("-o"),
                                                    QStringLiteral("ColorModel=Gray"), QStringLiteral("-o"),
                                                    QStringLiteral("Brightness=1"), QStringLiteral("-o"),
                                                    QStringLiteral("UserID=Custom.YWJj")});
    ASSERT_EQ(set.status, 0) << set.out.toStdString();

    host::PrintDialog* dialog = open(queueOptions());
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog->currentPrinter(), QStringLiteral("Orvan"));
    EXPECT_EQ(dialog->queueDefaults().value(QStringLiteral("ColorModel")), QStringLiteral("Gray"));
    EXPECT_EQ(marked(dialog, "ColorModel"), QStringLiteral("Gray"));
    EXPECT_EQ(marked(dialog, "Brightness"), QStringLiteral("1"));
    auto output = [&] {
        return find<QComboBox>(panelView(dialog, QStringLiteral("Image Options")), "outputcolorButton")->currentText();
    };
    EXPECT_EQ(output(), QStringLiteral("Grayscale"));

    // Printing in colour, which is the description's own default: the job says so by name,
    // since the queue's default would otherwise stand in for it.
    ASSERT_TRUE(chooseItem(find<QComboBox>(panelView(dialog, QStringLiteral("Image Options")), "outputcolorButton"),
                     QStringLiteral("Color")));
    ASSERT_TRUE(print());
    EXPECT_EQ(job(lastJobId_).value(QStringLiteral("ColorModel")).value(0), QStringLiteral("RGB"));

    // The user's saved settings come after the queue's defaults.
    dialog = open(queueOptions());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(output(), QStringLiteral("Color"));
    EXPECT_EQ(marked(dialog, "Brightness"), QStringLiteral("1"));

    // Reset is one action: the queue's defaults again, now and at the next start.
    auto* menu = find<QPushButton>(dialog, "defaultsButton")->menu();
    menu->findChild<QAction*>(QStringLiteral("resetDefaultsAction"))->trigger();
    EXPECT_EQ(output(), QStringLiteral("Grayscale"));
    EXPECT_EQ(marked(dialog, "ColorModel"), QStringLiteral("Gray"));
    dialog = open(queueOptions());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(output(), QStringLiteral("Grayscale"));

    // Saved again as defaults, unchanged: the user ID is gone from lpoptions, the rest stays.
    ASSERT_TRUE(defaultsAction(dialog, "saveDefaultsAction"));
    const QString file = lpoptionsFile();
    EXPECT_FALSE(file.contains(QStringLiteral("UserID"))) << file.toStdString();
    EXPECT_TRUE(file.contains(QStringLiteral("ColorModel=Gray"))) << file.toStdString();
    EXPECT_TRUE(file.contains(QStringLiteral("Brightness=1"))) << file.toStdString();
    // A choice equal to the printer's own default needs no line of its own.
    EXPECT_FALSE(file.contains(QStringLiteral("ImageType=Normal"))) << file.toStdString();
}

TEST_F(QueueDefaults, AnAdministratorSetsThemForEveryUserAndAnyoneElseIsRefused)
{
    if (::geteuid() != 0) GTEST_SKIP() << "the scheduler's own certificate is root's";
    struct Case {
        bool rootMay;
        bool saved;
    };
    for (const Case c : {Case{false, false}, Case{true, true}}) {
        SCOPED_TRACE(c.rootMay ? "root may" : "nobody may");
        restrictAdministration(c.rootMay);
        alerts_.clear();
        host::PrintDialog* dialog = open(queueOptions());
        ASSERT_TRUE(dialog);
        ASSERT_EQ(dialog->currentPrinter(), QStringLiteral("Orvan"));
        chooseImageOptionsAndSecurePrint(dialog);
        // The colour balance of this process goes on from the last run's.
        const QString cyan = dialog->jobOptions().value(QStringLiteral("QVColorDensityCyanLow"));
        ASSERT_NE(cyan, QStringLiteral("0"));
        EXPECT_EQ(defaultsAction(dialog, "saveDefaultsForEveryoneAction"), c.saved)
            << (alerts_.alerts().isEmpty() ? std::string() : alerts_.alerts().last().second.toStdString());

        const QMap<QString, QString> printer = printerAttributes();
        ASSERT_FALSE(printer.isEmpty());
        for (auto it = printer.cbegin(); it != printer.cend(); ++it)
            for (const QString& secret : kSecrets)
                EXPECT_FALSE(it.key().contains(secret) || it.value().contains(QStringLiteral("MTIzNA==")))
                    << it.key().toStdString() << "=" << it.value().toStdString();
        if (!c.saved) {
            EXPECT_FALSE(printer.contains(QStringLiteral("ColorModel-default")));
            ASSERT_FALSE(alerts_.alerts().isEmpty());
            EXPECT_TRUE(alerts_.alerts().last().first.contains(QStringLiteral("You may not change the defaults of Orvan")))
                << alerts_.alerts().last().first.toStdString();
            EXPECT_TRUE(dialog->isVisible());
            continue;
        }
        EXPECT_EQ(printer.value(QStringLiteral("ColorModel-default")), QStringLiteral("Gray"));
        EXPECT_EQ(printer.value(QStringLiteral("QVColorDensityCyanLow-default")), cyan);
        // Another user, without any lpoptions, prints with them.
        const QString other = path(QStringLiteral("other-home"));
        ASSERT_TRUE(QDir().mkpath(other));
        const int id = plainLp(other);
        ASSERT_GT(id, 0);
        const QMap<QString, QStringList> attributes = job(id);
        EXPECT_EQ(attributes.value(QStringLiteral("ColorModel")).value(0), QStringLiteral("Gray"));
        EXPECT_EQ(attributes.value(QStringLiteral("QVColorDensityCyanLow")).value(0), cyan);
        EXPECT_FALSE(attributes.contains(QStringLiteral("SecurePrintPasscode")));
    }
}

TEST_F(QueueDefaults, OrvanPrintDefaultsWithoutADocument)
{
    ASSERT_EQ(command(QStringLiteral("lpoptions"), {QStringLiteral("-p"), QStringLiteral("Orvan"), QStringLiteral("-o"),
                                                    QStringLiteral("ImageType=Text"), QStringLiteral("-o"),
                                                    QStringLiteral("SecurePrintPasscode=Custom.MTIzNA==")})
                  .status,
              0);
    auto run = [&](const QStringList& extra) {
        const Outcome result = hosttest::runProcess(
            hosttest::orvanPrint(),
            QStringList{QStringLiteral("--offscreen"), QStringLiteral("--defaults"), QStringLiteral("--printer"),
                        QStringLiteral("Orvan"), QStringLiteral("--accept")} + extra,
            {{QStringLiteral("CUPS_SERVER"), cupsd_.server()},
             {QStringLiteral("HOME"), home_},
             {QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config"))},
             {QStringLiteral("ORVAN_PRINT_BUNDLE"), testsupport::bundlePath()},
             {QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen")},
             {QStringLiteral("CUPS_STATEDIR"), QString()}});
        return Outcome{result.status, result.err, {}};
    };
    // The queue's defaults go back as they were, less what never belongs there.
    const Outcome saved = run({});
    EXPECT_EQ(saved.status, 0) << saved.out.toStdString();
    const QString file = lpoptionsFile();
    EXPECT_TRUE(file.contains(QStringLiteral("ImageType=Text"))) << file.toStdString();
    EXPECT_FALSE(file.contains(QStringLiteral("MTIzNA=="))) << file.toStdString();

    if (::geteuid() != 0) return;
    restrictAdministration(false);
    const Outcome refused = run({QStringLiteral("--all-users")});
    EXPECT_EQ(refused.status, 3);
    EXPECT_TRUE(refused.out.contains(QStringLiteral("You may not change the defaults of Orvan for every user")))
        << refused.out.toStdString();
}

// --- The choosing alone ---------------------------------------------------------------------

TEST(QueueDefaultsChoice, RulesLeaveOutPerJobChoicesAndStandInForForbiddenOnes)
{
    QString error;
    host::PpdPtr ppd = host::openPpd(testsupport::bundledPpdPath(), &error);
    ASSERT_TRUE(ppd) << error.toStdString();
    const host::DefaultsRules rules = host::DefaultsRules::fromList(
        {QStringLiteral("UserID"), QStringLiteral("SecurePrintPasscode"), QStringLiteral("NewJob"),
         QStringLiteral("JobType=Secure"), QStringLiteral("="), QString()});
    EXPECT_EQ(rules.keywords.size(), 3);
    ASSERT_EQ(rules.choices.size(), 1);

    struct Case {
        QList<host::HandOver> choices;
        QMap<QString, QString> expected; // present with this value; empty value: absent
        int refused;
    };
    const QList<Case> cases = {
        {{{"JobType", "Secure"}, {"UserID", "Custom.YWJj"}, {"SecurePrintPasscode", "Custom.MTIzNA=="}},
         {{"JobType", "Normal"}, {"UserID", ""}, {"SecurePrintPasscode", ""}},
         1},
        {{{"JobType", "secure"}, {"NewJob", "Custom.ZTJl"}}, {{"JobType", "Normal"}, {"NewJob", ""}}, 1},
        {{{"ColorModel", "Gray"}, {"page-ranges", "1-3"}, {"number-up", "2"}},
         {{"ColorModel", "Gray"}, {"page-ranges", ""}, {"number-up", "2"}},
         0},
    };
    for (const Case& c : cases) {
        host::JobOptions choices = host::markedChoices(ppd.get());
        for (const host::HandOver& choice : c.choices) choices.set(choice.first, choice.second);
        const host::DefaultsSelection selection = host::selectDefaults(choices, ppd.get(), rules);
        for (auto it = c.expected.cbegin(); it != c.expected.cend(); ++it) {
            if (it.value().isEmpty()) EXPECT_FALSE(selection.options.contains(it.key())) << it.key().toStdString();
            else EXPECT_EQ(selection.options.value(it.key()), it.value()) << it.key().toStdString();
        }
        EXPECT_EQ(selection.refused.size(), c.refused);
        // What the dialog decides goes from lpoptions when it is not chosen: every option of
        // the description, the standard ones, and the secure-print texts.
        for (const char* name : {"ColorModel", "UserID", "SecurePrintPasscode", "number-up", "sides"})
            EXPECT_TRUE(selection.decided.contains(QString::fromLatin1(name))) << name;
        EXPECT_FALSE(selection.decided.contains(QStringLiteral("page-ranges")));
        EXPECT_EQ(selection.descriptionDefaults.value(QStringLiteral("JobType")), QStringLiteral("Normal"));
    }
}

TEST(QueueDefaultsChoice, TheQueuesDefaultsAreMarkedAndNamed)
{
    QString error;
    host::PpdPtr ppd = host::openPpd(testsupport::bundledPpdPath(), &error);
    ASSERT_TRUE(ppd) << error.toStdString();
    const host::QueueMarks marks = host::applyQueueDefaults(
        ppd.get(), {{QStringLiteral("media"), QStringLiteral("A4")},
                    {QStringLiteral("ColorModel"), QStringLiteral("Gray")},
                    {QStringLiteral("UserID"), QStringLiteral("YWJj")},
                    {QStringLiteral("printer-info"), QStringLiteral("Orvan")},
                    {QStringLiteral("Unknown"), QStringLiteral("x")}});
    const QStringList& decided = marks.decided;
    // They are the description's defaults now; its own are kept aside.
    EXPECT_EQ(QString::fromUtf8(ppdFindOption(ppd.get(), "ColorModel")->defchoice), QStringLiteral("Gray"));
    EXPECT_EQ(marks.descriptionDefaults.value(QStringLiteral("ColorModel")), QStringLiteral("RGB"));
    EXPECT_EQ(host::applyQueueDefaults(ppd.get(), {}, marks.descriptionDefaults).descriptionDefaults,
              marks.descriptionDefaults);
    EXPECT_EQ(QString::fromUtf8(ppdFindOption(ppd.get(), "ColorModel")->defchoice), QStringLiteral("RGB"));
    EXPECT_EQ(QString::fromUtf8(ppdFindMarkedChoice(ppd.get(), "PageSize")->choice), QStringLiteral("A4"));
    EXPECT_EQ(QString::fromUtf8(ppdFindMarkedChoice(ppd.get(), "ColorModel")->choice), QStringLiteral("Gray"));
    // A free text marks the option's custom choice.
    EXPECT_EQ(QString::fromUtf8(ppdFindMarkedChoice(ppd.get(), "UserID")->choice), QStringLiteral("Custom"));
    for (const char* keyword : {"PageSize", "ColorModel", "UserID"})
        EXPECT_TRUE(decided.contains(QString::fromLatin1(keyword))) << keyword;
    EXPECT_FALSE(decided.contains(QStringLiteral("printer-info")));
    EXPECT_FALSE(decided.contains(QStringLiteral("Unknown")));
}

// --- Without a document ---------------------------------------------------------------------

class StartPageTest : public hosttest::HostDialogTest {};

TEST_F(StartPageTest, OpenAskedForADocumentTheTestPageOnlyWhenChosen)
{
    const QString text = path(QStringLiteral("notes.txt"));
    ASSERT_TRUE(hosttest::writeBytes(text, "plain text\n"));
    const QString document = path(QStringLiteral("letter.pdf"));
    ASSERT_TRUE(hosttest::writeBytes(document, hosttest::pdfDocument()));

    host::StartPage page;
    QStringList answers{QString(), text, document};
    page.setFileChooser([&] { return answers.takeFirst(); });
    page.show();
    auto* open = find<QPushButton>(&page, "openButton");
    ASSERT_NE(open, nullptr);
    EXPECT_TRUE(open->isDefault());
    // Cancelled: nothing chosen, the page stays.
    open->click();
    EXPECT_EQ(page.choice(), host::StartPage::Choice::None);
    EXPECT_TRUE(page.isVisible());
    // Not a document: said on the page, which stays.
    open->click();
    EXPECT_EQ(page.choice(), host::StartPage::Choice::None);
    EXPECT_TRUE(find<QLabel>(&page, "startProblem")->text().contains(QStringLiteral("not a PDF or PostScript")));
    EXPECT_TRUE(page.isVisible());
    // A PDF: chosen, read.
    open->click();
    EXPECT_EQ(page.choice(), host::StartPage::Choice::Document);
    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_EQ(page.document().format, QStringLiteral("application/pdf"));
    EXPECT_EQ(page.document().name, QStringLiteral("letter.pdf"));

    host::StartPage second;
    find<QPushButton>(&second, "testPageButton")->click();
    EXPECT_EQ(second.choice(), host::StartPage::Choice::TestPage);
    EXPECT_EQ(second.document().data, host::testPage().data);
    host::StartPage third;
    find<QPushButton>(&third, "defaultsButton")->click();
    EXPECT_EQ(third.choice(), host::StartPage::Choice::Defaults);
}

// The dialog starts on the queue lp would print to: $LPDEST, else $PRINTER (but "lp"),
// else the user's lpoptions default, else the server's; a default that names a queue
// the server does not list leaves the server's.
TEST_F(QueueDefaults, TheDialogStartsOnTheQueueLpWouldUse)
{
    QString error;
    ASSERT_TRUE(cupsd_.addQueue(QStringLiteral("Annex"), QString(), &error)) << error.toStdString();
    const struct {
        const char* lpdest;
        const char* printer;
        const char* lpoptionsDefault;
        const char* expected;
    } cases[] = {
        {"", "", "", "Orvan"},           {"", "", "Annex", "Annex"},     {"", "", "Annex/draft", "Annex"},
        {"", "", "Gone", "Orvan"},       {"Annex", "", "Orvan", "Annex"}, {"", "Annex", "", "Annex"},
        {"", "lp", "", "Orvan"},
    };
    const QString file = home_ + QStringLiteral("/.cups/lpoptions");
    ASSERT_TRUE(QDir().mkpath(home_ + QStringLiteral("/.cups")));
    host::DialogOptions o = queueOptions();
    o.printer.clear();
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("LPDEST=%1 PRINTER=%2 lpoptions Default %3")
                         .arg(QLatin1String(c.lpdest), QLatin1String(c.printer), QLatin1String(c.lpoptionsDefault))
                         .toStdString());
        QFile::remove(file);
        if (*c.lpoptionsDefault) {
            ASSERT_TRUE(hosttest::writeBytes(file, QByteArray("Default ") + c.lpoptionsDefault + "\n"));
        }
        qputenv("LPDEST", c.lpdest);
        qputenv("PRINTER", c.printer);
        host::PrintDialog* dialog = open(o);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->currentPrinter().toStdString(), c.expected);
    }
}

} // namespace
