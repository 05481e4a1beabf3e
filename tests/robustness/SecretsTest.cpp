// The secure-print passcode goes to the printer and to the user's own files, nowhere
// else: not into a log line, not into anything orvan-print prints, not into any
// process's command line or environment, not into a file others can read. The preset
// that holds it survives a crash in the middle of a save.
#include "host/Presets.h"
#include "platform/Log.h"
#include "tests/robustness/RobustnessHost.h"

#include <QDirIterator>
#include <QRandomGenerator>
#include <QTemporaryFile>
#include <QThread>

#include <csignal>

#include <fcntl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using robust::find;
using robust::modeOf;
using robust::chooseItem;

const QString kPasscode = QStringLiteral("907315246");
const QString kUserID = QStringLiteral("agent042");
const QString kJobName = QStringLiteral("Payroll7");

// The forms a secret takes on its way: as typed, and in Base64 as the job carries it.
QList<QByteArray> formsOf(const QString& secret)
{
    return {secret.toUtf8(), secret.toUtf8().toBase64()};
}

bool holds(const QByteArray& text, const QString& secret)
{
    for (const QByteArray& form : formsOf(secret))
        if (text.contains(form)) return true;
    return false;
}

// Everything written to this process's stdout and stderr while it lives, whoever
// writes it (Qt, libcups, our code).
class OutputCapture {
public:
    OutputCapture()
    {
        file_.open();
        std::fflush(stdout);
        std::fflush(stderr);
        savedOut_ = ::dup(STDOUT_FILENO);
        savedErr_ = ::dup(STDERR_FILENO);
        ::dup2(file_.handle(), STDOUT_FILENO);
        ::dup2(file_.handle(), STDERR_FILENO);
    }
    ~OutputCapture() { restore(); }
    OutputCapture(const OutputCapture&) = delete;
    OutputCapture& operator=(const OutputCapture&) = delete;

    // Stops capturing; answers what was written.
    QByteArray restore()
    {
        if (savedOut_ >= 0) {
            std::fflush(stdout);
            std::fflush(stderr);
            ::dup2(savedOut_, STDOUT_FILENO);
            ::dup2(savedErr_, STDERR_FILENO);
            ::close(savedOut_);
            ::close(savedErr_);
            savedOut_ = savedErr_ = -1;
            QFile read(file_.fileName());
            if (read.open(QIODevice::ReadOnly)) text_ = read.readAll();
            // Whatever went by (test failures included) is still shown.
            std::fwrite(text_.constData(), 1, static_cast<size_t>(text_.size()), stderr);
        }
        return text_;
    }

private:
    QTemporaryFile file_;
    int savedOut_ = -1;
    int savedErr_ = -1;
    QByteArray text_;
};

// Every qDebug/qInfo/qWarning/qCritical while it lives, passed on as well.
class MessageCapture {
public:
    MessageCapture()
    {
        current_ = this;
        previous_ = qInstallMessageHandler(&MessageCapture::handle);
    }
    ~MessageCapture()
    {
        qInstallMessageHandler(previous_);
        current_ = nullptr;
    }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;
    const QStringList& messages() const { return messages_; }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (current_) current_->messages_.append(message);
        if (current_ && current_->previous_) current_->previous_(type, context, message);
    }

    static inline MessageCapture* current_ = nullptr;
    QtMessageHandler previous_ = nullptr;
    QStringList messages_;
};

// The command lines and environments of this process and every process below it.
class ProcessScan {
public:
    void scan()
    {
        ++scans_;
        QMap<pid_t, pid_t> parents;
        const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& entry : entries) {
            bool ok = false;
            const pid_t pid = entry.toInt(&ok);
            if (!ok) continue;
            const QByteArray stat = read(pid, "stat");
            // pid (comm) state ppid ...: the name may hold spaces and parentheses.
            const qsizetype close = stat.lastIndexOf(')');
            if (close < 0) continue;
            const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
            if (fields.size() > 1) parents.insert(pid, static_cast<pid_t>(fields.at(1).toInt()));
        }
        const pid_t self = ::getpid();
        for (auto it = parents.cbegin(); it != parents.cend(); ++it) {
            pid_t ancestor = it.key();
            for (int depth = 0; depth < 64 && ancestor > 1 && ancestor != self; ++depth)
                ancestor = parents.value(ancestor, 0);
            if (ancestor != self) continue;
            processes_.insert(it.key());
            for (const char* what : {"cmdline", "environ"}) {
                const QByteArray text = read(it.key(), what);
                if (holds(text, kPasscode))
                    leaks_ << QStringLiteral("/proc/%1/%2: %3")
                                  .arg(it.key())
                                  .arg(QLatin1String(what))
                                  .arg(QString::fromLocal8Bit(QByteArray(text).replace('\0', ' ')).left(300));
            }
        }
    }

    const QStringList& leaks() const { return leaks_; }
    int scans() const { return scans_; }
    // Processes seen besides this one.
    int othersSeen() const { return int(processes_.size()) - (processes_.contains(::getpid()) ? 1 : 0); }

private:
    static QByteArray read(pid_t pid, const char* what)
    {
        QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(what)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QSet<pid_t> processes_;
    QStringList leaks_;
    int scans_ = 0;
};

class Secrets : public robust::QueueTest {
protected:
    void SetUp() override
    {
        robust::QueueTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        ASSERT_TRUE(QDir().mkpath(configHome()));
        qputenv("XDG_CONFIG_HOME", configHome().toUtf8());
    }

    void TearDown() override
    {
        qunsetenv("XDG_CONFIG_HOME");
        robust::QueueTest::TearDown();
    }

    QString configHome() const { return path(QStringLiteral("config")); }
    QString presetHome() const { return configHome() + QStringLiteral("/orvan-print"); }

    // orvan-print's default preset location ($XDG_CONFIG_HOME/orvan-print).
    host::DialogOptions withDefaultPresets(host::DialogOptions o) const
    {
        o.presetDirectory.clear();
        return o;
    }

    // Presses Print and waits for the outcome, looking at the processes meanwhile.
    bool printWatching(ProcessScan* processes)
    {
        QSignalSpy printed(dialog_.get(), &host::PrintDialog::printed);
        QSignalSpy failed(dialog_.get(), &host::PrintDialog::printFailed);
        QTest::mouseClick(find<QAbstractButton>(dialog_.get(), "printButton"), Qt::LeftButton);
        hosttest::waitFor([&] {
            processes->scan();
            return !printed.isEmpty() || !failed.isEmpty();
        });
        if (!printed.isEmpty()) lastJobId_ = printed.first().first().toInt();
        return !printed.isEmpty();
    }

    // Every file under `root` that holds the passcode, with its mode.
    static QMap<QString, int> filesHoldingThePasscode(const QString& root)
    {
        QMap<QString, int> found;
        QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            if (holds(hosttest::readBytes(file), kPasscode)) found.insert(file, modeOf(file));
        }
        return found;
    }
};

// Secure Print end to end: in this process's dialog to the queue and to a file, then
// orvan-print itself on the saved preset.
TEST_F(Secrets, ThePasscodeGoesToThePrinterAndNowhereElse)
{
    testsupport::LogRecorder log;
    MessageCapture messages;
    ProcessScan processes;
    QByteArray printedHere;
    int queueJob = 0;
    {
        OutputCapture output;
        host::PrintDialog* dialog = open(withDefaultPresets(queueOptions()));
        ASSERT_TRUE(dialog);
        ASSERT_EQ(dialog->currentPrinter(), QStringLiteral("Orvan")) << dialog->serverNotice().toStdString();
        auto* jobName = find<QLineEdit>(dialog, "jobNameField");
        jobName->selectAll();
        QTest::keyClicks(jobName, kJobName);
        robust::chooseSecurePrint(dialog, kUserID, kPasscode, kJobName);
        ASSERT_FALSE(HasFatalFailure());
        processes.scan();
        ASSERT_TRUE(printWatching(&processes));
        queueJob = lastJobId_;
        processes.scan();

        // Once more, to a file.
        host::DialogOptions toFile = withDefaultPresets(options());
        toFile.outputPath = path(QStringLiteral("out/secure.pdf"));
        ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("out"))));
        dialog = open(toFile);
        ASSERT_TRUE(dialog);
        robust::chooseSecurePrint(dialog, kUserID, kPasscode, kJobName);
        ASSERT_TRUE(printWatching(&processes));
        dialog_.reset();
        printedHere = output.restore();
    }
    // The passcode did travel: to the printer and into the ticket.
    ASSERT_GT(queueJob, 0);
    EXPECT_EQ(job(queueJob).value(QStringLiteral("SecurePrintPasscode")).value(0),
              robust::customBase64(kPasscode));

    // orvan-print on the preset just saved, watched while it runs.
    const QString document = path(QStringLiteral("letter.pdf"));
    ASSERT_TRUE(hosttest::writeBytes(document, hosttest::pdfDocument()));
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUPS_SERVER"), cupsd_.server());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome());
    environment.insert(QStringLiteral("ORVAN_PRINT_BUNDLE"), testsupport::bundlePath());
    child.setProcessEnvironment(environment);
    child.start(hosttest::orvanPrint(), {QStringLiteral("--offscreen"), QStringLiteral("--accept"),
                                         QStringLiteral("--printer"), QStringLiteral("Orvan"), document});
    ASSERT_TRUE(child.waitForStarted(30000));
    while (!child.waitForFinished(20)) {
        processes.scan();
        ASSERT_NE(child.state(), QProcess::NotRunning);
    }
    processes.scan();
    const QByteArray childOut = child.readAllStandardOutput();
    const QByteArray childErr = child.readAllStandardError();
    // No secret store runs here, so the restarted run has no passcode: its Secure Print
    // is held back rather than sent openly.
    ASSERT_EQ(child.exitCode(), 3) << childErr.toStdString();
    EXPECT_TRUE(childErr.contains("Secure Print needs its passcode.")) << childErr.toStdString();

    // No log line, no message, nothing printed.
    EXPECT_FALSE(log.lines().isEmpty()) << "the panels log their steps";
    for (const QString& line : log.lines())
        for (const QString& secret : {kPasscode, kUserID, kJobName})
            EXPECT_FALSE(holds(line.toUtf8(), secret)) << "log: " << line.toStdString();
    for (const QString& message : messages.messages())
        for (const QString& secret : {kPasscode, kUserID, kJobName})
            EXPECT_FALSE(holds(message.toUtf8(), secret)) << "message: " << message.toStdString();
    EXPECT_FALSE(holds(printedHere, kPasscode)) << printedHere.toStdString();
    EXPECT_FALSE(holds(childOut, kPasscode)) << childOut.toStdString();
    EXPECT_FALSE(holds(childErr, kPasscode)) << childErr.toStdString();

    // No command line or environment, here, in the scheduler or in orvan-print.
    EXPECT_GE(processes.othersSeen(), 2) << "the scheduler and orvan-print were looked at";
    EXPECT_TRUE(processes.leaks().isEmpty()) << processes.leaks().join(QLatin1Char('\n')).toStdString();

    // No file others can read: the preset, the document and its ticket, the temporary
    // copies of printer descriptions, whatever else lies in the test's directory.
    const QMap<QString, int> holders = filesHoldingThePasscode(dir_.path());
    EXPECT_FALSE(holders.contains(host::PresetStore(presetHome()).fileFor(QStringLiteral("Orvan"))))
        << "the passcode rests in the secret store or nowhere";
    EXPECT_TRUE(holders.contains(path(QStringLiteral("out/secure.pdf.ticket.json"))));
    for (auto it = holders.cbegin(); it != holders.cend(); ++it)
        EXPECT_EQ(it.value() & 077, 0) << it.key().toStdString() << " has mode " << std::oct << it.value();
    EXPECT_EQ(modeOf(presetHome()) & 077, 0);

    // The scheduler keeps the job's attributes in its spool (written at the latest when
    // it stops); CUPS keeps them private too. Its debug log does not hold them.
    cupsd_.stop();
    const QMap<QString, int> spooled = filesHoldingThePasscode(cupsd_.directory());
    EXPECT_FALSE(spooled.isEmpty());
    for (auto it = spooled.cbegin(); it != spooled.cend(); ++it) {
        EXPECT_EQ(it.value() & 077, 0) << it.key().toStdString() << " has mode " << std::oct << it.value();
        EXPECT_FALSE(it.key().contains(QLatin1String("/log/"))) << it.key().toStdString();
    }
}

// A save cut off by a full disk (a file size limit, which binds root too) or by
// SIGKILL at any moment leaves the previous preset whole, and any file it left behind
// private.
TEST_F(Secrets, ACrashWhileSavingLeavesTheOldPresetWhole)
{
    const QString directory = presetHome();
    const host::PresetStore store(directory);
    host::Preset before;
    before.settings = {{QStringLiteral("jobtypePasscode"), kPasscode}, {QStringLiteral("variant"), QStringLiteral("0")}};
    QString error;
    ASSERT_TRUE(store.save(QStringLiteral("Orvan"), before, &error)) << error.toStdString();
    const QString file = store.fileFor(QStringLiteral("Orvan"));
    const QByteArray original = hosttest::readBytes(file);

    const auto loadedVariant = [&] {
        host::Preset loaded;
        QString problem;
        const host::PresetStore::Status status = store.load(QStringLiteral("Orvan"), &loaded, &problem);
        EXPECT_EQ(status, host::PresetStore::Status::Found) << problem.toStdString();
        EXPECT_EQ(loaded.settings.value(QStringLiteral("jobtypePasscode")), kPasscode);
        return loaded.settings.value(QStringLiteral("variant"));
    };

    // The disk fills up in the middle of the save.
    QProcess limited;
    limited.start(QStringLiteral(PRESET_WRITER_EXE), {QStringLiteral("limit"), directory, QStringLiteral("65536")});
    ASSERT_TRUE(limited.waitForFinished(60000));
    const QString said = QString::fromLocal8Bit(limited.readAllStandardOutput());
    EXPECT_EQ(limited.exitCode(), 0) << "the save said it succeeded: " << said.toStdString();
    EXPECT_TRUE(said.contains(file)) << said.toStdString();
    EXPECT_EQ(hosttest::readBytes(file), original);
    EXPECT_EQ(loadedVariant(), QStringLiteral("0"));
    EXPECT_EQ(QDir(directory).entryList(QDir::Files | QDir::Hidden).size(), 1) << "a failed save cleans up";

    // Killed in the middle of saves. The writer is stopped at a random moment; when it
    // holds a file in the preset directory open (the replacement being written), it is
    // killed there, else it goes on.
    for (int round = 0; round < 8; ++round) {
        QProcess writer;
        writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writer.start(QStringLiteral(PRESET_WRITER_EXE), {QStringLiteral("loop"), directory});
        ASSERT_TRUE(writer.waitForStarted(30000));
        const auto pid = static_cast<pid_t>(writer.processId());
        ASSERT_TRUE(writer.waitForReadyRead(60000)) << "the writer does not save";
        bool killedInsideASave = false;
        for (int attempt = 0; attempt < 1000 && !killedInsideASave; ++attempt) {
            ASSERT_EQ(writer.state(), QProcess::Running);
            writer.readAllStandardOutput();
            // A moment anywhere in the save cycle, not in step with the writer's output.
            QThread::usleep(QRandomGenerator::global()->bounded(20000u));
            ::kill(pid, SIGSTOP);
            QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
            while (stat.open(QIODevice::ReadOnly) && !stat.readAll().contains(") T ")) stat.close();
            stat.close();
            const QString fds = QStringLiteral("/proc/%1/fd/").arg(pid);
            for (const QString& fd : QDir(fds).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
                char target[4096] = {};
                const ssize_t length = ::readlink(QFile::encodeName(fds + fd).constData(), target, sizeof target - 1);
                if (length > 0 && QFile::decodeName(target).startsWith(directory + QLatin1Char('/')))
                    killedInsideASave = true;
            }
            ::kill(pid, killedInsideASave ? SIGKILL : SIGCONT);
        }
        ASSERT_TRUE(killedInsideASave) << "never caught the writer inside a save";
        ASSERT_TRUE(writer.waitForFinished(30000));
        const QString variant = loadedVariant();
        EXPECT_TRUE(variant == QStringLiteral("a") || variant == QStringLiteral("b")) << variant.toStdString();
        EXPECT_EQ(modeOf(file), 0600);
        // A kill just as the replacement is given its name (Qt links the unnamed file
        // under a temporary name, then renames it) leaves that file: private as well.
        for (const QString& name : QDir(directory).entryList(QDir::Files | QDir::Hidden)) {
            const QString other = directory + QLatin1Char('/') + name;
            if (other == file) continue;
            EXPECT_EQ(modeOf(other) & 077, 0) << name.toStdString();
            QFile::remove(other);
        }
    }
    EXPECT_EQ(modeOf(directory), 0700);
}

} // namespace
