#include "program/StoryApplication.h"

#include "app/FablCmds.h"
#include "app/Fablecore.h"
#include "characters/CharacterTools.h"
#include "query/QueryTools.h"
#include "reports/ReportTools.h"
#include "storywindows/StoryWindowTools.h"

TAppl* CreateStoryApplication(AppEnvironment* environment) {
    TAppl* application = CreateFablecore(environment);
    if (auto* commands = dynamic_cast<FablCmds*>(application)) {
        InstallQueryTools(commands->GetStoryTools());
        InstallReportTools(commands->GetStoryTools());
        InstallCharacterTools(commands->GetStoryTools());
        InstallStoryWindowTools(commands->GetStoryTools());
    }
    return application;
}
