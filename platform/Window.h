#pragma once
// Window controllers' needs: the toolkit loaded, modal loops, key equivalents, close box.
#include "platform/Export.h"

#include <QChar>

#include <functional>

class QDialog;
class QAbstractButton;

namespace platform {

// Makes sure a QApplication exists before any widget is made. True when one exists.
ORVAN_PLATFORM_EXPORT bool applicationLoad();

// Shows `window` and runs a modal loop for it until stopModal; answers stopModal's code.
ORVAN_PLATFORM_EXPORT int runModalForWindow(QDialog* window);
// Ends the modal loop running `window` (nothing when none runs). The window is hidden,
// not closed: its owner closes it once it has read the outcome.
ORVAN_PLATFORM_EXPORT void stopModal(QDialog* window, int code = 0);
ORVAN_PLATFORM_EXPORT bool isRunningModal(const QDialog* window);

// While `window` runs modally, its close box (and Escape when no button has that key)
// sends `action` instead of closing the window.
ORVAN_PLATFORM_EXPORT void setCloseBoxAction(QDialog* window, std::function<void()> action);
// Sent once when `window` actually closes (a close not turned into the close-box action,
// done(), or the owner's close() after the modal loop); again only after it is shown again.
ORVAN_PLATFORM_EXPORT void setWindowWillClose(QDialog* window, std::function<void()> handler);

// Key equivalents: U+000D makes the button the window's default button (Return and
// Enter press it); U+001B makes Escape press it.
ORVAN_PLATFORM_EXPORT void setKeyEquivalent(QAbstractButton* button, QChar key);

// Centres the window on its screen.
ORVAN_PLATFORM_EXPORT void centerWindow(QDialog* window);

} // namespace platform
