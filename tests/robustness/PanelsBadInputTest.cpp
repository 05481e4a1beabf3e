// Both panels and both dialogs against input they do not control: printer descriptions
// that lack options or name no default, a bundle without its layouts or its string
// tables, and print-settings records holding anything at all. Real widgets, the host's
// own callback over real PPD files.
// ppdFindOption/ppdFindChoice: the PPD interface, deprecated in CUPS 2.4.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "colorbalance/ColorBalance-Orvan.h"
#include "colorbalance/ColorBalanceState.h"
#include "imageoptions/PrinterPDE-Orvan.h"
#include "jobtype/JobTypeSetup.h"
#include "jobtype/PrinterJobPDE-Orvan.h"
#include "plugin/SharedPanelState.h"
#include "platform/Bundle.h"
#include "platform/Controls.h"
#include "platform/Help.h"
#include "platform/PrintSettings.h"
#include "platform/Stepper.h"
#include "plugin/PDETool.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.left(60).toStdString() << '"'; }

namespace {

using host::HandOver;
using Values = QMap<QString, QString>;

const char* const kPopUpKeys[][2] = {
    {"colormodeSettings", "ColorModel"},   {"imagequalitySettings", "DrvResolution"},
    {"imagetypeSettings", "ImageType"},    {"imageadjustSettings", "ImageAdjustmentMode"},
    {"TonerSaveSettings", "TonerMode"},    {"screenSettings", "Screen"},
};
const char* const kDensityKeys[] = {
    "BlackLowSettings",   "BlackMidSettings",   "BlackHighSettings",   "CyanLowSettings",
    "CyanMidSettings",    "CyanHighSettings",   "MagentaLowSettings",  "MagentaMidSettings",
    "MagentaHighSettings", "YellowLowSettings", "YellowMidSettings",   "YellowHighSettings",
};
const char* const kSecureTextKeys[][2] = {
    {"jobtypeUserID", "UserID"}, {"jobtypePasscode", "SecurePrintPasscode"}, {"jobtypeDocName", "NewJob"}};

// Every key either panel reads or writes.
QStringList everyRecordKey()
{
    QStringList keys;
    for (const auto& k : kPopUpKeys) keys << QString::fromLatin1(k[0]);
    for (const char* k : kDensityKeys) keys << QString::fromLatin1(k);
    for (const char* k : {"brightnessSettings", "GrayGuaranteeSettings", "stateEnableSettings",
                          "statetargetColorSettings", "jobtypeSettings"})
        keys << QString::fromLatin1(k);
    for (const auto& k : kSecureTextKeys) keys << QString::fromLatin1(k[0]);
    return keys;
}

// Values nobody should have stored, but a damaged or foreign record may hold.
QStringList hostileValues()
{
    return {QString(""),
            QStringLiteral("abc"),
            QStringLiteral("99999999999999999999"),
            QStringLiteral("-99999999999999999999"),
            QStringLiteral("-1"),
            QStringLiteral("-7"),
            QStringLiteral("2147483648"),
            QStringLiteral(" +3"),
            QStringLiteral("1.5"),
            QStringLiteral("0x10"),
            QString(10000, QLatin1Char('7')),
            QString(10000, QLatin1Char('x')),
            QString(10000, QChar(0x00e9))};
}

// Whether `text` is "%d" of a number from `low` to `high`.
bool isNumberIn(const QString& text, int low, int high)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && QString::number(n) == text && n >= low && n <= high;
}

QString decodeBase64(const QString& text, bool* ok)
{
    const auto decoded = QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    *ok = bool(decoded) && decoded.decoded.toBase64() == text.toLatin1();
    return QString::fromUtf8(decoded.decoded);
}

// A modal loop started by `open` runs `interact` on its window; the window must be
// gone afterwards.
void inModal(const std::function<void()>& open, const std::function<void(QDialog*)>& interact)
{
    bool ran = false;
    QTimer::singleShot(0, qApp, [&] {
        ran = true;
        auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr) << "no modal window is running";
        QPointer<QDialog> guard(window);
        interact(window);
        if (guard && guard->isVisible()) {
            ADD_FAILURE() << "the modal window is still open";
            guard->reject();
        }
    });
    open();
    EXPECT_TRUE(ran);
}

template <class T>
T* child(QWidget* root, const char* name)
{
    return root ? root->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

void copyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        ASSERT_TRUE(QFile::copy(file, target)) << target.toStdString();
    }
}

// The action slots (`void name(QObject*)`) a panel declares itself.
QList<QMetaMethod> actionsOf(const QObject* panel)
{
    QList<QMetaMethod> actions;
    const QMetaObject* meta = panel->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Slot && method.parameterCount() == 1 &&
            method.parameterType(0) == QMetaType::QObjectStar)
            actions << method;
    }
    return actions;
}

class PanelsBadInput : public ::testing::Test {
protected:
    void SetUp() override { resetState(); }

    void TearDown() override
    {
        io_.reset();
        jt_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        host_.reset();
        ppd_.reset();
        resetState();
    }

    static void resetState()
    {
        resetSharedPanelState();
        platform::resetHelpRegistry();
    }

    // Both panels over `ppdPath` (none when empty) from `bundle`.
    void build(const QString& ppdPath, platform::Bundle* bundle, bool offersMarking = true)
    {
        io_.reset();
        jt_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        host_.reset();
        ppd_.reset();
        if (!ppdPath.isEmpty()) ppd_ = testsupport::openTestPpd(ppdPath);
        host_ = std::make_unique<host::HostCallback>(ppd_.get(), offersMarking);
        io_ = PrinterPDEOrvan::initWithCallback(host_.get(), bundle);
        jt_ = PrinterJobPDEOrvan::initWithCallback(host_.get(), bundle);
    }

    void show()
    {
        for (platform::PDEPanel* panel : {static_cast<platform::PDEPanel*>(io_.get()), static_cast<platform::PDEPanel*>(jt_.get())}) {
            QWidget* view = panel->panelView();
            ASSERT_NE(view, nullptr);
            view->show();
            panel->willShow();
        }
    }

    // Positions a pop-up of option `keyword` can have on this PPD: -1 (none) and each choice.
    int choiceCount(const char* keyword) const
    {
        ppd_option_t* option = ppd_ ? ppdFindOption(ppd_.get(), keyword) : nullptr;
        return option ? option->num_choices : 0;
    }

    // Every value the panels wrote is one they can write: a position of an existing
    // item or -1, a brightness of the slider, a density from -3 to 3, a state 0 or 1,
    // a target toner, and the secure-print texts of the last OK.
    void expectWritable(const Values& written) const
    {
        for (auto it = written.cbegin(); it != written.cend(); ++it) {
            const QString& key = it.key();
            const QString& v = it.value();
            const std::string where = key.toStdString() + " = \"" + v.left(40).toStdString() + "\"";
            bool known = false;
            for (const auto& k : kPopUpKeys)
                if (key == QLatin1String(k[0])) {
                    known = true;
                    EXPECT_TRUE(isNumberIn(v, -1, choiceCount(k[1]) - 1)) << where;
                }
            for (const char* k : kDensityKeys)
                if (key == QLatin1String(k)) {
                    known = true;
                    EXPECT_TRUE(isNumberIn(v, -3, 3)) << where;
                }
            if (key == QLatin1String("brightnessSettings")) {
                known = true;
                EXPECT_TRUE(isNumberIn(v, -2, 2)) << where;
            }
            if (key == QLatin1String("GrayGuaranteeSettings") || key == QLatin1String("stateEnableSettings") ||
                key == QLatin1String("jobtypeSettings")) {
                known = true;
                EXPECT_TRUE(isNumberIn(v, 0, 1)) << where;
            }
            if (key == QLatin1String("statetargetColorSettings")) {
                known = true;
                EXPECT_TRUE(isNumberIn(v, 0, 3)) << where;
            }
            for (int i = 0; i < 3; ++i)
                if (key == QLatin1String(kSecureTextKeys[i][0])) {
                    known = true;
                    ASSERT_TRUE(response) << where << ": written without a confirmed setup";
                    EXPECT_EQ(v, (QStringList{response->userID, response->passcode, response->newJobName}).at(i)) << where;
                }
            EXPECT_TRUE(known) << "a key of nobody's: " << where;
        }
    }

    // Every hand-over names a choice the host can take: a choice of the PPD for the
    // Image Options pop-ups; the panels' own literals, which go over whether or not the
    // PPD has the option ("-3".."3" for densities, "Off" for image types in gray output,
    // "True"/"False" for gray guarantee, a job type); or a whole Base64 text (decoded,
    // one of `texts`) for the secure-print values.
    void expectHandOversSound(const QList<HandOver>& handOvers, const QStringList& texts = {}) const
    {
        for (const HandOver& h : handOvers) {
            const QByteArray key = h.first.toLatin1();
            const std::string where = h.first.toStdString() + " = \"" + h.second.left(40).toStdString() + "\"";
            if (h.first.startsWith(QLatin1String("QVColorDensity"))) {
                EXPECT_TRUE(isNumberIn(h.second, -3, 3)) << where;
            } else if (h.first == QLatin1String("ImageType") && h.second == QLatin1String("Off")) {
            } else if (h.first == QLatin1String("GrayGuarantee")) {
                EXPECT_TRUE(h.second == QLatin1String("True") || h.second == QLatin1String("False")) << where;
            } else if (h.first == QLatin1String("JobType")) {
                EXPECT_TRUE(h.second == QLatin1String("Normal") || h.second == QLatin1String("Secure")) << where;
            } else if (h.first == QLatin1String("UserID") || h.first == QLatin1String("SecurePrintPasscode") ||
                       h.first == QLatin1String("NewJob")) {
                if (h.second == QLatin1String("None")) continue; // withdrawn for a normal job
                bool ok = false;
                const QString decoded = decodeBase64(h.second, &ok);
                EXPECT_TRUE(ok) << where << ": not Base64";
                EXPECT_TRUE(texts.contains(decoded)) << where << ": decodes to a text nobody gave ("
                                                     << decoded.size() << " characters)";
            } else {
                ppd_option_t* option = ppd_ ? ppdFindOption(ppd_.get(), key.constData()) : nullptr;
                ASSERT_NE(option, nullptr) << where << ": an option this printer lacks";
                EXPECT_NE(ppdFindChoice(option, h.second.toUtf8().constData()), nullptr) << where;
            }
        }
    }

    QList<HandOver> takeHandOvers()
    {
        const QList<HandOver> list = host_->handOvers();
        host_->clearHandOvers();
        return list;
    }

    // Secure Print with a user ID, a passcode and, in job name mode 1, a new name.
    void confirmSecurePrint(const QString& user, const QString& pass, const QString& name)
    {
        inModal([&] { platform::select(jt_->jobtypeButton, 1); emit jt_->jobtypeButton->activated(1); },
                [&](QDialog* setup) {
                    QTest::keyClicks(child<QLineEdit>(setup, "TextUserIDBox"), user);
                    QTest::keyClicks(child<QLineEdit>(setup, "TextPasscodeBox"), pass);
                    auto* mode = child<QComboBox>(setup, "pJobNameButton");
                    mode->setCurrentIndex(1);
                    emit mode->activated(1);
                    auto* newName = child<QLineEdit>(setup, "TextJobNameBox");
                    newName->clear();
                    QTest::keyClicks(newName, name);
                    QTest::mouseClick(child<QPushButton>(setup, "okButton"), Qt::LeftButton);
                });
    }

    // Color Balance: the switch on, the first density one step down, OK.
    void confirmColorBalance()
    {
        inModal([&] { QTest::mouseClick(io_->colorBalanceButton, Qt::LeftButton); },
                [&](QDialog* balance) {
                    auto* enable = child<QCheckBox>(balance, "EnableButton");
                    ASSERT_NE(enable, nullptr);
                    if (!enable->isChecked()) enable->click();
                    auto* stepper = child<platform::Stepper>(balance, "StepperOne");
                    ASSERT_NE(stepper, nullptr);
                    QTest::mouseClick(stepper->findChild<QToolButton*>(QStringLiteral("stepperDown")), Qt::LeftButton);
                    QTest::mouseClick(child<QPushButton>(balance, "okButton"), Qt::LeftButton);
                });
    }

    platform::Bundle bundle_{testsupport::bundlePath(), QLocale(QLocale::English, QLocale::UnitedStates)};
    testsupport::AlertRecorder alerts_;
    host::PpdPtr ppd_;
    std::unique_ptr<host::HostCallback> host_;
    std::unique_ptr<PrinterPDEOrvan> io_;
    std::unique_ptr<PrinterJobPDEOrvan> jt_;
};

// No printer description, one with none of the panels' options, one whose defaults
// name no choice, and a host that takes no hand-overs: every control and both dialogs
// still work, hand over only what the host can take (nothing, for the last), and the
// record keeps what the user set.
TEST_F(PanelsBadInput, DescriptionsWithoutOptionsOrDefaultsAndHostsWithoutHandOvers)
{
    struct Case {
        const char* name;
        QString description;
        bool marking;
    };
    const Case cases[] = {
        {"no PPD", QString(), true},
        {"minimal.ppd", testsupport::testDataPath(QStringLiteral("minimal.ppd")), true},
        {"bad-defaults.ppd", testsupport::testDataPath(QStringLiteral("bad-defaults.ppd")), true},
        {"no hand-overs", testsupport::bundledPpdPath(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString& description = c.description;
        resetState();
        build(description, &bundle_, c.marking);
        show();
        takeHandOvers();
        // A host without the hand-over gets none, whatever happens.
        const auto expectSound = [&](const QList<HandOver>& handOvers, const QStringList& texts = {}) {
            if (!c.marking) {
                EXPECT_TRUE(handOvers.isEmpty()) << handOvers.size() << " hand-overs";
            }
            expectHandOversSound(handOvers, texts);
        };

        // Every pop-up item the user can reach, the check box, the slider, Default.
        for (QComboBox* popup : {io_->outputcolorButton.data(), io_->imagequalityButton.data(),
                                 io_->imagetypeButton.data(), io_->imageadjustButton.data(),
                                 io_->TonerSaveButton.data(), io_->screenButton.data()}) {
            ASSERT_NE(popup, nullptr);
            for (int i = 0; popup->isEnabled() && i < popup->count(); ++i) {
                popup->setCurrentIndex(i);
                emit popup->activated(i);
            }
        }
        if (io_->GrayGuaranteeButton->isEnabled()) QTest::mouseClick(io_->GrayGuaranteeButton, Qt::LeftButton);
        QTest::keyClick(io_->brightnessSlider, Qt::Key_End);
        QTest::mouseClick(io_->defaultButton, Qt::LeftButton);
        QTest::keyClick(io_->brightnessSlider, Qt::Key_Home);
        // And every action called from code, as the host's own code paths do.
        for (const QMetaMethod& action : actionsOf(io_.get())) {
            if (action.name() == "colorBalanceButtonPushed") continue; // a dialog of its own below
            EXPECT_TRUE(action.invoke(io_.get(), Qt::DirectConnection, Q_ARG(QObject*, nullptr))) << action.name().data();
        }
        expectSound(takeHandOvers());

        // The Color Balance dialog only for a printer with colour-balance options.
        const bool balance = io_->colorBalanceButton->isEnabled();
        if (balance) {
            confirmColorBalance();
            ASSERT_TRUE(ColorBlanceRes);
            EXPECT_EQ(ColorBlanceRes->size(), 12);
            EXPECT_EQ(ColorBlanceRes->value(0), -1);
        } else {
            EXPECT_FALSE(ColorBlanceRes);
        }
        expectSound(takeHandOvers());

        confirmSecurePrint(QStringLiteral("robust"), QStringLiteral("246810"), QStringLiteral("Ledger"));
        EXPECT_TRUE(alerts_.alerts().isEmpty());
        const QStringList typed = {QStringLiteral("robust"), QStringLiteral("246810"), QStringLiteral("Ledger")};
        const QList<HandOver> secure = takeHandOvers();
        EXPECT_EQ(secure.size(), c.marking ? 4 : 0);
        expectSound(secure, typed);

        // What the host does before and after printing.
        EXPECT_TRUE(io_->shouldPrint());
        EXPECT_TRUE(jt_->shouldPrint());
        expectSound(takeHandOvers(), typed);
        const QMap<QString, QString> ioSummary = io_->summaryInfo();
        for (auto it = ioSummary.cbegin(); it != ioSummary.cend(); ++it) EXPECT_FALSE(it.value().isEmpty()) << it.key().toStdString();
        if (!ppd_ || description.endsWith(QLatin1String("minimal.ppd"))) {
            EXPECT_TRUE(ioSummary.isEmpty());
        }
        EXPECT_EQ(jt_->summaryInfo().value(QStringLiteral("Job Type")), QStringLiteral("Secure Print"));
        EXPECT_TRUE(io_->saveValuesAndReturnError(nullptr));
        EXPECT_TRUE(jt_->saveValuesAndReturnError(nullptr));
        const Values saved = host_->printSettings()->values;
        expectWritable(saved);
        // The slider moves, to the printer's lowest brightness, only on a printer with
        // brightness choices.
        const int brightness = io_->brightnessSlider->isEnabled() ? io_->brightnessSlider->minimum() : 0;
        EXPECT_EQ(saved.value(QStringLiteral("brightnessSettings")), QString::number(brightness));
        EXPECT_EQ(saved.value(QStringLiteral("stateEnableSettings")), balance ? QStringLiteral("1") : QStringLiteral("0"));
        EXPECT_EQ(saved.value(QStringLiteral("BlackLowSettings")), balance ? QStringLiteral("-1") : QString());
        EXPECT_EQ(saved.value(QStringLiteral("jobtypeSettings")), QStringLiteral("1"));
        EXPECT_EQ(saved.value(QStringLiteral("jobtypePasscode")), QStringLiteral("246810"));

        // The next print dialog of the process, on the same printer: what the user set
        // comes back, and saving it again changes nothing.
        ppd_file_t* same = ppd_.release();
        io_.reset();
        jt_.reset();
        host_ = std::make_unique<host::HostCallback>(same, c.marking);
        ppd_.reset(same);
        host_->printSettings()->values = saved;
        io_ = PrinterPDEOrvan::initWithCallback(host_.get(), &bundle_);
        jt_ = PrinterJobPDEOrvan::initWithCallback(host_.get(), &bundle_);
        show();
        EXPECT_TRUE(io_->restoreValuesAndReturnError(nullptr));
        EXPECT_TRUE(jt_->restoreValuesAndReturnError(nullptr));
        expectSound(takeHandOvers(), typed);
        EXPECT_EQ(io_->brightnessSlider->value(), brightness);
        EXPECT_EQ(jt_->jobtypeButton->currentIndex(), 1);
        EXPECT_TRUE(jt_->setupButton->isEnabled());
        host_->printSettings()->values.clear();
        EXPECT_TRUE(io_->saveValuesAndReturnError(nullptr));
        EXPECT_TRUE(jt_->saveValuesAndReturnError(nullptr));
        // A host that takes no hand-overs too gets every position back: the record is all
        // it remembers.
        EXPECT_EQ(host_->printSettings()->values, saved);
    }
}

// A bundle whose layouts are missing: no view, no dialog, nothing the user set lost,
// and the host's operations still answer.
TEST_F(PanelsBadInput, MissingLayoutResources)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    copyTree(testsupport::bundlePath() + QStringLiteral("/Resources/translations"),
             dir.path() + QStringLiteral("/Resources/translations"));
    platform::Bundle bare(dir.path(), QLocale(QLocale::English, QLocale::UnitedStates));

    // What the user set in an earlier dialog of this process.
    ColorBlanceRes = QList<int32_t>({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -3});
    response = SecurePrintSetup{1, QStringLiteral("me"), QStringLiteral("1357"), QStringLiteral("Plans"),
                                QStringLiteral("Enter Name Mode")};
    secureIndex = 1;
    firstRun = 1;
    const Values stored{{"colormodeSettings", "1"}, {"screenSettings", "2"}, {"brightnessSettings", "2"},
                        {"GrayGuaranteeSettings", "0"}, {"jobtypeSettings", "1"}};

    build(testsupport::bundledPpdPath(), &bare);
    host_->printSettings()->values = stored;
    EXPECT_EQ(io_->panelView(), nullptr);
    EXPECT_EQ(jt_->panelView(), nullptr);
    EXPECT_EQ(io_->panelView(), nullptr) << "asked again";
    EXPECT_TRUE(jt_->basicSize.isNull());
    io_->willShow();
    jt_->willShow();
    EXPECT_TRUE(io_->restoreValuesAndReturnError(nullptr));
    EXPECT_TRUE(jt_->restoreValuesAndReturnError(nullptr));
    takeHandOvers();

    // Every action, as the host's own code calls them: no dialog opens (a modal loop
    // here would never end), nothing the user set changes. Default is the one action
    // meant to change it; it comes last.
    for (QObject* panel : {static_cast<QObject*>(io_.get()), static_cast<QObject*>(jt_.get())})
        for (const QMetaMethod& action : actionsOf(panel))
            if (action.name() != "defaultButtonPushed") {
                EXPECT_TRUE(action.invoke(panel, Qt::DirectConnection, Q_ARG(QObject*, nullptr))) << action.name().data();
            }
    EXPECT_EQ(io_->aColorBalance, nullptr);
    EXPECT_TRUE(jt_->aJobTypeSetup.isNull());
    EXPECT_EQ(ColorBlanceRes, QList<int32_t>({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -3}));
    ASSERT_TRUE(response);
    EXPECT_EQ(response->passcode, QStringLiteral("1357"));
    expectHandOversSound(takeHandOvers(), {QStringLiteral("me"), QStringLiteral("1357"), QStringLiteral("Plans")});

    EXPECT_TRUE(io_->shouldPrint());
    EXPECT_TRUE(jt_->shouldPrint());
    const QList<HandOver> printed = takeHandOvers();
    expectHandOversSound(printed, {QStringLiteral("me"), QStringLiteral("1357"), QStringLiteral("Plans")});
    EXPECT_TRUE(printed.contains(HandOver(QStringLiteral("QVColorDensityYellowHigh"), QStringLiteral("-3"))));
    EXPECT_TRUE(printed.contains(HandOver(QStringLiteral("SecurePrintPasscode"), QStringLiteral("MTM1Nw=="))));
    EXPECT_TRUE(io_->summaryInfo().contains(QStringLiteral("Output Color:")));
    EXPECT_EQ(jt_->summaryInfo().value(QStringLiteral("Job Type")), QStringLiteral("Secure Print"));

    host_->printSettings()->values = stored;
    EXPECT_TRUE(io_->saveValuesAndReturnError(nullptr));
    EXPECT_TRUE(jt_->saveValuesAndReturnError(nullptr));
    const Values saved = host_->printSettings()->values;
    // Positions the panel never showed are not overwritten; the rest is what the user set.
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        EXPECT_EQ(saved.value(it.key()), it.value()) << it.key().toStdString();
    EXPECT_EQ(saved.value(QStringLiteral("YellowHighSettings")), QStringLiteral("-3"));
    EXPECT_EQ(saved.value(QStringLiteral("jobtypePasscode")), QStringLiteral("1357"));

    io_->defaultButtonPushed(nullptr);
    jt_->defaultButtonPushed(nullptr);
    expectHandOversSound(takeHandOvers());
    EXPECT_EQ(jt_->summaryInfo().value(QStringLiteral("Job Type")), QStringLiteral("Normal Print"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// A bundle without string tables: every text shows its key, in any language.
TEST_F(PanelsBadInput, MissingTranslationsShowTheKeys)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    copyTree(testsupport::bundlePath() + QStringLiteral("/Resources"), dir.path() + QStringLiteral("/Resources"));
    ASSERT_TRUE(QDir(dir.path() + QStringLiteral("/Resources/translations")).removeRecursively());
    const QLocale german(QLocale::German, QLocale::Germany);
    platform::Bundle untranslated(dir.path(), german);

    // The same language with the string tables, so the keys below are not German by chance.
    {
        platform::Bundle translated(testsupport::bundlePath(), german);
        build(testsupport::bundledPpdPath(), &translated);
        ASSERT_NE(io_->panelName(), QStringLiteral("Image Options"));
        ASSERT_NE(jt_->panelName(), QStringLiteral("Job Type_Title"));
        io_.reset();
        jt_.reset();
    }

    build(testsupport::bundledPpdPath(), &untranslated);
    EXPECT_EQ(io_->panelName(), QStringLiteral("Image Options"));
    EXPECT_EQ(jt_->panelName(), QStringLiteral("Job Type_Title"));
    show();
    const auto tagText = [](QWidget* view, int tag) { return platform::stringValue(platform::viewWithTag(view, tag)); };
    EXPECT_EQ(tagText(io_->PDEView, 1), QStringLiteral("Output Color:"));
    EXPECT_EQ(tagText(io_->PDEView, 9), QStringLiteral("Default"));
    EXPECT_EQ(io_->colorBalanceButton->text(), QStringLiteral("Color Balance..."));
    EXPECT_EQ(tagText(jt_->JobTypeView, 1), QStringLiteral("Job Type"));
    EXPECT_EQ(jt_->setupButton->text(), QStringLiteral("Setup..."));
    EXPECT_EQ(jt_->jobtypeButton->itemText(1), QStringLiteral("Secure Print"));
    EXPECT_EQ(jt_->summaryInfo().firstKey(), QStringLiteral("Job Type"));

    inModal([&] { QTest::mouseClick(io_->colorBalanceButton, Qt::LeftButton); },
            [&](QDialog* balance) {
                EXPECT_EQ(balance->windowTitle(), QStringLiteral("Color Balance"));
                EXPECT_EQ(child<QCheckBox>(balance, "EnableButton")->text(), QStringLiteral("Adjust Color Balance"));
                EXPECT_EQ(child<QPushButton>(balance, "okButton")->text(), QStringLiteral("OK"));
                QTest::mouseClick(child<QPushButton>(balance, "closeButton"), Qt::LeftButton);
            });
    inModal([&] { platform::select(jt_->jobtypeButton, 1); emit jt_->jobtypeButton->activated(1); },
            [&](QDialog* setup) {
                EXPECT_EQ(setup->windowTitle(), QStringLiteral("Secure Print"));
                EXPECT_EQ(child<QLabel>(setup, "sTextUserID")->text(), QStringLiteral("User ID"));
                EXPECT_EQ(child<QComboBox>(setup, "pJobNameButton")->itemText(0), QStringLiteral("Use Existing Name"));
                // A refused entry's alert is in keys too.
                QTest::mouseClick(child<QPushButton>(setup, "okButton"), Qt::LeftButton);
                QTest::mouseClick(child<QPushButton>(setup, "closeButton"), Qt::LeftButton);
            });
    ASSERT_EQ(alerts_.alerts().size(), 1);
    EXPECT_EQ(alerts_.alerts().first().first, QStringLiteral("Invalid value in User ID."));
}

// Whatever a record holds under any key of either panel: restoring it and saving
// again writes only what the panels can write, and the secure-print texts reach the
// host whole.
TEST_F(PanelsBadInput, EveryRecordKeyWithHostileValues)
{
    build(testsupport::bundledPpdPath(), &bundle_);
    show();
    // A committed colour balance and a setup result of job name mode 1, so that every
    // key is read.
    ColorBlanceRes = QList<int32_t>(12, 0);
    response = SecurePrintSetup{1, QStringLiteral("me"), QStringLiteral("2468"), QStringLiteral("Plans"),
                                QStringLiteral("Enter Name Mode")};
    const QStringList keys = everyRecordKey();
    const QStringList values = hostileValues();

    auto restoreThenSave = [&](const Values& record) {
        takeHandOvers();
        host_->printSettings()->values = record;
        EXPECT_TRUE(io_->restoreValuesAndReturnError(nullptr));
        EXPECT_TRUE(jt_->restoreValuesAndReturnError(nullptr));
        QStringList texts = record.values();
        texts << QStringLiteral("me") << QStringLiteral("2468") << QStringLiteral("Plans");
        const QList<HandOver> handOvers = takeHandOvers();
        expectHandOversSound(handOvers, texts);
        // The secure-print texts of the record go over whole, however long.
        for (const auto& k : kSecureTextKeys) {
            const QString key = QString::fromLatin1(k[0]);
            if (!record.contains(key)) continue;
            const HandOver expected(QString::fromLatin1(k[1]),
                                    QString::fromLatin1(record.value(key).toUtf8().toBase64()));
            EXPECT_TRUE(handOvers.contains(expected)) << k[0] << " of " << record.value(key).size() << " characters";
        }
        host_->printSettings()->values.clear();
        EXPECT_TRUE(io_->saveValuesAndReturnError(nullptr));
        EXPECT_TRUE(jt_->saveValuesAndReturnError(nullptr));
        expectWritable(host_->printSettings()->values);
        EXPECT_TRUE(io_->shouldPrint());
        EXPECT_TRUE(jt_->shouldPrint());
        expectHandOversSound(takeHandOvers(), texts);
        EXPECT_FALSE(io_->summaryInfo().isEmpty());
    };

    for (const QString& value : values) {
        SCOPED_TRACE(value.left(24).toStdString() + " (" + std::to_string(value.size()) + " characters)");
        for (const QString& key : keys) {
            SCOPED_TRACE(key.toStdString());
            restoreThenSave({{key, value}});
            if (HasFatalFailure()) return;
        }
        Values all;
        for (const QString& key : keys) all.insert(key, value);
        restoreThenSave(all);
    }
    EXPECT_TRUE(alerts_.alerts().isEmpty());
}

} // namespace
