// host_dialog_probe: opens orvan-print's dialog in a fresh process, the way a new run of
// orvan-print opens it, and prints what its controls show as JSON, so a test can see
// what a restart restores. Not a test itself.
//
//   host_dialog_probe BUNDLE PRESET_DIRECTORY [PPD]
#include "host/PrintDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 3) {
        std::fputs("usage: host_dialog_probe BUNDLE PRESET_DIRECTORY [PPD]\n", stderr);
        return 2;
    }
    host::DialogOptions options;
    options.bundlePath = arguments.at(1);
    options.presetDirectory = arguments.at(2);
    options.ppdPath = arguments.value(3);
    options.useServer = false;
    host::Document document;
    document.name = QStringLiteral("probe.ps");
    document.format = QStringLiteral("application/postscript");
    document.data = "%!PS\nshowpage\n";
    QString error;
    std::unique_ptr<host::PrintDialog> dialog = host::PrintDialog::create(options, document, &error);
    if (!dialog) {
        std::fprintf(stderr, "host_dialog_probe: %s\n", qPrintable(error));
        return 2;
    }
    dialog->show();
    if (!QTest::qWaitFor([&] { return dialog->isSettled(); }, 10000)) {
        std::fputs("host_dialog_probe: the dialog did not settle\n", stderr);
        return 2;
    }

    // Every panel shown once, as a user leafing through them would.
    auto* panelPopUp = dialog->findChild<QComboBox*>(QStringLiteral("panelPopUp"));
    for (int i = 0; i < dialog->panels().size(); ++i) dialog->showPanel(i);
    if (panelPopUp && !dialog->panels().isEmpty()) dialog->showPanel(0);

    QJsonObject controls;
    for (QComboBox* popup : dialog->findChildren<QComboBox*>())
        if (!popup->objectName().isEmpty()) controls.insert(popup->objectName(), popup->currentText());
    for (QSlider* slider : dialog->findChildren<QSlider*>())
        if (!slider->objectName().isEmpty()) controls.insert(slider->objectName(), slider->value());
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        if (button->isCheckable() && !button->objectName().isEmpty())
            controls.insert(button->objectName(), button->isChecked());
    for (QLineEdit* field : dialog->findChildren<QLineEdit*>())
        if (!field->objectName().isEmpty() && field->echoMode() == QLineEdit::Normal)
            controls.insert(field->objectName(), field->text());
    QJsonObject marked;
    for (const host::HandOver& choice : host::markedNonDefaultChoices(dialog->ppd()))
        marked.insert(choice.first, choice.second);
    QJsonObject report;
    report.insert(QStringLiteral("controls"), controls);
    report.insert(QStringLiteral("marked"), marked);
    report.insert(QStringLiteral("presetNotice"), dialog->presetNotice());
    report.insert(QStringLiteral("panels"), static_cast<int>(dialog->panels().size()));
    std::fputs(QJsonDocument(report).toJson(QJsonDocument::Indented).constData(), stdout);
    dialog.reset();
    return 0;
}
