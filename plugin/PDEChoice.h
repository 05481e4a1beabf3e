#pragma once
// One PPD choice as a pop-up item: the user title shown and the PPD name handed over.
#include "plugin/SharedPanelState.h"

#include <QMetaType>
#include <QString>

#include <cups/ppd.h>

#include <memory>

class PDEChoice {
public:
    // A new choice for the caller to put into a list (which then owns it).
    static std::unique_ptr<PDEChoice> choiceWithChoice(ppd_choice_t* choice);
    explicit PDEChoice(ppd_choice_t* choice); // initWithChoice

    // The choice's text decoded as UTF-8, made on first request; null when it cannot be decoded.
    QString userTitle();
    // The choice's name decoded as ASCII, made on first request; null when it cannot be decoded.
    QString ppdTitle();
    ppd_choice_t* choice() const { return choice_; }
    bool isDefaultChoice() const;
    QString description();

private:
    QString userTitle_;
    QString ppdTitle_;
    ppd_choice_t* choice_; // owned by the PPD
};
Q_DECLARE_METATYPE(PDEChoice*)
