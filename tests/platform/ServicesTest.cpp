// Log lines, alerts, print settings functions and reading integers from texts.
#include "platform/Alert.h"
#include "platform/Log.h"
#include "platform/PrintSettings.h"
#include "platform/TextValue.h"

#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <limits>

namespace {

class ServicesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setLogSink({});
        platform::setAlertRunner({});
    }
    void TearDown() override
    {
        platform::setLogSink({});
        platform::setAlertRunner({});
    }
};

TEST_F(ServicesTest, LogLinesReachTheSinkWhole)
{
    testsupport::LogRecorder log;
    platform::log(QStringLiteral("awakeFromNib()"));
    platform::logf("CBtarget=%i", 3);
    platform::logf("%s %d%%", "percent", 50);
    const std::string longText(20000, 'x');
    platform::logf("long: %s end", longText.c_str());
    platform::logf("%s", "");
    ASSERT_EQ(log.lines().size(), 5);
    EXPECT_EQ(log.lines().at(0), QStringLiteral("awakeFromNib()"));
    EXPECT_EQ(log.lines().at(1), QStringLiteral("CBtarget=3"));
    EXPECT_EQ(log.lines().at(2), QStringLiteral("percent 50%"));
    EXPECT_EQ(log.lines().at(3).size(), 20000 + 10);
    EXPECT_TRUE(log.lines().at(3).startsWith(QStringLiteral("long: xxx")));
    EXPECT_TRUE(log.lines().at(3).endsWith(QStringLiteral("xxx end")));
    EXPECT_EQ(log.lines().at(4), QString());

    // setLogSink answers the sink it replaces.
    QStringList other;
    platform::LogSink previous = platform::setLogSink([&](const QString& line) { other.append(line); });
    ASSERT_TRUE(previous);
    platform::log(QStringLiteral("to other"));
    platform::setLogSink(previous);
    platform::log(QStringLiteral("back"));
    EXPECT_EQ(other, QStringList{QStringLiteral("to other")});
    EXPECT_EQ(log.lines().last(), QStringLiteral("back"));
}

TEST_F(ServicesTest, AlertsGoToTheRunnerOrAMessageBox)
{
    {
        testsupport::AlertRecorder alerts;
        platform::runAlert(QStringLiteral("Message"), QStringLiteral("More"));
        ASSERT_EQ(alerts.alerts().size(), 1);
        EXPECT_EQ(alerts.alerts().first(), std::make_pair(QStringLiteral("Message"), QStringLiteral("More")));
    }

    // No runner: a modal warning box with the two texts and OK.
    QString text, informative;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool hadOk = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        text = box->text();
        informative = box->informativeText();
        icon = box->icon();
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        hadOk = ok != nullptr;
        if (ok) ok->click();
        else box->reject();
    });
    platform::runAlert(QStringLiteral("The passcode is too short."), QStringLiteral("Enter four digits."));
    EXPECT_EQ(text, QStringLiteral("The passcode is too short."));
    EXPECT_EQ(informative, QStringLiteral("Enter four digits."));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_TRUE(hadOk);
}

TEST_F(ServicesTest, PrintSettingsAndSession)
{
    platform::PrintSettings settings;
    settings.jobName = QStringLiteral("Report");
    QString value = QStringLiteral("untouched");
    EXPECT_EQ(PMPrintSettingsGetValue(&settings, QStringLiteral("brightnessSettings"), &value), kPMKeyNotFound);
    EXPECT_EQ(value, QStringLiteral("untouched"));
    EXPECT_EQ(PMPrintSettingsSetValue(&settings, QStringLiteral("brightnessSettings"), QStringLiteral("-5"), false),
              noErr);
    EXPECT_EQ(PMPrintSettingsSetValue(&settings, QStringLiteral("brightnessSettings"), QStringLiteral("7"), true),
              noErr);
    EXPECT_EQ(PMPrintSettingsGetValue(&settings, QStringLiteral("brightnessSettings"), &value), noErr);
    EXPECT_EQ(value, QStringLiteral("7"));
    EXPECT_EQ(PMPrintSettingsSetValue(&settings, QStringLiteral("empty"), QString(), false), noErr);
    EXPECT_EQ(PMPrintSettingsGetValue(&settings, QStringLiteral("empty"), &value), noErr);
    EXPECT_EQ(value, QString());

    EXPECT_EQ(PMPrintSettingsGetValue(nullptr, QStringLiteral("brightnessSettings"), &value), kPMInvalidParameter);
    EXPECT_EQ(PMPrintSettingsGetValue(&settings, QStringLiteral("brightnessSettings"), nullptr),
              kPMInvalidParameter);
    EXPECT_NE(PMPrintSettingsSetValue(nullptr, QStringLiteral("k"), QStringLiteral("v"), false), noErr);
    EXPECT_EQ(PMPrintSettingsGetJobName(&settings), QStringLiteral("Report"));
    EXPECT_EQ(PMPrintSettingsGetJobName(nullptr), QString());

    platform::PrintSession session;
    uint16_t type = 0;
    EXPECT_EQ(PMSessionGetDestinationType(&session, &settings, &type), noErr);
    EXPECT_EQ(type, platform::kPMDestinationPrinter);
    session.destinationType = platform::kPMDestinationFile;
    EXPECT_EQ(PMSessionGetDestinationType(&session, nullptr, &type), noErr);
    EXPECT_EQ(type, platform::kPMDestinationFile);
    type = 99;
    EXPECT_EQ(PMSessionGetDestinationType(nullptr, &settings, &type), kPMInvalidParameter);
    EXPECT_EQ(type, 99);
}

TEST(TextValueTest, LeadingIntegers)
{
    using platform::intValue;
    EXPECT_EQ(intValue(QStringLiteral(" -12abc")), -12);
    EXPECT_EQ(intValue(QStringLiteral("+7")), 7);
    EXPECT_EQ(intValue(QStringLiteral("\t\n 3 4")), 3);
    EXPECT_EQ(intValue(QString()), 0);
    EXPECT_EQ(intValue(QStringLiteral("-")), 0);
    EXPECT_EQ(intValue(QStringLiteral("+-3")), 0);
    EXPECT_EQ(intValue(QStringLiteral("abc12")), 0);
    EXPECT_EQ(intValue(QStringLiteral("007")), 7);
    EXPECT_EQ(intValue(QStringLiteral("2147483647")), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(intValue(QStringLiteral("-2147483648")), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(intValue(QStringLiteral("99999999999")), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(intValue(QStringLiteral("-99999999999")), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(intValue(QString(500, u'9')), std::numeric_limits<int32_t>::max());
    // Digits of other scripts are not decimal digits here.
    EXPECT_EQ(intValue(QStringLiteral("\u0663")), 0);

    using platform::longLongValue;
    EXPECT_EQ(longLongValue(QStringLiteral("99999999999")), 99999999999LL);
    EXPECT_EQ(longLongValue(QStringLiteral("-9223372036854775808")), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(longLongValue(QStringLiteral("9223372036854775808")), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(longLongValue(QStringLiteral("-99999999999999999999x")), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(longLongValue(QStringLiteral(" -3")), -3);

    using platform::hasLeadingInteger;
    EXPECT_TRUE(hasLeadingInteger(QStringLiteral(" -1")));
    EXPECT_TRUE(hasLeadingInteger(QStringLiteral("99999999999")));
    EXPECT_TRUE(hasLeadingInteger(QStringLiteral("0x")));
    EXPECT_FALSE(hasLeadingInteger(QStringLiteral("-")));
    EXPECT_FALSE(hasLeadingInteger(QString()));
    EXPECT_FALSE(hasLeadingInteger(QStringLiteral("x1")));
}

} // namespace
