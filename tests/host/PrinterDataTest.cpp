// What reaches the printer: jobs printed as `lp -o` prints them on queues of the bundled
// printer description that run CUPS's filters, and each choice's PostScript code found
// in the data the filters wrote, for a PDF and a PostScript document.

// The libcups PPD interface is deprecated in CUPS 2.4; the test reads the codes through it.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "tests/host/HostTestSupport.h"
#include "tests/host/PrinterFeatures.h"
#include "tests/host/PrivateCupsd.h"

#include <iostream>

namespace {

using hosttest::Feature;
using hosttest::features;

class PrinterData : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!testsupport::PrivateCupsd::available()) GTEST_SKIP() << "cupsd is not installed (scripts/install-deps)";
        QString error;
        ASSERT_TRUE(cupsd_.start(&error)) << error.toStdString();
        for (const QString& queue : {kPdf, kPostScript})
            ASSERT_TRUE(cupsd_.addFilteringQueue(queue, testsupport::bundledPpdPath(), &error)) << error.toStdString();
        ppd_ = testsupport::openTestPpd(testsupport::bundledPpdPath());
        ASSERT_TRUE(ppd_);
        documents_[kPdf] = dir_.filePath(QStringLiteral("report.pdf"));
        ASSERT_TRUE(hosttest::writeBytes(documents_[kPdf], hosttest::pdfDocument()));
        documents_[kPostScript] = dir_.filePath(QStringLiteral("report.ps"));
        ASSERT_TRUE(hosttest::writeBytes(documents_[kPostScript], hosttest::postScriptPages(1, QSizeF(612, 792))));
    }

    void TearDown() override
    {
        if (HasFailure()) std::cerr << "cupsd error log:\n" << cupsd_.errorLog().toStdString() << "\n";
        cupsd_.stop();
    }

    // Prints each document on its queue with `options`, both at once; the settings in the
    // printer data of each, by queue.
    QMap<QString, QMap<QString, Feature>> print(const QMap<QString, QString>& options)
    {
        QMap<QString, int> jobs;
        QString error;
        for (const QString& queue : {kPdf, kPostScript}) {
            jobs[queue] = cupsd_.printFile(queue, documents_[queue], options, &error);
            EXPECT_GT(jobs[queue], 0) << error.toStdString();
        }
        QMap<QString, QMap<QString, Feature>> printed;
        for (const QString& queue : {kPdf, kPostScript}) {
            if (jobs[queue] <= 0) continue;
            EXPECT_TRUE(cupsd_.waitForJob(jobs[queue], &error)) << error.toStdString();
            printed[queue] = features(cupsd_.printerData(queue));
        }
        return printed;
    }

    const QString kPdf = QStringLiteral("OrvanPdf");
    const QString kPostScript = QStringLiteral("OrvanPs");
    testsupport::PrivateCupsd cupsd_;
    host::PpdPtr ppd_;
    QTemporaryDir dir_;
    QMap<QString, QString> documents_;
};

// Every choice of every option of the Image Options, Color Balance and Job Type groups,
// free-text values included: round r prints choice r of each option (so seven rounds
// cover the seven densities) and finds that choice's code in both documents' data. (For
// a PDF, cups-filters' pdftops drops "Brightness" as an image option of its own; the
// description's last filter puts the job's choice back.)
TEST_F(PrinterData, EveryChoiceOfThePanelsOptionsReachesThePrinter)
{
    struct Setting {
        ppd_option_t* option;
        QStringList choices;
        bool freeText; // a value of its own (user ID, passcode, job name) besides "None"
    };
    QList<Setting> settings;
    for (int g = 0; g < ppd_->num_groups; ++g) {
        const QByteArray group = ppd_->groups[g].name;
        if (group != "ImageOptions" && group != "ColorBalance" && group != "JobType") continue;
        for (int o = 0; o < ppd_->groups[g].num_options; ++o) {
            ppd_option_t* option = &ppd_->groups[g].options[o];
            Setting setting{option, {}, false};
            for (int c = 0; c < option->num_choices; ++c)
                if (qstrcmp(option->choices[c].choice, "Custom") != 0)
                    setting.choices << QString::fromUtf8(option->choices[c].choice);
            setting.freeText = ppdFindCustomOption(ppd_.get(), option->keyword) && setting.choices.size() == 1;
            settings << setting;
        }
    }
    ASSERT_EQ(settings.size(), 8 + 12 + 5);

    int rounds = 0;
    for (const Setting& s : settings) rounds = std::max(rounds, int(s.choices.size()) + (s.freeText ? 1 : 0));
    for (int round = 0; round < rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        QMap<QString, QString> options;
        for (const Setting& s : settings) {
            const QString keyword = QString::fromUtf8(s.option->keyword);
            if (s.freeText && round % 2 == 1)
                options[keyword] = QStringLiteral("Custom.") + QString::fromLatin1(QByteArray("v" + QByteArray::number(round) + keyword.toLatin1()).toBase64());
            else
                options[keyword] = s.choices.at(round % s.choices.size());
        }
        const QMap<QString, QMap<QString, Feature>> printed = print(options);
        for (auto it = printed.cbegin(); it != printed.cend(); ++it) {
            SCOPED_TRACE(it.key().toStdString());
            for (const Setting& s : settings) {
                const QString keyword = QString::fromUtf8(s.option->keyword);
                const QString sent = options.value(keyword);
                const Feature feature = it.value().value(keyword);
                if (sent.startsWith(QLatin1String("Custom."))) {
                    ppd_choice_t* custom = ppdFindChoice(s.option, "Custom");
                    ASSERT_NE(custom, nullptr) << keyword.toStdString();
                    EXPECT_EQ(feature.choice.toStdString(), "Custom") << keyword.toStdString();
                    EXPECT_EQ(feature.code.toStdString(),
                              QStringLiteral("(%1)\n%2").arg(sent.mid(7), QString::fromUtf8(custom->code).trimmed()).toStdString())
                        << keyword.toStdString();
                } else {
                    ppd_choice_t* choice = ppdFindChoice(s.option, sent.toUtf8().constData());
                    ASSERT_NE(choice, nullptr) << keyword.toStdString();
                    EXPECT_EQ(feature.choice.toStdString(), sent.toStdString()) << keyword.toStdString();
                    EXPECT_EQ(feature.code.toStdString(), QString::fromUtf8(choice->code).trimmed().toStdString())
                        << keyword.toStdString();
                }
            }
        }
    }
}

} // namespace
