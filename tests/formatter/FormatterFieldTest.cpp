// The formatter on a real line edit: keys, clipboard, input method, drop, undo.
#include "plugin/CustomTextFieldFormatter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

// Readable failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

class FormatterField : public ::testing::Test {
protected:
    void SetUp() override
    {
        QApplication::clipboard()->clear();
        window = std::make_unique<QWidget>();
        field = new QLineEdit(window.get());
        auto* layout = new QVBoxLayout(window.get());
        layout->addWidget(field);
        window->show();
        field->setFocus();
        edited = std::make_unique<QSignalSpy>(field, &QLineEdit::textEdited);
    }

    void TearDown() override
    {
        edited.reset();
        window.reset();
        QApplication::clipboard()->clear();
    }

    void attach(int32_t limit, bool numberOnly, bool cbNumber, bool name)
    {
        formatter.setMaximumLength(limit);
        formatter.setNumberOnly(numberOnly);
        formatter.setCBNumber(cbNumber);
        formatter.setNameAlpha(name);
        attachFormatter(field, &formatter);
    }

    // Types each character as a key press carrying that text, as a keyboard does.
    void type(const QString& text)
    {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(field, k, m); }

    QStringList editedTexts() const
    {
        QStringList out;
        for (const auto& args : *edited)
            out << args.at(0).toString();
        return out;
    }

    // Declared first: the field uses the formatter until the window is gone.
    CustomTextFieldFormatterPrinter formatter;
    std::unique_ptr<QWidget> window;
    QLineEdit* field = nullptr;
    std::unique_ptr<QSignalSpy> edited;
};

// Keys are judged one at a time: a refused one is not heard and leaves the text, the
// caret and the selection as they were.
TEST_F(FormatterField, TypedKeysAreJudgedOneByOne)
{
    const QString e(QChar(0x00E9));
    const struct {
        int32_t limit;
        bool numberOnly, cbNumber, name;
        QString typed, shown;
    } fields[] = {
        {12, true, false, false, "12a3", "123"},
        {2, false, true, false, "--4-3", "-3"},
        // é counts two bytes: three digits more fit in eight, the fourth does not.
        {8, false, false, true, "Jos" + e + QChar(0x0100) + "1234", "Jos" + e + "123"},
    };
    for (const auto& f : fields) {
        SCOPED_TRACE(f.typed.toStdString());
        attach(f.limit, f.numberOnly, f.cbNumber, f.name);
        field->clear();
        edited->clear();
        QStringList heard;
        for (QChar c : f.typed) {
            const QString before = field->text();
            type(c);
            if (field->text() != before) heard << field->text();
        }
        EXPECT_EQ(field->text(), f.shown);
        EXPECT_EQ(field->cursorPosition(), f.shown.size());
        EXPECT_EQ(editedTexts(), heard);

        // A refused key in the middle, and over a selection.
        field->setCursorPosition(1);
        type("x");
        EXPECT_EQ(field->text(), f.shown);
        EXPECT_EQ(field->cursorPosition(), 1);
        field->selectAll();
        type(QString(QChar(0x0100)));
        EXPECT_EQ(field->selectedText(), f.shown);
    }

    // A secure field: undo only clears.
    attach(12, true, false, false);
    field->setEchoMode(QLineEdit::Password);
    field->clear();
    edited->clear();
    type("1");
    key(Qt::Key_Backspace);
    type("x2");
    EXPECT_EQ(field->text(), "2");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(editedTexts(), (QStringList{"1", "", "2", ""}));

    // Return still ends editing when the text set by code breaks the rule.
    attach(8, false, false, true);
    field->setEchoMode(QLineEdit::Normal);
    field->setText(QString(QChar(0x0100)));
    QSignalSpy finished(field, &QLineEdit::editingFinished);
    QSignalSpy returned(field, &QLineEdit::returnPressed);
    key(Qt::Key_Return);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(returned.count(), 1);
}

// A deletion the rule refuses leaves text and caret, in a plain and in a secure field
// (QLineEdit cannot take a deletion back in a password field by itself).
TEST_F(FormatterField, RefusedDeletionsLeaveTheFieldAsItWas)
{
    attach(2, false, true, false);
    for (const QLineEdit::EchoMode mode : {QLineEdit::Normal, QLineEdit::Password}) {
        SCOPED_TRACE(mode);
        field->setEchoMode(mode);
        edited->clear();
        field->setText("-4"); // set by code: not judged
        EXPECT_EQ(field->text(), "-4");
        key(Qt::Key_Home);
        key(Qt::Key_Delete); // each would leave "4"
        EXPECT_EQ(field->text(), "-4");
        EXPECT_EQ(field->cursorPosition(), 0);
        field->setCursorPosition(1);
        key(Qt::Key_Backspace);
        EXPECT_EQ(field->text(), "-4");
        EXPECT_EQ(field->cursorPosition(), 1);
        field->setSelection(0, 1);
        key(Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(field->text(), "-4");
        // Deletions the rule takes still go through.
        key(Qt::Key_End);
        key(Qt::Key_Backspace);
        EXPECT_EQ(field->text(), "-");
        EXPECT_EQ(editedTexts().last(), "-");
        if (mode == QLineEdit::Normal) {
            EXPECT_EQ(editedTexts().size(), 1);
        }
    }
}

TEST_F(FormatterField, PasteIsJudgedAsAWhole)
{
    field->setMaxLength(12);  // a length limit of the field itself must not cut a paste short
    attach(12, true, false, false);
    QClipboard* clipboard = QApplication::clipboard();

    clipboard->setText("123456789012345");
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "");

    clipboard->setText("1234");
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "1234");

    field->setSelection(1, 2);
    clipboard->setText("9x");
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "1234");
    EXPECT_EQ(field->selectionStart(), 1);
    EXPECT_EQ(field->selectedText(), "23");

    clipboard->setText("99");
    field->paste();
    EXPECT_EQ(field->text(), "1994");
    EXPECT_EQ(field->cursorPosition(), 3);
    EXPECT_EQ(editedTexts(), (QStringList{"1234", "1994"}));
}

TEST_F(FormatterField, InputMethodCommitsAreJudged)
{
    attach(12, true, false, false);
    QInputMethodEvent digit;
    digit.setCommitString(QString(QChar(0x0661)) + QChar(0x0662));
    QApplication::sendEvent(field, &digit);
    EXPECT_EQ(field->text(), QString(QChar(0x0661)) + QChar(0x0662));

    QInputMethodEvent letters;
    letters.setCommitString(QString::fromUtf8("\u3042"));
    QApplication::sendEvent(field, &letters);
    EXPECT_EQ(field->text(), QString(QChar(0x0661)) + QChar(0x0662));
    EXPECT_EQ(field->cursorPosition(), 2);
    EXPECT_EQ(edited->count(), 1);
}

TEST_F(FormatterField, RefusedDropLeavesTheFieldAsItWas)
{
    attach(12, true, false, false);
    field->setText("1234");
    field->setCursorPosition(1);

    const QPoint at = field->rect().center();
    QMimeData bad;
    bad.setText("5x");
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &bad, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &bad, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &move);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &bad, Qt::LeftButton, Qt::NoModifier);
    drop.setDropAction(Qt::MoveAction);
    QApplication::sendEvent(field, &drop);
    EXPECT_EQ(field->text(), "1234");
    EXPECT_EQ(field->cursorPosition(), 1);
    EXPECT_FALSE(drop.isAccepted());  // a move source keeps its text
    EXPECT_TRUE(edited->isEmpty());

    QMimeData good;
    good.setText("56");
    const QPoint start(0, at.y());
    QDragEnterEvent enter2(start, Qt::CopyAction, &good, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &enter2);
    QDropEvent drop2(start, Qt::CopyAction, &good, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &drop2);
    EXPECT_EQ(field->text(), "561234");
    EXPECT_TRUE(drop2.isAccepted());
    EXPECT_EQ(editedTexts(), (QStringList{"561234"}));
}

// Undo is an edit like any other, whether from the keys or from the context menu.
TEST_F(FormatterField, UndoAndRedoAreJudged)
{
    attach(12, true, false, false);
    const std::function<void()> undos[] = {
        [this] { key(Qt::Key_Z, Qt::ControlModifier); },
        [this] {
            QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, field->rect().center(),
                                        field->mapToGlobal(field->rect().center()));
            QApplication::sendEvent(field, &menuEvent);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            QAction* undo = menu->actions().first(); // Undo comes first in an editable field
            ASSERT_TRUE(undo->isEnabled());
            undo->trigger();
            menu->close();
        },
    };
    for (const auto& undo : undos) {
        field->setText("ab"); // letters set by code
        key(Qt::Key_End);
        key(Qt::Key_Backspace);
        ASSERT_EQ(field->text(), "a");
        // Undo would put the letter back in: refused, nothing heard.
        edited->clear();
        QSignalSpy changed(field, &QLineEdit::textChanged);
        undo();
        EXPECT_EQ(field->text(), "a");
        EXPECT_EQ(field->cursorPosition(), 1);
        EXPECT_TRUE(changed.isEmpty());
        // Undoing typed digits is accepted and heard.
        type("12");
        undo();
        EXPECT_EQ(field->text(), "a");
        EXPECT_EQ(editedTexts(), (QStringList{"a1", "a12", "a"}));
    }
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(field->text(), "a12");
    EXPECT_EQ(field->cursorPosition(), 3);
}

} // namespace
