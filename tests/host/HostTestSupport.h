#pragma once
// What the host's tests share: the dialog made the way orvan-print makes it (the bundle
// loaded from the build tree, never the plug-in's code linked in), waiting for it to
// settle, and driving its widgets as a user would.
#include "host/JobOptions.h"
#include "host/PrintDialog.h"

#include "platform/Help.h"
#include "platform/PDEPanel.h"
#include "platform/Stepper.h"
#include "tests/host/DocumentSupport.h"
#include "tests/support/TestSupport.h"
#include "tests/support/UserActions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QCheckBox>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <arpa/inet.h>
#include <cups/ppd.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace hosttest {

inline QString orvanPrint() { return QStringLiteral(ORVAN_PRINT_EXE); }
inline QString hostDataPath(const QString& name)
{
    return testsupport::sourcePath(QStringLiteral("tests/host/data/") + name);
}

// A PDF of `pages` Letter pages.
inline QByteArray pdfDocument(int pages = 1) { return pdfPages(pages, QSizeF(612, 792)); }

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline host::Document pdf(const QString& name = QStringLiteral("report.pdf"), int pages = 1)
{
    return documentOf(pdfDocument(pages), name);
}

// Waits (processing events) until `done` holds; false after `timeoutMs`.
// A print server that takes the connection and never answers: a loopback socket that
// listens and is never accepted from. server() is the address for CUPS_SERVER; empty
// when no socket could be made.
class SilentServer {
public:
    SilentServer()
    {
        socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (socket_ < 0 || ::bind(socket_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            ::listen(socket_, 4) != 0 || ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        server_ = QByteArrayLiteral("127.0.0.1:") + QByteArray::number(ntohs(address.sin_port));
    }
    ~SilentServer()
    {
        if (socket_ >= 0) ::close(socket_);
    }
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;
    QByteArray server() const { return server_; }

private:
    int socket_ = -1;
    QByteArray server_;
};

inline bool waitFor(const std::function<bool()>& done, int timeoutMs = 30000)
{
    return QTest::qWaitFor(done, timeoutMs);
}

// A widget of the dialog (its panels' views included) by object name.
template <class T>
T* find(QWidget* root, const char* name)
{
    return root ? root->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

using useractions::chooseItem;

using testsupport::inModal;

// The view of the panel named `name`, or null.
inline QWidget* panelView(host::PrintDialog* dialog, const QString& name)
{
    for (platform::PDEPanel* panel : dialog->panels())
        if (panel->panelName() == name) return panel->panelView();
    return nullptr;
}

// Job Type panel -> Secure Print -> the setup dialog: user ID, passcode, and when
// `newName` is given "Enter Name Mode" with it; OK.
inline void chooseSecurePrint(host::PrintDialog* dialog, const QString& user, const QString& passcode,
                              const QString& newName = QString())
{
    ASSERT_TRUE(chooseItem(find<QComboBox>(dialog, "panelPopUp"), QStringLiteral("Job Type")));
    auto* jobType = find<QComboBox>(panelView(dialog, QStringLiteral("Job Type")), "jobtypeButton");
    ASSERT_NE(jobType, nullptr);
    hosttest::inModal([&] { chooseItem(jobType, QStringLiteral("Secure Print")); },
                      [&](QDialog* setup) {
                          auto* userField = find<QLineEdit>(setup, "TextUserIDBox");
                          auto* passField = find<QLineEdit>(setup, "TextPasscodeBox");
                          auto* mode = find<QComboBox>(setup, "pJobNameButton");
                          auto* nameField = find<QLineEdit>(setup, "TextJobNameBox");
                          ASSERT_TRUE(userField && passField && mode && nameField);
                          userField->clear();
                          passField->clear();
                          QTest::keyClicks(userField, user);
                          QTest::keyClicks(passField, passcode);
                          if (!newName.isEmpty()) {
                              ASSERT_TRUE(chooseItem(mode, mode->itemText(1)));
                              nameField->clear();
                              QTest::keyClicks(nameField, newName);
                          }
                          QTest::mouseClick(find<QAbstractButton>(setup, "okButton"), Qt::LeftButton);
                      });
    EXPECT_EQ(jobType->currentText(), QStringLiteral("Secure Print"));
}

// Image Options -> Color Balance: switched on, Cyan, its highlights one step up; OK.
inline void chooseCyanHighlightsUp(host::PrintDialog* dialog)
{
    QWidget* imageOptions = panelView(dialog, QStringLiteral("Image Options"));
    ASSERT_NE(imageOptions, nullptr);
    inModal([&] { QTest::mouseClick(find<QAbstractButton>(imageOptions, "colorBalanceButton"), Qt::LeftButton); },
            [&](QDialog* balance) {
                auto* enable = find<QCheckBox>(balance, "EnableButton");
                auto* stepper = find<platform::Stepper>(balance, "StepperOne");
                ASSERT_TRUE(enable && stepper);
                if (!enable->isChecked()) enable->click();
                ASSERT_TRUE(chooseItem(find<QComboBox>(balance, "targetColorButton"), QStringLiteral("Cyan")));
                QTest::mouseClick(stepper->findChild<QToolButton*>(QStringLiteral("stepperUp")), Qt::LeftButton);
                QTest::mouseClick(find<QAbstractButton>(balance, "okButton"), Qt::LeftButton);
            });
}

// The choice marked for `keyword`, or empty.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations" // the PPD interface, deprecated in CUPS 2.4
inline QString marked(ppd_file_t* ppd, const char* keyword)
{
    const ppd_choice_t* choice = ppdFindMarkedChoice(ppd, keyword);
    return choice ? QString::fromUtf8(choice->choice) : QString();
}

// The name of the choice of `keyword` whose text is `text` (as a pop-up shows it), or
// empty.
inline QString choiceNamed(ppd_file_t* ppd, const char* keyword, const QString& text)
{
    ppd_option_t* option = ppd ? ppdFindOption(ppd, keyword) : nullptr;
    for (int i = 0; option && i < option->num_choices; ++i)
        if (QString::fromUtf8(option->choices[i].text) == text) return QString::fromUtf8(option->choices[i].choice);
    return QString();
}
#pragma GCC diagnostic pop

// The titles a pop-up offers (its separators left out).
inline QStringList items(QComboBox* popup)
{
    QStringList titles;
    for (int i = 0; popup && i < popup->count(); ++i)
        if (!popup->itemText(i).isEmpty()) titles << popup->itemText(i);
    return titles;
}

// A file's permission bits; -1 when it is not there.
inline int modeOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return -1;
    return static_cast<int>(info.st_mode & 07777);
}

inline QJsonObject readJson(const QString& path) { return QJsonDocument::fromJson(readBytes(path)).object(); }

// What a process did: its exit status (-1 when it did not end normally in time), its
// output and its messages.
struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

// Runs `program` with `changes` to this process's environment (a null value removes the
// variable); `merged` puts its messages into `out`.
inline Outcome runProcess(const QString& program, const QStringList& arguments,
                          const QMap<QString, QString>& changes = {}, bool merged = false)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
        if (it.value().isNull()) environment.remove(it.key());
        else environment.insert(it.key(), it.value());
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    if (merged) process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Outcome outcome;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return outcome;
    }
    outcome.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    outcome.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    outcome.err = QString::fromLocal8Bit(process.readAllStandardError());
    return outcome;
}

#ifdef HOST_DIALOG_PROBE_EXE
// What the dialog probe (a fresh process making the dialog as orvan-print does, on
// `presetDirectory`) reports of its controls, under `changes` to the environment.
inline QJsonObject probeDialog(const QString& presetDirectory, const QMap<QString, QString>& changes = {})
{
    const Outcome probe = runProcess(QStringLiteral(HOST_DIALOG_PROBE_EXE), {testsupport::bundlePath(), presetDirectory}, changes);
    EXPECT_EQ(probe.status, 0) << probe.err.toStdString();
    return QJsonDocument::fromJson(probe.out.toUtf8()).object();
}
#endif

// What pdfinfo (poppler-utils) says of a PDF: its page count and the first page's size.
struct PdfInfo {
    int pages = -1;
    double width = 0;
    double height = 0;
    QString size() const { return QStringLiteral("%1 x %2").arg(width).arg(height); }
};

inline PdfInfo pdfInfo(const QString& file)
{
    const Outcome run = runProcess(QStringLiteral("pdfinfo"), {file});
    PdfInfo info;
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run.out);
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(run.out);
    if (run.status != 0 || !pages.hasMatch() || !size.hasMatch()) return info;
    info.pages = pages.captured(1).toInt();
    info.width = size.captured(1).toDouble();
    info.height = size.captured(2).toDouble();
    return info;
}

inline QString customBase64(const QString& text)
{
    return QStringLiteral("Custom.") + QString::fromLatin1(text.toUtf8().toBase64());
}

// The summary as "section/title" -> value.
inline QMap<QString, QString> summary(host::PrintDialog* dialog)
{
    QMap<QString, QString> rows;
    auto* tree = find<QTreeWidget>(dialog, "summaryView");
    for (int s = 0; tree && s < tree->topLevelItemCount(); ++s) {
        QTreeWidgetItem* section = tree->topLevelItem(s);
        rows.insert(section->text(0), QString());
        for (int r = 0; r < section->childCount(); ++r)
            rows.insert(section->text(0) + QLatin1Char('/') + section->child(r)->text(0).trimmed(),
                        section->child(r)->text(1));
    }
    return rows;
}

// The dialog of orvan-print for tests: a private preset directory, alerts recorded.
class HostDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::resetHelpRegistry();
        ASSERT_TRUE(dir_.isValid());
        qputenv("CUPS_SERVER", unreachableServer().toUtf8());
    }

    void TearDown() override
    {
        dialog_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a modal loop outlived its test";
        platform::resetHelpRegistry();
    }

    // A loopback address where nothing listens.
    static QString unreachableServer() { return QStringLiteral("127.0.0.1:9"); }

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString presetDirectory() const { return dir_.filePath(QStringLiteral("config/orvan-print")); }

    host::DialogOptions options(bool useServer = false) const
    {
        host::DialogOptions options;
        options.bundlePath = testsupport::bundlePath();
        options.presetDirectory = presetDirectory();
        options.outputPath = path(QStringLiteral("out.pdf"));
        options.useServer = useServer;
        return options;
    }

    host::PrintDialog* open(const host::DialogOptions& options, const host::Document& document = pdf())
    {
        dialog_.reset();
        QString error;
        dialog_ = host::PrintDialog::create(options, document, &error);
        EXPECT_TRUE(dialog_) << error.toStdString();
        if (!dialog_) return nullptr;
        dialog_->setConfirmer([this](const QString& message, const QString& details) {
            confirmations_.append(message + QLatin1Char('\n') + details);
            return confirmAnswer_;
        });
        dialog_->show();
        EXPECT_TRUE(waitFor([this] { return dialog_->isSettled(); }));
        return dialog_.get();
    }

    // orvan-print as a process of its own on this test's settings folder and the build's
    // bundle, printing `document` to `printer` of `server` unattended (--accept); its exit
    // status (-1 when it did not end), its output and messages in `output`.
    int acceptInNewProcess(const QString& server, const QString& printer, const QString& document,
                           QByteArray* output,
                           QProcessEnvironment environment = QProcessEnvironment::systemEnvironment()) const
    {
        environment.insert(QStringLiteral("CUPS_SERVER"), server);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        environment.insert(QStringLiteral("ORVAN_PRINT_BUNDLE"), testsupport::bundlePath());
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(orvanPrint(), {QStringLiteral("--offscreen"), QStringLiteral("--accept"), QStringLiteral("--printer"),
                                   printer, document});
        const bool ended = child.waitForFinished(120000);
        *output = child.readAll();
        return ended ? child.exitCode() : -1;
    }

    // Presses Print and waits for the outcome; true when the job went out.
    bool print()
    {
        QSignalSpy printed(dialog_.get(), &host::PrintDialog::printed);
        QSignalSpy failed(dialog_.get(), &host::PrintDialog::printFailed);
        QTest::mouseClick(find<QAbstractButton>(dialog_.get(), "printButton"), Qt::LeftButton);
        waitFor([&] { return !printed.isEmpty() || !failed.isEmpty() || !dialog_->isBusy(); });
        waitFor([&] { return !printed.isEmpty() || !failed.isEmpty(); }, 200);
        if (!printed.isEmpty()) lastJobId_ = printed.first().first().toInt();
        return !printed.isEmpty();
    }

    QTemporaryDir dir_;
    std::unique_ptr<host::PrintDialog> dialog_;
    testsupport::AlertRecorder alerts_;
    QStringList confirmations_;
    bool confirmAnswer_ = true;
    int lastJobId_ = -1;
};

} // namespace hosttest
