// The Printer Features page on printer descriptions as Debian's PPD packages ship them
// (a sample across makers and drivers, unpacked by scripts/sample-ppds once per build
// tree): the dialog opens on each, every option the description declares is offered
// here or by a page or panel that owns it, the defaults send nothing of the page's, and
// every custom form takes a value within its ranges and sends it.
//
// ORVAN_PPD_SWEEP=DIRECTORY runs the same over every *.ppd in DIRECTORY instead (a long
// sweep, by hand).

// The PPD interface is deprecated in CUPS 2.4.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "tests/host/FeaturesTestSupport.h"

#include <QDir>
#include <QProcess>

#include <cmath>
#include <iostream>

namespace {

using hosttest::featureControl;
using hosttest::find;

// A value the parameter takes: its lowest number, or the fewest characters it allows.
QString valueWithin(const host::CustomParam& param)
{
    if (param.type == PPD_CUSTOM_PASSCODE) return QString(std::max(1, static_cast<int>(param.minimum)), QLatin1Char('7'));
    if (param.isText()) return QString(std::max(1, static_cast<int>(param.minimum)), QLatin1Char('x'));
    if (param.isWhole()) return QString::number(static_cast<qlonglong>(std::ceil(param.minimum)));
    return QString::number((param.minimum + param.maximum) / 2, 'g', 6);
}

class FeaturesRealPpd : public hosttest::HostDialogTest {
protected:
    static QStringList descriptions(QString* skip)
    {
        QString dir = qEnvironmentVariable("ORVAN_PPD_SWEEP");
        if (dir.isEmpty()) {
            dir = QStringLiteral(REAL_PPD_DIR);
            QProcess unpack;
            unpack.setProcessChannelMode(QProcess::MergedChannels);
            unpack.start(testsupport::sourcePath(QStringLiteral("scripts/sample-ppds")), {dir});
            if (!unpack.waitForFinished(600000) || unpack.exitCode() != 0) {
                *skip = QStringLiteral("scripts/sample-ppds: ") + QString::fromLocal8Bit(unpack.readAll()).trimmed();
                if (unpack.exitCode() != 3) ADD_FAILURE() << skip->toStdString();
                return {};
            }
        }
        QStringList files;
        for (const QString& name : QDir(dir).entryList({QStringLiteral("*.ppd")}, QDir::Files, QDir::Name))
            files << QDir(dir).filePath(name);
        return files;
    }
};

TEST_F(FeaturesRealPpd, EveryOptionOfEachDescriptionIsOfferedAndEachCustomFormTakesAValue)
{
    QString skip;
    const QStringList files = descriptions(&skip);
    if (files.isEmpty()) GTEST_SKIP() << skip.toStdString();
    const bool sweep = !qEnvironmentVariableIsEmpty("ORVAN_PPD_SWEEP");
    int refused = 0;
    int offeredCount = 0;
    int customs = 0;
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        // libcups refuses a few of the packaged descriptions outright; so does the dialog.
        QString unreadable;
        QStringList warnings;
        if (!host::openPpd(file, &unreadable, &warnings)) {
            if (sweep) ++refused;
            else ADD_FAILURE() << unreadable.toStdString();
            continue;
        }
        // Sound descriptions open without a word.
        if (!sweep) {
            EXPECT_TRUE(warnings.isEmpty()) << warnings.join(QLatin1Char('\n')).toStdString();
        }
        host::DialogOptions o = options();
        o.ppdPath = file;
        host::PrintDialog* dialog = open(o);
        ASSERT_TRUE(dialog);
        host::FeaturesPage* page = hosttest::showFeatures(dialog);
        ASSERT_NE(page, nullptr);

        // Every feature set shown once; the controls each holds.
        QSet<QString> controls;
        auto* sets = find<QComboBox>(page, "featureSetPopUp");
        for (int i = 0; i < sets->count(); ++i) {
            sets->setCurrentIndex(i);
            emit sets->activated(i);
            for (QWidget* w : find<QStackedWidget>(page, "featureGroups")->currentWidget()->findChildren<QWidget*>())
                if (w->objectName().startsWith(QLatin1String("feature_"))) controls << w->objectName();
        }
        const QStringList offered = page->keywords();
        for (const QString& keyword : offered) {
            const QString name = QStringLiteral("feature_") + keyword;
            const bool shown = controls.contains(name) || controls.contains(name + QStringLiteral("_label"));
            EXPECT_TRUE(shown) << keyword.toStdString() << " has no control";
        }
        const QStringList elsewhere = hosttest::shownElsewhere(dialog);
        for (const QString& keyword : hosttest::declaredKeywords(file))
            EXPECT_NE(offered.contains(keyword), elsewhere.contains(keyword))
                << keyword.toStdString() << (offered.contains(keyword) ? " offered twice" : " offered nowhere");
        offeredCount += static_cast<int>(offered.size());

        // The defaults: printable, and nothing of the page's sent.
        QString why;
        EXPECT_TRUE(page->canPrint(&why)) << why.toStdString();
        host::JobOptions sent;
        page->addJobOptions(&sent);
        EXPECT_TRUE(sent.isEmpty()) << sent.items().value(0).first.toStdString();

        // Each custom form: a value within its ranges is taken and sent.
        for (const QString& keyword : offered) {
            QString problem;
            const QList<host::CustomParam> params = host::customParams(dialog->ppd(), keyword, &problem);
            auto* popUp = featureControl<QComboBox>(page, keyword);
            const int custom = popUp ? popUp->findData(QStringLiteral("Custom")) : -1;
            if (custom < 0 || !problem.isEmpty() || !popUp->isEnabled()) continue;
            SCOPED_TRACE(keyword.toStdString());
            popUp->setCurrentIndex(custom);
            emit popUp->activated(custom);
            QMap<QString, QString> values;
            for (const host::CustomParam& param : params) {
                auto* field = featureControl<QLineEdit>(page, keyword, param.name);
                ASSERT_NE(field, nullptr) << param.name.toStdString();
                field->selectAll();
                field->del();
                QTest::keyClicks(field, valueWithin(param));
                QString value;
                host::customValueProblem(param, QString(), valueWithin(param), &value);
                values.insert(param.name, value);
            }
            EXPECT_TRUE(page->canPrint(&why)) << why.toStdString();
            EXPECT_EQ(dialog->jobOptions().value(keyword), host::customChoice(params, values));
            ++customs;
            // Back to the default, which sends nothing again.
            const int standard = popUp->findData(QString::fromUtf8(ppdFindOption(dialog->ppd(), keyword.toUtf8().constData())->defchoice));
            if (standard >= 0) {
                popUp->setCurrentIndex(standard);
                emit popUp->activated(standard);
                EXPECT_FALSE(dialog->jobOptions().contains(keyword));
            }
        }
        dialog_.reset();
    }
    std::cout << files.size() << " descriptions (" << refused << " refused by libcups), " << offeredCount
              << " options on the page, " << customs << " custom forms filled in\n";
}

} // namespace
