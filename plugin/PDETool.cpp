#include "plugin/PDETool.h"

#include <QComboBox>

#include <cstring>

namespace {

// Walks the list from its start, counting every entry looked at in nIndex.
template <class Title>
PDEChoice* findChoice(const QString& text, const ChoiceList* list, Title title)
{
    nIndex = 0;
    if (!list) return nullptr;
    for (const std::unique_ptr<PDEChoice>& entry : *list) {
        ++nIndex;
        if (!entry) continue;
        if (text.isNull() ? entry->isDefaultChoice() : title(*entry) == text) return entry.get();
    }
    return nullptr;
}

} // namespace

std::unique_ptr<ChoiceList> ArrayFromPPDOption(ppd_option_t* option)
{
    if (!option) return nullptr;
    auto list = std::make_unique<ChoiceList>();
    if (option->choices && option->num_choices > 0) {
        list->reserve(static_cast<std::size_t>(option->num_choices));
        for (int i = 0; i < option->num_choices; ++i)
            list->push_back(PDEChoice::choiceWithChoice(&option->choices[i]));
    }
    return list;
}

PDEChoice* FindChoiceForString(const QString& text, const ChoiceList* list)
{
    return findChoice(text, list, [](PDEChoice& entry) { return entry.ppdTitle(); });
}

PDEChoice* FindUserChoiceForString(const QString& text, const ChoiceList* list)
{
    return findChoice(text, list, [](PDEChoice& entry) { return entry.userTitle(); });
}

void InitPopUpFromArray(QComboBox* popup, const ChoiceList* list)
{
    if (!popup) return;
    popup->clear();
    if (list) {
        // One item per entry, even an empty one, so that positions stay aligned.
        for (const std::unique_ptr<PDEChoice>& entry : *list) {
            PDEChoice* choice = entry.get();
            popup->addItem(choice ? choice->userTitle() : QString(), QVariant::fromValue<PDEChoice*>(choice));
        }
    }
    // A combo box selects its first item by itself; the panels choose what to show.
    popup->setCurrentIndex(-1);
}

QString CreateOptionTitle(ppd_option_t* option)
{
    if (!option) return QStringLiteral("Option not found.");
    // A label must show something, so bytes that are not UTF-8 become replacement
    // characters rather than an empty label.
    const QByteArrayView text(option->text, static_cast<qsizetype>(strnlen(option->text, PPD_MAX_TEXT)));
    return QString::fromUtf8(text) + QLatin1Char(':');
}

PDEChoice* selectedChoice(const QComboBox* popup)
{
    if (!popup) return nullptr;
    const int index = popup->currentIndex();
    if (index < 0) return nullptr;
    return popup->itemData(index).value<PDEChoice*>();
}

QString selectedChoiceName(const QComboBox* popup)
{
    PDEChoice* choice = selectedChoice(popup);
    return choice ? choice->ppdTitle() : QString();
}
