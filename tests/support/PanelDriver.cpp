// The libcups PPD interface is deprecated in CUPS 2.4, but it is how the panels and
// the host describe printer options; its deprecation warnings are silenced here only.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "tests/support/PanelDriver.h"

#include "colorbalance/ColorBalanceState.h"
#include "plugin/SharedPanelState.h"
#include "platform/Controls.h"
#include "platform/Help.h"
#include "platform/PrintSettings.h"
#include "platform/Stepper.h"
#include "platform/Window.h"
#include "plugin/PDETool.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <array>
#include <cstdio>
#include <cstdlib>

namespace panels {

namespace {

FailureHandler& failureHandler()
{
    static FailureHandler handler;
    return handler;
}

TraceSink& traceSink()
{
    static TraceSink sink;
    return sink;
}

} // namespace

FailureHandler setFailureHandler(FailureHandler handler) { return std::exchange(failureHandler(), std::move(handler)); }

void fail(const char* file, int line, const QString& what)
{
    if (const FailureHandler& handler = failureHandler()) {
        handler(file, line, what);
        return;
    }
    std::fprintf(stderr, "\n==panels== check failed at %s:%d\n==panels== %s\n", file, line, qPrintable(what));
    std::fflush(stderr);
    std::abort();
}

TraceSink setTraceSink(TraceSink sink) { return std::exchange(traceSink(), std::move(sink)); }

bool tracing() { return static_cast<bool>(traceSink()); }

void trace(const QString& line)
{
    if (const TraceSink& sink = traceSink()) sink(line);
}

void settle()
{
    // Twice: an object going may give up another one.
    for (int i = 0; i < 2; ++i) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void resetState()
{
    settle();
    resetSharedPanelState();
    platform::resetHelpRegistry();
}

void checkNoWindowsLeft()
{
    const QWidgetList left = QApplication::topLevelWidgets();
    QStringList names;
    for (const QWidget* w : left) names << QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
    PANELS_CHECK(left.isEmpty(), QStringLiteral("windows left: ") + names.join(QStringLiteral(", ")));
    PANELS_CHECK(!QApplication::activeModalWidget(), QStringLiteral("a modal window is still up"));
}

namespace {

// The keyword each pop-up of the Image Options panel hands over, with the print-settings
// key of its position, in the order of popUps().
const std::array<std::pair<const char*, const char*>, 6> kPopUpKeys = {{
    {"ColorModel", "colormodeSettings"},
    {"DrvResolution", "imagequalitySettings"},
    {"ImageType", "imagetypeSettings"},
    {"ImageAdjustmentMode", "imageadjustSettings"},
    {"Screen", "screenSettings"},
    {"TonerMode", "TonerSaveSettings"},
}};

std::array<QComboBox*, 6> popUps(PrinterPDEOrvan& panel)
{
    return {panel.outputcolorButton.data(), panel.imagequalityButton.data(), panel.imagetypeButton.data(),
            panel.imageadjustButton.data(),  panel.screenButton.data(),       panel.TonerSaveButton.data()};
}

const std::array<const char*, 12> kDensityKeys = {
    "BlackLowSettings",   "BlackMidSettings",   "BlackHighSettings",  "CyanLowSettings",
    "CyanMidSettings",    "CyanHighSettings",   "MagentaLowSettings", "MagentaMidSettings",
    "MagentaHighSettings", "YellowLowSettings", "YellowMidSettings",  "YellowHighSettings",
};

QString pick(Choices& in, const char32_t* pool, std::size_t poolSize, int maxChars)
{
    QString text;
    const int n = in.below(maxChars + 1);
    for (int i = 0; i < n; ++i) {
        const char32_t c = pool[in.byte() % poolSize];
        text.append(QString::fromUcs4(&c, 1));
    }
    return text;
}

constexpr char32_t kDensityKeysTyped[] = {U'-', U'0', U'1', U'2', U'3', U'4', U'9', U'+', U' ', U'x', 0x0661};
constexpr char32_t kEntryKeysTyped[] = {U'a', U'Z', U'0', U'5', U'9', U' ', U'-', U'_', U'.', 0xE9,
                                        0xFE, 0xFF, 0x0661, 0xFF13, 0x4E2D, 0x1D7CE, U'~', 0x7F};
// Entries the Secure Print dialog takes, so that sequences confirm it often.
const std::array<const char*, 4> kUserIDs = {"alice", "bob7", "C 3", "12345678"};
const std::array<const char*, 4> kPasscodes = {"1234", "0", "987654321012", "2468"};
const std::array<const char*, 4> kJobNames = {"Report", "", "Q3 plan", "x"};

// Picks up `field` in whole or in part before typing, as a user does.
void placeCaret(Choices& in, QLineEdit* field)
{
    if (!field) return;
    switch (in.below(3)) {
    case 0: field->selectAll(); break;
    case 1: field->end(false); break;
    default: field->setCursorPosition(in.below(static_cast<int>(field->text().size()) + 1)); break;
    }
}

// Replaces a field's text by typing, as a user does.
void retype(QLineEdit* field, const QString& text)
{
    if (!field || !field->isEnabled()) return;
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    typeKeys(field, text);
}

// Opens a pop-up's list and leaves it with Escape: only the list may close.
void escapeFromList(QComboBox* popup)
{
    if (!popup || !popup->isEnabled() || !popup->isVisible()) return;
    popup->showPopup();
    QWidget* list = QApplication::activePopupWidget();
    QTest::keyClick(list ? list : static_cast<QWidget*>(popup), Qt::Key_Escape);
    if (QApplication::activePopupWidget()) popup->hidePopup();
}

bool isBase64(const QString& text)
{
    const auto decoded =
        QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    return text.size() % 4 == 0 && decoded && (*decoded).toBase64() == text.toLatin1();
}

bool isPPDChoice(ppd_file_t* ppd, const QString& keyword, const QString& choice)
{
    ppd_option_t* option = ppd ? ppdFindOption(ppd, keyword.toUtf8().constData()) : nullptr;
    if (!option) return false;
    for (int i = 0; i < option->num_choices; ++i) {
        if (choice == QString::fromLatin1(option->choices[i].choice)) return true;
    }
    return false;
}

// A text that is a decimal integer in the form QString::number gives, within [low, high].
bool isNumberIn(const QString& text, qint64 low, qint64 high)
{
    bool ok = false;
    const qint64 v = text.toLongLong(&ok);
    return ok && QString::number(v) == text && v >= low && v <= high;
}

bool allDecimalDigits(const QString& text)
{
    for (char32_t c : text.toUcs4()) {
        if (QChar::category(c) != QChar::Number_DecimalDigit) return false;
    }
    return true;
}

QString describe(const QString& key, const QString& value)
{
    return QStringLiteral("%1=\"%2\"").arg(key, value.left(80));
}

} // namespace

// ---------------------------------------------------------------------------------

Panels::Panels(ppd_file_t* ppd, bool offersChoiceMarking, platform::Bundle* bundle)
    : ppd_(ppd), bundle_(bundle), host_(std::make_unique<host::HostCallback>(ppd, offersChoiceMarking)),
      timers_(std::make_unique<QObject>())
{
    // The entry object makes the Image Options panel first.
    imageOptions_ = PrinterPDEOrvan::initWithCallback(host_.get(), bundle_);
    jobType_ = PrinterJobPDEOrvan::initWithCallback(host_.get(), bundle_);
}

Panels::~Panels()
{
    timers_.reset();
    jobType_.reset();
    imageOptions_.reset();
    settle();
    host_.reset();
}

void Panels::open(bool showViews)
{
    if (showViews) for (platform::PDEPanel* panel : {static_cast<platform::PDEPanel*>(imageOptions_.get()),
                                      static_cast<platform::PDEPanel*>(jobType_.get())}) {
        if (QWidget* view = panel->panelView()) view->show();
        panel->willShow();
    }
    imageOptions_->restoreValuesAndReturnError(nullptr);
    jobType_->restoreValuesAndReturnError(nullptr);
    checkState();
}

void Panels::reloadView(bool imageOptions)
{
    // The host destroyed the view with its window and asks for it again.
    platform::PDEPanel* panel = imageOptions ? static_cast<platform::PDEPanel*>(imageOptions_.get())
                                             : static_cast<platform::PDEPanel*>(jobType_.get());
    delete (imageOptions ? imageOptions_->PDEView.data() : jobType_->JobTypeView.data());
    if (QWidget* view = panel->panelView()) view->show();
    panel->willShow();
}

void Panels::withDialogsDriven(Choices& in, const std::function<void()>& work)
{
    // Whichever dialog the work opens is driven inside its modal loop; the watchdog
    // looks for it each time the loop runs, so no input can leave a dialog waiting.
    QTimer watchdog;
    watchdog.setInterval(0);
    bool driven = false;
    QObject::connect(&watchdog, &QTimer::timeout, timers_.get(), [this, &in, &driven] {
        if (driven) return;
        if (imageOptions_->aColorBalance && platform::isRunningModal(imageOptions_->aColorBalance->window())) {
            driven = true;
            colorBalanceInside(in);
        } else if (jobType_->aJobTypeSetup && platform::isRunningModal(jobType_->aJobTypeSetup->window())) {
            driven = true;
            securePrintInside(in);
        }
    });
    watchdog.start();
    work();
    watchdog.stop();
    settle();
}

void Panels::choosePopUp(Choices& in)
{
    const auto popups = popUps(*imageOptions_);
    QComboBox* popup = popups[static_cast<std::size_t>(in.below(static_cast<int>(popups.size())))];
    chooseItem(popup, in.below(popup ? popup->count() + 1 : 1));
}

void Panels::userAction(Choices& in)
{
    PrinterPDEOrvan& io = *imageOptions_;
    PrinterJobPDEOrvan& jt = *jobType_;
    const int action = in.below(11);
    trace(QStringLiteral("user action %1").arg(action));
    withDialogsDriven(in, [&] {
        switch (action) {
        case 0:
        case 1:
        case 2: choosePopUp(in); break;
        case 3: click(io.GrayGuaranteeButton); break;
        case 4:
            // The slider from the keyboard: a step, a page or an end.
            if (io.brightnessSlider && io.brightnessSlider->isEnabled()) {
                static constexpr Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home,
                                                   Qt::Key_End,  Qt::Key_PageUp, Qt::Key_PageDown};
                QTest::keyClick(io.brightnessSlider, keys[in.below(static_cast<int>(std::size(keys)))]);
            }
            break;
        case 5: click(io.defaultButton); break;
        case 6: click(io.colorBalanceButton); break;
        case 7: chooseItem(jt.jobtypeButton, in.below(3)); break;
        case 8: click(jt.setupButton); break;
        case 9: click(jt.defaultButton); break;
        default: escapeFromList(popUps(io)[static_cast<std::size_t>(in.below(6))]); break;
        }
    });
    if (tracing()) {
        QStringList shown;
        for (QComboBox* popup : popUps(io)) shown << QString::number(popup ? popup->currentIndex() : -2);
        trace(QStringLiteral("  pop-ups %1, gray guarantee %2, brightness %3, job type %4, hand-overs %5")
                  .arg(shown.join(QLatin1Char(' ')))
                  .arg(io.GrayGuaranteeButton ? platform::state(io.GrayGuaranteeButton) : -2)
                  .arg(io.brightnessSlider ? io.brightnessSlider->value() : -99)
                  .arg(jt.jobtypeButton ? jt.jobtypeButton->currentIndex() : -2)
                  .arg(host_->handOvers().size()));
    }
    checkState();
}

void Panels::act(Choices& in)
{
    PrinterPDEOrvan& io = *imageOptions_;
    PrinterJobPDEOrvan& jt = *jobType_;
    const int action = in.below(8);
    if (action < 3) return userAction(in);
    trace(QStringLiteral("host action %1").arg(action));
    withDialogsDriven(in, [&] {
        switch (action) {
        case 3:
            if (in.flag()) io.saveValuesAndReturnError(nullptr);
            else jt.saveValuesAndReturnError(nullptr);
            break;
        case 4:
            if (in.flag()) io.restoreValuesAndReturnError(nullptr);
            else jt.restoreValuesAndReturnError(nullptr);
            break;
        case 5:
            io.summaryInfo();
            jt.summaryInfo();
            if (platform::PrintSession* session = host_->printSession()) {
                session->destinationType = static_cast<uint16_t>(in.below(5));
                session->showsDialogs = in.below(4) != 0;
            }
            io.shouldPrint();
            jt.shouldPrint();
            break;
        case 6:
            if (in.flag()) reloadView(in.flag());
            else if (in.flag()) io.willShow();
            else jt.willShow();
            break;
        default: {
            // The host marks a choice of its own (a preset, a conflict resolved) and tells
            // the panels.
            if (!ppd_ || ppd_->num_groups <= 0) break;
            int count = 0;
            for (ppd_option_t* o = ppdFirstOption(ppd_); o; o = ppdNextOption(ppd_)) ++count;
            int wanted = in.below(count);
            ppd_option_t* option = ppdFirstOption(ppd_);
            while (option && wanted-- > 0) option = ppdNextOption(ppd_);
            if (!option || option->num_choices <= 0) break;
            const ppd_choice_t& choice = option->choices[in.below(option->num_choices)];
            ppdMarkOption(ppd_, option->keyword, choice.choice);
            io.PPDOptionKeyValueDidChange(QString::fromLatin1(option->keyword), QString::fromLatin1(choice.choice));
            jt.PPDOptionKeyValueDidChange(QString::fromLatin1(option->keyword), QString::fromLatin1(choice.choice));
            break;
        }
        }
    });
    checkState();
}

void Panels::colorBalanceInside(Choices& in)
{
    QPointer<ColorBalanceOrvan> cb = imageOptions_->aColorBalance;
    const int steps = in.below(12);
    // Return in a field may end the dialog (its default button): no step after that.
    for (int i = 0; i < steps && cb && platform::isRunningModal(cb->window()); ++i) {
        const std::array<QLineEdit*, 3> fields = {cb->TextOne, cb->TextTwo, cb->TextThree};
        const std::array<platform::Stepper*, 3> steppers = {cb->StepperOne, cb->StepperTwo, cb->StepperThree};
        const int step = in.below(10);
        trace(QStringLiteral("  color balance step %1").arg(step));
        switch (step) {
        case 0: click(cb->EnableButton); break;
        case 1: chooseItem(cb->targetColorButton, in.below(5)); break;
        case 2:
        case 3: {
            QLineEdit* field = fields[static_cast<std::size_t>(in.below(3))];
            if (!field || !field->isEnabled()) break;
            placeCaret(in, field);
            if (in.below(4) == 0) QTest::keyClick(field, Qt::Key_Backspace);
            typeKeys(field, pick(in, kDensityKeysTyped, std::size(kDensityKeysTyped), 3));
            if (in.flag()) QTest::keyClick(field, Qt::Key_Return);
            break;
        }
        case 4: {
            platform::Stepper* stepper = steppers[static_cast<std::size_t>(in.below(3))];
            if (!stepper) break;
            const bool up = in.flag();
            if (in.flag()) {
                click(stepper->findChild<QToolButton*>(up ? QStringLiteral("stepperUp") : QStringLiteral("stepperDown")));
            } else if (stepper->isEnabled()) {
                QTest::keyClick(stepper, up ? Qt::Key_Up : Qt::Key_Down);
            }
            break;
        }
        case 5: {
            // The arrow keys in a number field step it as its stepper does.
            QLineEdit* field = fields[static_cast<std::size_t>(in.below(3))];
            if (field && field->isEnabled()) QTest::keyClick(field, in.flag() ? Qt::Key_Up : Qt::Key_Down);
            break;
        }
        case 6: escapeFromList(cb->targetColorButton); break;
        case 7: click(cb->defaultButton); break;
        case 8: click(cb->helpButton); break;
        default: break;
        }
    }
    if (!cb) {
        fail(__FILE__, __LINE__, QStringLiteral("the Color Balance controller went while its dialog ran"));
        return;
    }
    QDialog* window = cb->window();
    const int end = in.below(4);
    if (!platform::isRunningModal(window)) return;
    trace(QStringLiteral("  color balance ends by %1").arg(end));
    switch (end) {
    case 0: click(cb->okButton); break;
    case 1: click(cb->closeButton); break;
    case 2: QTest::keyClick(window, Qt::Key_Escape); break;
    default: window->close(); break;
    }
    if (cb && platform::isRunningModal(cb->window())) {
        cb->closeBtnClick(nullptr);
        fail(__FILE__, __LINE__, QStringLiteral("the Color Balance dialog did not end (way %1)").arg(end));
    }
}

void Panels::securePrintInside(Choices& in)
{
    QPointer<JobTypeSetup> setup = jobType_->aJobTypeSetup;
    const int steps = in.below(10);
    for (int i = 0; i < steps && setup && platform::isRunningModal(setup->window()); ++i) {
        const std::array<QLineEdit*, 3> fields = {setup->TextUserIDBox, setup->TextPasscodeBox, setup->TextJobNameBox};
        const int step = in.below(9);
        trace(QStringLiteral("  secure print step %1").arg(step));
        switch (step) {
        case 0:
        case 1:
        case 2: {
            QLineEdit* field = fields[static_cast<std::size_t>(in.below(3))];
            if (!field || !field->isEnabled()) break;
            placeCaret(in, field);
            if (in.below(4) == 0) {
                QApplication::clipboard()->setText(pick(in, kEntryKeysTyped, std::size(kEntryKeysTyped), 14));
                QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            } else {
                typeKeys(field, pick(in, kEntryKeysTyped, std::size(kEntryKeysTyped), 9));
            }
            break;
        }
        case 3: chooseItem(setup->pJobNameButton, in.below(3)); break;
        case 4: click(setup->defaultButton); break;
        case 5:
        case 6: {
            // Entries the dialog takes: a user ID, a passcode, and maybe a new job name.
            retype(setup->TextUserIDBox, QLatin1String(kUserIDs[static_cast<std::size_t>(in.below(4))]));
            retype(setup->TextPasscodeBox, QLatin1String(kPasscodes[static_cast<std::size_t>(in.below(4))]));
            if (in.flag()) {
                chooseItem(setup->pJobNameButton, 1);
                retype(setup->TextJobNameBox, QLatin1String(kJobNames[static_cast<std::size_t>(in.below(4))]));
            }
            break;
        }
        case 7: escapeFromList(setup->pJobNameButton); break;
        default: click(setup->helpButton); break;
        }
    }
    if (!setup) {
        fail(__FILE__, __LINE__, QStringLiteral("the Secure Print controller went while its dialog ran"));
        return;
    }
    const int end = in.below(4);
    if (!platform::isRunningModal(setup->window())) return;
    trace(QStringLiteral("  secure print ends by %1").arg(end));
    switch (end) {
    case 0: click(setup->okButton); break;
    case 1: click(setup->closeButton); break;
    case 2: QTest::keyClick(setup->window(), Qt::Key_Escape); break;
    default: setup->window()->close(); break;
    }
    // OK with entries the dialog refuses leaves it open with an alert; the user cancels.
    if (end == 0 && setup && platform::isRunningModal(setup->window())) click(setup->closeButton);
    if (setup && platform::isRunningModal(setup->window())) {
        setup->closeBtnClick(nullptr);
        fail(__FILE__, __LINE__, QStringLiteral("the Secure Print dialog did not end (way %1)").arg(end));
    }
    QApplication::clipboard()->clear();
}

// ---------------------------------------------------------------------------------
// Checks

QMap<QString, QString> Panels::saveIntoEmptyRecord()
{
    platform::PrintSettings* settings = host_->printSettings();
    if (!settings) {
        imageOptions_->saveValuesAndReturnError(nullptr);
        jobType_->saveValuesAndReturnError(nullptr);
        return {};
    }
    const QMap<QString, QString> kept = settings->values;
    settings->values.clear();
    imageOptions_->saveValuesAndReturnError(nullptr);
    jobType_->saveValuesAndReturnError(nullptr);
    QMap<QString, QString> written = settings->values;
    settings->values = kept;
    return written;
}

void Panels::checkWritten(const QMap<QString, QString>& written) const
{
    for (auto it = written.cbegin(); it != written.cend(); ++it) {
        const QString& key = it.key();
        const QString& value = it.value();
        const QString what = describe(key, value);

        bool known = false;
        for (const auto& [keyword, settingsKey] : kPopUpKeys) {
            if (key != QLatin1String(settingsKey)) continue;
            known = true;
            ppd_option_t* option = ppd_ ? ppdFindOption(ppd_, keyword) : nullptr;
            const int count = option ? option->num_choices : 0;
            PANELS_CHECK(isNumberIn(value, -1, count - 1),
                       what + QStringLiteral(": no position of the %1 choices of %2").arg(count).arg(QLatin1String(keyword)));
        }
        for (const char* densityKey : kDensityKeys) {
            if (key != QLatin1String(densityKey)) continue;
            known = true;
            PANELS_CHECK(isNumberIn(value, -3, 3), what + QStringLiteral(": no density"));
        }
        if (known) continue;

        if (key == QLatin1String("brightnessSettings")) {
            const QSlider* slider = imageOptions_->brightnessSlider;
            const int low = slider ? slider->minimum() : 0;
            const int high = slider ? slider->maximum() : 0;
            PANELS_CHECK(isNumberIn(value, low, high), what + QStringLiteral(": outside the slider's range"));
        } else if (key == QLatin1String("GrayGuaranteeSettings") || key == QLatin1String("stateEnableSettings")
                   || key == QLatin1String("jobtypeSettings")) {
            PANELS_CHECK(isNumberIn(value, 0, 1), what + QStringLiteral(": no state"));
        } else if (key == QLatin1String("statetargetColorSettings")) {
            PANELS_CHECK(isNumberIn(value, 0, 3), what + QStringLiteral(": no target toner"));
        } else if (key == QLatin1String("jobtypeUserID")) {
            PANELS_CHECK(response.has_value(), what + QStringLiteral(": written without a setup result"));
            PANELS_CHECK(value == response->userID, what + QStringLiteral(": not the user ID of the last OK"));
            bool ascii = !value.trimmed().isEmpty();
            for (QChar c : value) ascii = ascii && c.unicode() < 127;
            PANELS_CHECK(ascii && value.toUtf8().size() <= 8, what + QStringLiteral(": a user ID the dialog refuses"));
        } else if (key == QLatin1String("jobtypePasscode")) {
            PANELS_CHECK(response.has_value(), what + QStringLiteral(": written without a setup result"));
            PANELS_CHECK(value == response->passcode, what + QStringLiteral(": not the passcode of the last OK"));
            PANELS_CHECK(!value.isEmpty() && value.toUtf8().size() <= 12 && allDecimalDigits(value),
                       what + QStringLiteral(": a passcode the dialog refuses"));
        } else if (key == QLatin1String("jobtypeDocName")) {
            PANELS_CHECK(response.has_value() && response->jobNameMode == 1,
                       what + QStringLiteral(": written without a new job name"));
            PANELS_CHECK(value == response->newJobName, what + QStringLiteral(": not the job name of the last OK"));
            bool name = value.toUtf8().size() <= 12;
            for (QChar c : value) name = name && (c.unicode() < 127 || (c.unicode() >= 160 && c.unicode() <= 254));
            PANELS_CHECK(name, what + QStringLiteral(": a job name the dialog refuses"));
        } else {
            PANELS_CHECK(false, what + QStringLiteral(": a key the panels do not write"));
        }
    }
}

void Panels::checkHandOvers() const
{
    for (const host::HandOver& h : host_->handOvers()) {
        const QString& key = h.first;
        const QString& choice = h.second;
        const QString what = QStringLiteral("hand-over ") + describe(key, choice);

        bool popUp = false;
        for (const auto& entry : kPopUpKeys) popUp = popUp || key == QLatin1String(entry.first);
        bool density = false;
        for (int i = 0; i < colorbalance::kDensityCount; ++i)
            density = density || key == QLatin1String(colorbalance::densityKeyword(i));

        if (popUp) {
            // Gray output turns image type processing off, whatever the PPD offers.
            const bool grayImageType = key == QLatin1String("ImageType") && choice == QLatin1String("Off");
            PANELS_CHECK(grayImageType || isPPDChoice(ppd_, key, choice), what + QStringLiteral(": no choice of the PPD"));
        } else if (density) {
            PANELS_CHECK(isNumberIn(choice, -3, 3), what + QStringLiteral(": no density"));
        } else if (key == QLatin1String("Brightness")) {
            PANELS_CHECK(isPPDChoice(ppd_, key, choice), what + QStringLiteral(": no choice of the PPD"));
        } else if (key == QLatin1String("GrayGuarantee")) {
            PANELS_CHECK(choice == QLatin1String("True") || choice == QLatin1String("False"), what);
        } else if (key == QLatin1String("JobType")) {
            PANELS_CHECK(choice == QLatin1String("Normal") || choice == QLatin1String("Secure"), what);
        } else if (key == QLatin1String("UserID") || key == QLatin1String("SecurePrintPasscode")
                   || key == QLatin1String("NewJob")) {
            PANELS_CHECK(isBase64(choice), what + QStringLiteral(": not Base64"));
        } else {
            PANELS_CHECK(false, what + QStringLiteral(": a keyword the panels do not hand over"));
        }
    }
}

void Panels::checkState() const
{
    for (int i = 0; i < colorbalance::kDensityCount; ++i) {
        const int64_t v = colorbalance::workingValue(i);
        PANELS_CHECK(v >= -3 && v <= 3, QStringLiteral("working density %1 is %2").arg(i).arg(v));
    }
    if (ColorBlanceRes) {
        PANELS_CHECK(ColorBlanceRes->size() == colorbalance::kDensityCount,
                   QStringLiteral("%1 committed densities").arg(ColorBlanceRes->size()));
        for (int32_t v : *ColorBlanceRes) PANELS_CHECK(v >= -3 && v <= 3, QStringLiteral("committed density %1").arg(v));
    }
    PANELS_CHECK(CBtarget >= 0 && CBtarget <= 3, QStringLiteral("target toner %1").arg(CBtarget));
    PANELS_CHECK(statetargetColorButton >= 0 && statetargetColorButton <= 3,
               QStringLiteral("recorded target toner %1").arg(statetargetColorButton));
    PANELS_CHECK(stateEnableButton == 0 || stateEnableButton == 1, QStringLiteral("switch %1").arg(stateEnableButton));
    PANELS_CHECK(CBColorMode == 0 || CBColorMode == 1, QStringLiteral("colour mode %1").arg(CBColorMode));
    PANELS_CHECK(secureIndex == 0 || secureIndex == 1, QStringLiteral("job type %1").arg(secureIndex));
    PANELS_CHECK(jobnameMode == 0 || jobnameMode == 1, QStringLiteral("job name mode %1").arg(jobnameMode));
    if (response) {
        PANELS_CHECK(response->jobNameMode == 1 || response->newJobName.isNull(), QStringLiteral("a new job name in mode 0"));
        PANELS_CHECK(response->jobNameMode == 0 || response->jobNameMode == 1,
                   QStringLiteral("setup result mode %1").arg(response->jobNameMode));
    }
}

void Panels::finish(Choices& in)
{
    checkHandOvers();
    QMap<QString, QString> written = saveIntoEmptyRecord();
    checkWritten(written);

    // What the panels saved comes back when restored. The first restore may still
    // follow marks the host set on its own (the panels take the host's marks when they
    // restore); after it, restoring what was saved and saving again changes nothing.
    for (int round = 0; round < 2; ++round) {
        if (platform::PrintSettings* settings = host_->printSettings()) settings->values = written;
        imageOptions_->restoreValuesAndReturnError(nullptr);
        jobType_->restoreValuesAndReturnError(nullptr);
        checkState();
        const QMap<QString, QString> again = saveIntoEmptyRecord();
        checkWritten(again);
        if (round == 1) {
            for (auto it = written.cbegin(); it != written.cend(); ++it) {
                PANELS_CHECK(again.value(it.key()) == it.value(),
                           describe(it.key(), it.value())
                               + QStringLiteral(" saved, restored and saved again as \"%1\"").arg(again.value(it.key())));
            }
            PANELS_CHECK(again.size() == written.size(), QStringLiteral("%1 keys saved, %2 after restoring them")
                                                           .arg(written.size())
                                                           .arg(again.size()));
        }
        written = again;
    }

    imageOptions_->summaryInfo();
    jobType_->summaryInfo();
    // A Secure Print restored without entries it accepts asks for them before printing:
    // the dialog that opens is driven like any other.
    withDialogsDriven(in, [this] {
        imageOptions_->shouldPrint();
        jobType_->shouldPrint();
    });
    checkHandOvers();
    checkState();
}

} // namespace panels
