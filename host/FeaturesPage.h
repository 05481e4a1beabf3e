#pragma once
// Printer Features: every option of the printer description that no other page and no
// panel shows, grouped as the description groups them, one group at a time under a
// "Feature set" pop-up. A group's controls are made the first time it is shown, so a
// description with hundreds of options costs only the group in view. Choices are marked
// on the description (so that constraints, the Summary, the preset and the job see them);
// custom values travel as job options in the form CUPS's filters read.
#include "host/FeatureOptions.h"
#include "host/HostPage.h"

#include <QMap>
#include <QPointer>
#include <QString>

#include <map>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QVBoxLayout;

namespace host {

class FeaturesPage : public HostPage {
    Q_OBJECT
public:
    explicit FeaturesPage(QWidget* parent = nullptr);
    ~FeaturesPage() override;

    QString title() const override;
    QString key() const override { return QStringLiteral("features"); }
    void bind(const PrinterContext& printer, const QMap<QString, QString>& saved) override;
    void saveValues(QMap<QString, QString>* values) const override;
    void addJobOptions(JobOptions* options) const override;
    bool canPrint(QString* why) const override;
    QSize shownMinimumSize() const override;

    // The PPD names of the groups the feature set pop-up offers, in its order.
    QStringList groupNames() const;
    // The keywords of every option the page offers, in PPD order.
    QStringList keywords() const;
    // Shows the group named `name` (its controls made on its first show); false when the
    // page offers no such group.
    bool showGroup(const QString& name);
    QString shownGroup() const;

protected:
    void build() override;
    void refresh() override;

private:
    struct Row {
        const FeatureOption* feature = nullptr;
        QLabel* label = nullptr;
        QComboBox* popUp = nullptr;
        QCheckBox* checkBox = nullptr;
        std::vector<QCheckBox*> checkBoxes;
        QVBoxLayout* cell = nullptr;        // the control, then what appears under it
        QLabel* conflictIcon = nullptr;     // made when the option first conflicts
        QWidget* customEditor = nullptr;    // the custom value's fields
        std::vector<QLineEdit*> fields;     // one per parameter
        QLabel* problem = nullptr;          // why no custom value is possible
    };

    const std::vector<std::unique_ptr<FeatureGroup>>& groups() const;
    const FeatureOption* findOption(const QString& keyword, const FeatureGroup** group = nullptr) const;
    template <class F>
    void forEachOption(F&& visit) const;

    // What is chosen for `feature` now: the choice marked, or the page's own.
    QString currentChoice(const FeatureOption& feature) const;
    bool isCustomNow(const FeatureOption& feature) const;
    // The texts of the custom value's parameters, as entered or as libcups holds them.
    QMap<QString, QString> customTexts(const FeatureOption& feature) const;
    // Why the custom value of `feature` cannot be sent; empty when it can.
    QString customProblem(const FeatureOption& feature, QString* parameter = nullptr) const;
    QString customChoiceNow(const FeatureOption& feature) const;
    QString labelFor(const FeatureOption& feature, const CustomParam& param) const;

    // Choosing.
    void choose(const FeatureOption& feature, const QString& choice);
    void chooseMany(const FeatureOption& feature);
    void customEdited(const FeatureOption& feature, const QString& param, const QString& text);

    // The window.
    void rebuild();
    bool openGroup(const QString& name);
    QWidget* makeGroupPage(const FeatureGroup& group);
    void addRows(const FeatureGroup& group, QFormLayout* form, QWidget* page, bool installable,
                 QStringList* made);
    void makeCustomEditor(Row& row);
    void showRow(Row& row);
    void showConflicts();
    void orderTabs(const QStringList& made);

    PrinterContext context_;
    mutable std::vector<std::unique_ptr<FeatureGroup>> groups_;
    mutable bool groupsRead_ = false;
    // Entered custom values by keyword and parameter name; the page's own choices for
    // options libcups keeps no marks for.
    QMap<QString, QMap<QString, QString>> customTexts_;
    QMap<QString, QString> localChoices_;
    // The option canPrint found wrong, shown when the page is next shown.
    mutable QString attention_;

    QComboBox* groupPopUp_ = nullptr;
    QLabel* groupLabel_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QLabel* emptyText_ = nullptr;
    std::map<QString, QWidget*> groupPages_; // by group name, made on first show
    std::map<QString, Row> rows_;            // by keyword, for the groups made
    bool stale_ = false;                     // bound anew since the controls were made
};

} // namespace host
