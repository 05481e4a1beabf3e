#pragma once
// Layout and Paper: paper size, source and two-sided printing from the printer
// description when it has them (PageSize, InputSlot, Duplex, marked for libcups), or
// else as CUPS's standard job options; orientation, pages per sheet with their order
// and borders, the page range, collating, reverse order and fit to page always as
// CUPS's standard job options, under the names lp -o uses.
#include "host/HostPage.h"
#include "host/PreviewLayout.h"
#include "host/PreviewRenderer.h"
#include "host/SummaryPage.h"

#include <QPointer>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace host {

class PreviewService;

class LayoutPage : public HostPage {
    Q_OBJECT
public:
    explicit LayoutPage(QWidget* parent = nullptr);
    ~LayoutPage() override;

    QString title() const override;
    QString key() const override { return QStringLiteral("layout"); }
    void bind(const PrinterContext& printer, const QMap<QString, QString>& saved) override;
    void saveValues(QMap<QString, QString>* values) const override;
    void addJobOptions(JobOptions* options) const override;
    QStringList ownedKeywords() const override;
    bool canPrint(QString* why) const override;
    QSize shownMinimumSize() const override;

    // The sheets as they will print, for the preview; `options` (every option of the
    // job) says whether the output is gray.
    PrintLayout printLayout(const JobOptions& options) const;
    // The page's rows in the Summary (the controls are built for it if need be).
    SummarySection summary();
    // The worker that counts and draws the document's pages, made on first use.
    PreviewService* previewService();
    // The document's pages: -1 while they are not counted (or cannot be).
    int pageCount() const { return pageCount_; }
    // What the page says under the page range now (empty when all is well).
    QString rangeProblem() const;

protected:
    void build() override;
    void refresh() override;

private:
    // The page's own choices; the printer description's options live in its marks.
    struct Choices {
        QString media;    // a size name when the description has no PageSize; empty: the printer's
        QString source;   // a source name when it has no InputSlot; empty: automatic
        QString sides = QStringLiteral("one-sided"); // when it has no Duplex
        int orientation = Portrait;
        int numberUp = 1;
        QString numberUpLayout = QStringLiteral("lrtb");
        QString pageBorder = QStringLiteral("none");
        bool allPages = true;
        QString range;
        bool collate = false;
        bool reverse = false;
        bool fitToPage = false;
    };

    bool hasOption(const char* keyword) const;
    void fillPopUps();
    void fillFromPpd(QComboBox* popup, const char* keyword, bool skipCustom);
    void choose(QComboBox* popup, const QString& data);
    void popUpChosen(QComboBox* popup);
    void rangeEdited();
    void startCounting();
    void pagesCounted(int pages, PreviewProblem problem);
    void showRangeState();
    void changed();
    // The range as typed, checked against the page count when it is known.
    bool checkRange(QList<PageRange>* ranges, QString* problem) const;

    ppd_file_t* ppd_ = nullptr;
    const Document* document_ = nullptr;
    Choices choices_;
    PreviewService* service_ = nullptr; // child, made on first use
    enum class Count { NotStarted, Counting, Done, Failed } count_ = Count::NotStarted;
    int pageCount_ = -1;
    PreviewProblem countProblem_ = PreviewProblem::None;

    QComboBox* paperSize_ = nullptr;
    QComboBox* paperSource_ = nullptr;
    QComboBox* twoSided_ = nullptr;
    QComboBox* orientation_ = nullptr;
    QComboBox* pagesPerSheet_ = nullptr;
    QComboBox* pageOrder_ = nullptr;
    QComboBox* pageBorder_ = nullptr;
    QLabel* pageOrderLabel_ = nullptr;
    QLabel* pageBorderLabel_ = nullptr;
    QRadioButton* allPages_ = nullptr;
    QRadioButton* rangePages_ = nullptr;
    QLineEdit* rangeField_ = nullptr;
    QLabel* pageCountText_ = nullptr;
    QLabel* rangeProblem_ = nullptr;
    QCheckBox* collate_ = nullptr;
    QCheckBox* reverse_ = nullptr;
    QCheckBox* fitToPage_ = nullptr;
};

} // namespace host
