// Log lines, alerts and reading integers from texts.
#include "platform/Alert.h"
#include "platform/Log.h"
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
    platform::logf("%s %d%%", "percent", 50);
    const std::string longText(20000, 'x');
    platform::logf("long: %s end", longText.c_str());
    EXPECT_EQ(log.lines(), QStringList({"percent 50%", QString::fromStdString("long: " + longText + " end")}));

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
    testsupport::inModal(
        [] { platform::runAlert(QStringLiteral("The passcode is too short."), QStringLiteral("Enter four digits.")); },
        [&](QDialog* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            ASSERT_TRUE(box);
            text = box->text();
            informative = box->informativeText();
            icon = box->icon();
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            hadOk = ok != nullptr;
            if (ok) ok->click();
        });
    EXPECT_EQ(text, QStringLiteral("The passcode is too short."));
    EXPECT_EQ(informative, QStringLiteral("Enter four digits."));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_TRUE(hadOk);
}

TEST(TextValueTest, LeadingIntegers)
{
    const std::pair<const char16_t*, int32_t> ints[] = {
        {u" -12abc", -12}, {u"+7", 7}, {u"\t\n 3 4", 3}, {u"", 0}, {u"-", 0}, {u"+-3", 0}, {u"abc12", 0},
        {u"007", 7}, {u"2147483647", std::numeric_limits<int32_t>::max()},
        {u"-2147483648", std::numeric_limits<int32_t>::min()},
        {u"99999999999", std::numeric_limits<int32_t>::max()},
        {u"-99999999999", std::numeric_limits<int32_t>::min()},
        {u"\u0663", 0}, // digits of other scripts are not decimal digits here
    };
    for (const auto& [text, value] : ints)
        EXPECT_EQ(platform::intValue(QString::fromUtf16(text)), value) << QString::fromUtf16(text).toStdString();
    EXPECT_EQ(platform::intValue(QString(500, u'9')), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(platform::longLongValue(QStringLiteral("-99999999999")), -99999999999LL);
    EXPECT_EQ(platform::longLongValue(QStringLiteral("9223372036854775808")), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(platform::longLongValue(QStringLiteral("-99999999999999999999x")), std::numeric_limits<int64_t>::min());
    for (const char* yes : {" -1", "99999999999", "0x"}) EXPECT_TRUE(platform::hasLeadingInteger(yes)) << yes;
    for (const char* no : {"-", "", "x1"}) EXPECT_FALSE(platform::hasLeadingInteger(no)) << no;
}

} // namespace
