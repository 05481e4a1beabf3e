#include "jobtype/JobTypeSetup.h"

#include "platform/Alert.h"
#include "platform/Controls.h"
#include "platform/Log.h"
#include "platform/Window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kUserIDLength = 8;
constexpr int kPasscodeLength = 12;
constexpr int kJobNameLength = 12;

std::unique_ptr<CustomTextFieldFormatterPrinter> makeFormatter(int32_t maxLength)
{
    auto formatter = std::make_unique<CustomTextFieldFormatterPrinter>();
    formatter->setMaximumLength(maxLength);
    return formatter;
}

std::unique_ptr<CustomTextFieldFormatterPrinter> userIDFormatter()
{
    auto formatter = makeFormatter(kUserIDLength);
    formatter->setNameAlpha(true);
    return formatter;
}

std::unique_ptr<CustomTextFieldFormatterPrinter> passcodeFormatter()
{
    auto formatter = makeFormatter(kPasscodeLength);
    formatter->setNumberOnly(true);
    return formatter;
}

std::unique_ptr<CustomTextFieldFormatterPrinter> jobNameFormatter()
{
    auto formatter = makeFormatter(kJobNameLength);
    formatter->setNameAlpha(true);
    return formatter;
}

// OK's checks of the user ID: not empty, not spaces only, and ASCII (the printer takes
// nothing else; the field's formatter lets Latin-1 through).
bool userIDPasses(const QString& userID)
{
    if (userID.isEmpty()) return false;
    if (QString(userID).remove(QLatin1Char(' ')).isEmpty()) return false;
    for (QChar c : userID) {
        if (c.unicode() >= 127) return false;
    }
    return true;
}

bool passcodePasses(const QString& passcode) { return !passcode.isEmpty() && passcode.size() <= kPasscodeLength; }

// Whether a field with `formatter` admits `text` typed into it whole.
bool admits(const CustomTextFieldFormatterPrinter& formatter, const QString& text)
{
    const std::u16string typed = text.toStdU16String();
    return formatter.isPartialStringValid(typed, typed.size(), std::u16string_view(), 0);
}

} // namespace

JobTypeSetup::JobTypeSetup(QObject* parent) : QObject(parent)
{
    platform::log(QStringLiteral("initWithWindow()"));
    platform::applicationLoad();
    platform::log(QStringLiteral("end initWithWindow()"));
}

JobTypeSetup::~JobTypeSetup()
{
    dying_ = true;
    // The formatters go with this controller: the fields let go of them first, and
    // the window (with the fields) goes before them.
    if (window_) {
        for (QLineEdit* field : {TextUserIDBox, TextPasscodeBox, TextJobNameBox}) attachFormatter(field, nullptr);
    }
    delete window_.data();
}

QDialog* JobTypeSetup::window() const { return window_.data(); }

QString JobTypeSetup::localized(const char* key) const
{
    const QString text = QString::fromUtf8(key);
    platform::Bundle* bundle = bundle_ ? bundle_ : pluginBundle;
    return bundle ? bundle->localizedString(text) : text;
}

void JobTypeSetup::bindOutlets(const platform::Outlets& outlets)
{
    if (auto* dialog = qobject_cast<QDialog*>(outlets.root())) {
        window_ = dialog;
        platform::setWindowWillClose(dialog, [this] { windowWillClose(); });
    }
    pJobNameButton = outlets.find<QComboBox>("pJobNameButton");
    closeButton = outlets.find<QPushButton>("closeButton");
    okButton = outlets.find<QPushButton>("okButton");
    defaultButton = outlets.find<QPushButton>("defaultButton");
    helpButton = outlets.find<QAbstractButton>("helpButton");
    TextJobName = outlets.find<QWidget>("TextJobName");
    TextUserIDBox = outlets.find<QLineEdit>("TextUserIDBox");
    TextPasscodeBox = outlets.find<QLineEdit>("TextPasscodeBox");
    TextJobNameBox = outlets.find<QLineEdit>("TextJobNameBox");
    sTextUserID = outlets.find<QLabel>("sTextUserID");
    sTextPass = outlets.find<QLabel>("sTextPass");
    sTextJobName = outlets.find<QLabel>("sTextJobName");
    sTextNewJobName = outlets.find<QLabel>("sTextNewJobName");
}

void JobTypeSetup::awakeFromNib()
{
    platform::log(QStringLiteral("awakeFromNib()"));

    if (closeButton) platform::setKeyEquivalent(closeButton, QChar(0x1B));
    if (okButton) platform::setKeyEquivalent(okButton, QChar(0x0D));

    UserIDBoxFmt = userIDFormatter();
    PasscodeBoxFmt = passcodeFormatter();
    JobNameboxFmt = jobNameFormatter();
    if (TextUserIDBox) attachFormatter(TextUserIDBox, UserIDBoxFmt.get());
    if (TextPasscodeBox) attachFormatter(TextPasscodeBox, PasscodeBoxFmt.get());
    if (TextJobNameBox) attachFormatter(TextJobNameBox, JobNameboxFmt.get());

    // Roman-script input only: an input method must not compose other scripts here.
    for (QLineEdit* field : {TextUserIDBox, TextJobNameBox}) {
        if (field) field->setInputMethodHints(field->inputMethodHints() | Qt::ImhLatinOnly);
    }

    platform::setTitle(closeButton, localized("Cancel"));
    platform::setTitle(defaultButton, localized("Default"));
    platform::setTitle(okButton, localized("OK"));
    // The help button shows a question mark; its name is for tool tips and screen readers.
    if (helpButton) {
        helpButton->setToolTip(localized("Help"));
        helpButton->setAccessibleName(localized("Help"));
    }
    platform::setStringValue(TextJobName, localized("Up to 12 characters"));

    if (window_) platform::centerWindow(window_);
}

bool JobTypeSetup::Start(platform::Bundle* bundle)
{
    platform::log(QStringLiteral("enter PDE Start()"));
    bundle_ = bundle;
    if (!window_) return isOK;

    // No title-bar buttons: the dialog ends through OK or Cancel only.
    Qt::WindowFlags flags = window_->windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    flags &= ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
               Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint);
    window_->setWindowFlags(flags);
    platform::centerWindow(window_);

    platform::setTitle(window_, localized("Secure Print"));
    platform::setTitle(closeButton, localized("Cancel"));
    platform::setTitle(okButton, localized("OK"));
    platform::setTitle(defaultButton, localized("Default"));

    platform::removeAllItems(pJobNameButton);
    platform::addItem(pJobNameButton, localized("Use Existing Name"));
    platform::addItem(pJobNameButton, localized("Enter Name Mode"));
    platform::select(pJobNameButton, 0);

    platform::setStringValue(sTextUserID, localized("User ID"));
    platform::setStringValue(sTextPass, localized("Secure Print Passcode"));
    platform::setStringValue(sTextJobName, localized("Job Name"));
    platform::setStringValue(sTextNewJobName, localized("New Job Name"));

    JobTypeSetupView = window_;
    // A close box that still shows (window managers may keep one) acts as Cancel.
    platform::setCloseBoxAction(window_, [this] { closeBtnClick(nullptr); });

    if (response) {
        platform::setStringValue(TextUserIDBox, response->userID);
        platform::setStringValue(TextPasscodeBox, response->passcode);
    } else if (!knownUserID.isEmpty()) {
        platform::setStringValue(TextUserIDBox, knownUserID);
    }

    platform::select(pJobNameButton, jobnameMode);
    setJobNameEntryEnabled(jobnameMode != 0);

    if (!docName.isNull()) platform::setStringValue(TextJobNameBox, docName);

    platform::runModalForWindow(window_);
    return isOK;
}

bool JobTypeSetup::acceptsEntries(const QString& userID, const QString& passcode)
{
    return admits(*userIDFormatter(), userID) && userIDPasses(userID) && admits(*passcodeFormatter(), passcode)
        && passcodePasses(passcode);
}

void JobTypeSetup::setJobNameEntryEnabled(bool on)
{
    platform::setEnabled(TextJobNameBox, on);
    platform::setEnabled(TextJobName, on);
}

void JobTypeSetup::okBtnClick(QObject* sender)
{
    Q_UNUSED(sender);
    const QString userID = platform::stringValue(TextUserIDBox);
    const QString passcode = platform::stringValue(TextPasscodeBox);

    const auto userIDAlert = [this] {
        platform::runAlert(localized("Invalid value in User ID."),
                           localized("Specify within a range of 1 to 8 alphanumeric characters."));
    };
    if (!userIDPasses(userID)) return userIDAlert();
    if (!passcodePasses(passcode)) {
        platform::runAlert(localized("Invalid value in Secure Print Passcode."),
                           localized("Specify within a range of 1 to 12 alphanumeric characters."));
        return;
    }

    const QString jobNameText = platform::stringValue(TextJobNameBox);
    jobnameMode = qMax(0, platform::indexOfSelectedItem(pJobNameButton));
    // Kept whatever the mode, so the next dialog shows the name typed last.
    docName = jobNameText.isNull() ? QString(QLatin1String("")) : jobNameText;
    response = SecurePrintSetup{jobnameMode, userID, passcode, jobnameMode != 0 ? jobNameText : QString(),
                                platform::titleOfSelectedItem(pJobNameButton)};

    isOK = true;
    platform::stopModal(window_, 1);
}

void JobTypeSetup::closeBtnClick(QObject* sender)
{
    Q_UNUSED(sender);
    isOK = false;
    platform::stopModal(window_, 0);
}

void JobTypeSetup::JobNameBtnClick(QObject* sender)
{
    Q_UNUSED(sender);
    // Ends editing in the window, as a change of mode commits the field being typed in;
    // the pop-up itself keeps the keyboard, or a keyboard user would be left nowhere.
    if (window_) {
        if (QWidget* focus = window_->focusWidget(); focus && focus != pJobNameButton) focus->clearFocus();
    }
    setJobNameEntryEnabled(platform::indexOfSelectedItem(pJobNameButton) != 0);
}

void JobTypeSetup::defaultBtnClick(QObject* sender)
{
    Q_UNUSED(sender);
    platform::select(pJobNameButton, 1);
    setJobNameEntryEnabled(true);
    platform::setStringValue(TextUserIDBox, QString());
    platform::setStringValue(TextPasscodeBox, QString());
    platform::setStringValue(TextJobNameBox, QString());
}

void JobTypeSetup::HelpBtnClick(QObject* sender) { Q_UNUSED(sender); }

void JobTypeSetup::windowWillClose()
{
    if (!dying_) deleteLater();
}
