#pragma once
// What the story model needs of the application object: its data files and the records it keeps
// open for the whole run. The application installs itself at start-up; tests install their own.

#include <cstdint>

class PFMFile;
class PText;

class IStoryApplication {
public:
    virtual ~IStoryApplication() = default;

    // The application data file, or null when none is open.
    virtual PFMFile* GetDataFile() = 0;
    // The stock character pictures ("charpix.qrv" of the "Commands" folder), whose 'CPIX' pictures
    // have ids below 32768; null when it is not open.
    virtual PFMFile* GetCharacterPictureFile() = 0;
    // The pronoun record, keyed record 'PPNN' 1 of the data file; null when there is none.
    virtual PText* GetPronounRecord() = 0;
    // The general preferences record ('PRFW') and the query system's ('FQS '); null when none.
    virtual PText* GetGeneralRecord() = 0;
    virtual PText* GetFQSRecord() = 0;
    // "RetAdv" of the query system's preferences: nonzero when Return advances to the next field.
    virtual std::int16_t GetReturnAdvances() = 0;
    // "PNounGen" of the general preferences (1 when absent): the sex of pronouns that no
    // character decides.
    virtual std::int16_t GetPronounGender() = 0;
};

// Installs the application (null: none) and answers the previous one.
IStoryApplication* SetStoryApplication(IStoryApplication* application);
// The installed application, or null.
IStoryApplication* GetStoryApplication();
