// The libcups PPD interface is deprecated in CUPS 2.4 but is what printer options
// are described in.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "host/FeaturesPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QStyle>
#include <QVBoxLayout>

#include <functional>

namespace host {

namespace {

// Preset keys of the page: "features/<keyword>".
const QString kSavedPrefix = QStringLiteral("features/");

QString utf8(const char* text) { return QString::fromUtf8(text ? text : ""); }

bool isCustomChoice(const QString& choice)
{
    return choice == QLatin1String("Custom") || choice.startsWith(QLatin1String("Custom.")) ||
           choice.startsWith(QLatin1Char('{'));
}

// The choice of a Boolean option named True or False, as the description spells it.
QString booleanChoice(const ppd_option_t* option, bool on)
{
    const char* wanted = on ? "True" : "False";
    for (int c = 0; c < option->num_choices; ++c)
        if (qstricmp(option->choices[c].choice, wanted) == 0) return utf8(option->choices[c].choice);
    return QString::fromLatin1(wanted);
}

QPalette warningPalette(const QPalette& base)
{
    QPalette palette = base;
    palette.setColor(QPalette::WindowText, QColor(0xa0, 0x3c, 0x00));
    return palette;
}

constexpr int kPopUpMinimumWidth = 160;
constexpr int kFieldMaximumWidth = 320;

} // namespace

FeaturesPage::FeaturesPage(QWidget* parent) : HostPage(parent)
{
    setObjectName(QStringLiteral("featuresPage"));
}

FeaturesPage::~FeaturesPage() = default;

QString FeaturesPage::title() const { return tr("Printer Features"); }

QSize FeaturesPage::shownMinimumSize() const { return QSize(560, 340); }

// ---------------------------------------------------------------------------------
// What the description offers

const std::vector<std::unique_ptr<FeatureGroup>>& FeaturesPage::groups() const
{
    if (!groupsRead_) {
        groups_ = featureGroups(context_.ppd, context_.ownedKeywords);
        groupsRead_ = true;
    }
    return groups_;
}

template <class F>
void FeaturesPage::forEachOption(F&& visit) const
{
    std::function<void(const FeatureGroup&)> walk = [&](const FeatureGroup& group) {
        for (const auto& option : group.options) visit(*option, group);
        for (const auto& subgroup : group.subgroups) walk(*subgroup);
    };
    for (const auto& group : groups()) walk(*group);
}

const FeatureOption* FeaturesPage::findOption(const QString& keyword, const FeatureGroup** top) const
{
    const FeatureOption* found = nullptr;
    for (const auto& group : groups()) {
        std::function<void(const FeatureGroup&)> walk = [&](const FeatureGroup& g) {
            for (const auto& option : g.options)
                if (!found && option->keyword == keyword) found = option.get();
            for (const auto& subgroup : g.subgroups) walk(*subgroup);
        };
        walk(*group);
        if (found) {
            if (top) *top = group.get();
            return found;
        }
    }
    return nullptr;
}

QStringList FeaturesPage::groupNames() const
{
    QStringList names;
    for (const auto& group : groups()) names << group->name;
    return names;
}

QStringList FeaturesPage::keywords() const
{
    QStringList list;
    forEachOption([&](const FeatureOption& feature, const FeatureGroup&) { list << feature.keyword; });
    return list;
}

QString FeaturesPage::currentChoice(const FeatureOption& feature) const
{
    if (!feature.markable) {
        const QString choice = localChoices_.value(feature.keyword, utf8(feature.option->defchoice));
        return isCustomChoice(choice) ? QStringLiteral("Custom") : choice;
    }
    const ppd_choice_t* marked = ppdFindMarkedChoice(context_.ppd, feature.option->keyword);
    return marked ? utf8(marked->choice) : QString();
}

bool FeaturesPage::isCustomNow(const FeatureOption& feature) const
{
    return feature.customForm && currentChoice(feature) == QLatin1String("Custom");
}

QMap<QString, QString> FeaturesPage::customTexts(const FeatureOption& feature) const
{
    QMap<QString, QString> texts = currentCustomValues(context_.ppd, feature.keyword, feature.custom);
    if (!feature.markable) {
        const QString saved = localChoices_.value(feature.keyword, utf8(feature.option->defchoice));
        const QMap<QString, QString> parsed = parseCustomChoice(feature.custom, saved);
        for (auto it = parsed.cbegin(); it != parsed.cend(); ++it) texts.insert(it.key(), it.value());
    }
    const QMap<QString, QString> entered = customTexts_.value(feature.keyword);
    for (auto it = entered.cbegin(); it != entered.cend(); ++it) texts.insert(it.key(), it.value());
    return texts;
}

QString FeaturesPage::labelFor(const FeatureOption& feature, const CustomParam& param) const
{
    if (feature.custom.size() == 1) return tr("\u201c%1\u201d").arg(feature.text);
    return tr("\u201c%1\u201d (%2)").arg(feature.text, param.text);
}

QString FeaturesPage::customProblem(const FeatureOption& feature, QString* parameter) const
{
    if (!feature.customProblem.isEmpty()) return feature.customProblem;
    const QMap<QString, QString> texts = customTexts(feature);
    for (const CustomParam& param : feature.custom) {
        const QString why = customValueProblem(param, labelFor(feature, param), texts.value(param.name));
        if (!why.isEmpty()) {
            if (parameter) *parameter = param.name;
            return why;
        }
    }
    return QString();
}

QString FeaturesPage::customChoiceNow(const FeatureOption& feature) const
{
    // Each value in the form libcups reads; one that is not a value goes as it stands
    // (canPrint holds the job back until it is one).
    const QMap<QString, QString> texts = customTexts(feature);
    QMap<QString, QString> values;
    for (const CustomParam& param : feature.custom) {
        QString value = texts.value(param.name);
        customValueProblem(param, QString(), value, &value);
        values.insert(param.name, value);
    }
    return customChoice(feature.custom, values);
}

// ---------------------------------------------------------------------------------
// The printer state

void FeaturesPage::bind(const PrinterContext& printer, const QMap<QString, QString>& saved)
{
    // The rows point into the groups: both go together.
    if (isBuilt()) {
        for (auto& [name, page] : groupPages_) delete page;
        groupPages_.clear();
        rows_.clear();
        // Made again when next shown.
        stale_ = true;
    }
    context_ = printer;
    groups_.clear();
    groupsRead_ = false;
    customTexts_.clear();
    localChoices_.clear();
    attention_.clear();

    // This printer's own values: custom values (marked, so that the job, the Summary
    // and the constraints see them), sets of a PickMany option, and the choices of
    // options libcups keeps no marks for.
    for (auto it = saved.cbegin(); it != saved.cend(); ++it) {
        if (!it.key().startsWith(kSavedPrefix)) continue;
        const FeatureOption* feature = findOption(it.key().mid(kSavedPrefix.size()));
        if (!feature) continue; // an option this description no longer has, or another page shows
        const QString value = it.value();
        if (!feature->markable) {
            localChoices_.insert(feature->keyword, value);
        } else if (feature->control == FeatureOption::Control::CheckBoxes) {
            markPickMany(context_.ppd, feature->keyword, value.split(QLatin1Char(','), Qt::SkipEmptyParts));
        } else if (feature->customPossible() && isCustomChoice(value)) {
            customTexts_.insert(feature->keyword, parseCustomChoice(feature->custom, value));
            markChoice(context_.ppd, feature->keyword, value);
        }
    }
}

void FeaturesPage::saveValues(QMap<QString, QString>* values) const
{
    forEachOption([&](const FeatureOption& feature, const FeatureGroup& group) {
        if (group.installable) return;
        const QString key = kSavedPrefix + feature.keyword;
        if (isCustomNow(feature)) {
            // A password or passcode never rests in the settings file.
            if (feature.customPossible() && !feature.hasSecret()) values->insert(key, customChoiceNow(feature));
        } else if (!feature.markable) {
            const QString choice = currentChoice(feature);
            if (choice != utf8(feature.option->defchoice)) values->insert(key, choice);
        } else if (feature.control == FeatureOption::Control::CheckBoxes) {
            const QStringList choices = markedChoices(feature.option);
            if (choices != QStringList{utf8(feature.option->defchoice)}) values->insert(key, choices.join(QLatin1Char(',')));
        }
    });
}

void FeaturesPage::addJobOptions(JobOptions* options) const
{
    // Marked standard choices travel with every marked choice of the description; what
    // libcups cannot say that way goes here.
    forEachOption([&](const FeatureOption& feature, const FeatureGroup& group) {
        if (group.installable) return;
        if (isCustomNow(feature)) {
            if (feature.customPossible()) options->set(feature.keyword, customChoiceNow(feature));
        } else if (!feature.markable) {
            const QString choice = currentChoice(feature);
            if (!choice.isEmpty() && choice != utf8(feature.option->defchoice)) options->set(feature.keyword, choice);
        } else if (feature.control == FeatureOption::Control::CheckBoxes) {
            // As lp -o names several choices; CUPS's own filters mark only one choice
            // per option, so a printer whose filters read the option list gets them all.
            const QStringList choices = markedChoices(feature.option);
            if (!choices.isEmpty() && choices != QStringList{utf8(feature.option->defchoice)})
                options->set(feature.keyword, choices.join(QLatin1Char(',')));
        }
    });
}

bool FeaturesPage::canPrint(QString* why) const
{
    bool ok = true;
    forEachOption([&](const FeatureOption& feature, const FeatureGroup& group) {
        if (!ok || group.installable || !isCustomNow(feature)) return;
        const QString problem = customProblem(feature);
        if (problem.isEmpty()) return;
        ok = false;
        attention_ = feature.keyword;
        if (why) *why = problem + QLatin1Char(' ') + tr("Enter a value it takes, or choose another setting for it.");
    });
    return ok;
}

// ---------------------------------------------------------------------------------
// Choosing

void FeaturesPage::choose(const FeatureOption& feature, const QString& choice)
{
    QString marked = choice;
    if (choice == QLatin1String("Custom")) {
        // The values shown in the fields become the choice.
        if (!customTexts_.contains(feature.keyword)) customTexts_.insert(feature.keyword, customTexts(feature));
        marked = customChoiceNow(feature);
    }
    if (feature.markable) markChoice(context_.ppd, feature.keyword, marked);
    else localChoices_.insert(feature.keyword, marked);
    auto row = rows_.find(feature.keyword);
    if (row != rows_.end()) showRow(row->second);
    showConflicts();
    emit choicesChanged();
}

void FeaturesPage::chooseMany(const FeatureOption& feature)
{
    auto row = rows_.find(feature.keyword);
    if (row == rows_.end()) return;
    QStringList choices;
    for (QCheckBox* box : row->second.checkBoxes)
        if (box->isChecked()) choices << box->property("choice").toString();
    if (feature.markable) markPickMany(context_.ppd, feature.keyword, choices);
    else localChoices_.insert(feature.keyword, choices.join(QLatin1Char(',')));
    showConflicts();
    emit choicesChanged();
}

void FeaturesPage::customEdited(const FeatureOption& feature, const QString& param, const QString& text)
{
    customTexts_[feature.keyword].insert(param, text);
    choose(feature, QStringLiteral("Custom"));
}

// ---------------------------------------------------------------------------------
// The window

void FeaturesPage::build()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 4, 4);
    layout->setSpacing(8);

    auto* top = new QHBoxLayout;
    top->setSpacing(8);
    groupLabel_ = new QLabel(tr("Feature set:"), this);
    groupLabel_->setObjectName(QStringLiteral("featureSetLabel"));
    groupPopUp_ = new QComboBox(this);
    groupPopUp_->setObjectName(QStringLiteral("featureSetPopUp"));
    groupPopUp_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    groupLabel_->setBuddy(groupPopUp_);
    top->addWidget(groupLabel_);
    top->addWidget(groupPopUp_);
    top->addStretch(1);
    layout->addLayout(top);

    stack_ = new QStackedWidget(this);
    stack_->setObjectName(QStringLiteral("featureGroups"));
    layout->addWidget(stack_, 1);

    emptyText_ = new QLabel(this);
    emptyText_->setObjectName(QStringLiteral("featuresEmpty"));
    emptyText_->setAlignment(Qt::AlignCenter);
    emptyText_->setWordWrap(true);
    layout->addWidget(emptyText_, 1);

    connect(groupPopUp_, &QComboBox::activated, this,
            [this](int index) { openGroup(groupPopUp_->itemData(index).toString()); });
    rebuild();
}

void FeaturesPage::rebuild()
{
    stale_ = false;
    {
        const QSignalBlocker block(groupPopUp_);
        groupPopUp_->clear();
        for (const auto& group : groups()) groupPopUp_->addItem(group->text, group->name);
    }
    const bool any = !groups().empty();
    groupLabel_->setVisible(any);
    groupPopUp_->setVisible(any);
    stack_->setVisible(any);
    emptyText_->setVisible(!any);
    emptyText_->setText(context_.ppd ? tr("This printer has no further options.")
                                     : tr("This printer has no printer description: the options it takes are "
                                          "those every printer takes."));
    if (any) openGroup(groups().front()->name);
}

bool FeaturesPage::showGroup(const QString& name)
{
    if (!isBuilt() || stale_) prepareToShow();
    return openGroup(name);
}

bool FeaturesPage::openGroup(const QString& name)
{
    const FeatureGroup* group = nullptr;
    for (const auto& g : groups())
        if (g->name == name) group = g.get();
    if (!group) return false;
    auto page = groupPages_.find(name);
    if (page == groupPages_.end()) page = groupPages_.emplace(name, makeGroupPage(*group)).first;
    stack_->setCurrentWidget(page->second);
    const QSignalBlocker block(groupPopUp_);
    groupPopUp_->setCurrentIndex(groupPopUp_->findData(name));
    return true;
}

QString FeaturesPage::shownGroup() const
{
    if (!stack_ || !groupPopUp_->isVisibleTo(this)) return QString();
    return groupPopUp_->currentData().toString();
}

QWidget* FeaturesPage::makeGroupPage(const FeatureGroup& group)
{
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("featureGroup_") + group.name);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("featureGroupContents"));
    auto* form = new QFormLayout(page);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    form->setContentsMargins(8, 4, 8, 4);
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(8);
    if (group.installable) {
        auto* note = new QLabel(tr("What this printer has fitted, as its administrator set it up."), page);
        note->setWordWrap(true);
        note->setForegroundRole(QPalette::PlaceholderText);
        form->addRow(note);
    }
    QStringList made;
    addRows(group, form, page, group.installable, &made);
    scroll->setWidget(page);
    stack_->addWidget(scroll);
    for (const QString& keyword : std::as_const(made)) showRow(rows_.at(keyword));
    showConflicts();
    orderTabs(made);
    return scroll;
}

void FeaturesPage::addRows(const FeatureGroup& group, QFormLayout* form, QWidget* page, bool installable,
                           QStringList* made)
{
    for (const auto& option : group.options) {
        const FeatureOption& feature = *option;
        Row row;
        row.feature = &feature;
        auto* cell = new QWidget(page);
        row.cell = new QVBoxLayout(cell);
        row.cell->setContentsMargins(0, 0, 0, 0);
        row.cell->setSpacing(4);
        auto* line = new QHBoxLayout;
        line->setSpacing(6);
        row.cell->addLayout(line);
        const QString name = QStringLiteral("feature_") + feature.keyword;

        switch (feature.control) {
        case FeatureOption::Control::CheckBox: {
            row.checkBox = new QCheckBox(feature.text, cell);
            row.checkBox->setObjectName(name);
            line->addWidget(row.checkBox);
            connect(row.checkBox, &QCheckBox::clicked, this, [this, &feature](bool on) {
                choose(feature, booleanChoice(feature.option, on));
            });
            break;
        }
        case FeatureOption::Control::CheckBoxes: {
            row.label = new QLabel(feature.text + QLatin1Char(':'), page);
            row.label->setAlignment(Qt::AlignRight | Qt::AlignTop);
            auto* boxes = new QVBoxLayout;
            boxes->setSpacing(2);
            for (int c = 0; c < feature.option->num_choices; ++c) {
                const ppd_choice_t& choice = feature.option->choices[c];
                auto* box = new QCheckBox(choice.text[0] ? utf8(choice.text) : utf8(choice.choice), cell);
                box->setObjectName(name + QLatin1Char('_') + utf8(choice.choice));
                box->setProperty("choice", utf8(choice.choice));
                box->setAccessibleDescription(feature.text);
                box->setAccessibleName(QStringLiteral("%1: %2").arg(feature.text, box->text()));
                connect(box, &QCheckBox::clicked, this, [this, &feature] { chooseMany(feature); });
                boxes->addWidget(box);
                row.checkBoxes.push_back(box);
            }
            line->addLayout(boxes);
            if (!row.checkBoxes.empty()) row.label->setBuddy(row.checkBoxes.front());
            break;
        }
        case FeatureOption::Control::PopUp: {
            row.label = new QLabel(feature.text + QLatin1Char(':'), page);
            row.popUp = new QComboBox(cell);
            row.popUp->setObjectName(name);
            // Sized to its choices when first shown (a size policy that measures them as
            // they are added costs more than the rest of the row).
            row.popUp->setMinimumWidth(kPopUpMinimumWidth);
            row.popUp->setMaximumWidth(kFieldMaximumWidth);
            for (int c = 0; c < feature.option->num_choices; ++c) {
                const ppd_choice_t& choice = feature.option->choices[c];
                const QString text = choice.text[0] ? utf8(choice.text) : utf8(choice.choice);
                row.popUp->addItem(text, utf8(choice.choice));
                row.popUp->setItemData(c, text, Qt::ToolTipRole);
            }
            if (feature.customForm && !feature.customPossible()) {
                // Ranges that admit no value: the choice cannot be made.
                const int custom = row.popUp->findData(QStringLiteral("Custom"));
                if (auto* model = qobject_cast<QStandardItemModel*>(row.popUp->model()))
                    if (QStandardItem* item = model->item(custom)) item->setEnabled(false);
            }
            row.label->setBuddy(row.popUp);
            // The label is not its sibling, so a screen reader would not find it.
            row.popUp->setAccessibleName(feature.text);
            line->addWidget(row.popUp);
            connect(row.popUp, &QComboBox::activated, this, [this, &feature, popUp = row.popUp](int index) {
                choose(feature, popUp->itemData(index).toString());
            });
            if (feature.customForm) makeCustomEditor(row);
            if (!feature.customProblem.isEmpty()) {
                row.problem = new QLabel(feature.customProblem, cell);
                row.problem->setObjectName(name + QStringLiteral("_problem"));
                row.problem->setWordWrap(true);
                // The form gives a field the height of its size hint, which for wrapped
                // text is a guess at a narrower width: the sentence was cut off.
                row.problem->setFixedWidth(kFieldMaximumWidth);
                row.problem->setMinimumHeight(row.problem->heightForWidth(kFieldMaximumWidth));
                row.problem->setPalette(warningPalette(row.problem->palette()));
                row.cell->addWidget(row.problem);
            }
            break;
        }
        case FeatureOption::Control::Nothing: {
            row.label = new QLabel(feature.text + QLatin1Char(':'), page);
            auto* none = new QLabel(tr("(no choices)"), cell);
            none->setObjectName(name);
            none->setEnabled(false);
            line->addWidget(none);
            break;
        }
        }
        line->addStretch(1);
        if (installable) cell->setEnabled(false);
        if (row.label) {
            row.label->setObjectName(name + QStringLiteral("_label"));
            form->addRow(row.label, cell);
        } else {
            form->addRow(static_cast<QWidget*>(nullptr), cell);
        }
        made->append(feature.keyword);
        rows_.emplace(feature.keyword, std::move(row));
    }
    for (const auto& subgroup : group.subgroups) {
        auto* heading = new QLabel(subgroup->text, page);
        heading->setObjectName(QStringLiteral("featureSubgroup_") + subgroup->name);
        QFont font = heading->font();
        font.setBold(true);
        heading->setFont(font);
        form->addRow(heading);
        addRows(*subgroup, form, page, installable, made);
    }
}

void FeaturesPage::makeCustomEditor(Row& row)
{
    const FeatureOption& feature = *row.feature;
    auto* editor = new QWidget;
    editor->setObjectName(QStringLiteral("feature_") + feature.keyword + QStringLiteral("_custom"));
    auto* form = new QFormLayout(editor);
    form->setContentsMargins(0, 0, 0, 0);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    for (const CustomParam& param : feature.custom) {
        auto* fieldLine = new QHBoxLayout;
        auto* field = new QLineEdit(editor);
        field->setObjectName(QStringLiteral("feature_") + feature.keyword + QLatin1Char('_') + param.name);
        field->setMinimumWidth(param.isText() ? 180 : 90);
        field->setMaximumWidth(kFieldMaximumWidth - 60);
        if (param.isSecret()) field->setEchoMode(QLineEdit::Password);
        if (param.type == PPD_CUSTOM_PASSCODE) field->setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhSensitiveData);
        else if (param.isSecret()) field->setInputMethodHints(Qt::ImhSensitiveData | Qt::ImhNoPredictiveText);
        else if (!param.isText()) field->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
        field->setAccessibleName(feature.custom.size() == 1 ? tr("%1, custom value").arg(feature.text)
                                                             : QStringLiteral("%1, %2").arg(feature.text, param.text));
        auto* range = new QLabel(QStringLiteral("(%1)").arg(customRangeText(param)), editor);
        range->setObjectName(field->objectName() + QStringLiteral("_range"));
        range->setForegroundRole(QPalette::PlaceholderText);
        field->setAccessibleDescription(customRangeText(param));
        fieldLine->addWidget(field);
        fieldLine->addWidget(range);
        fieldLine->addStretch(1);
        // One parameter needs no name of its own: the option's label says it.
        if (feature.custom.size() == 1) form->addRow(fieldLine);
        else form->addRow(param.text + QLatin1Char(':'), fieldLine);
        const QString name = param.name;
        connect(field, &QLineEdit::textEdited, this,
                [this, &feature, name](const QString& text) { customEdited(feature, name, text); });
        row.fields.push_back(field);
    }
    editor->setVisible(false);
    row.cell->addWidget(editor);
    row.customEditor = editor;
}

void FeaturesPage::showRow(Row& row)
{
    const FeatureOption& feature = *row.feature;
    const QString choice = currentChoice(feature);
    if (row.popUp) {
        const QSignalBlocker block(row.popUp);
        // Nothing marked (libcups leaves PageRegion so): the printer uses its default.
        const int index = row.popUp->findData(choice);
        row.popUp->setCurrentIndex(index >= 0 ? index : row.popUp->findData(utf8(feature.option->defchoice)));
    }
    if (row.checkBox) {
        const QSignalBlocker block(row.checkBox);
        row.checkBox->setChecked(choice.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0);
    }
    if (!row.checkBoxes.empty()) {
        const QStringList chosen = feature.markable ? markedChoices(feature.option)
                                                    : localChoices_.value(feature.keyword, utf8(feature.option->defchoice))
                                                          .split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (QCheckBox* box : row.checkBoxes) {
            const QSignalBlocker block(box);
            box->setChecked(chosen.contains(box->property("choice").toString()));
        }
    }
    const bool custom = isCustomNow(feature);
    if (row.customEditor) {
        row.customEditor->setVisible(custom && feature.customPossible());
        const QMap<QString, QString> texts = customTexts(feature);
        for (size_t i = 0; i < row.fields.size(); ++i) {
            QLineEdit* field = row.fields[i];
            const CustomParam& param = feature.custom.at(static_cast<int>(i));
            const QString text = texts.value(param.name);
            if (field->text() != text) field->setText(text);
            // A value the printer does not take is marked where it is typed.
            const QString problem = custom ? customValueProblem(param, labelFor(feature, param), text) : QString();
            QPalette palette = field->palette();
            palette.setColor(QPalette::Text, problem.isEmpty() ? QApplication::palette().color(QPalette::Text)
                                                               : QColor(0xb0, 0x00, 0x20));
            field->setPalette(palette);
            field->setToolTip(problem);
        }
    }
}

void FeaturesPage::showConflicts()
{
    if (!isBuilt()) return;
    // ppdMarkOption leaves each option's `conflicted` flag as the constraints say now.
    for (auto& [keyword, row] : rows_) {
        const bool conflicted = row.feature->markable && row.feature->option->conflicted;
        if (conflicted && !row.conflictIcon) {
            QWidget* cell = row.cell->parentWidget();
            row.conflictIcon = new QLabel(cell);
            row.conflictIcon->setObjectName(QStringLiteral("feature_") + keyword + QStringLiteral("_conflict"));
            const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
            row.conflictIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size, size));
            row.conflictIcon->setToolTip(tr("Conflicts with other chosen options"));
            row.conflictIcon->setAccessibleName(tr("Conflicts with other chosen options"));
            auto* line = static_cast<QHBoxLayout*>(row.cell->itemAt(0)->layout());
            line->insertWidget(line->count() - 1, row.conflictIcon);
        }
        if (row.conflictIcon) row.conflictIcon->setVisible(conflicted);
        if (row.label) row.label->setPalette(conflicted ? warningPalette(palette()) : palette());
    }
    // The feature sets that hold a conflict say so in the pop-up.
    std::function<bool(const FeatureGroup&)> conflicted = [&](const FeatureGroup& group) {
        for (const auto& option : group.options)
            if (option->markable && option->option->conflicted) return true;
        for (const auto& subgroup : group.subgroups)
            if (conflicted(*subgroup)) return true;
        return false;
    };
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const auto& group : groups())
        groupPopUp_->setItemIcon(groupPopUp_->findData(group->name), conflicted(*group) ? warning : QIcon());
}

void FeaturesPage::refresh()
{
    if (stale_) rebuild();
    // Marks may have changed while the page was hidden (a panel's hand-over, a restore).
    for (auto& [keyword, row] : rows_) showRow(row);
    showConflicts();
    if (attention_.isEmpty()) return;
    const FeatureGroup* top = nullptr;
    if (findOption(attention_, &top) && top) openGroup(top->name);
    auto row = rows_.find(attention_);
    attention_.clear();
    if (row == rows_.end()) return;
    QString parameter;
    customProblem(*row->second.feature, &parameter);
    for (size_t i = 0; i < row->second.fields.size(); ++i)
        if (row->second.feature->custom.at(static_cast<int>(i)).name == parameter) row->second.fields[i]->setFocus();
}

void FeaturesPage::orderTabs(const QStringList& made)
{
    // Controls made after the window put its tab order together join it after the
    // feature set pop-up, in reading order.
    QWidget* previous = groupPopUp_;
    auto follow = [&](QWidget* control) {
        if (!control) return;
        QWidget::setTabOrder(previous, control);
        previous = control;
    };
    for (const QString& keyword : made) {
        const Row& row = rows_.at(keyword);
        follow(row.popUp);
        follow(row.checkBox);
        for (QCheckBox* box : row.checkBoxes) follow(box);
        for (QLineEdit* field : row.fields) follow(field);
    }
}

} // namespace host
