#pragma once
// The pane pop-up and the stack under it: the host's own pages and the bundle's panels,
// one shown at a time, each at its own size. The order in the pop-up: the host's leading
// pages, the panels (or a page saying there are none), the host's trailing pages, and,
// after a separator, the Summary.
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QComboBox;
class QLabel;
class QStackedWidget;
class QWidget;

namespace platform {
class PDEPanel;
}

namespace host {

class HostPage;

class PaneStack : public QObject {
    Q_OBJECT
public:
    // `popUp` and `stack` belong to the window; the pages given later become the stack's.
    PaneStack(QComboBox* popUp, QStackedWidget* stack, QObject* parent = nullptr);
    ~PaneStack() override;

    // The host's pages, once: `leading` before the panels, `trailing` after them.
    void setHostPages(const QList<HostPage*>& leading, const QList<HostPage*>& trailing, HostPage* summary);
    // The panels of a new printer state. Their views are wrapped into pages here; the
    // previous panels' pages go. Nothing is shown anew: see showKeyOrFirst.
    void setPanels(const QList<platform::PDEPanel*>& panels, const QString& emptyText);
    // Lets go of the panels' pages (before the panels themselves go).
    void clearPanels();

    // Shows the pop-up's entry `index`; false when the panel shown keeps the stage.
    bool showEntry(int index);
    bool showPanel(int panelIndex);
    bool showKey(const QString& key);
    // The entry of `key` when there is one (the same page after a printer change), else
    // the first.
    void showKeyOrFirst(const QString& key);
    void showSummary();

    // The entry a --panel argument names: its position in the pop-up (from 0), its
    // title, a panel's kind or a page's key; -1 for none. The Summary is not one.
    int findEntry(const QString& name) const;
    // The titles of the entries findEntry knows, in their order.
    QStringList entryTitles() const;
    // The key of the entry shown: a page's key, a panel's kind, "empty".
    QString shownKey() const;
    QWidget* shownPage() const;
    platform::PDEPanel* shownPanel() const;

    // Tab runs from the pop-up through each page's controls, then to `answers`.
    void orderTabChain(QWidget* window, const QList<QWidget*>& answers);

signals:
    void shown(const QString& key);

private:
    struct Entry {
        QString key;
        QString title;
        QWidget* widget = nullptr;           // the page in the stack
        HostPage* page = nullptr;            // a host page, or
        platform::PDEPanel* panel = nullptr; // a panel
    };
    QList<Entry> entries() const;
    void rebuildPopUp();
    void showWidget(const Entry& entry);
    bool currentPanelKeepsStage() const;

    QComboBox* popUp_;
    bool anyShown_ = false; // whether an entry was ever shown
    QStackedWidget* stack_;
    QList<HostPage*> leading_;
    QList<HostPage*> trailing_;
    HostPage* summary_ = nullptr;
    QList<platform::PDEPanel*> panels_;
    QList<QPointer<QWidget>> panelPages_; // one per panel
    QWidget* emptyPage_ = nullptr;
    QLabel* emptyText_ = nullptr;
};

} // namespace host
