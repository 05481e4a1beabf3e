// The colour balance across runs of orvan-print: confirmed in the dialog and printed,
// then started again with the kept record and marks, the dialog opens on what the job
// carried, and the next job carries what it shows.
#include "colorbalance/ColorBalance-Orvan.h"
#include "imageoptions/PrinterPDE-Orvan.h"
#include "tests/colorbalance/ColorBalanceTestSupport.h"
#include "tests/support/DriverChecks.h"
#include "tests/support/PrinterModel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

using namespace cbtest;

namespace {

struct Adjustment {
    bool on;
    int target;        // 0 Black .. 3 Yellow
    int row;           // 0 Highlights, 1 Midtones, 2 Shadows
    const char* typed; // into that row
};

void PrintTo(const Adjustment& a, std::ostream* os)
{
    *os << (a.on ? "on" : "off") << ", target " << a.target << ", row " << a.row << ", typed " << a.typed;
}

class ColorBalanceAcrossRuns : public ::testing::TestWithParam<Adjustment> {
protected:
    void SetUp() override { panels::resetState(); }

    void TearDown() override
    {
        printer_.reset();
        panels::resetState();
    }

    PrinterPDEOrvan& panel() { return printer_->panels().imageOptions(); }

    // Presses "Color Balance..."; `interact` runs inside the dialog's modal loop.
    void press(const std::function<void(ColorBalanceOrvan*)>& interact)
    {
        testsupport::inModal([&] { QTest::mouseClick(panel().colorBalanceButton, Qt::LeftButton); },
                             [&](QDialog* window) {
                                 ColorBalanceOrvan* dialog = panel().aColorBalance;
                                 ASSERT_TRUE(dialog && dialog->window() == window);
                                 interact(dialog);
                             });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static QLineEdit* field(ColorBalanceOrvan* c, int row)
    {
        QLineEdit* const fields[] = {c->TextOne, c->TextTwo, c->TextThree};
        return fields[row];
    }

    // What a job sent now carries for the twelve densities, in density-index order.
    QStringList carriedDensities()
    {
        QStringList keywords;
        for (int i = 0; i < colorbalance::kDensityCount; ++i) keywords << colorbalance::densityKeyword(i);
        const panels::OptionMap carried = panels::carriedJobOptions(printer_->panels(), keywords);
        QStringList values;
        for (const QString& keyword : keywords) values << carried.value(keyword);
        return values;
    }

    platform::Bundle bundle_{testsupport::bundlePath(), QLocale(QLocale::English, QLocale::UnitedStates)};
    testsupport::DriverChecks checks_;
    std::unique_ptr<panels::Printer> printer_;
};

TEST_P(ColorBalanceAcrossRuns, TheDialogOpensOnWhatTheJobCarries)
{
    const Adjustment a = GetParam();
    printer_ = std::make_unique<panels::Printer>(testsupport::bundledPpdPath(), true, &bundle_);
    press([&](ColorBalanceOrvan* c) {
        toggle(c->EnableButton);
        chooseWithKeys(c->targetColorButton, a.target);
        field(c, a.row)->selectAll();
        QTest::keyClicks(field(c, a.row), QString::fromLatin1(a.typed));
        if (!a.on) toggle(c->EnableButton);
        QTest::mouseClick(c->okButton, Qt::LeftButton);
    });
    QStringList expected(colorbalance::kDensityCount, QStringLiteral("0"));
    if (a.on) expected[3 * a.target + a.row] = QString::fromLatin1(a.typed);
    ASSERT_EQ(carriedDensities(), expected);
    panels::SeededChoices unused(1);
    ASSERT_TRUE(printer_->print(unused).sent);

    printer_->restart();
    EXPECT_EQ(carriedDensities(), expected) << "the kept marks";
    EXPECT_EQ(CBstate, a.on);
    press([&](ColorBalanceOrvan* c) {
        EXPECT_EQ(c->EnableButton->isChecked(), a.on);
        EXPECT_EQ(c->targetColorButton->currentIndex(), a.target);
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(field(c, row)->text(), a.on ? expected[3 * a.target + row] : QStringLiteral("0")) << row;
        // OK at once commits what the dialog showed: nothing changes.
        QTest::mouseClick(c->okButton, Qt::LeftButton);
    });
    EXPECT_EQ(carriedDensities(), expected);
}

INSTANTIATE_TEST_SUITE_P(Adjustments, ColorBalanceAcrossRuns,
                         ::testing::Values(Adjustment{true, 1, 0, "2"}, Adjustment{true, 2, 2, "-3"},
                                           Adjustment{true, 0, 1, "1"}, Adjustment{false, 3, 1, "3"}));

TEST_F(ColorBalanceAcrossRuns, ARecordWithoutDensitiesKeepsTheColourBalanceOfTheProcess)
{
    // Confirmed but never printed: the kept record has no densities. The dialog opened
    // again in this process opens on the adjustment, and the job carries it.
    printer_ = std::make_unique<panels::Printer>(testsupport::bundledPpdPath(), true, &bundle_);
    panels::SeededChoices unused(1);
    ASSERT_TRUE(printer_->print(unused).sent);
    press([](ColorBalanceOrvan* c) {
        toggle(c->EnableButton);
        QTest::keyClicks(c->TextTwo, QStringLiteral("3"));
        QTest::mouseClick(c->okButton, Qt::LeftButton);
    });
    QStringList expected(colorbalance::kDensityCount, QStringLiteral("0"));
    expected[1] = QStringLiteral("3");
    ASSERT_EQ(carriedDensities(), expected);
    printer_->reopen();
    EXPECT_TRUE(CBstate);
    EXPECT_EQ(carriedDensities(), expected);
    panels::checkAgreement(printer_->panels());
    ASSERT_TRUE(printer_->print(unused).sent);
    EXPECT_EQ(printer_->keptRecord().value("BlackMidSettings"), "3");
    EXPECT_EQ(printer_->keptRecord().value("stateEnableSettings"), "1");
}

} // namespace
