#pragma once
// Edit-time input restriction of a text field: a limit in UTF-8 bytes and one of four
// modes. The rule is plain C++; attachFormatter applies it to a QLineEdit.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class QLineEdit;

class CustomTextFieldFormatterPrinter {
public:
    CustomTextFieldFormatterPrinter() = default;

    void setMaximumLength(int32_t length) { maxLength = length; }
    void setNumberOnly(bool on) { bNumOnly = on; }
    void setCBNumber(bool on) { bCBNum = on; }
    void setNameAlpha(bool on) { bAlphaOnly = on; }
    int32_t maximumLength() const { return maxLength; }
    bool bNumberOnly() const { return bNumOnly; }
    bool bCBNumber() const { return bCBNum; }

    // The object value of a field with this formatter is its text itself.
    std::u16string stringForObjectValue(std::u16string_view value) const {
        return std::u16string(value);
    }
    bool getObjectValue(std::u16string* value, std::u16string_view string) const {
        if (value) *value = std::u16string(string);
        return true;
    }

    // Whether an edit is accepted. `proposed` is the whole text after the edit and
    // `proposedCaret` the caret after it; `original` the text before and
    // `originalSelectionStart` where its selection began. Texts are UTF-16.
    bool isPartialStringValid(std::u16string_view proposed, std::size_t proposedCaret,
                              std::u16string_view original,
                              std::size_t originalSelectionStart) const;

    int32_t maxLength = 2147483647;
    bool bNumOnly = false;
    bool bCBNum = false;
    bool bAlphaOnly = false;
};

// Makes `formatter` judge every edit of `field` (typing, paste, drop, delete, undo):
// an edit it refuses leaves the text and the caret as they were. Text set by code
// (setText) is not judged. The formatter must outlive the field's use of it; the adapter
// is a child of the field. A null formatter takes the adapter off again.
void attachFormatter(QLineEdit* field, const CustomTextFieldFormatterPrinter* formatter);
