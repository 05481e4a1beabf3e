// bench-peer-bare: a bare Qt program showing one dialog with the kinds of widgets the
// print dialog has (pop-ups, a spin box, a text field, a page of labelled pop-ups, a
// check box, a slider, buttons, a hidden summary tree), built in code. Run with the
// first-frame library preloaded, it measures what any Qt dialog costs to appear.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Print"));
    auto* layout = new QVBoxLayout(&dialog);

    auto* top = new QHBoxLayout;
    auto* printer = new QComboBox;
    printer->addItems({QStringLiteral("Orvan"), QStringLiteral("Save to File")});
    auto* copies = new QSpinBox;
    copies->setRange(1, 999);
    auto* jobName = new QLineEdit(QStringLiteral("Test page"));
    top->addWidget(new QLabel(QStringLiteral("Printer:")));
    top->addWidget(printer, 1);
    top->addWidget(new QLabel(QStringLiteral("Copies:")));
    top->addWidget(copies);
    layout->addLayout(top);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Job name:")));
    nameRow->addWidget(jobName, 1);
    layout->addLayout(nameRow);

    auto* panelPopUp = new QComboBox;
    panelPopUp->addItems({QStringLiteral("Image Options"), QStringLiteral("Job Type"), QStringLiteral("Summary")});
    layout->addWidget(panelPopUp);

    auto* stack = new QStackedWidget;
    auto* page = new QGroupBox;
    auto* form = new QFormLayout(page);
    const char* labels[] = {"Output Color:", "Image Quality:", "Image Types:", "Screen:", "Image adjust mode:",
                            "Toner Saving Mode:"};
    for (const char* label : labels) {
        auto* popup = new QComboBox;
        popup->addItems({QStringLiteral("Choice one"), QStringLiteral("Choice two"), QStringLiteral("Choice three"),
                         QStringLiteral("Choice four")});
        form->addRow(QString::fromLatin1(label), popup);
    }
    form->addRow(QString(), new QCheckBox(QStringLiteral("Gray Guarantee")));
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setRange(-5, 5);
    form->addRow(QStringLiteral("Brightness:"), slider);
    auto* pageButtons = new QHBoxLayout;
    pageButtons->addWidget(new QPushButton(QStringLiteral("Color Balance...")));
    pageButtons->addStretch();
    pageButtons->addWidget(new QPushButton(QStringLiteral("Default")));
    form->addRow(pageButtons);
    stack->addWidget(page);
    auto* summary = new QTreeWidget;
    summary->setHeaderLabels({QStringLiteral("Setting"), QStringLiteral("Value")});
    stack->addWidget(summary);
    layout->addWidget(stack, 1);

    auto* notice = new QLabel(QStringLiteral("Looking for printers\u2026"));
    notice->setWordWrap(true);
    layout->addWidget(notice);

    auto* bottom = new QHBoxLayout;
    auto* help = new QToolButton;
    help->setText(QStringLiteral("?"));
    bottom->addWidget(help);
    bottom->addWidget(new QPushButton(QStringLiteral("Summary...")));
    bottom->addStretch();
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QDialogButtonBox::Cancel);
    buttons->addButton(QStringLiteral("Print"), QDialogButtonBox::AcceptRole);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);

    dialog.show();
    return app.exec();
}
