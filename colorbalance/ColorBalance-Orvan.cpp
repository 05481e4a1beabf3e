// The PPD option records are read through libcups' PPD interface, deprecated in
// CUPS 2.4 but the only one that describes the printer's density choices.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "colorbalance/ColorBalance-Orvan.h"

#include "platform/ColorBox.h"
#include "platform/Controls.h"
#include "platform/Log.h"
#include "platform/Stepper.h"
#include "platform/TextValue.h"
#include "platform/Window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace {

// Default densities by the position of the PPD's default choice: 3 - position.
constexpr std::array<int64_t, 7> kDefaultValues = {3, 2, 1, 0, -1, -2, -3};

constexpr int kSwatchesPerBar = 7;
constexpr int kTonerCount = 4;

QString localized(const platform::Bundle* bundle, const char* key)
{
    const QString text = QString::fromLatin1(key);
    return bundle ? bundle->localizedString(text) : text;
}

} // namespace

ColorBalanceOrvan::ColorBalanceOrvan(QObject* parent) : QObject(parent)
{
    platform::log(QStringLiteral("initWithWindow()"));
    // A host that is not itself a Qt application still needs one before any widget.
    platform::applicationLoad();
    platform::log(QStringLiteral("end initWithWindow()"));
}

ColorBalanceOrvan::~ColorBalanceOrvan()
{
    // Closing the window below must not hand this controller to deleteLater again.
    deallocating_ = true;
    if (window_) {
        // The fields live inside the window; only touch them while it exists.
        for (QLineEdit* field : {TextOne, TextTwo, TextThree}) {
            if (!field) continue;
            disconnect(field, nullptr, this, nullptr);
            field->removeEventFilter(this);
            // The formatter goes with this controller: the fields stop using it first.
            attachFormatter(field, nullptr);
        }
        window_->close();
        delete window_.data();
    }
    // The fields' formatter adapters are gone with the window; now the formatter may go.
    TextFmt.reset();
}

QDialog* ColorBalanceOrvan::window() const { return window_.data(); }

void ColorBalanceOrvan::bindOutlets(const platform::Outlets& outlets)
{
    auto* root = qobject_cast<QDialog*>(outlets.root());
    if (window_ && window_ != root) {
        // A second load replaces the first window; its widgets are no longer ours to use.
        delete window_.data();
    }
    window_ = root;

    closeButton = outlets.find<QPushButton>("closeButton");
    okButton = outlets.find<QPushButton>("okButton");
    defaultButton = outlets.find<QPushButton>("defaultButton");
    helpButton = outlets.find<QAbstractButton>("helpButton");
    EnableButton = outlets.find<QCheckBox>("EnableButton");
    targetColorButton = outlets.find<QComboBox>("targetColorButton");

    one1 = outlets.find<platform::ColorBox>("one1");
    one2 = outlets.find<platform::ColorBox>("one2");
    one3 = outlets.find<platform::ColorBox>("one3");
    one4 = outlets.find<platform::ColorBox>("one4");
    one5 = outlets.find<platform::ColorBox>("one5");
    one6 = outlets.find<platform::ColorBox>("one6");
    one7 = outlets.find<platform::ColorBox>("one7");
    two1 = outlets.find<platform::ColorBox>("two1");
    two2 = outlets.find<platform::ColorBox>("two2");
    two3 = outlets.find<platform::ColorBox>("two3");
    two4 = outlets.find<platform::ColorBox>("two4");
    two5 = outlets.find<platform::ColorBox>("two5");
    two6 = outlets.find<platform::ColorBox>("two6");
    two7 = outlets.find<platform::ColorBox>("two7");
    three1 = outlets.find<platform::ColorBox>("three1");
    three2 = outlets.find<platform::ColorBox>("three2");
    three3 = outlets.find<platform::ColorBox>("three3");
    three4 = outlets.find<platform::ColorBox>("three4");
    three5 = outlets.find<platform::ColorBox>("three5");
    three6 = outlets.find<platform::ColorBox>("three6");
    three7 = outlets.find<platform::ColorBox>("three7");

    Blacklow = outlets.find<platform::ColorBox>("Blacklow");
    Blackmid = outlets.find<platform::ColorBox>("Blackmid");
    Blackhigh = outlets.find<platform::ColorBox>("Blackhigh");
    Cyanlow = outlets.find<platform::ColorBox>("Cyanlow");
    Cyanmid = outlets.find<platform::ColorBox>("Cyanmid");
    Cyanhigh = outlets.find<platform::ColorBox>("Cyanhigh");
    Magentalow = outlets.find<platform::ColorBox>("Magentalow");
    Magentamid = outlets.find<platform::ColorBox>("Magentamid");
    Magentahigh = outlets.find<platform::ColorBox>("Magentahigh");
    Yellowlow = outlets.find<platform::ColorBox>("Yellowlow");
    Yellowmid = outlets.find<platform::ColorBox>("Yellowmid");
    Yellowhigh = outlets.find<platform::ColorBox>("Yellowhigh");

    StepperOne = outlets.find<platform::Stepper>("StepperOne");
    StepperTwo = outlets.find<platform::Stepper>("StepperTwo");
    StepperThree = outlets.find<platform::Stepper>("StepperThree");
    TextOne = outlets.find<QLineEdit>("TextOne");
    TextTwo = outlets.find<QLineEdit>("TextTwo");
    TextThree = outlets.find<QLineEdit>("TextThree");

    sTextTarget = outlets.find<QLabel>("sTextTarget");
    sTextOne = outlets.find<QLabel>("sTextOne");
    sTextTwo = outlets.find<QLabel>("sTextTwo");
    sTextThree = outlets.find<QLabel>("sTextThree");
}

void ColorBalanceOrvan::awakeFromNib()
{
    platform::log(QStringLiteral("awakeFromNib()"));

    platform::setKeyEquivalent(closeButton, QChar(0x1B));
    platform::setKeyEquivalent(okButton, QChar(0x0D));

    // One formatter for the three fields: only what can still become -3..+3.
    TextFmt = std::make_unique<CustomTextFieldFormatterPrinter>();
    TextFmt->setMaximumLength(2);
    TextFmt->setCBNumber(true);

    for (QLineEdit* field : {TextOne, TextTwo, TextThree}) {
        if (!field) continue;
        attachFormatter(field, TextFmt.get());
        // textEdited is raised by the user's edits only, never by text set from here.
        connect(field, &QLineEdit::textEdited, this, [this, field] { controlTextDidChange(field); });
        field->installEventFilter(this);
    }

    if (window_) {
        platform::setWindowWillClose(window_, [this] { windowWillClose(); });
        platform::centerWindow(window_);
    }
}

std::optional<QList<int32_t>> ColorBalanceOrvan::Start(platform::Bundle* bundle)
{
    platform::log(QStringLiteral("enter PDE Start()"));

    if (window_) platform::setCloseBoxAction(window_, [this] { closeBtnClick(window_); });

    platform::setTitle(window_, localized(bundle, "Color Balance"));
    platform::setTitle(EnableButton, localized(bundle, "Adjust Color Balance"));
    platform::setTitle(okButton, localized(bundle, "OK"));
    platform::setTitle(closeButton, localized(bundle, "Cancel"));
    platform::setTitle(defaultButton, localized(bundle, "Default"));
    platform::setStringValue(sTextTarget, localized(bundle, "Target Color"));
    platform::setStringValue(sTextOne, localized(bundle, "Hightlights"));
    platform::setStringValue(sTextTwo, localized(bundle, "Midtones"));
    platform::setStringValue(sTextThree, localized(bundle, "Shadows"));

    platform::removeAllItems(targetColorButton);
    for (const char* toner : {"Black", "Cyan", "Magenta", "Yellow"}) {
        platform::addItem(targetColorButton, localized(bundle, toner));
    }
    platform::select(targetColorButton, 0);

    platform::log(QStringLiteral("start CBResClose"));
    QList<int32_t> snapshot;
    snapshot.reserve(colorbalance::kDensityCount);
    for (int i = 0; i < colorbalance::kDensityCount; ++i) {
        snapshot.append(static_cast<int32_t>(colorbalance::workingValue(i)));
    }
    CBResClose = snapshot;

    platform::setState(EnableButton, CBstate ? 1 : 0);
    platform::logf("CBtarget=%i", CBtarget);
    platform::select(targetColorButton, CBtarget);

    EnableBtnClick(nullptr);

    // Without a window there is nothing to run; the committed result stands.
    if (window_) platform::runModalForWindow(window_);

    CBResClose.reset();
    return ColorBlanceRes;
}

void ColorBalanceOrvan::okBtnClick(QObject*)
{
    const bool on = platform::state(EnableButton) != 0;
    const int target = platform::indexOfSelectedItem(targetColorButton);
    CBstate = on;
    CBtarget = target;
    stateEnableButton = on ? 1 : 0;
    statetargetColorButton = target;

    // The working values stay as edited: they come back when the switch is turned on again.
    QList<int32_t> result;
    result.reserve(colorbalance::kDensityCount);
    for (int i = 0; i < colorbalance::kDensityCount; ++i) {
        result.append(on ? static_cast<int32_t>(colorbalance::workingValue(i)) : 0);
    }
    ColorBlanceRes = result;

    if (window_) platform::stopModal(window_, QDialog::Accepted);
}

void ColorBalanceOrvan::closeBtnClick(QObject*)
{
    // The snapshot exists only while the dialog runs; outside it there is nothing to undo.
    if (CBResClose) {
        for (int i = 0; i < colorbalance::kDensityCount && i < CBResClose->size(); ++i) {
            colorbalance::workingValue(i) = static_cast<int64_t>(CBResClose->at(i));
        }
    }
    if (window_) platform::stopModal(window_, QDialog::Rejected);
}

int64_t ColorBalanceOrvan::indexOfMarkedOption(ppd_option_t* option, const char* /*key*/)
{
    // The declared default, not the choice currently marked; the key is not needed.
    constexpr int64_t kNeutral = 3;
    if (!option) return kNeutral;
    ppd_choice_t* choice = ppdFindChoice(option, option->defchoice);
    if (!choice) return kNeutral;
    return static_cast<int64_t>(choice - option->choices);
}

void ColorBalanceOrvan::defaultBtnClick(QObject*)
{
    for (int i = 0; i < colorbalance::kDensityCount; ++i) {
        const int64_t p = indexOfMarkedOption(colorbalance::densityOption(i), colorbalance::densityDefaultKey(i));
        // A default beyond the seven known steps means no change rather than a guess.
        colorbalance::workingValue(i) =
            (p >= 0 && p < static_cast<int64_t>(kDefaultValues.size())) ? kDefaultValues[static_cast<std::size_t>(p)] : 0;
    }
    platform::setState(EnableButton, 0);
    platform::select(targetColorButton, 0);
    EnableBtnClick(nullptr);
}

void ColorBalanceOrvan::HelpBtnClick(QObject*) {}

platform::ColorBox* ColorBalanceOrvan::referenceSwatch(int index) const
{
    const std::array<platform::ColorBox*, colorbalance::kDensityCount> swatches = {
        Blacklow,   Blackmid,   Blackhigh,   Cyanlow,   Cyanmid,   Cyanhigh,
        Magentalow, Magentamid, Magentahigh, Yellowlow, Yellowmid, Yellowhigh,
    };
    if (index < 0 || index >= colorbalance::kDensityCount) return nullptr;
    return swatches[static_cast<std::size_t>(index)];
}

std::array<platform::ColorBox*, 7> ColorBalanceOrvan::bar(int range) const
{
    switch (range) {
    case 0: return {one1, one2, one3, one4, one5, one6, one7};
    case 1: return {two1, two2, two3, two4, two5, two6, two7};
    default: return {three1, three2, three3, three4, three5, three6, three7};
    }
}

void ColorBalanceOrvan::fillcolorbars(qint64 index)
{
    if (index < 0 || index >= colorbalance::kDensityCount) return;
    const int i = static_cast<int>(index);
    const platform::ColorBox* reference = referenceSwatch(i);
    // The bars take their colour from the layout's reference swatch; without it there is none.
    if (!reference) return;
    const QColor color = reference->fillColor();

    const int64_t v = colorbalance::workingValue(i);
    if (v < -3 || v > 3) return;

    // Swatch 1 is the top; the fill grows upwards from swatch 7, v + 4 swatches high.
    const std::array<platform::ColorBox*, 7> swatches = bar(i % 3);
    for (int k = 1; k <= kSwatchesPerBar; ++k) {
        if (platform::ColorBox* swatch = swatches[static_cast<std::size_t>(k - 1)]) {
            swatch->setFillColor(k >= 4 - v ? color : QColor(Qt::white));
        }
    }
}

void ColorBalanceOrvan::EnableBtnClick(QObject*)
{
    if (platform::state(EnableButton) != 0) {
        platform::log(QStringLiteral("Enabled"));
        platform::setEnabled(sTextTarget, true);
        platform::setEnabled(sTextOne, true);
        platform::setEnabled(sTextTwo, true);
        platform::setEnabled(sTextThree, true);
        platform::setEnabled(targetColorButton, true);
        if (CBColorMode == 1) {
            platform::log(QStringLiteral("Gray mode"));
            platform::select(targetColorButton, 0);
            for (int item = 1; item < kTonerCount; ++item) platform::setItemEnabled(targetColorButton, item, false);
        } else {
            platform::log(QStringLiteral("RGB mode"));
            for (int item = 1; item < kTonerCount; ++item) platform::setItemEnabled(targetColorButton, item, true);
        }
        platform::setEnabled(TextOne, true);
        platform::setEnabled(TextTwo, true);
        platform::setEnabled(TextThree, true);
        platform::setEnabled(StepperOne, true);
        platform::setEnabled(StepperTwo, true);
        platform::setEnabled(StepperThree, true);
        targetColorClick(nullptr);
    } else {
        platform::log(QStringLiteral("Disabled"));
        for (QWidget* control : std::initializer_list<QWidget*>{
                 sTextTarget, sTextOne, sTextTwo, sTextThree, targetColorButton, TextOne, TextTwo, TextThree,
                 StepperOne, StepperTwo, StepperThree}) {
            platform::setEnabled(control, false);
        }
        for (int range = 0; range < 3; ++range) {
            for (platform::ColorBox* swatch : bar(range)) {
                if (swatch) swatch->setFillColor(Qt::white);
            }
        }
        platform::setStringValue(TextOne, QStringLiteral("0"));
        platform::setStringValue(TextTwo, QStringLiteral("0"));
        platform::setStringValue(TextThree, QStringLiteral("0"));
    }
}

void ColorBalanceOrvan::targetColorClick(QObject*)
{
    platform::log(QStringLiteral("targetColorClick"));
    const int i = platform::indexOfSelectedItem(targetColorButton);
    platform::logf("[targetColorButton indexOfSelectedItem] = %i", i);
    if (i >= 0 && i < kTonerCount) {
        if (i == 0) platform::log(QStringLiteral("targetColorClick case 0"));
        fillcolorbars(3 * i);
        fillcolorbars(3 * i + 1);
        fillcolorbars(3 * i + 2);
        platform::setStringValue(TextOne, QString::number(colorbalance::workingValue(3 * i)));
        platform::setStringValue(TextTwo, QString::number(colorbalance::workingValue(3 * i + 1)));
        platform::setStringValue(TextThree, QString::number(colorbalance::workingValue(3 * i + 2)));
    }
    platform::log(QStringLiteral("targetColorClick fill done"));
    platform::setIntValue(StepperOne, platform::intValue(platform::stringValue(TextOne)));
    platform::setIntValue(StepperTwo, platform::intValue(platform::stringValue(TextTwo)));
    platform::setIntValue(StepperThree, platform::intValue(platform::stringValue(TextThree)));
}

void ColorBalanceOrvan::textToStepper(QLineEdit* field, platform::Stepper* stepper, QObject* sender)
{
    platform::setIntValue(stepper, platform::intValue(platform::stringValue(field)));
    if (sender) targetColorClick(nullptr);
}

void ColorBalanceOrvan::stepperToValue(int range, platform::Stepper* stepper, QLineEdit* field, QObject* sender)
{
    const int t = platform::indexOfSelectedItem(targetColorButton);
    if (t >= 0 && t < kTonerCount) {
        const int v = platform::intValue(stepper);
        colorbalance::workingValue(3 * t + range) = v;
        platform::setStringValue(field, QString::number(v));
    }
    if (sender) targetColorClick(nullptr);
}

void ColorBalanceOrvan::TextOneClick(QObject* sender) { textToStepper(TextOne, StepperOne, sender); }
void ColorBalanceOrvan::TextTwoClick(QObject* sender) { textToStepper(TextTwo, StepperTwo, sender); }
void ColorBalanceOrvan::TextThreeClick(QObject* sender) { textToStepper(TextThree, StepperThree, sender); }

void ColorBalanceOrvan::StepperOneClick(QObject* sender) { stepperToValue(0, StepperOne, TextOne, sender); }
void ColorBalanceOrvan::StepperTwoClick(QObject* sender) { stepperToValue(1, StepperTwo, TextTwo, sender); }
void ColorBalanceOrvan::StepperThreeClick(QObject* sender)
{
    stepperToValue(2, StepperThree, TextThree, sender);
}

void ColorBalanceOrvan::controlTextDidChange(QObject* field)
{
    // A lone minus sign waits for its digit: nothing is stored or redrawn yet.
    const auto isLoneMinus = [](const QLineEdit* edit) { return platform::stringValue(edit) == QLatin1String("-"); };
    if (field && field == TextOne && !isLoneMinus(TextOne)) {
        TextOneClick(nullptr);
        StepperOneClick(nullptr);
        targetColorClick(nullptr);
    }
    if (field && field == TextTwo && !isLoneMinus(TextTwo)) {
        TextTwoClick(nullptr);
        StepperTwoClick(nullptr);
        targetColorClick(nullptr);
    }
    if (field && field == TextThree && !isLoneMinus(TextThree)) {
        TextThreeClick(nullptr);
        StepperThreeClick(nullptr);
        targetColorClick(nullptr);
    }
}

bool ColorBalanceOrvan::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::NoModifier || (key->key() != Qt::Key_Up && key->key() != Qt::Key_Down))
        return false;
    platform::Stepper* stepper = watched == TextOne ? StepperOne
                                 : watched == TextTwo ? StepperTwo
                                 : watched == TextThree ? StepperThree
                                                        : nullptr;
    if (!stepper || !stepper->isEnabled()) return false;
    // The stepper's own step: its limits and increment, then its action.
    if (key->key() == Qt::Key_Up) {
        stepper->stepUp();
    } else {
        stepper->stepDown();
    }
    return true;
}

void ColorBalanceOrvan::windowWillClose()
{
    if (deallocating_) return;
    // The window was this controller's reason to be; whoever still holds it holds a QPointer.
    deleteLater();
}
