#include "tests/host/PrivateCupsd.h"

#include "host/IppValues.h"
#include "host/ServerBin.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <cups/cups.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <grp.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace testsupport {

namespace {

constexpr char kCupsd[] = "/usr/sbin/cupsd";

// A loopback port nobody listens on now.
int freePort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    int port = 0;
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

bool answers(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return ok;
}

bool writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

// The user and group the scheduler runs its helpers as: "lp" when we are root (the
// scheduler refuses root), ourselves otherwise.
std::pair<QByteArray, QByteArray> runAs()
{
    if (::geteuid() == 0 && ::getpwnam("lp")) return {"lp", ::getgrnam("lp") ? "lp" : "root"};
    const passwd* user = ::getpwuid(::geteuid());
    const group* grp = ::getgrgid(::getegid());
    return {user ? QByteArray(user->pw_name) : QByteArray("nobody"), grp ? QByteArray(grp->gr_name) : QByteArray("nogroup")};
}

} // namespace

PrivateCupsd::PrivateCupsd() = default;

PrivateCupsd::~PrivateCupsd() { stop(); }

bool PrivateCupsd::available() { return QFileInfo(QString::fromLatin1(kCupsd)).isExecutable(); }

QString PrivateCupsd::server() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }

QString PrivateCupsd::errorLog() const
{
    QFile log(directory() + QStringLiteral("/log/error_log"));
    if (!log.open(QIODevice::ReadOnly)) return QString();
    const QByteArray text = log.readAll();
    return QString::fromUtf8(text.right(4000));
}

bool PrivateCupsd::start(QString* error)
{
    stop();
    dir_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/orvan-cupsd-XXXXXX"));
    if (!dir_->isValid()) {
        *error = QStringLiteral("no temporary directory: %1").arg(dir_->errorString());
        return false;
    }
    const QString root = dir_->path();
    for (const char* sub : {"spool", "spool/tmp", "cache", "state", "log", "ppd", "ssl", "output", "serverbin"})
        QDir(root).mkpath(QString::fromLatin1(sub));
    // The machine's filters and backends with ours beside them, as the package installs them.
    const QString serverBin = root + QStringLiteral("/serverbin");
    if (!host::layOutServerBin(serverBin, host::systemServerBin(), host::ownFiltersElsewhere(), error)) return false;
    port_ = freePort();
    if (port_ == 0) {
        *error = QStringLiteral("no free loopback port");
        return false;
    }
    const auto [user, group] = runAs();
    // The scheduler, run as root, gives its directories to its own user; let it reach them.
    ::chmod(QFile::encodeName(root).constData(), 0755);

    const QByteArray cupsd =
        "LogLevel debug\n"
        "MaxLogSize 0\n"
        "Listen 127.0.0.1:" + QByteArray::number(port_) + "\n"
        "ServerName 127.0.0.1\n"
        "Browsing No\n"
        "BrowseLocalProtocols none\n"
        "WebInterface No\n"
        "DefaultAuthType None\n"
        "DefaultEncryption Never\n"
        "PreserveJobHistory Yes\n"
        "PreserveJobFiles Yes\n"
        "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
        "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n"
        "<Policy default>\n  <Limit All>\n    Order deny,allow\n    Allow all\n  </Limit>\n</Policy>\n";
    const QByteArray dirBytes = QFile::encodeName(root);
    const QByteArray files =
        "User " + user + "\n"
        "Group " + group + "\n"
        // Administration needs no authentication here (see the policy above); the
        // scheduler only insists that the system group differs from its own.
        "SystemGroup " + (group == "root" ? QByteArray("sys") : QByteArray("root")) + "\n"
        "ServerRoot " + dirBytes + "\n"
        "RequestRoot " + dirBytes + "/spool\n"
        "TempDir " + dirBytes + "/spool/tmp\n"
        "CacheDir " + dirBytes + "/cache\n"
        "StateDir " + dirBytes + "/state\n"
        "ErrorLog " + dirBytes + "/log/error_log\n"
        "AccessLog " + dirBytes + "/log/access_log\n"
        "PageLog " + dirBytes + "/log/page_log\n"
        // Not the machine's /run/cups/printcap.
        "Printcap " + dirBytes + "/printcap\n"
        "DataDir /usr/share/cups\n"
        "ServerBin " + QFile::encodeName(serverBin) + "\n"
        "FileDevice Yes\n";
    if (!writeFile(root + QStringLiteral("/cupsd.conf"), cupsd) ||
        !writeFile(root + QStringLiteral("/cups-files.conf"), files)) {
        *error = QStringLiteral("cannot write the scheduler's configuration in %1").arg(root);
        return false;
    }

    return launch(error);
}

bool PrivateCupsd::restart(QString* error)
{
    if (!dir_ || port_ == 0) return start(error);
    stop();
    return launch(error);
}

bool PrivateCupsd::launch(QString* error)
{
    const QString root = dir_->path();
    process_ = std::make_unique<QProcess>();
    process_->setProcessChannelMode(QProcess::MergedChannels);
    process_->setStandardOutputFile(root + QStringLiteral("/log/cupsd.out"));
    process_->setChildProcessModifier([] {
        // The scheduler must not outlive a test that crashed or was killed.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    });
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("CUPS_SERVER"));
    // Sanitizer runtimes of the test process have no business in the scheduler.
    environment.remove(QStringLiteral("LD_PRELOAD"));
    process_->setProcessEnvironment(environment);
    process_->start(QString::fromLatin1(kCupsd),
                    {QStringLiteral("-f"), QStringLiteral("-c"), root + QStringLiteral("/cupsd.conf"),
                     QStringLiteral("-s"), root + QStringLiteral("/cups-files.conf")});
    if (!process_->waitForStarted(10000)) {
        *error = QStringLiteral("cannot start %1: %2").arg(QString::fromLatin1(kCupsd), process_->errorString());
        process_.reset();
        return false;
    }
    const QDeadlineTimer deadline(20000);
    while (!answers(port_)) {
        if (process_->state() != QProcess::Running || deadline.hasExpired()) {
            *error = QStringLiteral("the scheduler did not come up on %1:\n%2").arg(server(), errorLog());
            stop();
            return false;
        }
        QThread::msleep(50);
    }
    return true;
}

void PrivateCupsd::stop()
{
    if (process_) {
        if (process_->state() != QProcess::NotRunning) {
            process_->terminate();
            if (!process_->waitForFinished(10000)) {
                process_->kill();
                process_->waitForFinished(5000);
            }
        }
        process_.reset();
    }
}

bool PrivateCupsd::isRunning() const { return process_ && process_->state() == QProcess::Running; }

bool PrivateCupsd::admin(const QString& command, const QStringList& arguments, QString* error)
{
    const QString program = QStandardPaths::findExecutable(command, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
    if (program.isEmpty()) {
        *error = QStringLiteral("%1 is not installed").arg(command);
        return false;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("CUPS_SERVER"));
    environment.remove(QStringLiteral("LD_PRELOAD"));
    process.setProcessEnvironment(environment);
    process.start(program, QStringList{QStringLiteral("-h"), server()} + arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = QStringLiteral("%1 %2 failed: %3").arg(command, arguments.join(QLatin1Char(' ')),
                                                         QString::fromLocal8Bit(process.readAll()).trimmed());
        return false;
    }
    return true;
}

bool PrivateCupsd::startWithQueue(const QString& name, const QString& ppd, QString* error)
{
    if (!start(error) || !addQueue(name, ppd, error, true))
        return false;
    qputenv("CUPS_SERVER", server().toUtf8());
    return true;
}

bool PrivateCupsd::addQueue(const QString& name, const QString& ppd, QString* error, bool makeDefault, bool stopped)
{
    QStringList arguments{QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                          QStringLiteral("file:///dev/null")};
    if (!ppd.isEmpty()) arguments << QStringLiteral("-P") << ppd;
    if (!admin(QStringLiteral("lpadmin"), arguments, error)) return false;
    if (makeDefault && !admin(QStringLiteral("lpadmin"), {QStringLiteral("-d"), name}, error)) return false;
    if (stopped && !admin(QStringLiteral("cupsdisable"), {name}, error)) return false;
    return true;
}

bool PrivateCupsd::addFilteringQueue(const QString& name, const QString& ppd, QString* error)
{
    const QStringList arguments{QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                                QStringLiteral("file://") + printerDataPath(name), QStringLiteral("-P"), ppd};
    return admin(QStringLiteral("lpadmin"), arguments, error); // -E: enabled and accepting
}

QString PrivateCupsd::printerDataPath(const QString& queue) const
{
    return directory() + QStringLiteral("/output/") + queue + QStringLiteral(".prn");
}

QByteArray PrivateCupsd::printerData(const QString& queue) const
{
    QFile file(printerDataPath(queue));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int PrivateCupsd::printFile(const QString& queue, const QString& file, const QMap<QString, QString>& options,
                            QString* error) const
{
    http_t* http = httpConnect2("127.0.0.1", port_, nullptr, AF_INET, HTTP_ENCRYPTION_NEVER, 1, 10000, nullptr);
    if (!http) {
        *error = QStringLiteral("cannot connect to %1").arg(server());
        return 0;
    }
    // A Print-Job request as lp makes it, to this server whatever CUPS_SERVER says.
    const QByteArray resource = "/printers/" + queue.toUtf8();
    const QByteArray uri = "ipp://" + server().toUtf8() + resource;
    ipp_t* request = ippNewRequest(IPP_OP_PRINT_JOB);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr,
                 QFileInfo(file).fileName().toUtf8().constData());
    cups_option_t* cupsOptions = nullptr;
    int count = 0;
    for (auto it = options.cbegin(); it != options.cend(); ++it)
        count = cupsAddOption(it.key().toUtf8().constData(), it.value().toUtf8().constData(), count, &cupsOptions);
    cupsEncodeOptions2(request, count, cupsOptions, IPP_TAG_OPERATION);
    cupsEncodeOptions2(request, count, cupsOptions, IPP_TAG_JOB);
    cupsFreeOptions(count, cupsOptions);
    ipp_t* response = cupsDoFileRequest(http, request, resource.constData(), QFile::encodeName(file).constData());
    ipp_attribute_t* id = response ? ippFindAttribute(response, "job-id", IPP_TAG_INTEGER) : nullptr;
    const int job = id && ippGetStatusCode(response) <= IPP_STATUS_OK_CONFLICTING ? ippGetInteger(id, 0) : 0;
    if (job == 0)
        *error = QStringLiteral("printing %1 on %2: %3").arg(file, queue, QString::fromUtf8(cupsLastErrorString()));
    ippDelete(response);
    httpClose(http);
    return job;
}

bool PrivateCupsd::waitForJob(int jobId, QString* error, int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    QMap<QString, QStringList> attributes;
    for (;;) {
        attributes = jobAttributes(jobId, error);
        const int state = attributes.value(QStringLiteral("job-state")).value(0).toInt();
        if (state == IPP_JSTATE_COMPLETED) {
            error->clear();
            return true;
        }
        if (state == IPP_JSTATE_CANCELED || state == IPP_JSTATE_ABORTED || deadline.hasExpired() || !isRunning()) break;
        QThread::msleep(100);
    }
    *error = QStringLiteral("job %1 did not complete: state %2 (%3) %4\n%5")
                 .arg(jobId)
                 .arg(attributes.value(QStringLiteral("job-state")).value(0),
                      attributes.value(QStringLiteral("job-state-reasons")).join(QLatin1Char(',')),
                      attributes.value(QStringLiteral("job-printer-state-message")).value(0), errorLog());
    return false;
}

QMap<QString, QStringList> PrivateCupsd::jobAttributes(int jobId, QString* error) const
{
    QMap<QString, QStringList> attributes;
    http_t* http = httpConnect2("127.0.0.1", port_, nullptr, AF_INET, HTTP_ENCRYPTION_NEVER, 1, 10000, nullptr);
    if (!http) {
        *error = QStringLiteral("cannot connect to %1").arg(server());
        return attributes;
    }
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const QByteArray uri = QStringLiteral("ipp://%1/jobs/%2").arg(server()).arg(jobId).toUtf8();
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "all");
    ipp_t* response = cupsDoRequest(http, request, "/");
    if (!response || ippGetStatusCode(response) > IPP_STATUS_OK_CONFLICTING) {
        *error = QStringLiteral("Get-Job-Attributes: %1").arg(QString::fromUtf8(cupsLastErrorString()));
    } else {
        for (ipp_attribute_t* attribute = ippFirstAttribute(response); attribute;
             attribute = ippNextAttribute(response)) {
            const char* name = ippGetName(attribute);
            if (!name || ippGetGroupTag(attribute) != IPP_TAG_JOB) continue;
            attributes.insert(QString::fromUtf8(name), host::ippValues(attribute));
        }
    }
    ippDelete(response);
    httpClose(http);
    return attributes;
}

} // namespace testsupport
