#pragma once
// A panel over a real PPD, hosted by the host's own callback, with its view loaded
// from the built bundle.
#include "colorbalance/ColorBalanceState.h"
#include "host/HostCallback.h"
#include "imageoptions/PrinterPDE-Orvan.h"
#include "platform/Bundle.h"
#include "platform/Controls.h"
#include "plugin/PDETool.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using HandOvers = QList<host::HandOver>;

// The user picks item `index` of a pop-up (enabled or not: the rules are under test).
inline void choose(QComboBox* popup, int index)
{
    ASSERT_NE(popup, nullptr);
    ASSERT_LT(index, popup->count());
    popup->setCurrentIndex(index);
    emit popup->activated(index);
}

inline void click(QAbstractButton* button)
{
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

class ImageOptionsTest : public ::testing::Test {
protected:
    void SetUp() override { resetSharedPanelState(); }

    void TearDown() override
    {
        panel.reset();
        resetSharedPanelState();
    }

    // A panel over `ppdPath` (none for an empty path).
    void open(const QString& ppdPath = testsupport::bundledPpdPath(), bool offersMarking = true,
              const QLocale& locale = QLocale(QLocale::English, QLocale::UnitedStates))
    {
        panel.reset();
        if (!ppdPath.isEmpty()) ppd = testsupport::openTestPpd(ppdPath);
        host = std::make_unique<host::HostCallback>(ppd.get(), offersMarking);
        bundle = std::make_unique<platform::Bundle>(testsupport::bundlePath(), locale);
        panel = PrinterPDEOrvan::initWithCallback(host.get(), bundle.get());
    }

    // What the host does before the user sees the panel; forgets the hand-overs.
    void show()
    {
        QWidget* view = panel->panelView();
        ASSERT_NE(view, nullptr);
        view->show();
        panel->willShow();
        host->clearHandOvers();
    }

    // The choice the host holds marked for `keyword`, or a null text.
    QString marked(const char* keyword) const
    {
        ppd_choice_t* choice = ppdFindMarkedChoice(ppd.get(), keyword);
        return choice ? QString::fromLatin1(choice->choice) : QString();
    }

    HandOvers takeHandOvers()
    {
        HandOvers list = host->handOvers();
        host->clearHandOvers();
        return list;
    }

    platform::PrintSettings& settings() { return *host->printSettings(); }

    host::PpdPtr ppd;
    std::unique_ptr<host::HostCallback> host;
    std::unique_ptr<platform::Bundle> bundle;
    std::unique_ptr<PrinterPDEOrvan> panel;
};

inline host::HandOver ho(const char* key, const char* choice)
{
    return {QString::fromLatin1(key), QString::fromLatin1(choice)};
}
