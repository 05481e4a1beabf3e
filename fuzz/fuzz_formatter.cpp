// The restricted text-field formatter: random edit sequences in each of the four modes
// and several limits. Every edit goes to a model judged by the rule alone and, as a
// user makes it, to a real QLineEdit with the adapter attached. The field only ever
// holds text its mode admits (checked here independently of the rule's code: UTF-8
// byte length, allowed characters, the density range), and for every edit the model
// can follow, exactly the text the rule's verdicts give.
#include "fuzz/FuzzSupport.h"
#include "plugin/CustomTextFieldFormatter.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <cstdio>
#include <limits>
#include <memory>
#include <string>

namespace {

enum class Mode { Plain, NumberOnly, Density, Name };

const char* modeName(Mode mode)
{
    switch (mode) {
    case Mode::Plain: return "plain";
    case Mode::NumberOnly: return "number-only";
    case Mode::Density: return "density";
    case Mode::Name: return "name";
    }
    return "?";
}

// The limits the dialogs use, their neighbours, none at all and a nonsensical one.
constexpr int32_t kLimits[] = {2, 8, 12, 0, 1, 3, 13, 64, std::numeric_limits<int32_t>::max(), -1};

// What a field in `mode` under `limit` may hold; an empty answer when `text` is
// admitted, else why not.
QString whyNotAdmitted(Mode mode, int32_t limit, const QString& text)
{
    // UTF-8 bytes, a lone surrogate counted as the replacement character it becomes.
    qint64 bytes = 0;
    for (char32_t c : text.toUcs4()) bytes += c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    if (limit < 0) {
        if (!text.isEmpty()) return QStringLiteral("text under a negative limit");
    } else if (bytes > limit) {
        return QStringLiteral("%1 UTF-8 bytes over a limit of %2").arg(bytes).arg(limit);
    }
    switch (mode) {
    case Mode::Plain:
        return {};
    case Mode::NumberOnly:
        for (char32_t c : text.toUcs4()) {
            if (QChar::category(c) != QChar::Number_DecimalDigit)
                return QStringLiteral("U+%1 is no decimal digit").arg(uint(c), 4, 16, QLatin1Char('0'));
        }
        return {};
    case Mode::Density: {
        for (QChar c : text) {
            if (!QStringLiteral("-0123").contains(c))
                return QStringLiteral("U+%1 in a density").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        }
        if (text == QLatin1String("--")) return QStringLiteral("a density of two signs");
        // The value the text starts with: an optional sign, then digits.
        qsizetype i = 0;
        const bool negative = text.startsWith(QLatin1Char('-'));
        if (negative) ++i;
        int value = 0;
        for (; i < text.size() && text[i].isDigit(); ++i) {
            value = value * 10 + text[i].digitValue();
            if (value > 3) return QStringLiteral("density out of range");
        }
        return {};
    }
    case Mode::Name:
        for (QChar c : text) {
            const char16_t u = c.unicode();
            if (!(u < 127 || (u >= 160 && u <= 254)))
                return QStringLiteral("U+%1 in a name").arg(uint(u), 4, 16, QLatin1Char('0'));
        }
        return {};
    }
    return {};
}

std::u16string u16(const QString& s) { return std::u16string(reinterpret_cast<const char16_t*>(s.utf16()), s.size()); }
// Not fromUtf16: that reads a leading U+FFFE as a byte-order mark.
QString qs(const std::u16string& s) { return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size())); }

// Characters every mode cares about: ASCII digits and signs, letters, white space,
// DEL, Latin-1 around the name range, digits of other scripts (one beyond the BMP),
// a character beyond the BMP that is no digit, CJK, a combining mark, lone surrogates.
constexpr char32_t kPool[] = {
    U'0', U'1', U'2', U'3', U'4', U'9', U'-', U'+', U' ', U'a', U'Z', U'_', U'.', 0x7F,  0x9F,    0xA0,
    0xE9, 0xFE, 0xFF, 0x100, 0x660, 0x669, 0x6F5, 0xFF10, 0xFF19, 0x1D7CE, 0x1D7FF, 0x1F600, 0x3042, 0x0301,
    0xD800, 0xDC00, U'\t', U'\n', 0x200B, 0x2028, 0xFFFD,
};

QString pieceOfText(fuzz::Reader& in, int maxChars)
{
    QString text;
    const int n = in.below(maxChars + 1);
    for (int i = 0; i < n; ++i) {
        const uint8_t b = in.byte();
        if (b < 224) {
            const char32_t c = kPool[b % std::size(kPool)];
            if (c >= 0xD800 && c <= 0xDFFF) text.append(QChar(static_cast<char16_t>(c)));
            else text.append(QString::fromUcs4(&c, 1));
        } else {
            text.append(QChar(in.word()));
        }
    }
    return text;
}

// A position in `text` that a user can reach: never inside a surrogate pair.
int reachable(const QString& text, int pos)
{
    pos = std::clamp(pos, 0, static_cast<int>(text.size()));
    if (pos > 0 && pos < text.size() && text[pos].isLowSurrogate() && text[pos - 1].isHighSurrogate()) --pos;
    return pos;
}

// Whether a line edit inserts the text of a key press (printable, formatting and
// private-use characters, and characters beyond the BMP; no control characters).
bool typesText(const QString& keyText)
{
    if (keyText.isEmpty()) return false;
    const QChar c = keyText.at(0);
    return c.category() == QChar::Other_Format || c.isPrint() || c.category() == QChar::Other_PrivateUse
        || (c.isHighSurrogate() && keyText.size() > 1 && keyText.at(1).isLowSurrogate());
}

// The same edits judged by the rule alone.
struct Model {
    const CustomTextFieldFormatterPrinter* rule;
    std::u16string text;
    std::size_t caret = 0;

    // Replaces [from, to) by `insert` if the rule accepts the result.
    bool edit(std::size_t from, std::size_t to, const std::u16string& insert)
    {
        std::u16string proposed = text.substr(0, from) + insert + text.substr(to);
        const std::size_t proposedCaret = from + insert.size();
        // The same text again is no change, whatever the rule would say.
        if (proposed == text || rule->isPartialStringValid(proposed, proposedCaret, text, from)) {
            text = std::move(proposed);
            caret = proposedCaret;
            return true;
        }
        return false;
    }
};

class FieldFuzzer {
public:
    FieldFuzzer(fuzz::Reader& in, Mode mode, int32_t limit, bool password, QWidget* window)
        : in_(in), mode_(mode), limit_(limit)
    {
        rule_.setMaximumLength(limit);
        rule_.setNumberOnly(mode == Mode::NumberOnly);
        rule_.setCBNumber(mode == Mode::Density);
        rule_.setNameAlpha(mode == Mode::Name);
        model_.rule = &rule_;
        field_ = std::make_unique<QLineEdit>(window);
        field_->setGeometry(0, 0, 240, 28);
        if (password) field_->setEchoMode(QLineEdit::Password);
        attachFormatter(field_.get(), &rule_);
        field_->show();
        field_->setFocus();
    }

    ~FieldFuzzer()
    {
        // The field lets go of the rule before the rule goes.
        attachFormatter(field_.get(), nullptr);
    }

    void run(int maxSteps)
    {
        for (int step = 0; step < maxSteps && !in_.atEnd(); ++step) {
            step_ = step;
            one();
            if (trace())
                std::fprintf(stderr, "==fuzz== step %d: [%s] caret %d modified %d undo %d redo %d\n", step,
                             qPrintable(codePoints(text())), field_->cursorPosition(), field_->isModified(),
                             field_->isUndoAvailable(), field_->isRedoAvailable());
            checkAdmitted(field_->text(), "field");
            checkAdmitted(qs(model_.text), "model");
        }
    }

private:
    // FUZZ_TRACE=1 prints the field after every step, to follow a crash input.
    static bool trace()
    {
        static const bool on = qEnvironmentVariableIntValue("FUZZ_TRACE") != 0;
        return on;
    }

    QString text() const { return field_->text(); }
    int pos(int bound) { return reachable(text(), in_.below(bound + 1)); }

    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(field_.get(), k, m); }

    void select(int from, int to)
    {
        if (from == to) field_->setCursorPosition(from);
        else field_->setSelection(from, to - from);
    }

    // The model takes the field's text where it cannot follow the edit itself.
    void follow()
    {
        model_.text = u16(text());
        model_.caret = static_cast<std::size_t>(field_->cursorPosition());
    }

    static QString codePoints(const QString& t)
    {
        QStringList units;
        for (QChar c : t) units << QString::number(c.unicode(), 16);
        return units.join(QLatin1Char(' '));
    }

    void expectModel(const char* what)
    {
        if (text() != qs(model_.text)) {
            std::fprintf(stderr, "==fuzz== field [%s], rule [%s], caret %d\n", qPrintable(codePoints(text())),
                         qPrintable(codePoints(qs(model_.text))), field_->cursorPosition());
            fuzz::fail(__FILE__, __LINE__,
                       QStringLiteral("step %1 (%2, %3 mode, limit %4): field holds \"%5\", the rule gives \"%6\"")
                           .arg(step_)
                           .arg(QLatin1String(what), QLatin1String(modeName(mode_)))
                           .arg(limit_)
                           .arg(text(), qs(model_.text)));
        }
    }

    void checkAdmitted(const QString& t, const char* where)
    {
        const QString why = whyNotAdmitted(mode_, limit_, t);
        if (!why.isEmpty()) {
            fuzz::fail(__FILE__, __LINE__,
                       QStringLiteral("step %1: %2 holds \"%3\" in %4 mode, limit %5: %6")
                           .arg(step_)
                           .arg(QLatin1String(where), t, QLatin1String(modeName(mode_)))
                           .arg(limit_)
                           .arg(why));
        }
    }

    void one()
    {
        const int len = static_cast<int>(text().size());
        const int op = in_.below(12);
        if (trace()) std::fprintf(stderr, "==fuzz== op %d\n", op);
        switch (op) {
        case 0: { // type at a position, one key per character
            const int at = pos(len);
            field_->setCursorPosition(at);
            follow();
            const QString typed = pieceOfText(in_, 4);
            for (char32_t c : typed.toUcs4()) {
                const QString keyText = (c >= 0xD800 && c <= 0xDFFF) ? QString(QChar(static_cast<char16_t>(c)))
                                                                      : QString::fromUcs4(&c, 1);
                QTest::sendKeyEvent(QTest::Click, field_.get(), Qt::Key_unknown, keyText, Qt::NoModifier);
                if (typesText(keyText)) model_.edit(model_.caret, model_.caret, u16(keyText));
                expectModel("typing");
            }
            break;
        }
        case 1: { // paste over a selection, or at the caret
            int from = pos(len), to = pos(len);
            if (from > to) std::swap(from, to);
            select(from, to);
            const QString clip = pieceOfText(in_, 16);
            QApplication::clipboard()->setText(clip);
            const QString pasted = QApplication::clipboard()->text();
            follow();
            key(Qt::Key_V, Qt::ControlModifier);
            if (!pasted.isEmpty() || from != to) model_.edit(from, to, u16(pasted));
            expectModel("paste");
            break;
        }
        case 2: { // delete a selection
            int from = pos(len), to = pos(len);
            if (from > to) std::swap(from, to);
            if (from == to) break;
            select(from, to);
            follow();
            key(in_.flag() ? Qt::Key_Delete : Qt::Key_Backspace);
            model_.edit(from, to, u"");
            expectModel("delete");
            break;
        }
        case 3: { // backspace at the caret: one character, a surrogate pair whole
            const int at = pos(len);
            field_->setCursorPosition(at);
            follow();
            key(Qt::Key_Backspace);
            if (at > 0) {
                const QString t = qs(model_.text);
                const int from = (at >= 2 && t[at - 1].isLowSurrogate() && t[at - 2].isHighSurrogate()) ? at - 2 : at - 1;
                model_.edit(from, at, u"");
            }
            expectModel("backspace");
            break;
        }
        case 4: { // cut a selection (a password field deletes it without copying)
            int from = pos(len), to = pos(len);
            if (from > to) std::swap(from, to);
            select(from, to);
            follow();
            key(Qt::Key_X, Qt::ControlModifier);
            if (from != to) model_.edit(from, to, u"");
            expectModel("cut");
            break;
        }
        case 5: { // an input method commits text, maybe replacing a selection
            int from = pos(len), to = pos(len);
            if (from > to) std::swap(from, to);
            select(from, to);
            QInputMethodEvent commit;
            commit.setCommitString(pieceOfText(in_, 6));
            QApplication::sendEvent(field_.get(), &commit);
            follow();
            break;
        }
        case 6: { // drop text somewhere in the field
            QMimeData mime;
            mime.setText(pieceOfText(in_, 8));
            const QPoint at(in_.below(field_->width()), field_->height() / 2);
            const Qt::DropActions actions = in_.flag() ? Qt::CopyAction : Qt::CopyAction | Qt::MoveAction;
            QDragEnterEvent enter(at, actions, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(field_.get(), &enter);
            QDragMoveEvent move(at, actions, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(field_.get(), &move);
            if (in_.flag()) {
                QDropEvent drop(at, actions, &mime, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(field_.get(), &drop);
            } else {
                QDragLeaveEvent leave;
                QApplication::sendEvent(field_.get(), &leave);
            }
            follow();
            break;
        }
        case 7: // undo or redo by key
            switch (in_.below(3)) {
            case 0: key(Qt::Key_Z, Qt::ControlModifier); break;
            case 1: key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); break;
            default: key(Qt::Key_Y, Qt::ControlModifier); break;
            }
            follow();
            break;
        case 8: { // words deleted by key
            field_->setCursorPosition(pos(len));
            key(in_.flag() ? Qt::Key_Backspace : Qt::Key_Delete, Qt::ControlModifier);
            follow();
            break;
        }
        case 9: { // caret and selection moves, Return: the text stays
            const QString before = text();
            static constexpr Qt::Key kKeys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_Return};
            const Qt::Key k = kKeys[in_.below(static_cast<int>(std::size(kKeys)))];
            key(k, in_.flag() ? Qt::ShiftModifier : Qt::NoModifier);
            if (in_.flag()) key(Qt::Key_A, Qt::ControlModifier);
            if (text() != before) fuzz::fail(__FILE__, __LINE__, QStringLiteral("a caret move changed the text"));
            follow();
            break;
        }
        case 10: { // text set by code (only text the mode admits: code is trusted)
            const QString t = pieceOfText(in_, 6);
            if (whyNotAdmitted(mode_, limit_, t).isEmpty()) {
                field_->setText(t);
                follow();
                expectModel("set by code");
            }
            break;
        }
        default: { // the rule alone, on any texts, carets and selections
            const std::u16string proposed = u16(pieceOfText(in_, 6));
            const std::u16string original = u16(pieceOfText(in_, 6));
            const std::size_t caret = in_.byte();
            const std::size_t selectionStart = in_.byte();
            rule_.isPartialStringValid(proposed, caret, original, selectionStart);
            rule_.isPartialStringValid(proposed, std::numeric_limits<std::size_t>::max(), original,
                                       std::numeric_limits<std::size_t>::max());
            break;
        }
        }
    }

    fuzz::Reader& in_;
    const Mode mode_;
    const int32_t limit_;
    CustomTextFieldFormatterPrinter rule_;
    Model model_{};
    std::unique_ptr<QLineEdit> field_;
    int step_ = 0;
};

QWidget* window()
{
    static QWidget* w = [] {
        auto* top = new QWidget;
        top->resize(260, 40);
        top->show();
        return top;
    }();
    return w;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    fuzz::Reader in(data, size);
    const uint8_t setup = in.byte();
    const Mode mode = static_cast<Mode>(setup & 3);
    const int32_t limit = kLimits[((setup >> 2) & 15) % std::size(kLimits)];
    const bool password = (setup & 0x40) != 0;
    {
        FieldFuzzer fuzzer(in, mode, limit, password, window());
        fuzzer.run(64);
    }
    QApplication::clipboard()->clear();
    fuzz::settle();
    return 0;
}
