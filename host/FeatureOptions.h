#pragma once
// What the Printer Features page shows, read from a printer description: its options
// grouped as the PPD groups them, the control each calls for, and the custom values an
// option may take (*CustomXxx with its *ParamCustomXxx parameters), with the rules that
// decide whether a value is one the printer declares it takes.
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <cups/ppd.h>

#include <memory>
#include <vector>

namespace host {

// One parameter of an option's custom form.
struct CustomParam {
    QString name; // the parameter's PPD name
    QString text; // its label, as libcups translated it
    ppd_cptype_t type = PPD_CUSTOM_UNKNOWN;
    // Numbers: the lowest and highest value. Texts: the least and most characters.
    double minimum = 0;
    double maximum = 0;

    bool isText() const;   // string, password or passcode
    bool isSecret() const; // password or passcode: masked, never kept
    bool isWhole() const;  // int
};

struct FeatureOption {
    enum class Control {
        PopUp,      // PickOne, or a Boolean whose choices are not True and False
        CheckBox,   // Boolean
        CheckBoxes, // PickMany
        Nothing,    // an option without choices
    };

    ppd_option_t* option = nullptr; // in the description, valid while it is open
    QString keyword;
    QString text;
    Control control = Control::PopUp;
    // libcups keeps no marks for options in subgroups; the page keeps those choices.
    bool markable = true;
    // A "Custom" choice with a custom form (*CustomXxx) in a pop-up.
    bool customForm = false;
    // Its parameters, in the order the printer takes them.
    QList<CustomParam> custom;
    // Why no custom value is possible (ranges that admit none); empty when one is.
    QString customProblem;

    bool customPossible() const { return customForm && customProblem.isEmpty(); }
    bool hasSecret() const;
};

struct FeatureGroup {
    QString name;
    QString text;
    // InstallableOptions: what the printer has fitted, set up by its administrator;
    // shown, but not changed for one job.
    bool installable = false;
    std::vector<std::unique_ptr<FeatureOption>> options;
    std::vector<std::unique_ptr<FeatureGroup>> subgroups;

    int optionCount() const;
};

// Every option of `ppd` that `owned` does not name, grouped as the PPD groups them, in
// PPD order but for InstallableOptions, which comes last; groups left with no option are
// left out.
std::vector<std::unique_ptr<FeatureGroup>> featureGroups(ppd_file_t* ppd, const QStringList& owned);

// The custom form of `keyword`'s option, and why it admits no value (in `problem`).
QList<CustomParam> customParams(ppd_file_t* ppd, const QString& keyword, QString* problem);

// Why `text` is not a value `param` takes, as a sentence naming the parameter by
// `label`; empty when it is one. `value` gets it in the form libcups reads.
QString customValueProblem(const CustomParam& param, const QString& label, const QString& text,
                           QString* value = nullptr);
// What a field for `param` says of the values it takes: "1–100", "up to 8 characters".
QString customRangeText(const CustomParam& param);

// The choice that carries the values to libcups and CUPS's filters: "Custom.<value>" for
// one parameter, "{Name=value Name=value}" for several (values quoted as needed).
QString customChoice(const QList<CustomParam>& params, const QMap<QString, QString>& values);
// The values of a choice customChoice made, by parameter name; empty when it is none.
QMap<QString, QString> parseCustomChoice(const QList<CustomParam>& params, const QString& choice);
// The values libcups holds now for the option's parameters; a number it holds outside
// its range reads as the lowest value.
QMap<QString, QString> currentCustomValues(ppd_file_t* ppd, const QString& keyword,
                                           const QList<CustomParam>& params);

// The choices of a PickMany option marked now, in PPD order.
QStringList markedChoices(const ppd_option_t* option);
// Marks exactly `choices` of the PickMany option `keyword`, every other mark kept.
void markPickMany(ppd_file_t* ppd, const QString& keyword, const QStringList& choices);

} // namespace host
