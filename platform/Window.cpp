#include "platform/Window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

namespace platform {

namespace {

// Escape while a pop-up's list is open closes that list, not its window.
bool closeOpenList()
{
    QWidget* list = QApplication::activePopupWidget();
    if (!list) return false;
    list->close();
    return true;
}

// What this layer keeps for one window: its modal state, close-box action,
// close handler and Escape button. A child of the window, gone with it.
class WindowState : public QObject {
    Q_OBJECT

public:
    explicit WindowState(QDialog* window) : QObject(window), window_(window)
    {
        setObjectName(QStringLiteral("platformWindowState"));
        window->installEventFilter(this);
        // done(), accept() and reject() close the window without a close event.
        connect(window, &QDialog::finished, this, [this] { closed(); });
    }

    static WindowState* find(const QDialog* window)
    {
        return window ? window->findChild<WindowState*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    }

    static WindowState* of(QDialog* window)
    {
        WindowState* state = find(window);
        return state ? state : new WindowState(window);
    }

    bool modal = false;
    std::function<void()> closeBoxAction;
    std::function<void()> willClose;
    bool willCloseSent = false;
    QPointer<QAbstractButton> escapeButton;

    // Escape in the open list of one of this window's pop-ups belongs to the list: the
    // window's Escape shortcut must not take it (the list would close and the window's
    // Cancel fire with the same key).
    void keepEscapeForLists()
    {
        if (watchingLists_) return;
        watchingLists_ = true;
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride && watched != window_ && listOfThisWindowOpen()) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
                // Taken as the list's own key: the key press then goes to the list, which closes.
                key->accept();
                return true;
            }
            return false;
        }
        if (watched != window_) return false;
        switch (event->type()) {
        case QEvent::Show:
            // A window shown again closes again.
            willCloseSent = false;
            return false;
        case QEvent::KeyPress:
            return escapePressed(static_cast<QKeyEvent*>(event));
        case QEvent::Close:
            return closing(static_cast<QCloseEvent*>(event));
        default:
            return false;
        }
    }

private:
    // Escape that no control took and no button claims: the close box's action.
    bool escapePressed(QKeyEvent* event)
    {
        if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier) return false;
        if (closeOpenList()) return true;
        if (escapeButton) {
            if (escapeButton->isEnabled()) escapeButton->click();
            return true;
        }
        if (modal && closeBoxAction) {
            runCloseBoxAction();
            return true;
        }
        return false;
    }

    bool closing(QCloseEvent* event)
    {
        if (modal && closeBoxAction) {
            event->ignore();
            runCloseBoxAction();
            return true;
        }
        // Let the window decide, then tell the handler if it really closes.
        QPointer<WindowState> self(this);
        static_cast<QObject*>(window_)->event(event);
        if (self && event->isAccepted()) closed();
        return true;
    }

    // The window closed: the handler hears of it once.
    void closed()
    {
        if (willCloseSent || !willClose) return;
        willCloseSent = true;
        // A copy: the handler may let go of the window and with it of this state.
        const std::function<void()> handler = willClose;
        handler();
    }

    void runCloseBoxAction()
    {
        const std::function<void()> action = closeBoxAction;
        action();
    }

    bool listOfThisWindowOpen() const
    {
        for (QWidget* w = QApplication::activePopupWidget(); w; w = w->parentWidget()) {
            if (w == window_) return true;
        }
        return false;
    }

    QDialog* window_;
    bool watchingLists_ = false;
};

void clearEscapeShortcut(QWidget* window, QAbstractButton* onlyFor)
{
    auto* dialog = qobject_cast<QDialog*>(window);
    WindowState* state = WindowState::find(dialog);
    if (!state || !state->escapeButton) return;
    if (onlyFor && state->escapeButton != onlyFor) return;
    state->escapeButton = nullptr;
}

} // namespace

bool applicationLoad()
{
    if (QCoreApplication::instance()) return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
    // The toolkit lives as long as the process: it is never torn down under the host.
    static int argc = 1;
    static char name[] = "OrvanPDE";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    return application != nullptr;
}

int runModalForWindow(QDialog* window)
{
    if (!window) return QDialog::Rejected;
    QPointer<WindowState> state = WindowState::of(window);
    if (state->modal) return QDialog::Rejected; // one loop per window
    state->modal = true;
    window->setResult(QDialog::Rejected);
    const int code = window->exec();
    if (state) state->modal = false;
    return code;
}

void stopModal(QDialog* window, int code)
{
    WindowState* state = WindowState::find(window);
    if (!state || !state->modal) return;
    // Hiding ends the dialog's loop without closing the window (done() would close
    // it): its owner closes it once it has read the outcome, and that close is the
    // one the close handler hears of. The loop unwinds when control returns to it.
    state->modal = false;
    window->setResult(code);
    window->hide();
}

bool isRunningModal(const QDialog* window)
{
    const WindowState* state = WindowState::find(window);
    return state && state->modal;
}

void setCloseBoxAction(QDialog* window, std::function<void()> action)
{
    if (!window) return;
    WindowState::of(window)->closeBoxAction = std::move(action);
}

void setWindowWillClose(QDialog* window, std::function<void()> handler)
{
    if (!window) return;
    WindowState::of(window)->willClose = std::move(handler);
}

void setKeyEquivalent(QAbstractButton* button, QChar key)
{
    if (!button) return;
    QWidget* window = button->window();
    auto* push = qobject_cast<QPushButton*>(button);
    // A button has one key equivalent: drop what it had.
    if (push && push->isDefault() && key != QChar(0x0D)) push->setDefault(false);
    clearEscapeShortcut(window, button);
    if (key == QChar(0x0D)) {
        if (!push) return;
        // Return and Enter press this button whichever push button has the focus.
        for (QPushButton* other : window->findChildren<QPushButton*>()) {
            if (other != push) {
                other->setAutoDefault(false);
                other->setDefault(false);
            }
        }
        push->setAutoDefault(true);
        push->setDefault(true);
    } else if (key == QChar(0x1B)) {
        auto* dialog = qobject_cast<QDialog*>(window);
        if (!dialog) return;
        WindowState* state = WindowState::of(dialog);
        state->escapeButton = button;
        state->keepEscapeForLists();
        // A window-wide shortcut: Escape reaches the button even when the focused
        // control would keep the key, and the dialog never rejects on its own.
        auto* shortcut = dialog->findChild<QShortcut*>(QStringLiteral("platformEscape"));
        if (!shortcut) {
            shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), dialog);
            shortcut->setObjectName(QStringLiteral("platformEscape"));
            shortcut->setContext(Qt::WindowShortcut);
            QPointer<WindowState> guard(state);
            auto press = [guard] {
                if (closeOpenList()) return;
                if (guard && guard->escapeButton && guard->escapeButton->isEnabled()) guard->escapeButton->click();
            };
            QObject::connect(shortcut, &QShortcut::activated, state, press);
            QObject::connect(shortcut, &QShortcut::activatedAmbiguously, state, press);
        }
    } else if (!key.isNull()) {
        button->setShortcut(QKeySequence(QString(key)));
    }
}

void centerWindow(QDialog* window)
{
    if (!window) return;
    QScreen* screen = window->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace platform

#include "Window.moc"
