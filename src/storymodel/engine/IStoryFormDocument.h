#pragma once
// What the storyform manager needs of the story document that owns it: the story's store, which
// holds the record of the values in force, and the document's unsaved-changes mark.

class PFMFile;

class IStoryFormDocument {
public:
    virtual ~IStoryFormDocument() = default;

    // The story's store; never null.
    virtual PFMFile* GetStoryFile() = 0;
    // The document has changes to save.
    virtual void SetDirty() = 0;
    // The document has none.
    virtual void SetClean() = 0;
};
