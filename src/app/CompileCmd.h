#pragma once
// Build Story Examples (1285): rebuilds the story examples file "storyexm.qrv" of the data folder
// from the story files of the "examples" folder beside the program. For each story point with an
// examples segment type, and each value of it that some example story chose, the file holds one
// segment (the type, the value as id) of styled text: one paragraph per story that chose the value,
// in the order the stories were read, naming the story and giving its storytelling text for that
// point.
//
// The new file is built in memory and written only when every story was read, so a failure or a
// cancellation leaves the old file as it was; the examples file (new or old) is opened again at the
// end.

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/StoryCommandIds.h"
#include "foundation/FileRef.h"
#include "framework/TCommand.h"

class ObjList;
class PFMFile;

class CompileCmd : public TCommand {
public:
    static constexpr const char* kQuestion =
        "The Story Examples command rebuilds the STORYEXM.QRV help file, including every story in your "
        "EXAMPLES subdirectory.  This file provides story-specific help for the Query System.\n\nThe "
        "rebuilding "
        "may take a few minutes, depending on how many stories you have.\nYou ONLY need to rebuild IF you "
        "have "
        "added stories to the EXAMPLES subdirectory.\n\nRebuild STORYEXM.QRV?";
    static constexpr const char* kNoFolderText =
        "Fablecore could not locate the 'EXAMPLES' subdirectory.  You can only build Story Examples from "
        "stories located in a subdirectory with that EXACT name.";
    static constexpr const char* kNoStoriesText = "No story files were found in the 'EXAMPLES' subdirectory.";
    static constexpr const char* kErrorText =
        "An error occured while creating the story examples file.\nPlease check to see that you have "
        "sufficient hard disk space, and make sure none of the files in the examples folder are corrupt.";
    // The folder of example stories beside the program.
    static constexpr const char* kExamplesFolderName = "examples";
    // The examples file's type and creator.
    static constexpr FourCC kExamplesFileType = FourCCOf("FKCM");
    static constexpr FourCC kExamplesCreator = FourCCOf("Fabl");
    // The most bytes one paragraph takes, its NUL included; a longer storytelling text is cut.
    static constexpr std::size_t kTextBufferSize = 30720;
    // The longest title used.
    static constexpr std::size_t kMaxTitle = 99;

    explicit CompileCmd(TAppl* application) : TCommand(application, kCmdBuildStoryExamples) {}

    // A story document is in front.
    static bool IsEnabled(const TAppl& application);
    // Asks, then rebuilds; 0 or the error (which was reported).
    ErrCode Do() override;
    // The example stories ('.fsf' files of the "examples" folder) into the list; 0, or the error
    // after its message when the folder is missing.
    ErrCode FindExampleStories(ObjList& list);
    // Adds the story's paragraphs to the examples store; 0 or the error (-1 when the story lacks
    // its main or responses record).
    ErrCode AddStoryToExamples(const FileRef& story, PFMFile* examples, std::string& buffer);

private:
    // Builds the examples file from the stories: 0 (also when cancelled) or the error.
    ErrCode Rebuild(ObjList& stories);
};

// The value of an element-level story point folded into the first class's elements (85-148):
// 85 + ((value - 85) rem 64), the remainder keeping the sign of value - 85.
std::int16_t FoldElementValue(std::int16_t value);

// One paragraph of an examples segment: the story's title in bold after the paragraph margins,
// then ":  " and the storytelling text with a line end, or ". " and a line end without a text.
std::string ExampleParagraph(const std::string& title, const char* storytelling);
