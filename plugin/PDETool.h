#pragma once
// Choice lists from PPD options, and the pop-ups that show them.
#include "plugin/PDEChoice.h"

#include <QString>

#include <cups/ppd.h>

#include <memory>

class QComboBox;

// Null for a missing option; otherwise one entry per choice (empty without choices).
std::unique_ptr<ChoiceList> ArrayFromPPDOption(ppd_option_t* option);
// First entry whose ppdTitle (userTitle) equals `text`; with a null `text`, the first
// default entry; null when nothing matches.
PDEChoice* FindChoiceForString(const QString& text, const ChoiceList* list);
PDEChoice* FindUserChoiceForString(const QString& text, const ChoiceList* list);
// Empties the pop-up and appends one item per entry, titled with its userTitle and
// carrying the entry (QVariant::fromValue<PDEChoice*>). Selects nothing.
void InitPopUpFromArray(QComboBox* popup, const ChoiceList* list);
// "Option not found." for null; otherwise the option's text followed by ":".
QString CreateOptionTitle(ppd_option_t* option);

// The PDEChoice carried by the selected item of `popup`, or null.
PDEChoice* selectedChoice(const QComboBox* popup);
// The ppdTitle of the selected item's choice, or a null text.
QString selectedChoiceName(const QComboBox* popup);
