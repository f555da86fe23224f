#pragma once
// The story application's command ids, beside the framework's standard ones (framework/TCommand.h).
// Ids 1283, 1299, 1306, 1309, 1310, 1318 and 1319 have no menu entry.

#include <cstdint>

inline constexpr std::int32_t kCmdStoryAbout = 1279;
inline constexpr std::int32_t kCmdPlotpilot = 1280;
inline constexpr std::int32_t kCmdQuerySystem = 1281;
inline constexpr std::int32_t kCmdStoryEngine = 1282;
inline constexpr std::int32_t kCmdUnused1283 = 1283;
inline constexpr std::int32_t kCmdClearStoryform = 1284;
inline constexpr std::int32_t kCmdBuildStoryExamples = 1285;
inline constexpr std::int32_t kCmdGenerateStoryEngine = 1286;
inline constexpr std::int32_t kCmdCharacterList = 1287;
inline constexpr std::int32_t kCmdCreateCharacter = 1288;
inline constexpr std::int32_t kCmdDeleteCharacter = 1289;
inline constexpr std::int32_t kCmdCharacterInfo = 1290;
inline constexpr std::int32_t kCmdCharacterPicture = 1291;
inline constexpr std::int32_t kCmdBuildCharacters = 1292;
inline constexpr std::int32_t kCmdMainAndImpact = 1293;
inline constexpr std::int32_t kCmdCasting = 1294;
inline constexpr std::int32_t kCmdStoryInfo = 1295;
inline constexpr std::int32_t kCmdComments = 1296;
inline constexpr std::int32_t kCmdReports = 1297;
inline constexpr std::int32_t kCmdStoryPoints = 1298;
inline constexpr std::int32_t kCmdClearStorytelling = 1300;
inline constexpr std::int32_t kCmdHelpTopics = 1301;
inline constexpr std::int32_t kCmdDictionary = 1302;
inline constexpr std::int32_t kCmdSpinTheModel = 1303;
inline constexpr std::int32_t kCmdThemeBrowser = 1304;
inline constexpr std::int32_t kCmdExport = 1305;
inline constexpr std::int32_t kCmdUnused1306 = 1306;
inline constexpr std::int32_t kCmdExportScenewright = 1307;
inline constexpr std::int32_t kCmdPreferences = 1308;
inline constexpr std::int32_t kCmdUnused1309 = 1309;
inline constexpr std::int32_t kCmdUnused1310 = 1310;
inline constexpr std::int32_t kCmdSetFont = 1311;
inline constexpr std::int32_t kCmdDesktop = 1312;
inline constexpr std::int32_t kCmdPlotProgression = 1313;
inline constexpr std::int32_t kCmdCharacterGenerator = 1314;
inline constexpr std::int32_t kCmdReportOptions = 1315;
inline constexpr std::int32_t kCmdImportCharacter = 1316;
inline constexpr std::int32_t kCmdExportCharacter = 1317;
inline constexpr std::int32_t kCmdNotImplemented = 1319;

// The ids the story application answers for (its factory and its enabler); the rest go to the
// framework.
inline constexpr std::int32_t kFirstStoryCommand = 1279;
inline constexpr std::int32_t kLastStoryCommand = 1319;

// The query window's start pages: the Plotpilot's path, and the query system's home page.
inline constexpr std::int16_t kPlotpilotStartPage = 13;
inline constexpr std::int16_t kQueryStartPage = 0;
// The brainstorming tools' pages.
inline constexpr std::int16_t kSpinnerPage = 1;
inline constexpr std::int16_t kCharacterGeneratorPage = 2;
// The preferences window's areas: the general preferences, and the report options.
inline constexpr std::int16_t kGeneralPreferencesArea = 1;
inline constexpr std::int16_t kReportOptionsArea = 2;
