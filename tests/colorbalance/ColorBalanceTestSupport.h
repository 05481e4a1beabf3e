#pragma once
// What the Color Balance tests share: a fixture starting from fresh colour-balance
// state, a runner that drives the modal dialog, and readers of the level bars.
#include "colorbalance/ColorBalance-Orvan.h"
#include "colorbalance/ColorBalanceState.h"
#include "platform/Bundle.h"
#include "platform/ColorBox.h"
#include "platform/Stepper.h"
#include "platform/Window.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TestSupport.h"
#include "tests/support/UserActions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace cbtest {

inline QList<int64_t> working()
{
    QList<int64_t> values;
    for (int i = 0; i < colorbalance::kDensityCount; ++i) values.append(colorbalance::workingValue(i));
    return values;
}

inline void setWorking(const QList<int64_t>& values)
{
    for (int i = 0; i < colorbalance::kDensityCount; ++i) colorbalance::workingValue(i) = values.at(i);
}

// The seven swatch colours of the bar of tone range `range`, top first.
inline QList<QColor> barColors(const ColorBalanceOrvan* c, int range)
{
    const platform::ColorBox* bars[3][7] = {
        {c->one1, c->one2, c->one3, c->one4, c->one5, c->one6, c->one7},
        {c->two1, c->two2, c->two3, c->two4, c->two5, c->two6, c->two7},
        {c->three1, c->three2, c->three3, c->three4, c->three5, c->three6, c->three7},
    };
    QList<QColor> colours;
    for (const platform::ColorBox* swatch : bars[range]) colours.append(swatch ? swatch->fillColor() : QColor());
    return colours;
}

// A bar showing value v: the bottom v + 4 swatches in `colour`, the rest white.
inline QList<QColor> expectedBar(const QColor& colour, int v)
{
    QList<QColor> colours;
    for (int k = 1; k <= 7; ++k) colours.append(k >= 4 - v ? colour : QColor(Qt::white));
    return colours;
}

inline platform::ColorBox* reference(const ColorBalanceOrvan* c, int index)
{
    platform::ColorBox* const swatches[] = {c->Blacklow,   c->Blackmid,   c->Blackhigh, c->Cyanlow,
                                            c->Cyanmid,    c->Cyanhigh,   c->Magentalow, c->Magentamid,
                                            c->Magentahigh, c->Yellowlow, c->Yellowmid, c->Yellowhigh};
    return swatches[index];
}

inline QToolButton* arrow(platform::Stepper* stepper, bool up)
{
    return stepper->findChild<QToolButton*>(up ? QStringLiteral("stepperUp") : QStringLiteral("stepperDown"));
}

using useractions::chooseWithKeys;
using useractions::toggle;

class ColorBalanceDialog : public ::testing::Test {
protected:
    void SetUp() override { resetSharedPanelState(); }

    void TearDown() override
    {
        for (const QPointer<ColorBalanceOrvan>& c : std::as_const(made_)) delete c.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a modal loop outlived its test";
        resetSharedPanelState();
    }

    // A controller with its layout loaded, as the Image Options panel makes it.
    ColorBalanceOrvan* make()
    {
        auto* c = new ColorBalanceOrvan;
        made_.append(c);
        EXPECT_TRUE(bundle_.loadLayout(QStringLiteral("ColorBalance"), c));
        EXPECT_TRUE(c->window());
        return c;
    }

    // Runs the dialog; `interact` runs inside its modal loop and should end it.
    std::optional<QList<int32_t>> run(ColorBalanceOrvan* c, const std::function<void(ColorBalanceOrvan*)>& interact)
    {
        std::optional<QList<int32_t>> result;
        QPointer<ColorBalanceOrvan> guard(c);
        testsupport::inModal([&] { result = c->Start(&bundle_); },
                             [&](QDialog* window) {
                                 ASSERT_TRUE(guard && guard->window() == window);
                                 interact(guard.data());
                             });
        return result;
    }

    platform::Bundle& bundle() { return bundle_; }

private:
    platform::Bundle bundle_{testsupport::bundlePath(), QLocale(QLocale::English, QLocale::UnitedStates)};
    QList<QPointer<ColorBalanceOrvan>> made_;
};

} // namespace cbtest
