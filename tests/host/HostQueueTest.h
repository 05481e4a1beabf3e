#pragma once
// The dialog's fixture with a private print server and its "Orvan" queue, for the tests
// that print through CUPS.
#include "tests/host/HostTestSupport.h"
#include "tests/host/PrivateCupsd.h"

#include <QDir>

#include <iostream>

namespace hosttest {

class HostQueueTest : public HostDialogTest {
protected:
    void SetUp() override
    {
        HostDialogTest::SetUp();
        if (!testsupport::PrivateCupsd::available()) GTEST_SKIP() << "cupsd is not installed (scripts/install-deps)";
        QString error;
        if (filtering_) {
            ASSERT_TRUE(cupsd_.start(&error)) << error.toStdString();
            ASSERT_TRUE(cupsd_.addFilteringQueue(QStringLiteral("Orvan"), testsupport::bundledPpdPath(), &error))
                << error.toStdString();
            qputenv("CUPS_SERVER", cupsd_.server().toUtf8());
        } else {
            ASSERT_TRUE(cupsd_.startWithQueue(QStringLiteral("Orvan"), testsupport::bundledPpdPath(), &error))
                << error.toStdString();
        }
        // Printer descriptions fetched from the server are copied here first.
        ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("tmp"))));
        qputenv("TMPDIR", path(QStringLiteral("tmp")).toUtf8());
    }

    void TearDown() override
    {
        HostDialogTest::TearDown();
        qunsetenv("TMPDIR");
        if (HasFailure()) std::cerr << "cupsd error log:\n" << cupsd_.errorLog().toStdString() << "\n";
        cupsd_.stop();
    }

    host::DialogOptions queueOptions() const
    {
        host::DialogOptions o = options(true);
        o.outputPath.clear();
        o.printer = QStringLiteral("Orvan");
        return o;
    }

    QMap<QString, QStringList> job(int id)
    {
        QString error;
        const QMap<QString, QStringList> attributes = cupsd_.jobAttributes(id, &error);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        return attributes;
    }

    testsupport::PrivateCupsd cupsd_;
    // "Orvan" runs CUPS's filters into its printer data (started, accepting), rather than
    // keeping its jobs pending.
    bool filtering_ = false;
};

} // namespace hosttest
