#include "plugin/CustomTextFieldFormatter.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QValidator>

#include <algorithm>
#include <iterator>
#include <limits>
#include <optional>

// ---------------------------------------------------------------------------------------
// The rule
// ---------------------------------------------------------------------------------------

namespace {

// The first code point of every run of Unicode decimal digits (general category Nd,
// Unicode 14): each run is the ten digits 0 to 9 in order.
constexpr char32_t kDecimalDigitZeros[] = {
    0x0030,  0x0660,  0x06F0,  0x07C0,  0x0966,  0x09E6,  0x0A66,  0x0AE6,  0x0B66,
    0x0BE6,  0x0C66,  0x0CE6,  0x0D66,  0x0DE6,  0x0E50,  0x0ED0,  0x0F20,  0x1040,
    0x1090,  0x17E0,  0x1810,  0x1946,  0x19D0,  0x1A80,  0x1A90,  0x1B50,  0x1BB0,
    0x1C40,  0x1C50,  0xA620,  0xA8D0,  0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,
    0xFF10,  0x104A0, 0x10D30, 0x11066, 0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450,
    0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0, 0x11950, 0x11C50, 0x11D50, 0x11DA0,
    0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8, 0x1D7E2, 0x1D7EC, 0x1D7F6, 0x1E140,
    0x1E2F0, 0x1E950, 0x1FBF0,
};

bool isDecimalDigit(char32_t c)
{
    const auto* next = std::upper_bound(std::begin(kDecimalDigitZeros), std::end(kDecimalDigitZeros), c);
    return next != std::begin(kDecimalDigitZeros) && c - *(next - 1) < 10;
}

bool isHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// Calls `f` with each code point of `text`; an unpaired surrogate comes as itself.
// Stops and answers false as soon as `f` does.
template <typename F>
bool allCodePoints(std::u16string_view text, F f)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((char32_t(text[i]) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
            ++i;
        }
        if (!f(c))
            return false;
    }
    return true;
}

// Whether `text` takes at most `limit` bytes in UTF-8. A surrogate pair is one 4-byte
// character; an unpaired surrogate counts as the 3 bytes of its replacement character.
// Stops counting once over the limit, so a huge text costs no more than the limit.
bool fitsInUtf8Bytes(std::u16string_view text, int32_t limit)
{
    if (limit < 0)
        return false;
    const auto max = static_cast<uint64_t>(limit);
    uint64_t bytes = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        if (u < 0x80) {
            bytes += 1;
        } else if (u < 0x800) {
            bytes += 2;
        } else if (isHighSurrogate(u) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            bytes += 4;
            ++i;
        } else {
            bytes += 3;
        }
        if (bytes > max)
            return false;
    }
    return true;
}

bool isWhiteSpace(char16_t u)
{
    return u == 0x20 || (u >= 0x09 && u <= 0x0D) || u == 0x85 || u == 0xA0 || u == 0x1680
        || (u >= 0x2000 && u <= 0x200A) || u == 0x2028 || u == 0x2029 || u == 0x202F
        || u == 0x205F || u == 0x3000;
}

// The decimal integer the text starts with: white space skipped, an optional sign, the
// digits after it; 0 when there are none. Saturates far outside any range asked about.
int64_t leadingInteger(std::u16string_view text)
{
    constexpr int64_t kSaturation = int64_t(1) << 40;
    std::size_t i = 0;
    while (i < text.size() && isWhiteSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    int64_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min(value * 10 + (text[i] - u'0'), kSaturation);
    return negative ? -value : value;
}

} // namespace

bool CustomTextFieldFormatterPrinter::isPartialStringValid(std::u16string_view proposed,
                                                           std::size_t proposedCaret,
                                                           std::u16string_view /*original*/,
                                                           std::size_t originalSelectionStart) const
{
    if (!fitsInUtf8Bytes(proposed, maxLength))
        return false;

    // What the edit put in: from where the selection began to where the caret ends up.
    const std::size_t caret = std::min(proposedCaret, proposed.size());
    const std::u16string_view inserted = caret > originalSelectionStart
        ? proposed.substr(originalSelectionStart, caret - originalSelectionStart)
        : std::u16string_view();

    if (bNumOnly) {
        // Widened to whole characters: an edit inside a surrogate pair (a drop lands
        // between its halves) must not leave half a digit on either side.
        std::size_t from = std::min(originalSelectionStart, caret);
        std::size_t to = std::max(from, caret);
        if (from > 0 && isHighSurrogate(proposed[from - 1]))
            --from;
        if (to < proposed.size() && isLowSurrogate(proposed[to]))
            ++to;
        return allCodePoints(proposed.substr(from, to - from), isDecimalDigit);
    }
    if (bCBNum) {
        const bool densityCharacters = allCodePoints(inserted, [](char32_t c) {
            return c == U'-' || (c >= U'0' && c <= U'3');
        });
        const int64_t value = leadingInteger(proposed);
        return densityCharacters && value >= -3 && value <= 3 && proposed != u"--";
    }
    if (bAlphaOnly) {
        return std::all_of(proposed.begin(), proposed.end(),
                           [](char16_t u) { return u < 127 || (u >= 160 && u <= 254); });
    }
    return true;
}

// ---------------------------------------------------------------------------------------
// The adapter
// ---------------------------------------------------------------------------------------
//
// QLineEdit asks its validator about every change of its text, after the change is made
// and before anyone hears of it, and takes the change back itself when the answer is
// Invalid - for typing, paste, cut, delete, drop and input method commits. What the
// validator is not told is the text and selection before the change, which the rule
// needs; the adapter keeps them from the field's own notifications, which come only once
// a change has settled.
//
// Three things need more than the validator:
// - Text set by code is not judged: such a change comes with the undo history just
//   cleared, which no user edit does.
// - Undo and redo are not taken back by QLineEdit when refused; the adapter runs them
//   itself (keys and context menu) and puts a refused one back.
// - A refused drop still selects text at the drop point, and dragging over the field
//   moves its caret; the adapter puts the caret back as it was before the drag.

namespace {

std::u16string_view view(const QString& s)
{
    return {reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size())};
}

struct FieldState {
    QString text;
    int cursor = 0;
    int selectionStart = -1; // -1: no selection
    int selectionLength = 0;

    // Where an edit made now would begin: the selection's start, or the caret.
    int editStart() const { return selectionStart >= 0 ? selectionStart : cursor; }
};

class FormatterAdapter final : public QValidator {
public:
    FormatterAdapter(QLineEdit* field, const CustomTextFieldFormatterPrinter* formatter)
        : QValidator(field), field_(field), formatter_(formatter)
    {
        settled_ = capture();
        connect(field, &QLineEdit::textChanged, this, [this] { settled_ = capture(); });
        connect(field, &QLineEdit::cursorPositionChanged, this, &FormatterAdapter::selectionMoved);
        connect(field, &QLineEdit::selectionChanged, this, &FormatterAdapter::selectionMoved);
        field->installEventFilter(this);
    }

    void setFormatter(const CustomTextFieldFormatterPrinter* formatter) { formatter_ = formatter; }

    State validate(QString& input, int& pos) const override
    {
        if (!formatter_ || mode_ == Mode::Restoring || input == settled_.text)
            return Acceptable;
        if (mode_ == Mode::None && !field_->isModified() && !field_->isUndoAvailable()
            && !field_->isRedoAvailable()) {
            // Set by code (the history was just cleared): taken as it is.
            settled_ = FieldState{input, pos, -1, 0};
            return Acceptable;
        }
        const bool ok = formatter_->isPartialStringValid(
            view(input), static_cast<std::size_t>(std::max(pos, 0)), view(settled_.text),
            static_cast<std::size_t>(settled_.editStart()));
        if (!ok) {
            ++refusals_;
            // A password field takes back only refused insertions: its undo history hides
            // deletions, so QLineEdit would keep a refused deletion. The text before the
            // edit is put back instead.
            if (mode_ == Mode::None && !field_->isUndoAvailable()) {
                input = settled_.text;
                pos = settled_.cursor;
                return Acceptable;
            }
            return Invalid;
        }
        // Provisional until the field reports the settled state.
        settled_ = FieldState{input, pos, -1, 0};
        return Acceptable;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != field_ || field_->isReadOnly())
            return false;
        switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
                undoOrRedo(key->matches(QKeySequence::Redo));
                key->accept();
                return true;
            }
            return false;
        }
        case QEvent::ContextMenu:
            if (field_->contextMenuPolicy() != Qt::DefaultContextMenu)
                return false;
            showContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        case QEvent::DragEnter:
            beforeDrag_ = capture();
            return false;
        case QEvent::DragLeave:
            beforeDrag_.reset();
            return false;
        case QEvent::Drop:
            if (delivering_)
                return false;
            drop(static_cast<QDropEvent*>(event));
            return true;
        default:
            return false;
        }
    }

private:
    enum class Mode { None, Judging, Restoring };

    FieldState capture() const
    {
        FieldState s;
        s.text = field_->text();
        s.cursor = field_->cursorPosition();
        s.selectionStart = field_->hasSelectedText() ? field_->selectionStart() : -1;
        s.selectionLength = field_->hasSelectedText() ? field_->selectionLength() : 0;
        return s;
    }

    // Caret and selection moves without a text change. While an edit is half done the
    // field's text differs from the settled one; those moves are not the state before it.
    void selectionMoved()
    {
        if (field_->text() == settled_.text)
            settled_ = capture();
    }

    void restoreSelection(const FieldState& s)
    {
        if (s.selectionLength > 0) {
            if (s.cursor == s.selectionStart)
                field_->setSelection(s.selectionStart + s.selectionLength, -s.selectionLength);
            else
                field_->setSelection(s.selectionStart, s.selectionLength);
        } else {
            field_->setCursorPosition(s.cursor);
        }
    }

    void undoOrRedo(bool redo)
    {
        const FieldState before = capture();
        const int refusalsBefore = refusals_;
        {
            // Listeners hear of the step only once it is accepted.
            const QSignalBlocker blocker(field_);
            mode_ = Mode::Judging;
            redo ? field_->redo() : field_->undo();
            const bool refused = refusals_ != refusalsBefore;
            if (refused) {
                mode_ = Mode::Restoring;
                if (field_->text() != before.text) {
                    // Step back the other way; the history stays as it was. Should the
                    // two steps not match, set the text again (the history is lost).
                    redo ? field_->undo() : field_->redo();
                    if (field_->text() != before.text)
                        field_->setText(before.text);
                }
                restoreSelection(before);
            }
            mode_ = Mode::None;
        }
        settled_ = capture();
        const FieldState after = settled_;
        if (after.text != before.text) {
            emit field_->textEdited(after.text);
            emit field_->textChanged(after.text);
        }
        if (after.cursor != before.cursor)
            emit field_->cursorPositionChanged(before.cursor, after.cursor);
        if (after.selectionStart != before.selectionStart
            || after.selectionLength != before.selectionLength)
            emit field_->selectionChanged();
    }

    void showContextMenu(const QPoint& globalPos)
    {
        QMenu* menu = field_->createStandardContextMenu();
        // The menu's Undo and Redo are the actions wired to the field's slots of those
        // names; they are rewired to the judged steps.
        const auto takeOver = [this](QAction* action, void (QLineEdit::*slot)(), const char* signature) {
            return disconnect(action, &QAction::triggered, field_, slot)
                || disconnect(action, nullptr, field_, signature);
        };
        for (QAction* action : menu->actions()) {
            const bool isUndo = takeOver(action, &QLineEdit::undo, SLOT(undo()));
            const bool isRedo = !isUndo && takeOver(action, &QLineEdit::redo, SLOT(redo()));
            if (!isUndo && !isRedo)
                continue;
            connect(action, &QAction::triggered, this, [this, isRedo] {
                if (!field_->isReadOnly())
                    undoOrRedo(isRedo);
            });
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(globalPos);
    }

    void drop(QDropEvent* event)
    {
        const FieldState before = beforeDrag_.value_or(capture());
        beforeDrag_.reset();
        const int refusalsBefore = refusals_;
        delivering_ = true;
        QCoreApplication::sendEvent(field_, event);
        delivering_ = false;
        if (refusals_ != refusalsBefore && field_->text() == before.text) {
            restoreSelection(before);
            // Nothing was taken: a move from elsewhere must not delete its source.
            event->setDropAction(Qt::IgnoreAction);
            event->ignore();
        }
    }

    QLineEdit* const field_; // the parent: the adapter never outlives it
    const CustomTextFieldFormatterPrinter* formatter_;
    mutable FieldState settled_;
    mutable int refusals_ = 0;
    Mode mode_ = Mode::None;
    bool delivering_ = false;
    std::optional<FieldState> beforeDrag_;
};

} // namespace

void attachFormatter(QLineEdit* field, const CustomTextFieldFormatterPrinter* formatter)
{
    if (!field)
        return;
    FormatterAdapter* adapter = nullptr;
    for (QObject* child : field->children()) {
        if ((adapter = dynamic_cast<FormatterAdapter*>(child)))
            break;
    }
    if (!formatter) {
        if (adapter) {
            field->setValidator(nullptr);
            delete adapter;
        }
        return;
    }
    if (adapter) {
        adapter->setFormatter(formatter);
        return;
    }
    // The formatter's byte limit decides, not the field's own length limit (which would
    // cut a paste short and let the rest in).
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setValidator(new FormatterAdapter(field, formatter));
}
