#pragma once
// What the accessibility tests share: fresh plug-in state, both panels over the bundled
// PPD with the host's callback, the two dialogs in their modal loops, a keyboard that
// types into whatever has the focus, and readers of spoken names and tab order.
#include "colorbalance/ColorBalance-Orvan.h"
#include "colorbalance/ColorBalanceState.h"
#include "host/HostCallback.h"
#include "imageoptions/PrinterPDE-Orvan.h"
#include "jobtype/JobTypeSetup.h"
#include "jobtype/PrinterJobPDE-Orvan.h"
#include "plugin/SharedPanelState.h"
#include "platform/Bundle.h"
#include "platform/ColorBox.h"
#include "platform/Stepper.h"
#include "platform/Window.h"
#include "plugin/PDETool.h"
#include "tests/support/KeyboardSupport.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QPointer>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace a11y {

inline const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
inline const QLocale kGerman(QLocale::German, QLocale::Germany);

// Fresh process-wide state, both panels and both dialogs within reach.
class A11yTest : public ::testing::Test {
protected:
    void SetUp() override { reset(); }

    void TearDown() override
    {
        dropDialogs();
        imageOptions_.reset();
        jobType_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a modal loop outlived its test";
        reset();
    }

    static void reset() { resetSharedPanelState(); }

    void useLocale(const QLocale& locale)
    {
        bundle_ = std::make_unique<platform::Bundle>(testsupport::bundlePath(), locale);
    }

    platform::Bundle& bundle()
    {
        if (!bundle_) useLocale(kEnglish);
        return *bundle_;
    }

    host::HostCallback& host()
    {
        if (!host_) {
            ppd_ = testsupport::openTestPpd(testsupport::bundledPpdPath());
            host_ = std::make_unique<host::HostCallback>(ppd_.get());
        }
        return *host_;
    }

    // The panel's view as its own active window, as the host shows it once willShow ran.
    static QWidget* showActive(platform::PDEPanel* panel)
    {
        QWidget* view = panel->panelView();
        EXPECT_NE(view, nullptr);
        if (!view) return nullptr;
        view->show();
        panel->willShow();
        view->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(view));
        return view;
    }

    PrinterPDEOrvan* imageOptions()
    {
        imageOptions_ = PrinterPDEOrvan::initWithCallback(&host(), &bundle());
        return imageOptions_.get();
    }

    PrinterJobPDEOrvan* jobType()
    {
        jobType_ = PrinterJobPDEOrvan::initWithCallback(&host(), &bundle());
        return jobType_.get();
    }

    // Runs `interact` inside the next modal loop to start, once its window has the
    // keyboard. It should end the loop.
    static void whenModal(std::function<void(QDialog*)> interact)
    {
        testsupport::whenModal([interact = std::move(interact)](QDialog* dialog) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
            interact(dialog);
        });
    }

    // A Color Balance controller with its window, as the Image Options panel makes it.
    QPointer<ColorBalanceOrvan> colorBalance()
    {
        QPointer<ColorBalanceOrvan> c = new ColorBalanceOrvan;
        EXPECT_TRUE(bundle().loadLayout(QStringLiteral("ColorBalance"), c));
        dialogs_.append(c.data());
        return c;
    }

    QPointer<JobTypeSetup> securePrint()
    {
        QPointer<JobTypeSetup> s = new JobTypeSetup;
        EXPECT_TRUE(bundle().loadLayout(QStringLiteral("JobTypeSetup"), s));
        dialogs_.append(s.data());
        return s;
    }

    // The controllers made here, closed and gone at the end of the test.
    void dropDialogs()
    {
        for (const QPointer<QObject>& d : std::as_const(dialogs_)) delete d.data();
        dialogs_.clear();
    }

    std::unique_ptr<platform::Bundle> bundle_;
    host::PpdPtr ppd_;
    std::unique_ptr<host::HostCallback> host_;
    std::unique_ptr<PrinterPDEOrvan> imageOptions_;
    std::unique_ptr<PrinterJobPDEOrvan> jobType_;
    QList<QPointer<QObject>> dialogs_;
};

} // namespace a11y
