// The libcups PPD interface is deprecated in CUPS 2.4 but is what printer options
// are described in.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "host/FeatureOptions.h"

#include <QCoreApplication>
#include <QLocale>

#include <cups/cups.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace host {

namespace {

// The page's sentences live in its own string table.
QString tr(const char* text) { return QCoreApplication::translate("host::FeaturesPage", text); }

QString utf8(const char* text) { return QString::fromUtf8(text ? text : ""); }

bool isTextType(ppd_cptype_t type)
{
    return type == PPD_CUSTOM_STRING || type == PPD_CUSTOM_PASSWORD || type == PPD_CUSTOM_PASSCODE;
}

// A number as a range shows it to the user.
QString shown(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 7);
}

// A number the user typed: in the C form or in the user's own ("1.5" or "1,5").
bool parseNumber(const QString& text, double* value)
{
    bool ok = false;
    *value = QLocale::c().toDouble(text, &ok);
    if (ok) return std::isfinite(*value);
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    *value = locale.toDouble(text, &ok);
    return ok && std::isfinite(*value);
}

int characters(const QString& text) { return static_cast<int>(text.toUcs4().size()); }

// A value inside "{Name=value ...}", quoted when cupsParseOptions would split it.
QString quoted(const QString& value)
{
    static const QString special = QStringLiteral(" \t\r\n\"'\\{}=");
    const bool plain = !value.isEmpty() && std::none_of(value.cbegin(), value.cend(), [](QChar c) {
        return special.contains(c);
    });
    if (plain) return value;
    QString text = QStringLiteral("\"");
    for (QChar c : value) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\')) text += QLatin1Char('\\');
        text += c;
    }
    return text + QLatin1Char('"');
}

FeatureOption::Control controlFor(const ppd_option_t* option)
{
    if (option->num_choices == 0) return FeatureOption::Control::Nothing;
    if (option->ui == PPD_UI_PICKMANY) return FeatureOption::Control::CheckBoxes;
    if (option->ui == PPD_UI_BOOLEAN && option->num_choices == 2) {
        const QString a = utf8(option->choices[0].choice);
        const QString b = utf8(option->choices[1].choice);
        const QString t = QStringLiteral("True");
        const QString f = QStringLiteral("False");
        if ((a.compare(t, Qt::CaseInsensitive) == 0 && b.compare(f, Qt::CaseInsensitive) == 0) ||
            (a.compare(f, Qt::CaseInsensitive) == 0 && b.compare(t, Qt::CaseInsensitive) == 0))
            return FeatureOption::Control::CheckBox;
    }
    return FeatureOption::Control::PopUp;
}

std::unique_ptr<FeatureGroup> readGroup(ppd_file_t* ppd, ppd_group_t* group, const QStringList& owned,
                                        bool installable)
{
    auto answer = std::make_unique<FeatureGroup>();
    answer->name = utf8(group->name);
    answer->text = group->text[0] ? utf8(group->text) : answer->name;
    answer->installable = installable;
    for (int o = 0; o < group->num_options; ++o) {
        ppd_option_t* option = &group->options[o];
        const QString keyword = utf8(option->keyword);
        if (keyword.isEmpty() || owned.contains(keyword)) continue;
        auto feature = std::make_unique<FeatureOption>();
        feature->option = option;
        feature->keyword = keyword;
        feature->text = option->text[0] ? utf8(option->text) : keyword;
        feature->control = controlFor(option);
        feature->markable = ppdFindOption(ppd, option->keyword) == option;
        if (feature->control == FeatureOption::Control::PopUp && ppdFindChoice(option, "Custom") &&
            ppdFindCustomOption(ppd, option->keyword)) {
            feature->customForm = true;
            feature->custom = customParams(ppd, keyword, &feature->customProblem);
        }
        answer->options.push_back(std::move(feature));
    }
    for (int s = 0; s < group->num_subgroups; ++s) {
        auto subgroup = readGroup(ppd, &group->subgroups[s], owned, installable);
        if (subgroup->optionCount() > 0) answer->subgroups.push_back(std::move(subgroup));
    }
    return answer;
}

} // namespace

bool CustomParam::isText() const { return isTextType(type); }

bool CustomParam::isSecret() const { return type == PPD_CUSTOM_PASSWORD || type == PPD_CUSTOM_PASSCODE; }

bool CustomParam::isWhole() const { return type == PPD_CUSTOM_INT; }

bool FeatureOption::hasSecret() const
{
    return std::any_of(custom.cbegin(), custom.cend(), [](const CustomParam& p) { return p.isSecret(); });
}

int FeatureGroup::optionCount() const
{
    int count = static_cast<int>(options.size());
    for (const auto& subgroup : subgroups) count += subgroup->optionCount();
    return count;
}

std::vector<std::unique_ptr<FeatureGroup>> featureGroups(ppd_file_t* ppd, const QStringList& owned)
{
    std::vector<std::unique_ptr<FeatureGroup>> groups;
    std::vector<std::unique_ptr<FeatureGroup>> fitted;
    for (int g = 0; ppd && g < ppd->num_groups; ++g) {
        ppd_group_t* group = &ppd->groups[g];
        const bool installable = std::strcmp(group->name, "InstallableOptions") == 0;
        auto read = readGroup(ppd, group, owned, installable);
        if (read->optionCount() == 0) continue;
        (installable ? fitted : groups).push_back(std::move(read));
    }
    // What the printer has fitted is no choice for one job: after the groups that are.
    for (auto& group : fitted) groups.push_back(std::move(group));
    return groups;
}

QList<CustomParam> customParams(ppd_file_t* ppd, const QString& keyword, QString* problem)
{
    QList<CustomParam> params;
    QList<int> order;
    ppd_coption_t* coption = ppdFindCustomOption(ppd, keyword.toUtf8().constData());
    ppd_option_t* option = ppdFindOption(ppd, keyword.toUtf8().constData());
    const QString optionText = option && option->text[0] ? utf8(option->text) : keyword;
    for (ppd_cparam_t* cparam = ppdFirstCustomParam(coption); cparam; cparam = ppdNextCustomParam(coption)) {
        CustomParam param;
        param.name = utf8(cparam->name);
        param.text = cparam->text[0] ? utf8(cparam->text) : param.name;
        param.type = cparam->type;
        switch (cparam->type) {
        case PPD_CUSTOM_INT:
            param.minimum = cparam->minimum.custom_int;
            param.maximum = cparam->maximum.custom_int;
            break;
        case PPD_CUSTOM_CURVE:
        case PPD_CUSTOM_INVCURVE:
        case PPD_CUSTOM_POINTS:
        case PPD_CUSTOM_REAL:
            // The range is the same float member for all four.
            param.minimum = static_cast<double>(cparam->minimum.custom_real);
            param.maximum = static_cast<double>(cparam->maximum.custom_real);
            break;
        case PPD_CUSTOM_PASSCODE:
        case PPD_CUSTOM_PASSWORD:
        case PPD_CUSTOM_STRING:
            param.minimum = cparam->minimum.custom_string;
            param.maximum = cparam->maximum.custom_string;
            break;
        case PPD_CUSTOM_UNKNOWN:
            break;
        }
        // The printer takes its parameters in their order numbers; equal ones in file order.
        const auto at = std::upper_bound(order.begin(), order.end(), cparam->order);
        params.insert(at - order.begin(), param);
        order.insert(at, cparam->order);
    }

    QString why;
    // libcups holds a custom value in the parameters: without one, none can be marked.
    if (params.isEmpty()) why = tr("The printer description offers a custom value for \u201c%1\u201d but declares "
                                   "nothing to enter for it.").arg(optionText);
    for (const CustomParam& param : std::as_const(params)) {
        if (!why.isEmpty()) break;
        const QString label = params.size() == 1 ? optionText : QStringLiteral("%1 (%2)").arg(optionText, param.text);
        if (param.type == PPD_CUSTOM_UNKNOWN)
            why = tr("The printer description gives \u201c%1\u201d a custom value of a kind that is not known.")
                      .arg(label);
        else if (!std::isfinite(param.minimum) || !std::isfinite(param.maximum))
            why = tr("The printer description allows no custom value for \u201c%1\u201d: its range is not a number.")
                      .arg(label);
        else if (param.isText() && (param.minimum < 0 || param.maximum < 0))
            why = tr("The printer description allows no custom value for \u201c%1\u201d: it gives a negative "
                     "length (%2 to %3 characters).")
                      .arg(label, shown(param.minimum), shown(param.maximum));
        else if (param.isText() && param.minimum > param.maximum)
            why = tr("The printer description allows no custom value for \u201c%1\u201d: it asks for at least %2 "
                     "characters but allows at most %3.")
                      .arg(label, shown(param.minimum), shown(param.maximum));
        else if (param.minimum > param.maximum)
            why = tr("The printer description allows no custom value for \u201c%1\u201d: its lowest value, %2, "
                     "is above its highest, %3.")
                      .arg(label, shown(param.minimum), shown(param.maximum));
    }
    if (problem) *problem = why;
    return params;
}

QString customValueProblem(const CustomParam& param, const QString& label, const QString& text, QString* value)
{
    const QString trimmed = text.trimmed();
    switch (param.type) {
    case PPD_CUSTOM_INT: {
        bool ok = false;
        const qlonglong number = QLocale::c().toLongLong(trimmed, &ok);
        if (!ok || number < param.minimum || number > param.maximum)
            return tr("%1 must be a whole number from %2 to %3; \u201c%4\u201d is not.")
                .arg(label, shown(param.minimum), shown(param.maximum), text);
        if (value) *value = QString::number(number);
        return QString();
    }
    case PPD_CUSTOM_CURVE:
    case PPD_CUSTOM_INVCURVE:
    case PPD_CUSTOM_POINTS:
    case PPD_CUSTOM_REAL: {
        double number = 0;
        // Compared as libcups holds both, in single precision: the bounds themselves pass.
        const bool ok = parseNumber(trimmed, &number) && static_cast<float>(number) >= static_cast<float>(param.minimum) &&
                        static_cast<float>(number) <= static_cast<float>(param.maximum);
        if (!ok) {
            if (param.type == PPD_CUSTOM_POINTS)
                return tr("%1 must be a number of points from %2 to %3; \u201c%4\u201d is not.")
                    .arg(label, shown(param.minimum), shown(param.maximum), text);
            return tr("%1 must be a number from %2 to %3; \u201c%4\u201d is not.")
                .arg(label, shown(param.minimum), shown(param.maximum), text);
        }
        if (value) *value = QString::number(number, 'g', 15);
        return QString();
    }
    case PPD_CUSTOM_PASSCODE: {
        const bool digits = std::all_of(text.cbegin(), text.cend(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        });
        if (!digits || characters(text) < param.minimum || characters(text) > param.maximum) {
            if (param.minimum == param.maximum)
                return tr("%1 must be %2 digits.").arg(label, shown(param.minimum));
            return tr("%1 must be %2 to %3 digits.").arg(label, shown(param.minimum), shown(param.maximum));
        }
        if (value) *value = text;
        return QString();
    }
    case PPD_CUSTOM_PASSWORD:
    case PPD_CUSTOM_STRING: {
        const int length = characters(text);
        if (length < param.minimum || length > param.maximum) {
            if (param.minimum <= 0)
                return tr("%1 may have at most %2 characters; it has %3.").arg(label, shown(param.maximum)).arg(length);
            return tr("%1 must have from %2 to %3 characters; it has %4.")
                .arg(label, shown(param.minimum), shown(param.maximum))
                .arg(length);
        }
        if (value) *value = text;
        return QString();
    }
    case PPD_CUSTOM_UNKNOWN:
        break;
    }
    return tr("%1 takes no value.").arg(label);
}

QString customRangeText(const CustomParam& param)
{
    switch (param.type) {
    case PPD_CUSTOM_INT:
    case PPD_CUSTOM_CURVE:
    case PPD_CUSTOM_INVCURVE:
    case PPD_CUSTOM_REAL:
        return tr("%1 to %2").arg(shown(param.minimum), shown(param.maximum));
    case PPD_CUSTOM_POINTS:
        return tr("%1 to %2 pt").arg(shown(param.minimum), shown(param.maximum));
    case PPD_CUSTOM_PASSCODE:
        if (param.minimum == param.maximum) return tr("%1 digits").arg(shown(param.minimum));
        return tr("%1 to %2 digits").arg(shown(param.minimum), shown(param.maximum));
    case PPD_CUSTOM_PASSWORD:
    case PPD_CUSTOM_STRING:
        if (param.minimum <= 0) return tr("up to %1 characters").arg(shown(param.maximum));
        if (param.minimum == param.maximum) return tr("%1 characters").arg(shown(param.minimum));
        return tr("%1 to %2 characters").arg(shown(param.minimum), shown(param.maximum));
    case PPD_CUSTOM_UNKNOWN:
        break;
    }
    return QString();
}

QString customChoice(const QList<CustomParam>& params, const QMap<QString, QString>& values)
{
    if (params.size() == 1) return QStringLiteral("Custom.") + values.value(params.first().name);
    QStringList parts;
    for (const CustomParam& param : params) parts << param.name + QLatin1Char('=') + quoted(values.value(param.name));
    return QLatin1Char('{') + parts.join(QLatin1Char(' ')) + QLatin1Char('}');
}

QMap<QString, QString> parseCustomChoice(const QList<CustomParam>& params, const QString& choice)
{
    QMap<QString, QString> values;
    if (params.isEmpty()) return values;
    if (params.size() == 1 && choice.startsWith(QLatin1String("Custom."))) {
        values.insert(params.first().name, choice.mid(7));
        return values;
    }
    if (!choice.startsWith(QLatin1Char('{'))) return values;
    // The form libcups itself reads (ppdMarkOption parses it so).
    cups_option_t* options = nullptr;
    const int count = cupsParseOptions(choice.toUtf8().constData(), 0, &options);
    for (const CustomParam& param : params)
        if (const char* text = cupsGetOption(param.name.toUtf8().constData(), count, options))
            values.insert(param.name, QString::fromUtf8(text));
    cupsFreeOptions(count, options);
    return values;
}

QMap<QString, QString> currentCustomValues(ppd_file_t* ppd, const QString& keyword, const QList<CustomParam>& params)
{
    QMap<QString, QString> values;
    ppd_coption_t* coption = ppdFindCustomOption(ppd, keyword.toUtf8().constData());
    for (const CustomParam& param : params) {
        ppd_cparam_t* cparam = ppdFindCustomParam(coption, param.name.toUtf8().constData());
        if (!cparam) continue;
        double number = 0;
        switch (param.type) {
        case PPD_CUSTOM_INT:
            number = cparam->current.custom_int;
            break;
        case PPD_CUSTOM_CURVE:
        case PPD_CUSTOM_INVCURVE:
        case PPD_CUSTOM_POINTS:
        case PPD_CUSTOM_REAL:
            number = static_cast<double>(cparam->current.custom_real);
            break;
        case PPD_CUSTOM_PASSCODE:
        case PPD_CUSTOM_PASSWORD:
        case PPD_CUSTOM_STRING:
            values.insert(param.name, utf8(cparam->current.custom_string));
            continue;
        case PPD_CUSTOM_UNKNOWN:
            continue;
        }
        // libcups starts a parameter at zero, which may lie outside its range.
        if (number < param.minimum || number > param.maximum) number = param.minimum;
        values.insert(param.name, param.isWhole() ? QString::number(static_cast<qlonglong>(number))
                                                  : QString::number(number, 'g', 7));
    }
    return values;
}

QStringList markedChoices(const ppd_option_t* option)
{
    QStringList choices;
    for (int c = 0; option && c < option->num_choices; ++c)
        if (option->choices[c].marked) choices << utf8(option->choices[c].choice);
    return choices;
}

void markPickMany(ppd_file_t* ppd, const QString& keyword, const QStringList& choices)
{
    const QByteArray key = keyword.toUtf8();
    ppd_option_t* target = ppdFindOption(ppd, key.constData());
    if (!target || target->ui != PPD_UI_PICKMANY) return;
    // libcups unmarks a choice of a PickMany option only when it marks every default
    // anew: keep every other mark (custom values included), mark the defaults without
    // this option's, and mark the rest again in the order the defaults are marked.
    QList<QPair<QByteArray, QByteArray>> keep;
    for (int g = 0; g < ppd->num_groups; ++g) {
        const ppd_group_t& group = ppd->groups[g];
        for (int o = 0; o < group.num_options; ++o) {
            ppd_option_t* option = &group.options[o];
            if (option == target) continue;
            for (int c = 0; c < option->num_choices; ++c) {
                if (!option->choices[c].marked) continue;
                QByteArray choice(option->choices[c].choice);
                if (choice == "Custom") {
                    const QString name = utf8(option->keyword);
                    const QList<CustomParam> params = customParams(ppd, name, nullptr);
                    if (!params.isEmpty())
                        choice = customChoice(params, currentCustomValues(ppd, name, params)).toUtf8();
                }
                keep.append({QByteArray(option->keyword), choice});
            }
        }
    }
    char defchoice[sizeof target->defchoice];
    std::memcpy(defchoice, target->defchoice, sizeof defchoice);
    target->defchoice[0] = '\0';
    ppdMarkDefaults(ppd);
    std::memcpy(target->defchoice, defchoice, sizeof defchoice);
    for (const auto& mark : std::as_const(keep)) ppdMarkOption(ppd, mark.first.constData(), mark.second.constData());
    for (const QString& choice : choices) ppdMarkOption(ppd, key.constData(), choice.toUtf8().constData());
}

} // namespace host
