// Item pools as segments hold them. The input is a pool's stored form, followed by edits: each a
// byte choosing add, replace, remove or copy, a 16-bit item index and a 16-bit size. A pool that
// reads is edited, written (compacted first when it asks to be) and read back; after the edits and
// after the round trip every item must hold what the edits left in it.

#include <optional>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "foundation/ByteStream.h"
#include "foundation/FileError.h"
#include "foundation/pfm/Pool.h"

namespace {

using Items = std::vector<std::optional<std::string>>;

Items ItemsOf(const Pool& pool) {
    Items items(static_cast<std::size_t>(pool.ItemCount()));
    for (std::int32_t i = 0; i < pool.ItemCount(); ++i) {
        if (!pool.ItemExists(i)) continue;
        std::string bytes(pool.ItemSize(i), '\0');
        FUZZ_CHECK(pool.GetItem(bytes.data(), i, -1) == bytes.size());
        items[static_cast<std::size_t>(i)] = bytes;
    }
    return items;
}

void Edit(Pool& pool, Items& expected, FuzzInput& edits) {
    const std::uint8_t kind = edits.Byte() % 4;
    const std::int32_t index = edits.Short() % (pool.ItemCount() + 1);
    const std::uint32_t size = edits.Short() % (Pool::kMaxItemSize + 2);
    const std::string bytes(size, static_cast<char>('a' + index % 26));
    switch (kind) {
        case 0: {
            const std::int32_t added = pool.AddItem(bytes.data(), size);
            if (added < 0) return;
            expected.resize(static_cast<std::size_t>(pool.ItemCount()));
            expected[static_cast<std::size_t>(added)] = bytes;
            break;
        }
        case 1:
            if (pool.SetItem(index, bytes.data(), size) == kNoErr)
                expected[static_cast<std::size_t>(index)] = bytes;
            break;
        case 2:
            if (pool.RemoveItem(index)) expected[static_cast<std::size_t>(index)].reset();
            break;
        default: {  // an item made from the pool's own bytes
            if (!pool.ItemExists(index)) return;
            const std::string copy = *expected[static_cast<std::size_t>(index)];
            const std::int32_t added = pool.AddItem(pool.ItemPtr(index), pool.ItemSize(index));
            if (added < 0) return;
            expected.resize(static_cast<std::size_t>(pool.ItemCount()));
            expected[static_cast<std::size_t>(added)] = copy;
            break;
        }
    }
    // Removing the last item drops its header.
    expected.resize(static_cast<std::size_t>(pool.ItemCount()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteStream in(std::vector<std::uint8_t>(data, data + size));
    Pool pool(0, 4);
    if (pool.ReadFrom(in) != kNoErr) {
        FUZZ_CHECK(pool.ItemCount() == 0);
        return 0;
    }
    std::uint32_t end = 0;
    in.GetPosition(end);
    FuzzInput edits(data + end, size - end);
    Items expected = ItemsOf(pool);
    for (int count = 0; count < 64 && !edits.Empty(); ++count) Edit(pool, expected, edits);
    FUZZ_CHECK(ItemsOf(pool) == expected);

    const std::int32_t predicted = pool.GetFlattenedSize();
    ByteStream out;
    FUZZ_CHECK(pool.WriteTo(out) == kNoErr);
    FUZZ_CHECK(out.Bytes().size() == static_cast<std::size_t>(predicted));
    FUZZ_CHECK(ItemsOf(pool) == expected);
    ByteStream back(out.Bytes());
    Pool read(0, 4);
    FUZZ_CHECK(read.ReadFrom(back) == kNoErr);
    FUZZ_CHECK(ItemsOf(read) == expected);
    return 0;
}
