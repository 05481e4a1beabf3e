#pragma once
// The Color Balance dialog: twelve toner densities, one toner at a time, with level bars.
#include "colorbalance/ColorBalanceState.h"
#include "plugin/CustomTextFieldFormatter.h"
#include "platform/Bundle.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <cups/ppd.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform {
class ColorBox;
class Stepper;
} // namespace platform

// One controller runs one dialog. It is made without a window; loading the layout
// "ColorBalance" with it as owner gives it its window (which it owns) and runs
// awakeFromNib. It gives itself up (deleteLater) once its window has closed, so
// whoever keeps it holds a QPointer.
class ColorBalanceOrvan : public QObject, public platform::LayoutOwner {
    Q_OBJECT

public:
    // init / initWithWindow(nullptr): no window yet.
    explicit ColorBalanceOrvan(QObject* parent = nullptr);
    ~ColorBalanceOrvan() override; // dealloc

    QDialog* window() const;

    void bindOutlets(const platform::Outlets& outlets) override;
    void awakeFromNib() override;

    // Shows the dialog modally; answers ColorBlanceRes as it stands when the loop ends.
    std::optional<QList<int32_t>> Start(platform::Bundle* bundle);

    // Position of the option's declared default choice; 3 when there is none.
    int64_t indexOfMarkedOption(ppd_option_t* option, const char* key);
    // Repaints the level bar of density `index` (0..11) from its working value.
    void fillcolorbars(qint64 index);

public slots:
    // Actions: the sender is the control, or null when called from code.
    void closeBtnClick(QObject* sender);
    void okBtnClick(QObject* sender);
    void defaultBtnClick(QObject* sender);
    void HelpBtnClick(QObject* sender);
    void EnableBtnClick(QObject* sender);
    void targetColorClick(QObject* sender);
    void TextOneClick(QObject* sender);
    void TextTwoClick(QObject* sender);
    void TextThreeClick(QObject* sender);
    void StepperOneClick(QObject* sender);
    void StepperTwoClick(QObject* sender);
    void StepperThreeClick(QObject* sender);
    // Text-change notification of the three fields; `field` is the field that changed.
    void controlTextDidChange(QObject* field);
    void windowWillClose();

public:
    // Members bound from the layout (null until loaded; owned by the window).
    QPushButton* closeButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* defaultButton = nullptr;
    QAbstractButton* helpButton = nullptr;
    QCheckBox* EnableButton = nullptr;
    QComboBox* targetColorButton = nullptr;
    platform::ColorBox *one1 = nullptr, *one2 = nullptr, *one3 = nullptr, *one4 = nullptr,
                       *one5 = nullptr, *one6 = nullptr, *one7 = nullptr;
    platform::ColorBox *two1 = nullptr, *two2 = nullptr, *two3 = nullptr, *two4 = nullptr,
                       *two5 = nullptr, *two6 = nullptr, *two7 = nullptr;
    platform::ColorBox *three1 = nullptr, *three2 = nullptr, *three3 = nullptr, *three4 = nullptr,
                       *three5 = nullptr, *three6 = nullptr, *three7 = nullptr;
    platform::ColorBox *Blacklow = nullptr, *Blackmid = nullptr, *Blackhigh = nullptr;
    platform::ColorBox *Cyanlow = nullptr, *Cyanmid = nullptr, *Cyanhigh = nullptr;
    platform::ColorBox *Magentalow = nullptr, *Magentamid = nullptr, *Magentahigh = nullptr;
    platform::ColorBox *Yellowlow = nullptr, *Yellowmid = nullptr, *Yellowhigh = nullptr;
    platform::Stepper *StepperOne = nullptr, *StepperTwo = nullptr, *StepperThree = nullptr;
    QLineEdit *TextOne = nullptr, *TextTwo = nullptr, *TextThree = nullptr;
    std::unique_ptr<CustomTextFieldFormatterPrinter> TextFmt;
    QLabel* sTextTarget = nullptr;
    QLabel *sTextOne = nullptr, *sTextTwo = nullptr, *sTextThree = nullptr;
    // Snapshot of the working values, only while Start runs.
    std::optional<QList<int32_t>> CBResClose;

protected:
    // Up and Down in a number field step it as its stepper does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The reference swatch of density `index`, null outside 0..11 or when not loaded.
    platform::ColorBox* referenceSwatch(int index) const;
    // The seven swatches of the bar of tone range `range` (0 Low, 1 Mid, 2 High), top first.
    std::array<platform::ColorBox*, 7> bar(int range) const;
    void textToStepper(QLineEdit* field, platform::Stepper* stepper, QObject* sender);
    void stepperToValue(int range, platform::Stepper* stepper, QLineEdit* field, QObject* sender);

    QPointer<QDialog> window_;
    bool deallocating_ = false;
};
