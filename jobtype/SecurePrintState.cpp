#include "jobtype/SecurePrintState.h"

platform::Bundle* pluginBundle = nullptr;
std::shared_ptr<ChoiceList> jobtypeChoices;
ppd_option_t* jobidOption = nullptr;
ppd_option_t* jobnameOption = nullptr;
ppd_option_t* secureprintOption = nullptr;
ppd_option_t* newjobOption = nullptr;
int32_t secureIndex = 0;
int32_t firstRun = 0;
int32_t jobnameMode = 0;
QString docName;
std::optional<QVariantList> response;

namespace jobtype {

QString responseText(int index)
{
    if (!response || index < 0 || index >= response->size()) return QString();
    return response->at(index).toString();
}

int responseMode()
{
    if (!response || response->isEmpty()) return 0;
    return response->at(0).toInt();
}

void resetSecurePrintState()
{
    pluginBundle = nullptr;
    jobtypeChoices.reset();
    jobidOption = nullptr;
    jobnameOption = nullptr;
    secureprintOption = nullptr;
    newjobOption = nullptr;
    secureIndex = 0;
    firstRun = 0;
    jobnameMode = 0;
    docName = QString();
    response.reset();
}

} // namespace jobtype
