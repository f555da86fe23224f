// Streams and what is read through them: texts behind length prefixes (plain and scrambled, into
// buffers and into Strings), Strings, flags, chunk records and memory-block records. The input's
// first byte is the read buffer's size, the next eight are reads (high nibble: what; low nibble:
// the size of the buffer, limit or position it takes), and the rest is the stream. Every read must
// leave its buffer terminated within its size and keep to its limits. Texts taken from the stream
// bytes are then written in each form and must read back as written (cut to the form's limit).

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "foundation/BlockRecord.h"
#include "foundation/ByteStream.h"
#include "foundation/Chunk.h"
#include "foundation/FileReadBuffer.h"
#include "foundation/String.h"
#include "foundation/TextIO.h"

namespace {

constexpr std::array<std::uint32_t, 16> kSizes{0,   1,   2,   3,   7,   8,    16,    64,
                                               127, 128, 200, 255, 256, 1000, 32768, 70000};

using BufferRead = ErrCode (*)(IReadFile&, char*, std::uint32_t, std::int16_t*);
using StringRead = ErrCode (*)(IReadFile&, String&);

void ReadIntoBuffer(IReadFile& stream, BufferRead read, std::uint32_t size) {
    std::vector<char> buffer(size);
    std::int16_t cut = -1;
    if (read(stream, buffer.data(), size, &cut) == kNoErr && size > 0)
        FUZZ_CHECK(std::memchr(buffer.data(), '\0', size) != nullptr);
}

void ReadIntoString(IReadFile& stream, StringRead read) {
    String text;
    read(stream, text);
    FUZZ_CHECK(std::strlen(text.CStr()) == text.Length());
}

void WalkChunks(IReadFile& stream) {
    ChunkReader reader(stream);
    ChunkHeader header;
    ErrCode err = reader.First(header);
    for (int count = 0; err == kNoErr && count < 16; ++count) {
        FUZZ_CHECK(header.IsValid());
        err = reader.Next(header);
    }
}

void Read(IReadFile& stream, std::uint8_t what) {
    const std::uint32_t size = kSizes[what & 0xF];
    switch (what >> 4) {
        case 0: ReadIntoBuffer(stream, ReadShortText, size); break;
        case 1: ReadIntoBuffer(stream, ReadMediumText, size); break;
        case 2: ReadIntoBuffer(stream, ReadLongText, size); break;
        case 3: ReadIntoBuffer(stream, ReadShortTextScrambled, size); break;
        case 4: ReadIntoBuffer(stream, ReadMediumTextScrambled, size); break;
        case 5: ReadIntoString(stream, ReadShortText); break;
        case 6: ReadIntoString(stream, ReadMediumText); break;
        case 7: ReadIntoString(stream, ReadLongText); break;
        case 8: ReadIntoString(stream, ReadMediumTextScrambled); break;
        case 9:
            ReadIntoString(stream, [](IReadFile& file, String& text) { return text.ReadFrom(file); });
            break;
        case 10: {
            std::int16_t flag = -1;
            if (ReadFlag(stream, flag) == kNoErr) FUZZ_CHECK(flag == 0 || flag == 1);
            break;
        }
        case 11: WalkChunks(stream); break;
        case 12: {
            ErrCode err = kNoErr;
            const MemBlockPtr block = ReadBlock(stream, size, err);
            FUZZ_CHECK((err == kNoErr) == (block != nullptr));
            if (block) FUZZ_CHECK(MemSize(block.get()) <= size);
            break;
        }
        case 13: {
            MemBlockPtr block;
            if (ReadBlockOfSize(stream, block, size) == kNoErr)
                FUZZ_CHECK(BlockStoredSize(block.get()) == size);
            break;
        }
        case 14: stream.SetPosition(size); break;
        default: SetScrambleKey(static_cast<std::uint8_t>(size)); break;
    }
}

// Writes the text in each form and reads it back.
void RoundTrip(const std::string& text) {
    using Write = ErrCode (*)(IWriteFile&, const char*);
    struct Form {
        Write write;
        BufferRead read;
        std::size_t limit;
    };
    const Form forms[] = {{WriteShortText, ReadShortText, kMaxShortText},
                          {WriteMediumText, ReadMediumText, kMaxMediumText},
                          {WriteLongText, ReadLongText, text.size()},
                          {WriteShortTextScrambled, ReadShortTextScrambled, kMaxShortText},
                          {WriteMediumTextScrambled, ReadMediumTextScrambled, kMaxMediumText}};
    for (const Form& form : forms) {
        ByteStream stream;
        FUZZ_CHECK(form.write(stream, text.c_str()) == kNoErr);
        stream.SetPosition(0);
        std::vector<char> buffer(text.size() + 1);
        FUZZ_CHECK(form.read(stream, buffer.data(), static_cast<std::uint32_t>(buffer.size()), nullptr) ==
                   kNoErr);
        FUZZ_CHECK(buffer.data() == text.substr(0, form.limit));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::uint32_t bufferSize = kSizes[input.Byte() & 0xF];
    const std::string_view reads = input.Bytes(8);
    const std::string_view rest = input.Rest();
    ByteStream source(std::vector<std::uint8_t>(rest.begin(), rest.end()));
    FileReadBuffer stream(source, bufferSize);
    for (char what : reads) Read(stream, static_cast<std::uint8_t>(what));
    SetScrambleKey(0);

    std::string text(rest.substr(0, 40000));
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    RoundTrip(text);
    return 0;
}
