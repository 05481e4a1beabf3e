// The libcups PPD interface is deprecated in CUPS 2.4 but is the one the panels use.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "plugin/PDETool.h"
#include "tests/support/TestSupport.h"

#include <QComboBox>

#include <gtest/gtest.h>

#include <cstring>

namespace {

class ChoiceModel : public ::testing::Test {
protected:
    void SetUp() override { resetSharedPanelState(); }
    void TearDown() override { resetSharedPanelState(); }

    static QStringList ppdTitles(const ChoiceList& list)
    {
        QStringList titles;
        for (const auto& entry : list) titles << entry->ppdTitle();
        return titles;
    }
};

TEST_F(ChoiceModel, ListsFollowTheOptionInPpdOrder)
{
    host::PpdPtr ppd = testsupport::openTestPpd(testsupport::bundledPpdPath());
    ASSERT_TRUE(ppd);
    EXPECT_EQ(ppdEncoding, 0);

    ppd_option_t* imageType = ppdFindOption(ppd.get(), "ImageType");
    ASSERT_NE(imageType, nullptr);
    std::unique_ptr<ChoiceList> list = ArrayFromPPDOption(imageType);
    ASSERT_TRUE(list);
    EXPECT_EQ(ppdEncoding, 1) << "the first choice made switches user titles to UTF-8";
    EXPECT_EQ(ppdTitles(*list), QStringList({"Normal", "Photo", "Graphics", "Text", "Off"}));

    // Densities keep the PPD's order "3" ... "-3", which the colour-balance defaults rely on.
    std::unique_ptr<ChoiceList> density = ArrayFromPPDOption(ppdFindOption(ppd.get(), "QVColorDensityYellowHigh"));
    ASSERT_TRUE(density);
    EXPECT_EQ(ppdTitles(*density), QStringList({"3", "2", "1", "0", "-1", "-2", "-3"}));

    // A missing option gives no list; an option without choices an empty one.
    EXPECT_EQ(ArrayFromPPDOption(nullptr), nullptr);
    host::PpdPtr minimal = testsupport::openTestPpd(testsupport::testDataPath("minimal.ppd"));
    ASSERT_TRUE(minimal);
    EXPECT_EQ(ArrayFromPPDOption(ppdFindOption(minimal.get(), "ColorModel")), nullptr);

    host::PpdPtr empty = testsupport::openTestPpd(testsupport::testDataPath("empty-option.ppd"));
    std::unique_ptr<ChoiceList> none = ArrayFromPPDOption(ppdFindOption(empty.get(), "JobType"));
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->empty());

    EXPECT_EQ(CreateOptionTitle(nullptr), "Option not found.");
    EXPECT_EQ(CreateOptionTitle(ppdFindOption(ppd.get(), "TonerMode")), "Toner Saving Mode:");
    host::PpdPtr utf8 = testsupport::openTestPpd(testsupport::testDataPath("utf8-texts.ppd"));
    EXPECT_EQ(CreateOptionTitle(ppdFindOption(utf8.get(), "ImageType")), QString::fromUtf8("Bildtyp für Grafik:"));
}

TEST_F(ChoiceModel, TitlesAreMadeOnceAndRetriedWhenUndecodable)
{
    host::PpdPtr ppd = testsupport::openTestPpd(testsupport::testDataPath("invalid-utf8.ppd"));
    ASSERT_TRUE(ppd);
    ppd_option_t* screen = ppdFindOption(ppd.get(), "Screen");
    std::unique_ptr<ChoiceList> list = ArrayFromPPDOption(screen);
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 2u);

    PDEChoice* broken = (*list)[1].get();
    EXPECT_TRUE(broken->userTitle().isNull());
    EXPECT_EQ(broken->ppdTitle(), "Broken");
    std::strcpy(screen->choices[1].text, "Mended");
    EXPECT_EQ(broken->userTitle(), "Mended") << "an undecodable title is tried again";

    PDEChoice* autoChoice = (*list)[0].get();
    EXPECT_EQ(autoChoice->userTitle(), "Auto");
    std::strcpy(screen->choices[0].text, "Changed");
    std::strcpy(screen->choices[0].choice, "Changed");
    EXPECT_EQ(autoChoice->userTitle(), "Auto") << "a made title is kept";
    EXPECT_EQ(autoChoice->ppdTitle(), "Changed") << "the PPD title was not asked for before";

    // Names beyond ASCII are no names; fields that fill their whole size are read no further.
    ppd_choice_t odd{};
    std::strcpy(odd.choice, "N\xe4me");
    std::memset(odd.text, 'x', sizeof odd.text);
    PDEChoice oddChoice(&odd);
    EXPECT_TRUE(oddChoice.ppdTitle().isNull());
    EXPECT_EQ(oddChoice.userTitle(), QString(PPD_MAX_TEXT, QLatin1Char('x')));

    // An empty text is a title, not a failure.
    ppd_choice_t blank{};
    EXPECT_FALSE(PDEChoice(&blank).userTitle().isNull());
    // No record at all: no titles, nobody's default.
    PDEChoice nothing(nullptr);
    EXPECT_TRUE(nothing.userTitle().isNull());
    EXPECT_FALSE(nothing.isDefaultChoice());
}

// Finding a choice by name, by title, or the PPD's default (the count the finders keep
// in nIndex is read by nothing, so not asserted).
TEST_F(ChoiceModel, Finders)
{
    host::PpdPtr ppd = testsupport::openTestPpd(testsupport::bundledPpdPath());
    ASSERT_TRUE(ppd);
    std::unique_ptr<ChoiceList> imageType = ArrayFromPPDOption(ppdFindOption(ppd.get(), "ImageType"));
    std::unique_ptr<ChoiceList> screen = ArrayFromPPDOption(ppdFindOption(ppd.get(), "Screen"));
    std::unique_ptr<ChoiceList> brightness = ArrayFromPPDOption(ppdFindOption(ppd.get(), "Brightness"));
    ASSERT_TRUE(imageType && screen && brightness);

    EXPECT_EQ(FindChoiceForString("Graphics", imageType.get()), (*imageType)[2].get());
    EXPECT_EQ(FindUserChoiceForString("Fine Detail", screen.get()), (*screen)[1].get());

    // Names and titles are not interchangeable, and the comparison is exact.
    EXPECT_EQ(FindChoiceForString("Fine Detail", screen.get()), nullptr);
    EXPECT_EQ(FindUserChoiceForString("Detail", screen.get()), nullptr);
    EXPECT_EQ(FindChoiceForString("graphics", imageType.get()), nullptr);
    EXPECT_EQ(FindChoiceForString(QString(""), imageType.get()), nullptr) << "an empty text is a text";

    // No text: the PPD's default.
    EXPECT_EQ(FindChoiceForString(QString(), brightness.get()), (*brightness)[2].get());
    EXPECT_TRUE((*brightness)[2]->isDefaultChoice());
    EXPECT_EQ(FindUserChoiceForString(QString(), imageType.get()), (*imageType)[0].get());

    host::PpdPtr bad = testsupport::openTestPpd(testsupport::testDataPath("bad-defaults.ppd"));
    ASSERT_TRUE(bad);
    for (const char* keyword : {"ColorModel", "Screen", "TonerMode", "QVColorDensityCyanMid"}) {
        std::unique_ptr<ChoiceList> list = ArrayFromPPDOption(ppdFindOption(bad.get(), keyword));
        ASSERT_TRUE(list) << keyword;
        EXPECT_EQ(FindChoiceForString(QString(), list.get()), nullptr) << keyword;
        for (const auto& entry : *list) EXPECT_FALSE(entry->isDefaultChoice()) << keyword;
    }

    EXPECT_EQ(FindChoiceForString("Normal", nullptr), nullptr);

    host::PpdPtr utf8 = testsupport::openTestPpd(testsupport::testDataPath("utf8-texts.ppd"));
    ASSERT_TRUE(utf8);
    std::unique_ptr<ChoiceList> photo = ArrayFromPPDOption(ppdFindOption(utf8.get(), "ImageType"));
    ASSERT_TRUE(photo);
    PDEChoice* found = FindUserChoiceForString(QString::fromUtf8("Foto – 写真"), photo.get());
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->ppdTitle(), "Photo");
}

TEST_F(ChoiceModel, PopUpCarriesTheListEntries)
{
    host::PpdPtr ppd = testsupport::openTestPpd(testsupport::testDataPath("utf8-texts.ppd"));
    ASSERT_TRUE(ppd);
    std::unique_ptr<ChoiceList> list = ArrayFromPPDOption(ppdFindOption(ppd.get(), "Screen"));
    ASSERT_TRUE(list);

    QComboBox popup;
    popup.addItems({"left", "over", "from", "the", "layout"});
    popup.setCurrentIndex(3);
    InitPopUpFromArray(&popup, list.get());

    ASSERT_EQ(popup.count(), static_cast<int>(list->size()));
    for (int i = 0; i < popup.count(); ++i) {
        EXPECT_EQ(popup.itemData(i).value<PDEChoice*>(), (*list)[i].get()) << "item " << i;
        EXPECT_EQ(popup.itemText(i), (*list)[i]->userTitle()) << "item " << i;
    }
    EXPECT_EQ(popup.itemText(2), QString::fromUtf8("Glatte Übergänge"));
    EXPECT_EQ(selectedChoice(&popup), nullptr) << "filling selects nothing";

    popup.setCurrentIndex(1);
    EXPECT_EQ(selectedChoice(&popup), (*list)[1].get());
    EXPECT_EQ(selectedChoiceName(&popup), "Detail");

    // Refilling replaces the items; an empty or missing list leaves none; no pop-up, no harm.
    InitPopUpFromArray(&popup, nullptr);
    EXPECT_EQ(popup.count(), 0);
    InitPopUpFromArray(nullptr, list.get());
    EXPECT_EQ(selectedChoice(nullptr), nullptr);
}

} // namespace
