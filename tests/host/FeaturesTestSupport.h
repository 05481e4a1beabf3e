#pragma once
// The Printer Features page as a user meets it: shown from the pane pop-up, a feature
// set chosen from its pop-up, its controls found by the option they set.
#include "host/FeaturesPage.h"
#include "platform/PDEPanel.h"
#include "tests/host/HostTestSupport.h"

#include <QRegularExpression>
#include <QStackedWidget>

namespace hosttest {

inline host::FeaturesPage* featuresPage(QWidget* dialog) { return find<host::FeaturesPage>(dialog, "featuresPage"); }

// Shows Printer Features as choosing it in the pane pop-up does.
inline host::FeaturesPage* showFeatures(host::PrintDialog* dialog)
{
    auto* panes = find<QComboBox>(dialog, "panelPopUp");
    const int entry = panes ? panes->findData(QStringLiteral("features")) : -1;
    if (entry < 0) return nullptr;
    panes->setCurrentIndex(entry);
    emit panes->activated(entry);
    return featuresPage(dialog);
}

// The titles the feature set pop-up offers.
inline QStringList featureSets(host::FeaturesPage* page)
{
    QStringList titles;
    auto* sets = find<QComboBox>(page, "featureSetPopUp");
    for (int i = 0; sets && i < sets->count(); ++i) titles << sets->itemText(i);
    return titles;
}

// The control of option `keyword` ("feature_<keyword>", or `suffix` after it: "_custom",
// a parameter or choice name), after choosing in the feature set pop-up the set that
// shows it; null when no set does.
template <class T = QWidget>
T* featureControl(host::FeaturesPage* page, const QString& keyword, const QString& suffix = QString())
{
    auto* sets = find<QComboBox>(page, "featureSetPopUp");
    auto* stack = find<QStackedWidget>(page, "featureGroups");
    if (!sets || !stack) return nullptr;
    const QString name = QStringLiteral("feature_") + keyword + (suffix.isEmpty() ? QString() : QLatin1Char('_') + suffix);
    for (int i = 0; i < sets->count(); ++i) {
        if (sets->currentIndex() != i) {
            sets->setCurrentIndex(i);
            emit sets->activated(i);
        }
        if (T* control = stack->currentWidget()->findChild<T*>(name)) return control;
    }
    return nullptr;
}

// The keywords the bundle's panels and the host's other pages show.
inline QStringList shownElsewhere(host::PrintDialog* dialog)
{
    QStringList owned;
    for (platform::PDEPanel* panel : dialog->panels()) owned << panel->supportedPPDOptionKeys();
    for (host::HostPage* page : dialog->findChildren<host::HostPage*>()) owned << page->ownedKeywords();
    return owned;
}

// Every option keyword a printer description declares in its own text (*OpenUI and
// *JCLOpenUI), read without libcups.
inline QStringList declaredKeywords(const QString& ppdPath)
{
    static const QRegularExpression openUi(QStringLiteral(R"(^\*(?:JCL)?OpenUI\s+\*([^/:\s]+))"),
                                           QRegularExpression::MultilineOption);
    QStringList keywords;
    const QString text = QString::fromLatin1(readBytes(ppdPath));
    for (auto match = openUi.globalMatch(text); match.hasNext();) {
        const QString keyword = match.next().captured(1);
        if (!keywords.contains(keyword)) keywords << keyword;
    }
    return keywords;
}

} // namespace hosttest
