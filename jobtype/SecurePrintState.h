#pragma once
// The secure-print state shared by the Job Type panel and the Secure Print setup
// dialog. It lives for the whole process, so a second print dialog starts from the
// user's last secure-print entries.
#include "plugin/PDEChoice.h"

#include <QString>
#include <QVariantList>

#include <cups/ppd.h>

#include <cstdint>
#include <memory>
#include <optional>

namespace platform {
class Bundle;
}

// The bundle of the Job Type panel constructed last; every localised text of the
// panel and the dialog comes from it. Not owned: the host keeps the bundle alive.
extern platform::Bundle* pluginBundle;
// The choices of "JobType", built at each construction of a Job Type panel.
extern std::shared_ptr<ChoiceList> jobtypeChoices;
// "UserID", "JobNameMode", "SecurePrintPasscode", "NewJob"; null when the PPD lacks one.
extern ppd_option_t* jobidOption;
extern ppd_option_t* jobnameOption;
extern ppd_option_t* secureprintOption;
extern ppd_option_t* newjobOption;
// The selected job type: 0 Normal Print, 1 Secure Print.
extern int32_t secureIndex;
// 1 once a Job Type panel has been shown in this process.
extern int32_t firstRun;
// Job name mode of the last OK: 0 use the existing name, 1 enter a new name.
extern int32_t jobnameMode;
// The job name field's text at the last OK, whatever the mode; null before.
extern QString docName;

// The setup result of the last OK, none before the first. By position:
// 0 the job name mode (int); 1 user ID; 2 passcode; 3 the new job name (mode 1) or
// the title of the selected name-mode item (mode 0); 4 that title (mode 1 only).
extern std::optional<QVariantList> response;

namespace jobtype {

// Position `index` of the setup result as text; empty when there is none.
QString responseText(int index);
// Position 0 of the setup result: the job name mode; 0 when there is no result.
int responseMode();

// For test fixtures only: the state as when the plug-in is loaded.
void resetSecurePrintState();

} // namespace jobtype
