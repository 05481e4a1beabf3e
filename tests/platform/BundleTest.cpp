// Bundle: string tables, layouts with their owner (outlets, actions, awakeFromNib),
// and our own controls in layout files.
#include "platform/Bundle.h"
#include "platform/ColorBox.h"
#include "platform/Controls.h"
#include "platform/Stepper.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kTestBundle = QStringLiteral(ORVAN_TEST_BUNDLE);

class TestOwner : public QObject, public platform::LayoutOwner {
    Q_OBJECT

public:
    void bindOutlets(const platform::Outlets& outlets) override
    {
        ++bindCount;
        popup = outlets.find<QComboBox>("popup");
        check = outlets.find<QCheckBox>("check");
        button = outlets.find<QPushButton>("button");
        field = outlets.find<QLineEdit>("field");
        stepper = outlets.find<platform::Stepper>("stepper");
        box = outlets.find<platform::ColorBox>("box");
        slider = outlets.find<QSlider>("slider");
        wrongType = outlets.find<QSlider>("popup");
    }
    void awakeFromNib() override
    {
        ++awakeCount;
        awakeSawButton = button != nullptr; // the outlets are bound by now
    }

    QComboBox* popup = nullptr;
    QCheckBox* check = nullptr;
    QPushButton* button = nullptr;
    QLineEdit* field = nullptr;
    platform::Stepper* stepper = nullptr;
    platform::ColorBox* box = nullptr;
    QSlider* slider = nullptr;
    QSlider* wrongType = nullptr;
    int bindCount = 0;
    int awakeCount = 0;
    bool awakeSawButton = false;
    QList<std::pair<QString, QObject*>> actions;

public slots:
    void popupChanged(QObject* sender) { record("popupChanged", sender); }
    void checkClicked(QObject* sender) { record("checkClicked", sender); }
    void fieldDone(QObject* sender) { record("fieldDone", sender); }
    void stepperClicked(QObject* sender)
    {
        record("stepperClicked", sender);
        stepperValueSeen = stepper ? stepper->value() : -99;
    }

public:
    Q_INVOKABLE void buttonPushed(QObject* sender) { record("buttonPushed", sender); }
    Q_INVOKABLE void sliderMoved(QObject* sender)
    {
        record("sliderMoved", sender);
        sliderValueSeen = slider ? slider->value() : -99;
    }
    int stepperValueSeen = -99;
    int sliderValueSeen = -99;

private:
    void record(const char* name, QObject* sender) { actions.append({QString::fromLatin1(name), sender}); }
};

TEST(BundleTest, PathsAndStringTables)
{
    platform::Bundle german(kTestBundle + QStringLiteral("/"), QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.resourcePath(), kTestBundle + QStringLiteral("/Resources"));
    // The default table, a named table, and a key one table has and the other not.
    const struct {
        const char *key, *table, *shown;
    } strings[] = {
        {"Color Balance", nullptr, "Farbbalance"}, {"Color Balance", "Localizable", "Farbbalance"},
        {"Shadows", nullptr, "Tiefen"},            {"Shadows", "msg", "Schatten"},
        {"Secure Print", "msg", "Vertraulicher Druck"}, {"Secure Print", nullptr, "Secure Print"},
        {"Color Balance", "msg", "Color Balance"},  {"Not translated", nullptr, "Not translated"},
    };
    for (const auto& t : strings) {
        const QString shown = t.table ? german.localizedString(QString::fromLatin1(t.key), QString::fromLatin1(t.table))
                                      : german.localizedString(QString::fromLatin1(t.key));
        EXPECT_EQ(shown, QString::fromLatin1(t.shown)) << t.key << " " << (t.table ? t.table : "");
    }

    // A language the bundle has no table for, and a bundle that does not exist.
    platform::Bundle french(kTestBundle, QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(french.localizedString(QStringLiteral("Color Balance")), QStringLiteral("Color Balance"));
    platform::Bundle missing(QStringLiteral("/nonexistent/Orvan.bundle"), QLocale(QLocale::German));
    EXPECT_EQ(missing.localizedString(QStringLiteral("Color Balance")), QStringLiteral("Color Balance"));
}

TEST(BundleTest, LayoutBindsOutletsAndBuildsOurControls)
{
    platform::Bundle bundle(kTestBundle);
    TestOwner owner;
    QWidget parent;
    QWidget* root = bundle.loadLayout(QStringLiteral("TestView"), &owner, &parent);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->parentWidget(), &parent);
    EXPECT_EQ(owner.bindCount, 1);
    EXPECT_EQ(owner.awakeCount, 1);
    EXPECT_TRUE(owner.awakeSawButton);
    ASSERT_TRUE(owner.popup && owner.check && owner.button && owner.field && owner.stepper && owner.box &&
                owner.slider);
    EXPECT_EQ(owner.wrongType, nullptr); // a name bound to the wrong class stays null
    // Tags, the root's own included.
    EXPECT_EQ(platform::viewWithTag(root, 100), root);
    EXPECT_EQ(platform::viewWithTag(root, 5), owner.stepper);
    EXPECT_EQ(platform::viewWithTag(root, 42), nullptr);
    // The stepper's properties, the value set before its limits in the file.
    EXPECT_EQ(owner.stepper->value(), -2);
    EXPECT_TRUE(owner.stepper->wraps());
    EXPECT_EQ(owner.box->fillColor(), QColor(255, 0, 0));
}

TEST(BundleTest, ActionsFireOnUserInteractionOnlyWithTheControlAsSender)
{
    platform::Bundle bundle(kTestBundle);
    TestOwner owner;
    std::unique_ptr<QWidget> root(bundle.loadLayout(QStringLiteral("TestView"), &owner));
    ASSERT_TRUE(root);
    root->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(root.get()));

    // Changes made by code send nothing.
    platform::select(owner.popup, 2);
    platform::setState(owner.check, 1);
    owner.field->setText(QStringLiteral("abc"));
    owner.stepper->setValue(1);
    platform::setIntValue(owner.slider, 5);
    EXPECT_TRUE(owner.actions.isEmpty());

    QTest::mouseClick(owner.button, Qt::LeftButton);
    QTest::mouseClick(owner.check, Qt::LeftButton, {}, QPoint(4, owner.check->height() / 2));
    owner.popup->setFocus();
    QTest::keyClick(owner.popup, Qt::Key_Up);
    QTest::mouseClick(owner.stepper->findChild<QToolButton*>(QStringLiteral("stepperUp")), Qt::LeftButton);
    owner.field->setFocus();
    QTest::keyClick(owner.field, Qt::Key_Return);
    const QList<std::pair<QString, QObject*>> expected = {
        {QStringLiteral("buttonPushed"), owner.button},
        {QStringLiteral("checkClicked"), owner.check},
        {QStringLiteral("popupChanged"), owner.popup},
        {QStringLiteral("stepperClicked"), owner.stepper},
        {QStringLiteral("fieldDone"), owner.field},
    };
    EXPECT_EQ(owner.actions, expected);
    EXPECT_EQ(owner.stepperValueSeen, 2); // sent after the stepper changed its value

    // The slider: user steps send the action once each, after the value changed;
    // a step at the end of its range still sends it.
    owner.actions.clear();
    owner.slider->setFocus();
    QTest::keyClick(owner.slider, Qt::Key_Right);
    ASSERT_EQ(owner.actions.size(), 1);
    EXPECT_EQ(owner.actions.first().second, owner.slider);
    EXPECT_EQ(owner.sliderValueSeen, 6);
    platform::setIntValue(owner.slider, 20);
    EXPECT_EQ(owner.actions.size(), 1);
    QTest::keyClick(owner.slider, Qt::Key_Right);
    EXPECT_EQ(owner.actions.size(), 2);
    EXPECT_EQ(owner.sliderValueSeen, 20);
    platform::setIntValue(owner.slider, 0);
    EXPECT_EQ(owner.actions.size(), 2);
}

TEST(BundleTest, ActionsEndWithTheOwner)
{
    platform::Bundle bundle(kTestBundle);
    auto owner = std::make_unique<TestOwner>();
    std::unique_ptr<QWidget> root(bundle.loadLayout(QStringLiteral("TestView"), owner.get()));
    ASSERT_TRUE(root);
    QPointer<QPushButton> button = owner->button;
    owner.reset();
    ASSERT_TRUE(button);
    button->click(); // must not reach the deleted owner
    SUCCEED();
}

TEST(BundleTest, MissingOrBrokenLayoutLeavesTheOwnerUntouched)
{
    platform::Bundle bundle(kTestBundle);
    for (const QString& name : {QStringLiteral("NoSuchView"), QStringLiteral("Broken")}) {
        TestOwner owner;
        QWidget parent;
        EXPECT_EQ(bundle.loadLayout(name, &owner, &parent), nullptr) << name.toStdString();
        EXPECT_EQ(owner.bindCount, 0);
        EXPECT_EQ(owner.awakeCount, 0);
        EXPECT_TRUE(parent.children().isEmpty());
    }
}

} // namespace

#include "BundleTest.moc"
