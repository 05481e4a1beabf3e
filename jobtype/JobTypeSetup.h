#pragma once
// The Secure Print setup dialog: user ID, numeric passcode and, optionally, a new job
// name, validated at OK and left in the secure-print state for the Job Type panel.
#include "platform/Bundle.h"
#include "plugin/CustomTextFieldFormatter.h"
#include "plugin/SharedPanelState.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QAbstractButton;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;

// One controller runs one dialog. It is made without a window; loading the layout
// "JobTypeSetup" with it as owner gives it its window (which it owns) and runs
// awakeFromNib. It gives itself up (deleteLater) once its window has closed, so
// whoever keeps it holds a QPointer.
class JobTypeSetup : public QObject, public platform::LayoutOwner {
    Q_OBJECT

public:
    // init / initWithWindow(nullptr): no window yet.
    explicit JobTypeSetup(QObject* parent = nullptr);
    ~JobTypeSetup() override; // dealloc

    QDialog* window() const;

    void bindOutlets(const platform::Outlets& outlets) override;
    void awakeFromNib() override;

    // Shows the dialog modally until OK or Cancel; answers whether it ended with OK.
    // The job name field shows the name of the last OK, not the job's current one.
    bool Start(platform::Bundle* bundle);

    // Whether OK takes these entries: what the two fields admit, and OK's own checks.
    static bool acceptsEntries(const QString& userID, const QString& passcode);

public slots:
    // Actions: the sender is the control, or null when called from code.
    void okBtnClick(QObject* sender);
    void closeBtnClick(QObject* sender);
    void JobNameBtnClick(QObject* sender);
    void defaultBtnClick(QObject* sender);
    void HelpBtnClick(QObject* sender);
    void windowWillClose();

public:
    bool isOK = false;
    QWidget* JobTypeSetupView = nullptr;
    // Bound from the layout (null until loaded; owned by the window).
    QComboBox* pJobNameButton = nullptr;
    QPushButton* closeButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* defaultButton = nullptr;
    QAbstractButton* helpButton = nullptr;
    QWidget* TextJobName = nullptr;
    QLineEdit* TextUserIDBox = nullptr;
    QLineEdit* TextPasscodeBox = nullptr;
    QLineEdit* TextJobNameBox = nullptr;
    QLabel* sTextUserID = nullptr;
    QLabel* sTextPass = nullptr;
    QLabel* sTextJobName = nullptr;
    QLabel* sTextNewJobName = nullptr;
    std::unique_ptr<CustomTextFieldFormatterPrinter> UserIDBoxFmt;
    std::unique_ptr<CustomTextFieldFormatterPrinter> PasscodeBoxFmt;
    std::unique_ptr<CustomTextFieldFormatterPrinter> JobNameboxFmt;
    // The user ID to show when there is no setup result yet (one kept from an earlier
    // run whose passcode was not kept); set before Start.
    QString knownUserID;

private:
    QString localized(const char* key) const;
    void setJobNameEntryEnabled(bool on);

    QPointer<QDialog> window_;
    platform::Bundle* bundle_ = nullptr;
    bool dying_ = false;
};
