#include "host/PaneStack.h"

#include "host/HostPage.h"

#include "platform/PDEPanel.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace host {

namespace {

// Item data of pop-up entries: the entry's key.
constexpr int kKeyRole = Qt::UserRole;
const QString kEmptyKey = QStringLiteral("empty");

constexpr int kEmptyPageWidth = 520;
constexpr int kEmptyPageHeight = 200;

} // namespace

PaneStack::PaneStack(QComboBox* popUp, QStackedWidget* stack, QObject* parent)
    : QObject(parent), popUp_(popUp), stack_(stack)
{
    emptyPage_ = new QWidget(stack_);
    emptyPage_->setObjectName(QStringLiteral("emptyPage"));
    auto* layout = new QVBoxLayout(emptyPage_);
    layout->setContentsMargins(24, 32, 24, 32);
    emptyText_ = new QLabel(emptyPage_);
    emptyText_->setObjectName(QStringLiteral("emptyText"));
    emptyText_->setAlignment(Qt::AlignCenter);
    emptyText_->setWordWrap(true);
    emptyText_->setTextFormat(Qt::RichText);
    layout->addWidget(emptyText_);
    stack_->addWidget(emptyPage_);
    connect(popUp_, &QComboBox::activated, this,
            [this](int index) { showKey(popUp_->itemData(index, kKeyRole).toString()); });
}

PaneStack::~PaneStack() = default;

void PaneStack::setHostPages(const QList<HostPage*>& leading, const QList<HostPage*>& trailing, HostPage* summary)
{
    leading_ = leading;
    trailing_ = trailing;
    summary_ = summary;
    for (HostPage* page : leading_ + trailing_ + QList<HostPage*>{summary_})
        if (page) stack_->addWidget(page);
    rebuildPopUp();
}

void PaneStack::clearPanels()
{
    panels_.clear();
    for (const QPointer<QWidget>& page : std::as_const(panelPages_))
        if (page) delete page.data();
    panelPages_.clear();
}

void PaneStack::setPanels(const QList<platform::PDEPanel*>& panels, const QString& emptyText)
{
    clearPanels();
    panels_ = panels;
    // panelView before willShow; each view keeps the size its layout gave it.
    for (platform::PDEPanel* panel : panels_) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("panelPage"));
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        if (QWidget* view = panel->panelView()) {
            if (!view->layout() && view->minimumSize().isNull()) view->setMinimumSize(view->size());
            layout->addWidget(view, 0, Qt::AlignHCenter | Qt::AlignTop);
        } else {
            auto* missing = new QLabel(tr("This panel could not be loaded."), page);
            missing->setAlignment(Qt::AlignCenter);
            missing->setMinimumSize(kEmptyPageWidth, 120);
            layout->addWidget(missing);
        }
        stack_->addWidget(page);
        panelPages_.append(page);
    }
    // Only the empty page shows this text; a hidden page still has its size asked.
    emptyText_->setText(panels_.isEmpty() ? emptyText : QString());
    rebuildPopUp();
}

QList<PaneStack::Entry> PaneStack::entries() const
{
    QList<Entry> list;
    for (HostPage* page : leading_) list.append({page->key(), page->title(), page, page, nullptr});
    for (int i = 0; i < panels_.size(); ++i)
        list.append({panels_.at(i)->panelKind(), panels_.at(i)->panelName(), panelPages_.value(i), nullptr,
                     panels_.at(i)});
    if (panels_.isEmpty()) list.append({kEmptyKey, tr("Printer Options"), emptyPage_, nullptr, nullptr});
    for (HostPage* page : trailing_) list.append({page->key(), page->title(), page, page, nullptr});
    if (summary_) list.append({summary_->key(), summary_->title(), summary_, summary_, nullptr});
    return list;
}

void PaneStack::rebuildPopUp()
{
    const QSignalBlocker block(popUp_);
    popUp_->clear();
    const QList<Entry> list = entries();
    for (const Entry& entry : list) {
        if (summary_ && entry.page == summary_) popUp_->insertSeparator(popUp_->count());
        popUp_->addItem(entry.title, entry.key);
    }
}

QStringList PaneStack::entryTitles() const
{
    QStringList titles;
    for (const Entry& entry : entries())
        if (entry.page != summary_) titles << entry.title;
    return titles;
}

int PaneStack::findEntry(const QString& name) const
{
    // The Summary is no page to start on: it says what the others hold.
    const QString wanted = name.trimmed();
    QList<Entry> list = entries();
    if (summary_ && !list.isEmpty() && list.last().page == summary_) list.removeLast();
    bool isNumber = false;
    const int index = wanted.toInt(&isNumber);
    if (isNumber) return index >= 0 && index < list.size() ? index : -1;
    for (int i = 0; i < list.size(); ++i)
        if (list.at(i).title.compare(wanted, Qt::CaseInsensitive) == 0 || list.at(i).key == wanted) return i;
    return -1;
}

QString PaneStack::shownKey() const
{
    // Until an entry is shown the stack's first widget is merely there, not chosen.
    if (!anyShown_) return QString();
    for (const Entry& entry : entries())
        if (entry.widget && entry.widget == stack_->currentWidget()) return entry.key;
    return QString();
}

QWidget* PaneStack::shownPage() const { return stack_->currentWidget(); }

platform::PDEPanel* PaneStack::shownPanel() const
{
    for (const Entry& entry : entries())
        if (entry.panel && entry.widget == stack_->currentWidget()) return entry.panel;
    return nullptr;
}

bool PaneStack::currentPanelKeepsStage() const
{
    platform::PDEPanel* panel = shownPanel();
    return panel && !panel->shouldHide();
}

bool PaneStack::showEntry(int index)
{
    const QList<Entry> list = entries();
    if (index < 0 || index >= list.size()) return false;
    const Entry& entry = list.at(index);
    if (entry.widget != stack_->currentWidget() && currentPanelKeepsStage()) {
        // The panel shown now keeps the stage: the pop-up goes back to it.
        const QSignalBlocker block(popUp_);
        popUp_->setCurrentIndex(popUp_->findData(shownKey(), kKeyRole));
        return false;
    }
    if (entry.panel) entry.panel->willShow();
    if (entry.page) entry.page->prepareToShow();
    showWidget(entry);
    anyShown_ = true;
    const QSignalBlocker block(popUp_);
    popUp_->setCurrentIndex(popUp_->findData(entry.key, kKeyRole));
    emit shown(entry.key);
    return true;
}

bool PaneStack::showPanel(int panelIndex)
{
    if (panelIndex < 0 || panelIndex >= panels_.size()) return false;
    return showKey(panels_.at(panelIndex)->panelKind());
}

bool PaneStack::showKey(const QString& key)
{
    const QList<Entry> list = entries();
    for (int i = 0; i < list.size(); ++i)
        if (list.at(i).key == key) return showEntry(i);
    return false;
}

void PaneStack::showKeyOrFirst(const QString& key)
{
    if (key.isEmpty() || !showKey(key)) showEntry(0);
}

void PaneStack::showSummary()
{
    if (summary_) showKey(summary_->key());
}

void PaneStack::showWidget(const Entry& entry)
{
    // Only the shown page counts for the window's size: each entry at its own size. A
    // stack heeds every page's minimum size, hidden or not, so the others are ignored.
    for (int i = 0; i < stack_->count(); ++i) {
        QWidget* w = stack_->widget(i);
        w->setSizePolicy(QSizePolicy::Preferred, w == entry.widget ? QSizePolicy::Preferred : QSizePolicy::Ignored);
    }
    emptyPage_->setMinimumSize(entry.widget == emptyPage_ ? QSize(kEmptyPageWidth, kEmptyPageHeight) : QSize(0, 0));
    for (HostPage* page : leading_ + trailing_ + QList<HostPage*>{summary_})
        if (page) page->setMinimumSize(page == entry.page ? page->shownMinimumSize() : QSize(0, 0));
    stack_->setCurrentWidget(entry.widget);
    stack_->updateGeometry();
}

void PaneStack::orderTabChain(QWidget* window, const QList<QWidget*>& answers)
{
    // Each page joins the end of the window's focus chain with its controls in the order
    // it gave them; the answers go after the pages. Hidden pages are passed over by Tab.
    QWidget* last = window->previousInFocusChain();
    while (last != window && (last->focusPolicy() == Qt::NoFocus || answers.contains(last)))
        last = last->previousInFocusChain();
    if (last == window) return;
    for (QWidget* answer : answers) {
        QWidget::setTabOrder(last, answer);
        last = answer;
    }
}

} // namespace host
