// Story files as the story examples rebuild reads them: a store of segments the input makes (main
// records of every generation, responses, values in force, storytelling) is written to a file and
// added to an examples store in memory. Whatever the bytes, the story is added or refused with an
// error, never more; every examples segment holds a text that ends within it.

#include <cstring>
#include <string>

#include "FuzzStores.h"
#include "FuzzStoryFile.h"
#include "app/CompileCmd.h"
#include "foundation/pfm/PFMSegments.h"

namespace {

constexpr FourCC kTypes[] = {FourCCOf("SDI4"), FourCCOf("SDI3"), FourCCOf("SDOC"),
                             FourCCOf("RESP"), FourCCOf("FCAP"), FourCCOf("STEL")};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StartStores();
    const FileRef file((ScratchFolder::Get() / "example.fsf").c_str(), kAccessCreate);
    FuzzInput input(data, size);
    WriteFuzzStoryFile(input, file, kTypes);

    PFMPushCurrentFile(nullptr);
    PFMFile* examples = PFMOpenFile(nullptr);
    FUZZ_CHECK(examples != nullptr);
    std::string buffer;
    CompileCmd command(nullptr);
    const ErrCode result =
        command.AddStoryToExamples(FileRef(file).SetPermission(kAccessRead), examples, buffer);
    FUZZ_CHECK(result <= 0);
    FUZZ_CHECK(buffer.size() < CompileCmd::kTextBufferSize);
    PFMSetCurrentFile(examples);
    PFMForEachSegment([](FourCC type, std::uint16_t id) {
        void* text = PFMCheckOut(type, id);
        FUZZ_CHECK(text != nullptr);
        FUZZ_CHECK(std::memchr(text, 0, MemSize(text)) != nullptr);
        PFMCheckIn(text);
    });
    PFMCloseFile(examples);
    PFMPopCurrentFile();
    PFMClearError();
    return 0;
}
