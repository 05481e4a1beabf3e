// The Color Balance dialog driven through its real widgets inside its modal loop.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations" // libcups PPD interface

#include "tests/colorbalance/ColorBalanceTestSupport.h"

#include "platform/Controls.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>

using namespace cbtest;

namespace {

const QList<QColor> kWhiteBar(7, QColor(Qt::white));

TEST_F(ColorBalanceDialog, FirstOpeningShowsZerosSwitchOffBlackAndOkGivesTwelveZeros)
{
    ColorBalanceOrvan* c = make();
    const auto result = run(c, [](ColorBalanceOrvan* d) {
        EXPECT_EQ(d->window()->windowTitle(), "Color Balance");
        const std::pair<QString, const char*> texts[] = {
            {d->EnableButton->text(), "Adjust Color Balance"}, {d->sTextTarget->text(), "Target Color"},
            {d->sTextOne->text(), "Highlights"}, {d->sTextTwo->text(), "Midtones"}, {d->sTextThree->text(), "Shadows"},
            {d->closeButton->text(), "Cancel"}, {d->defaultButton->text(), "Default"}};
        for (const auto& [shown, expected] : texts) EXPECT_EQ(shown, expected);
        EXPECT_TRUE(d->okButton->isDefault());
        EXPECT_FALSE(d->EnableButton->isChecked());
        QStringList targets;
        for (int i = 0; i < d->targetColorButton->count(); ++i) targets << d->targetColorButton->itemText(i);
        EXPECT_EQ(targets, QStringList({"Black", "Cyan", "Magenta", "Yellow"}));
        EXPECT_EQ(d->targetColorButton->currentIndex(), 0);
        EXPECT_FALSE(d->targetColorButton->isEnabled());
        for (QLineEdit* field : {d->TextOne, d->TextTwo, d->TextThree}) {
            EXPECT_EQ(field->text(), "0");
            EXPECT_FALSE(field->isEnabled());
        }
        for (platform::Stepper* stepper : {d->StepperOne, d->StepperTwo, d->StepperThree})
            EXPECT_FALSE(stepper->isEnabled());
        for (int range = 0; range < 3; ++range) EXPECT_EQ(barColors(d, range), kWhiteBar) << range;
        QTest::mouseClick(d->okButton, Qt::LeftButton);
    });
    EXPECT_EQ(result, QList<int32_t>(12, 0));
    EXPECT_EQ(ColorBlanceRes, result);
    EXPECT_FALSE(CBstate);
    EXPECT_FALSE(c->CBResClose.has_value()) << "the snapshot lives only while the dialog runs";
}

TEST_F(ColorBalanceDialog, TypingStoresLiveAndRewritesTheFieldInCanonicalForm)
{
    ColorBalanceOrvan* c = make();
    const auto result = run(c, [](ColorBalanceOrvan* d) {
        toggle(d->EnableButton);
        chooseWithKeys(d->targetColorButton, 1); // Cyan
        // A minus sign waits for its digit.
        d->TextTwo->selectAll();
        QTest::keyClicks(d->TextTwo, "-");
        EXPECT_EQ(d->TextTwo->text(), "-");
        EXPECT_EQ(ColorDensityCyanMidSetting, 0);
        QTest::keyClicks(d->TextTwo, "2");
        EXPECT_EQ(ColorDensityCyanMidSetting, -2);
        EXPECT_EQ(d->StepperTwo->value(), -2);
        EXPECT_EQ(barColors(d, 1), expectedBar(d->Cyanmid->fillColor(), -2));

        // An edit goes as far as the field lets it; leaving the field rewrites it.
        struct Edit {
            const char* keys; // typed at `at` (-1: over everything)
            int at;
            const char* shown;
        };
        const auto edit = [](QLineEdit* field, std::initializer_list<Edit> edits) {
            for (const Edit& e : edits) {
                if (e.at < 0) field->selectAll();
                else field->setCursorPosition(e.at);
                QTest::keyClicks(field, e.keys);
                EXPECT_EQ(field->text(), e.shown) << e.keys;
            }
        };
        // "03" is 3; "3-" stays 3; emptied is 0 at once.
        edit(d->TextThree, {{"3", 1, "3"}, {"-", 1, "3"}});
        EXPECT_EQ(ColorDensityCyanHighSetting, 3);
        EXPECT_EQ(barColors(d, 2), expectedBar(d->Cyanhigh->fillColor(), 3));
        d->TextThree->selectAll();
        QTest::keyClick(d->TextThree, Qt::Key_Backspace);
        EXPECT_EQ(d->TextThree->text(), "0");
        EXPECT_EQ(d->StepperThree->value(), 0);
        // "-" in front of "0" reads 0; refused: 4, a letter, a plus sign, 12, a second minus.
        edit(d->TextOne, {{"-", 0, "0"}, {"4", -1, "0"}, {"a", -1, "0"}, {"+", -1, "0"}, {"12", -1, "1"}, {"--", -1, "-"}});
        EXPECT_EQ(ColorDensityCyanLowSetting, 1) << "a lone minus sign stores nothing";
        // Three characters never fit, not even pasted.
        d->TextOne->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("003"));
        d->TextOne->paste();
        EXPECT_EQ(d->TextOne->text(), "-");
        // Return commits the field, which goes back to the stored value, and is OK.
        QTest::keyClick(d->TextOne, Qt::Key_Return);
        EXPECT_EQ(d->TextOne->text(), "1");
    });
    EXPECT_EQ(result, (QList<int32_t>{0, 0, 0, 1, -2, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(CBstate);
    EXPECT_EQ(CBtarget, 1);
    EXPECT_EQ(stateEnableButton, 1);
    EXPECT_EQ(statetargetColorButton, 1);
}

TEST_F(ColorBalanceDialog, SteppersStayWithinLimitsAndEditOnlyTheSelectedToner)
{
    setWorking({1, 1, 1, -1, -1, -1, 2, 2, 2, 0, 0, 1});
    CBstate = true;
    CBtarget = 3;
    const QList<int64_t> others = working();
    run(make(), [&others](ColorBalanceOrvan* d) {
        ASSERT_EQ(d->targetColorButton->currentIndex(), 3);
        // Each target shows its toner's three values, fields and steppers alike.
        for (const int target : {0, 1, 2, 3}) {
            chooseWithKeys(d->targetColorButton, target);
            const QLineEdit* fields[] = {d->TextOne, d->TextTwo, d->TextThree};
            const platform::Stepper* steppers[] = {d->StepperOne, d->StepperTwo, d->StepperThree};
            for (int range = 0; range < 3; ++range) {
                const auto value = others[3 * target + range];
                EXPECT_EQ(fields[range]->text().toLongLong(), value) << "target " << target << " range " << range;
                EXPECT_EQ(steppers[range]->value(), value) << "target " << target << " range " << range;
            }
        }
        QTest::mouseClick(arrow(d->StepperThree, true), Qt::LeftButton);
        EXPECT_EQ(d->TextThree->text(), "2");
        EXPECT_EQ(barColors(d, 2), expectedBar(d->Yellowhigh->fillColor(), 2));
        for (int i = 0; i < 6; ++i) QTest::mouseClick(arrow(d->StepperThree, true), Qt::LeftButton);
        EXPECT_EQ(d->TextThree->text(), "3");
        for (int i = 0; i < 9; ++i) QTest::keyClick(d->StepperThree, Qt::Key_Down);
        EXPECT_EQ(d->TextThree->text(), "-3");
        EXPECT_EQ(barColors(d, 2), expectedBar(d->Yellowhigh->fillColor(), -3));
        for (int i = 0; i < 8; ++i) QTest::mouseClick(arrow(d->StepperOne, false), Qt::LeftButton);
        EXPECT_EQ(d->StepperOne->value(), -3);
        QTest::mouseClick(d->okButton, Qt::LeftButton);
    });
    EXPECT_EQ(ColorBlanceRes, (QList<int32_t>{1, 1, 1, -1, -1, -1, 2, 2, 2, -3, 0, -3}));
}

TEST_F(ColorBalanceDialog, CancelEscapeAndCloseBoxRestoreTheSnapshotAndAnswerThePreviousResult)
{
    // Cancel before any OK answers none.
    auto none = run(make(), [](ColorBalanceOrvan* d) {
        toggle(d->EnableButton);
        QTest::mouseClick(arrow(d->StepperOne, true), Qt::LeftButton);
        QTest::mouseClick(d->closeButton, Qt::LeftButton);
    });
    EXPECT_FALSE(none.has_value());
    EXPECT_EQ(ColorDensityBlackLowSetting, 0);
    EXPECT_FALSE(CBstate);

    // An OK with Cyan Mid -2 is the result every Cancel below answers again.
    setWorking({0, 0, 0, 0, -2, 0, 0, 0, 0, 0, 0, 0});
    const auto committed = run(make(), [](ColorBalanceOrvan* d) {
        toggle(d->EnableButton);
        chooseWithKeys(d->targetColorButton, 1);
        QTest::mouseClick(d->okButton, Qt::LeftButton);
    });
    ASSERT_TRUE(committed.has_value());
    const QList<int64_t> snapshot = working();

    const std::function<void(ColorBalanceOrvan*)> ways[] = {
        [](ColorBalanceOrvan* d) { QTest::mouseClick(d->closeButton, Qt::LeftButton); },
        [](ColorBalanceOrvan* d) { QTest::keyClick(d->TextTwo, Qt::Key_Escape); },
        [](ColorBalanceOrvan* d) { d->window()->close(); },
    };
    int way = 0;
    for (const auto& cancel : ways) {
        SCOPED_TRACE(way++);
        const auto result = run(make(), [&cancel](ColorBalanceOrvan* d) {
            EXPECT_EQ(d->TextTwo->text(), "-2");
            d->TextTwo->selectAll();
            QTest::keyClicks(d->TextTwo, "3");
            chooseWithKeys(d->targetColorButton, 2);
            QTest::mouseClick(arrow(d->StepperThree, true), Qt::LeftButton);
            QTest::mouseClick(d->defaultButton, Qt::LeftButton);
            cancel(d);
        });
        EXPECT_EQ(result, committed);
        EXPECT_EQ(working(), snapshot);
        EXPECT_TRUE(CBstate);
        EXPECT_EQ(CBtarget, 1);
        EXPECT_EQ(statetargetColorButton, 1);
    }
}

TEST_F(ColorBalanceDialog, OkWithTheSwitchOffGivesZerosAndTheNextOpeningStartsFromTheLastOk)
{
    const auto off = run(make(), [](ColorBalanceOrvan* d) {
        toggle(d->EnableButton);
        chooseWithKeys(d->targetColorButton, 2);
        d->TextOne->selectAll();
        QTest::keyClicks(d->TextOne, "-3");
        QTest::mouseClick(arrow(d->StepperTwo, true), Qt::LeftButton);
        toggle(d->EnableButton);
        // Off: rows show "0", bars white, the values stay.
        EXPECT_EQ(d->TextOne->text(), "0");
        EXPECT_EQ(barColors(d, 0), kWhiteBar);
        QTest::mouseClick(d->okButton, Qt::LeftButton);
    });
    EXPECT_EQ(off, QList<int32_t>(12, 0));
    EXPECT_EQ(working(), (QList<int64_t>{0, 0, 0, 0, 0, 0, -3, 1, 0, 0, 0, 0}));
    EXPECT_EQ(CBtarget, 2);

    // Switching on in the next opening shows the edited values.
    const auto on = run(make(), [](ColorBalanceOrvan* d) {
        EXPECT_FALSE(d->EnableButton->isChecked());
        EXPECT_EQ(d->targetColorButton->currentIndex(), 2);
        toggle(d->EnableButton);
        EXPECT_EQ(d->TextOne->text(), "-3");
        EXPECT_EQ(d->TextTwo->text(), "1");
        EXPECT_EQ(barColors(d, 0), expectedBar(d->Magentalow->fillColor(), -3));
        QTest::mouseClick(d->okButton, Qt::LeftButton);
    });
    EXPECT_EQ(on, (QList<int32_t>{0, 0, 0, 0, 0, 0, -3, 1, 0, 0, 0, 0}));
    EXPECT_TRUE(CBstate);
    run(make(), [](ColorBalanceOrvan* d) {
        EXPECT_TRUE(d->EnableButton->isChecked());
        EXPECT_EQ(d->TextOne->text(), "-3");
        QTest::mouseClick(d->closeButton, Qt::LeftButton);
    });
}

TEST_F(ColorBalanceDialog, DefaultLoadsThePpdDefaultsAndSwitchesOff)
{
    const struct {
        QString path;
        QList<int64_t> expected;
    } cases[] = {
        {testsupport::testDataPath("density-defaults-plus3.ppd"), QList<int64_t>(12, 3)},
        {testsupport::testDataPath("density-defaults-minus3.ppd"), QList<int64_t>(12, -3)},
        // Cyan Mid's default names no choice; no density option at all.
        {testsupport::testDataPath("bad-defaults.ppd"), QList<int64_t>(12, 0)},
        {testsupport::testDataPath("minimal.ppd"), QList<int64_t>(12, 0)},
        // Black Low defaults to an eighth choice; nine densities missing.
        {testsupport::sourcePath("tests/colorbalance/data/density-defaults-beyond.ppd"),
         {0, 0, 0, 0, 2, 0, 0, 0, -3, 0, 0, 0}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.path.toStdString());
        host::PpdPtr ppd = testsupport::openTestPpd(test.path);
        ASSERT_TRUE(ppd);
        for (int i = 0; i < colorbalance::kDensityCount; ++i)
            colorbalance::densityOption(i) = ppdFindOption(ppd.get(), colorbalance::densityKeyword(i));
        setWorking(QList<int64_t>(12, 1));
        CBstate = true;
        CBtarget = 3;
        const auto result = run(make(), [](ColorBalanceOrvan* d) {
            QTest::mouseClick(d->defaultButton, Qt::LeftButton);
            EXPECT_FALSE(d->EnableButton->isChecked());
            EXPECT_EQ(d->targetColorButton->currentIndex(), 0);
            EXPECT_EQ(barColors(d, 1), kWhiteBar);
            QTest::mouseClick(d->okButton, Qt::LeftButton);
        });
        EXPECT_EQ(working(), test.expected);
        EXPECT_EQ(result, QList<int32_t>(12, 0)) << "OK after Default commits with the switch off";
        for (int i = 0; i < colorbalance::kDensityCount; ++i) colorbalance::densityOption(i) = nullptr;
    }

    // The declared default, not the marked choice.
    host::PpdPtr ppd = testsupport::openTestPpd(testsupport::testDataPath("density-defaults-plus3.ppd"));
    ppdMarkOption(ppd.get(), "QVColorDensityBlackLow", "-2");
    ColorBalanceOrvan* c = make();
    EXPECT_EQ(c->indexOfMarkedOption(ppdFindOption(ppd.get(), "QVColorDensityBlackLow"), "ColorDensityBlackLow"), 0);
    EXPECT_EQ(c->indexOfMarkedOption(nullptr, "ColorDensityBlackLow"), 3);
}

TEST_F(ColorBalanceDialog, GrayOutputRestrictsTheTargetToBlack)
{
    setWorking({-1, 0, 1, 3, 3, 3, 0, 0, 0, 0, 0, 0});
    CBColorMode = 1;
    CBstate = true;
    CBtarget = 1;
    const auto result = run(make(), [](ColorBalanceOrvan* d) {
        EXPECT_EQ(d->targetColorButton->currentIndex(), 0);
        for (int item = 1; item < 4; ++item) EXPECT_FALSE(platform::isItemEnabled(d->targetColorButton, item));
        EXPECT_EQ(d->TextOne->text(), "-1");
        EXPECT_EQ(barColors(d, 0), expectedBar(d->Blacklow->fillColor(), -1));
        QTest::keyClick(d->targetColorButton, Qt::Key_Down); // the keyboard cannot reach the others
        QTest::keyClick(d->targetColorButton, Qt::Key_End);
        EXPECT_EQ(d->targetColorButton->currentIndex(), 0);
        QTest::mouseClick(d->okButton, Qt::LeftButton);
    });
    EXPECT_EQ(result, (QList<int32_t>{-1, 0, 1, 3, 3, 3, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(CBtarget, 0);

    // Switched off, the committed target stays selected until the switch goes on.
    CBstate = false;
    CBtarget = 2;
    run(make(), [](ColorBalanceOrvan* d) {
        EXPECT_EQ(d->targetColorButton->currentIndex(), 2);
        toggle(d->EnableButton);
        EXPECT_EQ(d->targetColorButton->currentIndex(), 0);
        QTest::mouseClick(d->closeButton, Qt::LeftButton);
    });
    // Colour output gives the toners back.
    CBColorMode = 0;
    CBstate = true;
    run(make(), [](ColorBalanceOrvan* d) {
        for (int item = 0; item < 4; ++item) EXPECT_TRUE(platform::isItemEnabled(d->targetColorButton, item));
        QTest::mouseClick(d->closeButton, Qt::LeftButton);
    });
}

TEST_F(ColorBalanceDialog, LevelBarsFollowTheWorkingValues)
{
    ColorBalanceOrvan* c = make();
    // One display colour per toner and tone range, none of them white.
    QSet<QRgb> colours{QColor(Qt::white).rgb()};
    for (int i = 0; i < colorbalance::kDensityCount; ++i) colours.insert(reference(c, i)->fillColor().rgb());
    EXPECT_EQ(colours.size(), colorbalance::kDensityCount + 1);
    // -3: only the bottom swatch; +3: all seven.
    for (int v : {-3, 0, 3}) {
        ColorDensityCyanMidSetting = v;
        c->fillcolorbars(4);
        EXPECT_EQ(barColors(c, 1), expectedBar(c->Cyanmid->fillColor(), v)) << v;
    }
    // A value outside -3..+3 and an index outside 0..11 change nothing.
    const QList<QColor> bar1 = barColors(c, 1);
    ColorDensityCyanMidSetting = 4;
    c->fillcolorbars(4);
    c->fillcolorbars(12);
    c->fillcolorbars(-1);
    EXPECT_EQ(barColors(c, 1), bar1);
}

} // namespace
