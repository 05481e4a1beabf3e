// orvan-print's window as a screen reader and a keyboard-only user meet it: every
// control has a spoken name, Tab runs through the top row, the panel pop-up, the shown
// page or panel and the answers in reading order, and a job goes out without the mouse.
// And the entry shown first, as --panel chooses it.
#include "platform/PDEPanel.h"
#include "tests/host/HostTestSupport.h"
#include "tests/support/KeyboardSupport.h"

#include <QAccessible>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>

namespace {

using hosttest::find;
using namespace a11y;

QSet<QWidget*> tabbable(QWidget* window)
{
    QSet<QWidget*> set;
    for (QWidget* control : accessibleControls(window))
        if ((control->focusPolicy() & Qt::TabFocus) && control->isEnabled()) set.insert(control);
    return set;
}

QWidget* shownView(host::PrintDialog* dialog)
{
    auto* stack = find<QStackedWidget>(dialog, "panelStack");
    for (platform::PDEPanel* panel : dialog->panels())
        if (stack && stack->currentWidget()->isAncestorOf(panel->panelView())) return panel->panelView();
    return nullptr;
}

// The page shown under the pane pop-up: the host's own or a panel's.
QWidget* shownPage(host::PrintDialog* dialog)
{
    auto* stack = find<QStackedWidget>(dialog, "panelStack");
    return stack ? stack->currentWidget() : nullptr;
}

class HostKeyboard : public hosttest::HostDialogTest {
protected:
    host::PrintDialog* openActive(const host::DialogOptions& options)
    {
        host::PrintDialog* dialog = open(options);
        if (!dialog) return nullptr;
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        return dialog;
    }

    // Tab once round from the printer pop-up: every enabled control of the window, in
    // reading order, the shown page's between the panel pop-up and Help.
    void expectTabRound(host::PrintDialog* dialog)
    {
        auto* printers = find<QWidget>(dialog, "printerPopUp");
        printers->setFocus(Qt::TabFocusReason);
        const QList<QWidget*> round = tabCycle();
        const std::string shown = names(round).join(' ').toStdString();
        EXPECT_EQ(QApplication::focusWidget(), printers) << "Tab from Print goes back to the printer pop-up";
        EXPECT_EQ(QSet<QWidget*>(round.cbegin(), round.cend()), tabbable(dialog)) << shown;
        EXPECT_EQ(readingOrderBreaks(round, dialog).join(", ").toStdString(), "") << shown;

        QStringList top = {"printerPopUp", "copiesField"};
        // Save to File's row, under the printer: the file and its format.
        if (dialog->isFileDestination()) top << "fileChooseButton" << "fileFormatPopUp";
        top << "jobNameField" << "panelPopUp";
        const QStringList answers = {"helpButton",     "summaryButton", "previewButton",
                                     "defaultsButton", "cancelButton",  "printButton"};
        ASSERT_GT(round.size(), top.size() + answers.size()) << shown;
        EXPECT_EQ(names(round.mid(0, top.size())).join(' ').toStdString(), top.join(' ').toStdString());
        EXPECT_EQ(names(round.mid(round.size() - answers.size())).join(' ').toStdString(),
                  answers.join(' ').toStdString());
        QWidget* view = shownPage(dialog);
        ASSERT_NE(view, nullptr);
        for (QWidget* control : round.mid(top.size(), round.size() - top.size() - answers.size()))
            EXPECT_TRUE(view->isAncestorOf(control)) << control->objectName().toStdString() << " in " << shown;
    }
};

TEST_F(HostKeyboard, EveryControlIsNamedAndTabRunsThroughTheShownPanel)
{
    host::PrintDialog* dialog = openActive(options());
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog->panels().size(), 2);
    EXPECT_EQ(QApplication::focusWidget(), find<QWidget>(dialog, "printerPopUp")) << "the printer pop-up has the keyboard first";
    EXPECT_TRUE(find<QPushButton>(dialog, "printButton")->isDefault());

    QMap<QString, QString> spoken;
    QStringList entries = {QStringLiteral("layout")};
    for (platform::PDEPanel* panel : dialog->panels()) entries << panel->panelKind();
    for (const QString& entry : entries) {
        ASSERT_TRUE(dialog->showEntry(entry));
        QStringList unnamed;
        for (QWidget* control : accessibleControls(dialog)) {
            const QString name = spokenName(control);
            if (name.isEmpty()) unnamed << control->objectName() + QStringLiteral(" (") + control->metaObject()->className() + ')';
            spoken.insert(control->objectName(), name);
        }
        EXPECT_EQ(unnamed.join(", ").toStdString(), "") << entry.toStdString();
        expectTabRound(dialog);
    }
    EXPECT_EQ(spoken.value("printerPopUp"), "Printer:");
    EXPECT_EQ(spoken.value("copiesField"), "Copies:");
    EXPECT_EQ(spoken.value("jobNameField"), "Job name:");
    EXPECT_EQ(spoken.value("panelPopUp"), "Options");
    EXPECT_EQ(spoken.value("helpButton"), "Help");
    EXPECT_EQ(spoken.value("printButton"), "Print");
    EXPECT_EQ(spoken.value("previewButton"), "Preview...");
    EXPECT_EQ(spoken.value("paperSizePopUp"), "Paper size:");
    EXPECT_EQ(spoken.value("pagesPerSheetPopUp"), "Pages per sheet:");
    EXPECT_EQ(spoken.value("allPagesButton"), "Pages:");
    EXPECT_EQ(spoken.value("rangeField"), "Page range");

    // A new printer state brings new pages; the answers stay after the panel.
    dialog->showPanel(0);
    ASSERT_TRUE(hosttest::chooseItem(find<QComboBox>(dialog, "printerPopUp"), QStringLiteral("Save to File")));
    expectTabRound(dialog);
}

TEST_F(HostKeyboard, PrintsSecurelyWithTheKeyboardAlone)
{
    host::PrintDialog* dialog = openActive(options());
    ASSERT_TRUE(dialog);
    QSignalSpy printed(dialog, &host::PrintDialog::printed);

    // Copies typed, the job named.
    tabTo(find<QWidget>(dialog, "copiesField"));
    press(Qt::Key_Up);
    EXPECT_EQ(find<QSpinBox>(dialog, "copiesField")->value(), 2);
    // Past the file's row (--output chose the file) to the job name.
    for (const char* next : {"fileChooseButton", "fileFormatPopUp", "jobNameField"}) {
        press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), find<QWidget>(dialog, next));
    }
    press(Qt::Key_A, Qt::ControlModifier);
    typeText(QStringLiteral("Quarterly"));

    // The panel pop-up: from Layout and Paper, Down twice shows Job Type; Tab goes into it.
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), find<QWidget>(dialog, "panelPopUp"));
    press(Qt::Key_Down);
    EXPECT_EQ(find<QComboBox>(dialog, "panelPopUp")->currentText(), "Image Options");
    press(Qt::Key_Down);
    EXPECT_EQ(find<QComboBox>(dialog, "panelPopUp")->currentText(), "Job Type");
    QWidget* jobType = shownView(dialog);
    ASSERT_NE(jobType, nullptr);
    ASSERT_EQ(jobType->objectName(), "JobTypeView");
    press(Qt::Key_Tab);
    auto* jobTypePopUp = find<QComboBox>(jobType, "jobtypeButton");
    ASSERT_EQ(QApplication::focusWidget(), jobTypePopUp);

    // Down chooses Secure Print, whose dialog is filled in from the keyboard.
    testsupport::inModal([] { press(Qt::Key_Down); },
                         [](QDialog* setup) {
                             EXPECT_TRUE(QTest::qWaitForWindowActive(setup));
                             typeText(QStringLiteral("alice"));
                             press(Qt::Key_Tab);
                             typeText(QStringLiteral("2468"));
                             press(Qt::Key_Return);
                             EXPECT_FALSE(setup->isVisible());
                         });
    EXPECT_EQ(jobTypePopUp->currentText(), "Secure Print");

    // Back in the print dialog (the window manager's part, offscreen: ours), the pop-up
    // has the keyboard; Tab leaves the panel for Help, then Return prints.
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    EXPECT_EQ(QApplication::focusWidget(), jobTypePopUp);
    tabTo(find<QWidget>(dialog, "helpButton"));
    press(Qt::Key_Return);
    ASSERT_TRUE(hosttest::waitFor([&] { return !printed.isEmpty(); }, 5000)) << "Return did not print";
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    const QJsonObject ticket =
        QJsonDocument::fromJson(hosttest::readBytes(path(QStringLiteral("out.pdf.ticket.json")))).object();
    EXPECT_EQ(ticket.value("copies").toInt(), 2);
    EXPECT_EQ(ticket.value("job-name").toString(), "Quarterly");
    EXPECT_EQ(ticket.value("options").toObject().value("JobType").toString(), "Secure");
}

TEST_F(HostKeyboard, EscapeCancels)
{
    host::PrintDialog* dialog = openActive(options());
    ASSERT_TRUE(dialog);
    tabTo(find<QWidget>(dialog, "jobNameField"));
    typeText(QStringLiteral("never"));
    press(Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.pdf"))));
}

TEST_F(HostKeyboard, ThePanelShownFirstIsChosenByPositionNameOrKind)
{
    for (const QString& wanted : {QStringLiteral("2"), QStringLiteral("Job Type"), QStringLiteral("job type"),
                                  QStringLiteral("com.PrinterJobTypePDE")}) {
        host::DialogOptions chosen = options();
        chosen.panel = wanted;
        host::PrintDialog* dialog = openActive(chosen);
        ASSERT_TRUE(dialog);
        QWidget* view = shownView(dialog);
        ASSERT_NE(view, nullptr) << wanted.toStdString();
        EXPECT_EQ(view->objectName(), "JobTypeView") << wanted.toStdString();
        EXPECT_EQ(find<QComboBox>(dialog, "panelPopUp")->currentText(), "Job Type");
        // Tab still runs through the panel shown.
        expectTabRound(dialog);
    }

    // The window fits the panel shown: the summary's height holds only while it is shown.
    host::PrintDialog* dialog = dialog_.get();
    auto* stack = find<QStackedWidget>(dialog, "panelStack");
    const int jobTypeHeight = shownView(dialog)->height();
    EXPECT_LE(stack->height(), jobTypeHeight + 4);
    dialog->showSummary();
    QCoreApplication::sendPostedEvents();
    EXPECT_GE(stack->height(), 280);
    dialog->showPanel(1);
    QCoreApplication::sendPostedEvents();
    EXPECT_LE(stack->height(), jobTypeHeight + 4);

    host::DialogOptions first = options();
    first.panel = QStringLiteral("0");
    ASSERT_TRUE(openActive(first));
    EXPECT_EQ(shownPage(dialog_.get())->objectName(), "layoutPage");
    first.panel = QStringLiteral("1");
    ASSERT_TRUE(openActive(first));
    EXPECT_EQ(shownView(dialog_.get())->objectName(), "PDEView");
}

} // namespace
