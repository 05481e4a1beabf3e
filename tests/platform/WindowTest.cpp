// Modal loops, the close box, key equivalents and the close notification.
#include "platform/Window.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// A dialog like ours: a text field, OK and Cancel.
struct TestDialog {
    TestDialog()
    {
        auto* layout = new QVBoxLayout(&window);
        field = new QLineEdit(&window);
        ok = new QPushButton(QStringLiteral("OK"), &window);
        cancel = new QPushButton(QStringLiteral("Cancel"), &window);
        layout->addWidget(field);
        layout->addWidget(cancel);
        layout->addWidget(ok);
        QObject::connect(ok, &QPushButton::clicked, &window, [this] {
            ++okClicks;
            platform::stopModal(&window, 1);
        });
        QObject::connect(cancel, &QPushButton::clicked, &window, [this] {
            ++cancelClicks;
            platform::stopModal(&window, 0);
        });
    }
    QDialog window;
    QLineEdit* field;
    QPushButton* ok;
    QPushButton* cancel;
    int okClicks = 0;
    int cancelClicks = 0;
};

// Runs `during` once the modal loop runs, with a fail-safe that ends the loop.
int runModal(QDialog* window, std::function<void()> during)
{
    auto finished = std::make_shared<bool>(false);
    QTimer::singleShot(0, window, [window, during, finished] {
        EXPECT_TRUE(platform::isRunningModal(window));
        EXPECT_EQ(QApplication::activeModalWidget(), window);
        during();
        QTimer::singleShot(0, window, [window, finished] {
            if (!*finished && platform::isRunningModal(window)) {
                ADD_FAILURE() << "the modal loop was still running";
                platform::stopModal(window, -77);
            }
        });
    });
    const int code = platform::runModalForWindow(window);
    *finished = true;
    return code;
}

// What the window system sends for a click on the close box.
void clickCloseBox(QWidget* window)
{
    // QWindow::close goes through the platform window, as the close box does.
    ASSERT_TRUE(window->windowHandle());
    window->windowHandle()->close();
}

void pressKey(QWidget* window, Qt::Key key)
{
    // Through the window, as the window system delivers it: shortcuts first.
    QTest::keyClick(window->windowHandle(), key);
}

TEST(WindowTest, CloseBoxSendsTheActionWhileModal)
{
    TestDialog d;
    int closeBoxActions = 0;
    int willClose = 0;
    platform::setCloseBoxAction(&d.window, [&] {
        ++closeBoxActions;
        d.cancel->click();
    });
    platform::setWindowWillClose(&d.window, [&] { ++willClose; });
    bool visibleAfterCloseBox = false;
    const int code = runModal(&d.window, [&] {
        // The action decides: here it stays open as long as the action does not stop it.
        platform::setCloseBoxAction(&d.window, [&] { ++closeBoxActions; });
        clickCloseBox(&d.window);
        visibleAfterCloseBox = d.window.isVisible() && platform::isRunningModal(&d.window);
        platform::setCloseBoxAction(&d.window, [&] {
            ++closeBoxActions;
            d.cancel->click();
        });
        d.window.close(); // a close by code is the close box too while modal
    });
    EXPECT_TRUE(visibleAfterCloseBox);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(closeBoxActions, 2);
    EXPECT_EQ(d.cancelClicks, 1);
    // Ending the loop hid the window without closing it.
    EXPECT_EQ(willClose, 0);

    // After the loop the owner closes the window: the handler runs once.
    d.window.close();
    d.window.close();
    EXPECT_EQ(willClose, 1);
}

TEST(WindowTest, WindowWillCloseMayDisposeOfItsController)
{
    // The controller gives itself up from the handler, the way dialogs do.
    QPointer<QDialog> window = new QDialog;
    int willClose = 0;
    platform::setWindowWillClose(window, [&] {
        ++willClose;
        window->deleteLater();
    });
    EXPECT_EQ(runModal(window, [&] { platform::stopModal(window, 5); }), 5);
    ASSERT_TRUE(window);
    window->close();
    EXPECT_EQ(willClose, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());

    // A window closed through its close box outside a modal loop closes for real.
    QDialog other;
    int otherClosed = 0;
    platform::setWindowWillClose(&other, [&] { ++otherClosed; });
    platform::setCloseBoxAction(&other, [] { ADD_FAILURE() << "not modal"; });
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    clickCloseBox(&other);
    EXPECT_FALSE(other.isVisible());
    EXPECT_EQ(otherClosed, 1);

    // done() closes the window without a close event; that is a close too, once.
    int thirdClosed = 0;
    QDialog third;
    platform::setWindowWillClose(&third, [&] { ++thirdClosed; });
    EXPECT_EQ(runModal(&third, [&] { third.done(4); }), 4);
    third.close();
    EXPECT_EQ(thirdClosed, 1);
}

TEST(WindowTest, EscapePressesTheEscapeButton)
{
    TestDialog d;
    platform::setKeyEquivalent(d.cancel, QChar(0x1B));
    platform::setKeyEquivalent(d.ok, QChar(0x0D));
    int closeBoxActions = 0;
    platform::setCloseBoxAction(&d.window, [&] { ++closeBoxActions; });
    EXPECT_EQ(runModal(&d.window, [&] {
                  d.field->setFocus();
                  pressKey(&d.window, Qt::Key_Escape);
              }),
              0);
    EXPECT_EQ(d.cancelClicks, 1);
    EXPECT_EQ(closeBoxActions, 0);

    // A disabled Escape button: Escape does nothing, the dialog does not reject.
    d.cancel->setEnabled(false);
    EXPECT_EQ(runModal(&d.window, [&] {
                  d.field->setFocus();
                  pressKey(&d.window, Qt::Key_Escape);
                  EXPECT_TRUE(platform::isRunningModal(&d.window));
                  platform::stopModal(&d.window, 9);
              }),
              9);
    EXPECT_EQ(d.cancelClicks, 1);
    EXPECT_EQ(closeBoxActions, 0);

    // Without an Escape button Escape is the close box.
    TestDialog bare;
    int bareCloseBox = 0;
    platform::setCloseBoxAction(&bare.window, [&] {
        ++bareCloseBox;
        platform::stopModal(&bare.window, 7);
    });
    EXPECT_EQ(runModal(&bare.window, [&] {
                  bare.field->setFocus();
                  pressKey(&bare.window, Qt::Key_Escape);
              }),
              7);
    EXPECT_EQ(bareCloseBox, 1);
}

TEST(WindowTest, CenterWindow)
{
    QDialog window;
    window.resize(200, 100);
    platform::centerWindow(&window);
    const QRect screen = window.screen()->availableGeometry();
    EXPECT_LE(std::abs(window.frameGeometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(window.frameGeometry().center().y() - screen.center().y()), 1);
    platform::centerWindow(nullptr);
}

} // namespace
